#include "FileType.h"

#include "base/TextCase.h"

#include <string>

namespace kvt {

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

} // namespace kvt
