#include "FuzzTargets.h"

#include "formats/CPointFile.h"
#include "formats/CSeg2File.h"
#include "formats/CSegyFile.h"
#include "formats/CSrwFile.h"
#include "formats/CStandardSegyFile.h"

#include <cstdlib>
#include <span>

namespace kvt::fuzz {

namespace {

// What a reader accepted must be writable, and what was written must read back with the same shape.
template <class File> int ReadWriteRead(const uint8_t* data, size_t size) {
    MemorySource source(std::span<const uint8_t>(data, size));
    File file;
    if (file.Read(source) != kvt::ReadError::None) {
        return 0;
    }
    MemorySink sink;
    if (!file.WriteTo(sink)) {
        return 0;
    }
    MemorySource written(sink.bytes);
    File again;
    if (again.Read(written) != kvt::ReadError::None || again.m_arrTraces.size() != file.m_arrTraces.size()) {
        std::abort();
    }
    return 0;
}

} // namespace

int FuzzNative(const uint8_t* data, size_t size) {
    return ReadWriteRead<CSrwFile>(data, size);
}
int FuzzSeg2(const uint8_t* data, size_t size) {
    return ReadWriteRead<CSeg2File>(data, size);
}
// Besides KVT's layout, whatever was read must survive the standard writer sample for sample, and the
// layout probe must recognise that writer's file.
int FuzzSegy(const uint8_t* data, size_t size) {
    ReadWriteRead<CSegyFile>(data, size);
    MemorySource source(std::span<const uint8_t>(data, size));
    CSegyFile file;
    if (file.Read(source) != kvt::ReadError::None) {
        return 0;
    }
    CStandardSegyFile standard;
    standard.CopyNumericFrom(file);
    standard.m_arrTraces = file.m_arrTraces;
    standard.m_receivers = file.m_receivers;
    standard.m_shot = file.m_shot;
    MemorySink sink;
    if (!standard.WriteTo(sink)) {
        return 0;
    }
    MemorySource written(sink.bytes);
    CSegyFile again;
    if (again.Read(written) != kvt::ReadError::None || again.m_arrTraces != file.m_arrTraces ||
        (file.m_nTraceCount > 0 && again.m_layout != kvt::SegyLayout::Standard)) {
        std::abort();
    }
    return 0;
}

int FuzzPoint(const uint8_t* data, size_t size) {
    MemorySource source(std::span<const uint8_t>(data, size));
    CPointFile file;
    if (file.Read(source) != kvt::ReadError::None) {
        return 0;
    }
    MemorySink sink;
    if (!file.WriteTo(sink)) {
        std::abort();
    }
    MemorySource written(sink.bytes);
    CPointFile again;
    if (again.Read(written) != kvt::ReadError::None || again.m_samples != file.m_samples) {
        std::abort();
    }
    return 0;
}

Target TargetNamed(std::string_view name) {
    if (name == "native") {
        return FuzzNative;
    }
    if (name == "seg2") {
        return FuzzSeg2;
    }
    if (name == "segy") {
        return FuzzSegy;
    }
    if (name == "point") {
        return FuzzPoint;
    }
    return nullptr;
}

} // namespace kvt::fuzz
