#include "SampleWords.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <cstring>
#include <limits>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace kvt {

namespace {

// Samples converted through a buffer on the stack after their bytes are put in order.
constexpr size_t kChunk = 512;

// Whether words stored in the given order need their bytes reversed on this machine.
bool NeedsSwap(bool bigEndian) {
    return bigEndian != (std::endian::native == std::endian::big);
}

template <class Word> Word Load(const uint8_t* p) {
    Word w;
    std::memcpy(&w, p, sizeof w);
    return w;
}

uint16_t Swap16(uint16_t w) {
    return static_cast<uint16_t>((w << 8) | (w >> 8));
}

template <class Word> Word SwapBytes(Word w) {
    Word swapped = 0;
    for (size_t i = 0; i < sizeof w; ++i, w >>= 8) {
        swapped = static_cast<Word>((swapped << 8) | (w & 0xFF));
    }
    return swapped;
}

// `count` words of Word's width from `raw`, their bytes reversed, into `out`. The compiler leaves a
// loop of 32-bit byte swaps scalar on plain x86-64, so SSE2 does it: bytes within 16-bit lanes, then the
// lanes within each word.
template <class Word> void SwapWords(const uint8_t* raw, size_t count, Word* out) {
    size_t j = 0;
#if defined(__SSE2__)
    constexpr size_t kPerVector = 16 / sizeof(Word);
    for (; j + kPerVector <= count; j += kPerVector) {
        __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(raw + sizeof(Word) * j));
        v = _mm_or_si128(_mm_slli_epi16(v, 8), _mm_srli_epi16(v, 8));
        if constexpr (sizeof(Word) == 4) {
            v = _mm_shufflehi_epi16(_mm_shufflelo_epi16(v, 0xB1), 0xB1);
        } else {
            v = _mm_shufflehi_epi16(_mm_shufflelo_epi16(v, 0x1B), 0x1B);
        }
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + j), v);
    }
#endif
    for (; j < count; ++j) {
        out[j] = SwapBytes(Load<Word>(raw + sizeof(Word) * j));
    }
}

// `convert` applied to every word, the words taken in chunks through a buffer on the stack, their bytes
// put in order there. The conversion loop then reads only the buffer, so it vectorises even when it
// writes over the very bytes it came from.
template <class Word, class Convert>
void EachWord(const uint8_t* raw, size_t count, bool swap, Convert convert) {
    std::array<Word, kChunk> words;
    for (size_t start = 0; start < count; start += kChunk) {
        const size_t n = std::min(kChunk, count - start);
        if (swap) {
            SwapWords(raw + sizeof(Word) * start, n, words.data());
        } else {
            std::memcpy(words.data(), raw + sizeof(Word) * start, sizeof(Word) * n);
        }
        for (size_t j = 0; j < n; ++j) {
            convert(start + j, words[j]);
        }
    }
}

} // namespace

void DecodeInt8(const uint8_t* raw, size_t count, int32_t* out) {
    for (size_t j = 0; j < count; ++j) {
        out[j] = static_cast<int8_t>(raw[j]);
    }
}

void DecodeInt16(const uint8_t* raw, size_t count, bool bigEndian, int32_t* out) {
    if (NeedsSwap(bigEndian)) {
        for (size_t j = 0; j < count; ++j) {
            out[j] = static_cast<int16_t>(Swap16(Load<uint16_t>(raw + 2 * j)));
        }
    } else {
        for (size_t j = 0; j < count; ++j) {
            out[j] = Load<int16_t>(raw + 2 * j);
        }
    }
}

void DecodeInt32(const uint8_t* raw, size_t count, bool bigEndian, int32_t* out) {
    if (count == 0) {
        return;
    }
    if (NeedsSwap(bigEndian)) {
        SwapWords(raw, count, reinterpret_cast<uint32_t*>(out));
    } else {
        // The samples may already be where they belong, read straight into the trace.
        std::memmove(out, raw, 4 * count);
    }
}

// Also built for AVX-512 and AVX2, picked at load time by what the processor has: the float-to-double
// products then go eight or four at a time, which more than halves the native reader's time; the
// results are the same bits.
__attribute__((target_clones("avx512f", "avx2", "default"))) void
DecodeFloat32(const uint8_t* raw, size_t count, bool bigEndian, double factor, int32_t* out) {
    // Below this magnitude a float times `factor` lies strictly inside the 32-bit range, so a chunk
    // of such floats (no NaN among them) needs neither clipping nor NaN's zero.
    const float inside =
        factor > 0.0 ? std::nextafter(static_cast<float>(2147483648.0 / factor), 0.0f) : 0.0f;
    std::array<uint32_t, kChunk> words;
    for (size_t start = 0; start < count; start += kChunk) {
        const size_t n = std::min(kChunk, count - start);
        if (NeedsSwap(bigEndian)) {
            SwapWords(raw + 4 * start, n, words.data());
        } else {
            std::memcpy(words.data(), raw + 4 * start, 4 * n);
        }
        uint32_t outside = 0;
        for (size_t j = 0; j < n; ++j) {
            outside |= std::fabs(std::bit_cast<float>(words[j])) < inside ? 0u : 1u;
        }
        int32_t* to = out + start;
        if (outside == 0) {
            for (size_t j = 0; j < n; ++j) {
                to[j] = static_cast<int32_t>(static_cast<double>(std::bit_cast<float>(words[j])) * factor);
            }
        } else {
            for (size_t j = 0; j < n; ++j) {
                to[j] = TruncateClipped(static_cast<double>(std::bit_cast<float>(words[j])) * factor);
            }
        }
    }
}

void DecodeFloat64(const uint8_t* raw, size_t count, bool bigEndian, double factor, int32_t* out) {
    EachWord<uint64_t>(raw, count, NeedsSwap(bigEndian), [&](size_t j, uint64_t w) {
        out[j] = TruncateClipped(std::bit_cast<double>(w) * factor);
    });
}

double PeakFloat32(const uint8_t* raw, size_t count, bool bigEndian) {
    float peak = 0.0f;
    EachWord<uint32_t>(raw, count, NeedsSwap(bigEndian), [&](size_t, uint32_t w) {
        const float magnitude = std::fabs(std::bit_cast<float>(w));
        peak = magnitude <= std::numeric_limits<float>::max() && magnitude > peak ? magnitude : peak;
    });
    return peak;
}

double PeakFloat64(const uint8_t* raw, size_t count, bool bigEndian) {
    double peak = 0.0;
    EachWord<uint64_t>(raw, count, NeedsSwap(bigEndian), [&](size_t, uint64_t w) {
        const double magnitude = std::fabs(std::bit_cast<double>(w));
        peak = magnitude <= std::numeric_limits<double>::max() && magnitude > peak ? magnitude : peak;
    });
    return peak;
}

} // namespace kvt
