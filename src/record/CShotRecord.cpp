#include "CShotRecord.h"

#include <algorithm>
#include <cstdint>

namespace kvt {

void CShotRecord::UpdateMaxAbs() {
    // Magnitudes as unsigned 32-bit values, where |INT32_MIN| still fits, so the loop vectorises.
    uint32_t peak = 0;
    for (int32_t i = 0; i < m_header.m_nTraceCount; ++i) {
        const int32_t* samples = m_traces.TraceAt(i);
        if (samples == nullptr || m_header.m_nSampleCount <= 0 ||
            m_traces.m_nSamples < m_header.m_nSampleCount) {
            continue;
        }
        for (int32_t j = 0; j < m_header.m_nSampleCount; ++j) {
            const auto value = static_cast<uint32_t>(samples[j]);
            peak = std::max(peak, samples[j] < 0 ? 0u - value : value);
        }
    }
    // |INT32_MIN| does not fit the field; it stops at the largest value that does.
    m_nMaxAbs = static_cast<int32_t>(std::min<uint32_t>(peak, INT32_MAX));
}

void CShotRecord::Reset() {
    m_header.ResetHeader();
    m_traces.Clear();
    m_nSampleScalePower = 0;
}

} // namespace kvt
