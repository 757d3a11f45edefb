// Encoding and decoding of fixed-width values in a stated byte order: little-endian, as every KVT file
// stores them, and big-endian, as SEG-Y from other systems does. Values are assembled byte by byte, so
// the host's byte order and alignment never matter.
#pragma once

#include <bit>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

namespace kvt::le {

inline uint16_t U16(const uint8_t* p) {
    return static_cast<uint16_t>(p[0] | (p[1] << 8));
}
inline int16_t I16(const uint8_t* p) {
    return static_cast<int16_t>(U16(p));
}
inline uint32_t U32(const uint8_t* p) {
    return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
           (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
}
inline int32_t I32(const uint8_t* p) {
    return static_cast<int32_t>(U32(p));
}
inline float F32(const uint8_t* p) {
    return std::bit_cast<float>(U32(p));
}
inline uint64_t U64(const uint8_t* p) {
    return static_cast<uint64_t>(U32(p)) | (static_cast<uint64_t>(U32(p + 4)) << 32);
}
inline double F64(const uint8_t* p) {
    return std::bit_cast<double>(U64(p));
}

inline void PutU16(uint8_t* p, uint16_t v) {
    p[0] = static_cast<uint8_t>(v);
    p[1] = static_cast<uint8_t>(v >> 8);
}
inline void PutI16(uint8_t* p, int16_t v) {
    PutU16(p, static_cast<uint16_t>(v));
}
inline void PutU32(uint8_t* p, uint32_t v) {
    p[0] = static_cast<uint8_t>(v);
    p[1] = static_cast<uint8_t>(v >> 8);
    p[2] = static_cast<uint8_t>(v >> 16);
    p[3] = static_cast<uint8_t>(v >> 24);
}
inline void PutI32(uint8_t* p, int32_t v) {
    PutU32(p, static_cast<uint32_t>(v));
}
inline void PutF32(uint8_t* p, float v) {
    PutU32(p, std::bit_cast<uint32_t>(v));
}

// Appends values to a growing byte buffer; used to build headers and whole files in memory.
class Buffer {
public:
    std::vector<uint8_t> bytes;

    size_t Size() const { return bytes.size(); }
    void U16(uint16_t v) {
        Grow(2, [&](uint8_t* p) { PutU16(p, v); });
    }
    void I16(int16_t v) {
        Grow(2, [&](uint8_t* p) { PutI16(p, v); });
    }
    void U32(uint32_t v) {
        Grow(4, [&](uint8_t* p) { PutU32(p, v); });
    }
    void I32(int32_t v) {
        Grow(4, [&](uint8_t* p) { PutI32(p, v); });
    }
    void F32(float v) {
        Grow(4, [&](uint8_t* p) { PutF32(p, v); });
    }
    void Zeros(size_t n) { bytes.insert(bytes.end(), n, 0); }
    void Raw(const void* data, size_t n) {
        const auto* b = static_cast<const uint8_t*>(data);
        bytes.insert(bytes.end(), b, b + n);
    }
    // Text cut to `width` bytes and zero-padded to it (no terminator when it fills the field).
    void Field(const std::string& text, size_t width) {
        size_t n = text.size() < width ? text.size() : width;
        Raw(text.data(), n);
        Zeros(width - n);
    }

private:
    template <class F> void Grow(size_t n, F put) {
        bytes.resize(bytes.size() + n);
        put(bytes.data() + bytes.size() - n);
    }
};

} // namespace kvt::le

namespace kvt::be {

inline uint16_t U16(const uint8_t* p) {
    return static_cast<uint16_t>((p[0] << 8) | p[1]);
}
inline uint32_t U32(const uint8_t* p) {
    return (static_cast<uint32_t>(p[0]) << 24) | (static_cast<uint32_t>(p[1]) << 16) |
           (static_cast<uint32_t>(p[2]) << 8) | static_cast<uint32_t>(p[3]);
}
inline uint64_t U64(const uint8_t* p) {
    return (static_cast<uint64_t>(U32(p)) << 32) | U32(p + 4);
}

inline void PutU16(uint8_t* p, uint16_t v) {
    p[0] = static_cast<uint8_t>(v >> 8);
    p[1] = static_cast<uint8_t>(v);
}
inline void PutI16(uint8_t* p, int16_t v) {
    PutU16(p, static_cast<uint16_t>(v));
}
inline void PutU32(uint8_t* p, uint32_t v) {
    PutU16(p, static_cast<uint16_t>(v >> 16));
    PutU16(p + 2, static_cast<uint16_t>(v));
}
inline void PutI32(uint8_t* p, int32_t v) {
    PutU32(p, static_cast<uint32_t>(v));
}

} // namespace kvt::be
