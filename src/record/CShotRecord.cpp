#include "CShotRecord.h"

#include <algorithm>
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
        int64_t peak = 0;
        for (int32_t j = 0; j < m_header.m_nSampleCount; ++j) {
            peak = std::max<int64_t>(peak, std::llabs(samples[j]));
        }
        // |INT32_MIN| does not fit the field; it stops at the largest value that does.
        m_nMaxAbs = std::max(m_nMaxAbs, peak > INT32_MAX ? INT32_MAX : static_cast<int32_t>(peak));
    }
}

void CShotRecord::Reset() {
    m_header.ResetHeader();
    m_traces.Clear();
    m_nSampleScalePower = 0;
}

} // namespace kvt
