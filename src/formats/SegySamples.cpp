#include "SegySamples.h"

#include "base/ByteOrder.h"

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
    const double fraction = static_cast<double>(bits & 0x00FFFFFFu) / 16777216.0;
    const int exponent = static_cast<int>((bits >> 24) & 0x7F) - 64;
    const double magnitude = std::ldexp(fraction, 4 * exponent);
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

} // namespace kvt
