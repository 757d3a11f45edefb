// How floating-point samples become a record's 32-bit integers. Truncation towards zero, as everywhere
// in KVT, would turn a record whose floats are all small (volts, metres per second) into zeros or a few
// steps, so such a record is first multiplied by the power of ten that puts its peak magnitude between
// 10^6 and 10^7. A record whose peak is 1000 or more already holds its signal in the integer part and
// is read unscaled, exactly as before (a Geode record's 27.03 is 27).
#pragma once

#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

namespace kvt {

// The power of ten for a record whose largest finite float magnitude is `peak`: 0 for a peak of 1000
// or more, or of 0; otherwise the one that brings the peak into [10^6, 10^7).
int32_t FloatScalePower(double peak);

// The floating-point traces of one record, kept as decoded until the record's peak is known.
class FloatTraces {
public:
    // Room for `count` decoded samples of record trace `index`.
    std::vector<double>& Add(size_t index, size_t count);
    // Every trace scaled by the record's power of ten, truncated, and written over the start of
    // traces[index] (which must hold at least as many samples). Returns the power.
    int32_t StoreInto(std::vector<std::vector<int32_t>>& traces) const;

private:
    std::vector<std::pair<size_t, std::vector<double>>> m_traces;
};

} // namespace kvt
