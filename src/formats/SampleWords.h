// Whole arrays of stored samples into a record's signed 32-bit integers. The byte order is settled once
// per array and each loop does one thing, so the compiler vectorises it; the values are exactly those
// of decoding one sample at a time (ByteOrder.h) and truncating as TruncateToInt32 does. Four-byte
// samples may be decoded in place: `raw` may be `out` itself.
#pragma once

#include <cstddef>
#include <cstdint>

namespace kvt {

// Two's complement integers of one, two and four bytes.
void DecodeInt8(const uint8_t* raw, size_t count, int32_t* out);
void DecodeInt16(const uint8_t* raw, size_t count, bool bigEndian, int32_t* out);
void DecodeInt32(const uint8_t* raw, size_t count, bool bigEndian, int32_t* out);

// IEEE floats times `factor`, truncated towards zero: NaN gives 0, values beyond the range stop at its
// limits.
void DecodeFloat32(const uint8_t* raw, size_t count, bool bigEndian, double factor, int32_t* out);
void DecodeFloat64(const uint8_t* raw, size_t count, bool bigEndian, double factor, int32_t* out);

// The largest finite magnitude among IEEE floats; 0 when there is none.
double PeakFloat32(const uint8_t* raw, size_t count, bool bigEndian);
double PeakFloat64(const uint8_t* raw, size_t count, bool bigEndian);

// TruncateToInt32 without branches, so that a loop of it vectorises.
inline int32_t TruncateClipped(double v) {
    const double inside = v < -2147483648.0 ? -2147483648.0 : v > 2147483647.0 ? 2147483647.0 : v;
    return static_cast<int32_t>(v == v ? inside : 0.0);
}

} // namespace kvt
