#include "CShotRecord.h"

#include "algorithms/CAlgorithm.h"

#include <cstdlib>

namespace kvt {

void CShotRecord::UpdateMaxAbs() {
    m_nMaxAbs = 0;
    for (int32_t i = 0; i < m_header.m_nTraceCount; ++i) {
        const int32_t* samples = m_traces.TraceAt(i);
        if (samples == nullptr || m_header.m_nSampleCount <= 0 ||
            m_traces.m_nSamples < m_header.m_nSampleCount) {
            continue;
        }
        int64_t peak = std::llabs(CAlgorithm::FindMaxAbsSample(samples, m_header.m_nSampleCount));
        // |INT32_MIN| does not fit the field; it stops at the largest value that does.
        int32_t magnitude = peak > INT32_MAX ? INT32_MAX : static_cast<int32_t>(peak);
        if (magnitude > m_nMaxAbs) {
            m_nMaxAbs = magnitude;
        }
    }
}

void CShotRecord::Reset() {
    m_header.ResetHeader();
    m_traces.Clear();
}

} // namespace kvt
