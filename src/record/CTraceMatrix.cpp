#include "CTraceMatrix.h"

#include <algorithm>

namespace kvt {

void CTraceMatrix::Clear() {
    m_arrTraces.clear();
    m_nSamples = 0;
}

void CTraceMatrix::Allocate(int32_t count, int32_t samples) {
    Clear();
    m_nSamples = std::max(samples, 0);
    m_arrTraces.assign(static_cast<size_t>(std::max(count, 0)),
                       std::vector<int32_t>(static_cast<size_t>(m_nSamples), 0));
}

void CTraceMatrix::ResizeSamples(int32_t oldSamples, int32_t newSamples) {
    m_nSamples = std::max(newSamples, 0);
    const auto keep = static_cast<size_t>(std::clamp(oldSamples, 0, m_nSamples));
    for (auto& trace : m_arrTraces) {
        std::vector<int32_t> resized(static_cast<size_t>(m_nSamples), 0);
        std::copy_n(trace.begin(), std::min(keep, trace.size()), resized.begin());
        trace.swap(resized);
    }
}

int32_t* CTraceMatrix::TraceAt(int32_t index) {
    if (index < 0 || index >= TraceCount()) {
        return nullptr;
    }
    return m_arrTraces[static_cast<size_t>(index)].data();
}

const int32_t* CTraceMatrix::TraceAt(int32_t index) const {
    return const_cast<CTraceMatrix*>(this)->TraceAt(index);
}

} // namespace kvt
