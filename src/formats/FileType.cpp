#include "FileType.h"

#include "base/ByteOrder.h"
#include "base/ByteSource.h"
#include "base/TextCase.h"

#include <string>

namespace kvt {

namespace {

constexpr uint16_t kSeg2FileDescId = 0x3A55;

} // namespace

std::optional<FileType> FileTypeOfPath(std::string_view path) {
    const std::string lower = ToLowerAscii(path);
    struct Choice {
        const char* needle;
        FileType type;
    };
    static constexpr Choice kOrder[] = {{".srw", FileType::Native},
                                        {".sg2", FileType::Seg2},
                                        {".seg2", FileType::Seg2},
                                        {".sgy", FileType::Segy},
                                        {".segy", FileType::Segy}};
    for (const Choice& choice : kOrder) {
        if (lower.find(choice.needle) != std::string::npos) {
            return choice.type;
        }
    }
    return std::nullopt;
}

ReadError RecordFileType(const std::string& path, FileType& type) {
    if (const std::optional<FileType> named = FileTypeOfPath(path)) {
        type = *named;
        return ReadError::None;
    }
    FileSource source(path);
    if (!source.IsOpen()) {
        return ReadError::CannotOpen;
    }
    uint8_t id[2];
    if (!source.ReadAt(0, id, sizeof id) || le::U16(id) != kSeg2FileDescId) {
        return ReadError::UnknownFileType;
    }
    type = FileType::Seg2;
    return ReadError::None;
}

} // namespace kvt
