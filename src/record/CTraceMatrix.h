// The samples of a record: one array of signed 32-bit samples per trace, all of one length.
// Copies are deep; an undo snapshot is a copy of this matrix.
#pragma once

#include <cstdint>
#include <vector>

namespace kvt {

class CTraceMatrix {
public:
    int32_t m_nSamples = 0;
    std::vector<std::vector<int32_t>> m_arrTraces;

    void Clear();
    // Clear, then `count` zero-filled traces of `samples` samples.
    void Allocate(int32_t count, int32_t samples);
    // Every trace gets `newSamples` samples: the first `oldSamples` kept, the rest zero.
    void ResizeSamples(int32_t oldSamples, int32_t newSamples);
    // The samples of a trace, or null when there is no such trace.
    int32_t* TraceAt(int32_t index);
    const int32_t* TraceAt(int32_t index) const;
    int32_t TraceCount() const { return static_cast<int32_t>(m_arrTraces.size()); }

    bool operator==(const CTraceMatrix&) const = default;
};

} // namespace kvt
