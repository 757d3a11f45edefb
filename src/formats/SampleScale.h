// How floating-point samples become a record's 32-bit integers. Truncation towards zero, as everywhere
// in KVT, would turn a record whose floats are all small (volts, metres per second) into zeros or a few
// steps, so such a record is first multiplied by the power of ten that puts its peak magnitude between
// 10^6 and 10^7. A record whose peak is 1000 or more already holds its signal in the integer part and
// is read unscaled, exactly as before (a Geode record's 27.03 is 27).
#pragma once

#include <cstdint>

namespace kvt {

// The power of ten for a record whose largest finite float magnitude is `peak`: 0 for a peak of 1000
// or more, or of 0; otherwise the one that brings the peak into [10^6, 10^7). Readers find the peak in
// a first pass over the file's samples and decode them, multiplied by 10^power, in a second, so no
// copy of the record is ever held as floats.
int32_t FloatScalePower(double peak);

} // namespace kvt
