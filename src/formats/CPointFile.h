// A single-trace point file (.point): sample interval, sample count and the samples as they are.
// Also the trace clipboard's file. Written under "BAD-POINT", completed as "DLQ_POINT".
#pragma once

#include "ReadError.h"
#include "base/ByteSink.h"
#include "base/ByteSource.h"

#include <cstdint>
#include <string>
#include <vector>

namespace kvt {

class CPointFile {
public:
    float m_fSampleInterval = 10.0f; // microseconds
    int32_t m_nSampleCount = 1024;
    std::vector<int32_t> m_samples; // empty until read, or the trace to write

    ReadError Read(const std::string& path);
    bool Write(const std::string& path) const;
    ReadError Read(const ByteSource& source);
    bool WriteTo(ByteSink& sink) const;
};

} // namespace kvt
