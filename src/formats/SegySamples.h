// The sample formats of standard SEG-Y (revisions 0 to 2), decoded in either byte order into doubles:
// exact for every integer format up to 32 bits and for IBM and IEEE floats; 64-bit integers round.
#pragma once

#include <cstddef>
#include <cstdint>

namespace kvt {

// Bytes per sample of a format code the reader converts; 0 for any other (4, the obsolete fixed point
// with gain, and unassigned codes).
uint64_t SegySampleBytes(int16_t code);
// IBM float (1), IEEE float (5) and IEEE double (6).
bool IsFloatSegyFormat(int16_t code);
// One sample of a format whose SegySampleBytes is not 0.
double DecodeSegySample(const uint8_t* p, int16_t code, bool bigEndian);
// The `count` samples of a trace at `raw` into `out`, as TruncateToInt32 of DecodeSegySample: integer
// formats as they are, float formats multiplied by `factor` first (SampleScale.h).
void DecodeSegyTrace(const uint8_t* raw, size_t count, int16_t code, bool bigEndian, double factor,
                     int32_t* out);
// The largest finite magnitude among a float-format trace's samples; 0 for the integer formats.
double SegyTracePeak(const uint8_t* raw, size_t count, int16_t code, bool bigEndian);
// An IBM System/360 single-precision float: sign, seven-bit base-16 exponent biased by 64, 24-bit
// fraction.
double IbmToDouble(uint32_t bits);

} // namespace kvt
