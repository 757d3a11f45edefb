#include "SegySamples.h"

#include "SampleWords.h"
#include "base/ByteOrder.h"

#include <algorithm>
#include <bit>
#include <cmath>

namespace kvt {

namespace {

enum : int16_t {
    kIbmFloat = 1,
    kInt32 = 2,
    kInt16 = 3,
    kIeeeFloat = 5,
    kIeeeDouble = 6,
    kInt24 = 7,
    kInt8 = 8,
    kInt64 = 9,
    kUInt32 = 10,
    kUInt16 = 11,
    kUInt64 = 12,
    kUInt24 = 15,
    kUInt8 = 16,
};

uint32_t Word32(const uint8_t* p, bool big) {
    return big ? be::U32(p) : le::U32(p);
}

uint64_t Word64(const uint8_t* p, bool big) {
    return big ? be::U64(p) : le::U64(p);
}

uint32_t Word24(const uint8_t* p, bool big) {
    return big ? (static_cast<uint32_t>(p[0]) << 16) | (static_cast<uint32_t>(p[1]) << 8) | p[2]
               : (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[1]) << 8) | p[0];
}

uint16_t Word16(const uint8_t* p, bool big) {
    return big ? be::U16(p) : le::U16(p);
}

} // namespace

uint64_t SegySampleBytes(int16_t code) {
    switch (code) {
    case kIbmFloat:
    case kInt32:
    case kIeeeFloat:
    case kUInt32:
        return 4;
    case kInt16:
    case kUInt16:
        return 2;
    case kIeeeDouble:
    case kInt64:
    case kUInt64:
        return 8;
    case kInt24:
    case kUInt24:
        return 3;
    case kInt8:
    case kUInt8:
        return 1;
    default:
        return 0;
    }
}

bool IsFloatSegyFormat(int16_t code) {
    return code == kIbmFloat || code == kIeeeFloat || code == kIeeeDouble;
}

double IbmToDouble(uint32_t bits) {
    // fraction / 2^24 * 16^(exponent - 64) = fraction * 2^(4 * exponent - 280). The power lies between
    // 2^-280 and 2^228, a normal double built from its bits, and a 24-bit integer times it is exact.
    const int power = 4 * static_cast<int>((bits >> 24) & 0x7F) - 280;
    const double scale = std::bit_cast<double>(static_cast<uint64_t>(power + 1023) << 52);
    const double magnitude = static_cast<double>(bits & 0x00FFFFFFu) * scale;
    return (bits & 0x80000000u) != 0 ? -magnitude : magnitude;
}

double DecodeSegySample(const uint8_t* p, int16_t code, bool bigEndian) {
    switch (code) {
    case kIbmFloat:
        return IbmToDouble(Word32(p, bigEndian));
    case kInt32:
        return static_cast<int32_t>(Word32(p, bigEndian));
    case kInt16:
        return static_cast<int16_t>(Word16(p, bigEndian));
    case kIeeeFloat:
        return std::bit_cast<float>(Word32(p, bigEndian));
    case kIeeeDouble:
        return std::bit_cast<double>(Word64(p, bigEndian));
    case kInt24: {
        const uint32_t word = Word24(p, bigEndian);
        return static_cast<int32_t>(word & 0x800000u ? word | 0xFF000000u : word);
    }
    case kInt8:
        return static_cast<int8_t>(p[0]);
    case kInt64:
        return static_cast<double>(static_cast<int64_t>(Word64(p, bigEndian)));
    case kUInt32:
        return Word32(p, bigEndian);
    case kUInt16:
        return Word16(p, bigEndian);
    case kUInt64:
        return static_cast<double>(Word64(p, bigEndian));
    case kUInt24:
        return Word24(p, bigEndian);
    case kUInt8:
        return p[0];
    default:
        return 0.0;
    }
}

void DecodeSegyTrace(const uint8_t* raw, size_t count, int16_t code, bool bigEndian, double factor,
                     int32_t* out) {
    switch (code) {
    case kInt32:
        DecodeInt32(raw, count, bigEndian, out);
        return;
    case kInt16:
        DecodeInt16(raw, count, bigEndian, out);
        return;
    case kInt8:
        DecodeInt8(raw, count, out);
        return;
    case kIeeeFloat:
        DecodeFloat32(raw, count, bigEndian, factor, out);
        return;
    case kIeeeDouble:
        DecodeFloat64(raw, count, bigEndian, factor, out);
        return;
    default:
        break;
    }
    // The rarer formats one sample at a time.
    const uint64_t width = SegySampleBytes(code);
    const double scale = IsFloatSegyFormat(code) ? factor : 1.0;
    for (size_t j = 0; j < count; ++j) {
        out[j] = TruncateClipped(DecodeSegySample(raw + j * width, code, bigEndian) * scale);
    }
}

double SegyTracePeak(const uint8_t* raw, size_t count, int16_t code, bool bigEndian) {
    switch (code) {
    case kIeeeFloat:
        return PeakFloat32(raw, count, bigEndian);
    case kIeeeDouble:
        return PeakFloat64(raw, count, bigEndian);
    case kIbmFloat: {
        // Every IBM float is finite.
        double peak = 0.0;
        for (size_t j = 0; j < count; ++j) {
            peak = std::max(peak, std::fabs(IbmToDouble(Word32(raw + 4 * j, bigEndian))));
        }
        return peak;
    }
    default:
        return 0.0;
    }
}

} // namespace kvt
