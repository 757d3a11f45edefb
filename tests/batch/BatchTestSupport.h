// Shared pieces of the batch tests: small native files (and the recording host).
#pragma once

#include "RecordingHost.h"
#include "formats/CSrwFile.h"

#include <cstdint>
#include <string>
#include <vector>

namespace kvt::test {

// A native file object with the given traces (all of one length), interval and a recognisable header.
inline CSrwFile NativeRecord(const std::vector<std::vector<int32_t>>& traces, float interval = 250.0f) {
    CSrwFile file;
    file.m_nTraceCount = static_cast<int32_t>(traces.size());
    file.m_nSampleCount = traces.empty() ? 0 : static_cast<int32_t>(traces.front().size());
    file.m_fSampleInterval = interval;
    file.m_fTraceSpacing = 2.0f;
    file.m_fOffset = 7.0f;
    file.m_nAux1 = 3;
    file.m_fAux3 = 1.5f;
    file.m_nAux6 = 8;
    file.m_strProject = "工程";
    file.m_arrTraces = traces;
    return file;
}

// `count` traces of `samples` samples whose values name the trace and the sample, shifted by `base`.
// Whole thousands, so they survive the native file's float thousandths exactly.
inline std::vector<std::vector<int32_t>> NumberedTraces(int32_t count, int32_t samples, int32_t base = 0) {
    std::vector<std::vector<int32_t>> traces(static_cast<size_t>(count));
    for (int32_t i = 0; i < count; ++i) {
        for (int32_t j = 0; j < samples; ++j) {
            traces[static_cast<size_t>(i)].push_back(1000 * (base + 10000 * i + j));
        }
    }
    return traces;
}

} // namespace kvt::test
