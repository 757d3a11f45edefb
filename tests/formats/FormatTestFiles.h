// Shared by the format tests: writing to and reading from memory, records of distinct samples, the
// refusal of every prefix of a file, and SEG-2 files built by hand (other formats, spare pointer slots,
// any strings), which the writer never produces.
#pragma once

#include "base/ByteOrder.h"
#include "formats/CSeg2File.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <span>
#include <string>
#include <vector>

namespace kvt::test {

using Bytes = std::vector<uint8_t>;
using Traces = std::vector<std::vector<int32_t>>;

template <class File> Bytes Written(const File& file) {
    MemorySink sink;
    EXPECT_TRUE(file.WriteTo(sink));
    return sink.bytes;
}

template <class File> ReadError ReadFrom(std::span<const uint8_t> bytes, File& file) {
    const MemorySource source(bytes);
    return file.Read(source);
}

// Every sample distinct and a whole number of thousandths, so that it survives the native format too.
template <class File> File Record(int32_t traces, int32_t samples) {
    File file;
    file.m_nTraceCount = traces;
    file.m_nSampleCount = samples;
    file.m_arrTraces.assign(traces, std::vector<int32_t>(samples));
    for (int32_t i = 0; i < traces; ++i) {
        for (int32_t j = 0; j < samples; ++j) {
            file.m_arrTraces[i][j] = ((i + 1) * 100 + j) * (j % 2 ? -1000 : 1000);
        }
    }
    return file;
}

// Every proper prefix of a file must be refused, for the reason `reason(length)` gives.
template <class File, class Reason> void ExpectPrefixesRefused(const Bytes& bytes, Reason reason) {
    for (size_t n = 0; n < bytes.size(); ++n) {
        File file;
        ASSERT_EQ(ReadFrom(std::span(bytes).first(n), file), reason(n)) << "the first " << n << " bytes";
    }
}

struct Seg2Trace {
    std::vector<std::string> strings;
    uint8_t format = 2;
    uint32_t sampleCount = 0;
    Bytes data;
};

inline Seg2Trace Int32Trace(std::vector<std::string> strings, const std::vector<int32_t>& samples) {
    le::Buffer b;
    for (int32_t v : samples) {
        b.I32(v);
    }
    return {std::move(strings), 2, static_cast<uint32_t>(samples.size()), b.bytes};
}

// SEG-2 string entries: a u16 offset to the next entry, the text, a zero.
inline void Seg2Strings(le::Buffer& out, const std::vector<std::string>& texts) {
    for (const auto& text : texts) {
        out.U16(static_cast<uint16_t>(text.size() + 3));
        out.Field(text, text.size() + 1);
    }
}

// slots: pointer slots in the sub-block (0: one per trace). No file strings.
inline Bytes MakeSeg2(const std::vector<Seg2Trace>& traces, size_t slots = 0) {
    slots = slots == 0 ? traces.size() : slots;
    le::Buffer f;
    f.U16(0x3A55);
    f.U16(1);
    f.U16(static_cast<uint16_t>(4 * slots));
    f.U16(static_cast<uint16_t>(traces.size()));
    f.Zeros(24 + 4 * slots + 4); // the pointer slots, an empty file string list, padding to 4
    for (size_t i = 0; i < traces.size(); ++i) {
        le::PutU32(&f.bytes[32 + 4 * i], static_cast<uint32_t>(f.Size()));
        le::Buffer strings;
        Seg2Strings(strings, traces[i].strings);
        strings.Zeros(2 + (4 - (strings.Size() + 2) % 4) % 4); // an empty entry ends the list
        f.U16(0x4422);
        f.U16(static_cast<uint16_t>(32 + strings.Size()));
        f.U32(static_cast<uint32_t>(traces[i].data.size()));
        f.U32(traces[i].sampleCount);
        f.Raw(&traces[i].format, 1);
        f.Zeros(19);
        f.Raw(strings.bytes.data(), strings.Size());
        f.Raw(traces[i].data.data(), traces[i].data.size());
    }
    return f.bytes;
}

// Why the SEG-2 reader refuses the first n bytes of `whole`: it checks the trace blocks in order, so
// the first block the prefix cuts decides between a missing descriptor and missing samples.
inline ReadError Seg2PrefixReason(const Bytes& whole, size_t n) {
    const size_t table = 32 + le::U16(&whole[4]);
    if (n < std::max<size_t>(36, table)) {
        return ReadError::Truncated;
    }
    for (size_t at = 32; at < table && le::U32(&whole[at]) != 0; at += 4) {
        const size_t p = le::U32(&whole[at]);
        if (n < p + 32) {
            return ReadError::Truncated;
        }
        const uint8_t format = whole[p + 12];
        const size_t count = le::U32(&whole[p + 8]);
        // Format 3: ten bytes per four samples; a last, short group has its exponents and mantissas.
        const size_t packed = count / 4 * 10 + (count % 4 != 0 ? 2 + 2 * (count % 4) : 0);
        if (format < 1 || format > 5) {
            return ReadError::UnsupportedSampleFormat;
        }
        const size_t bytes = format == 1   ? 2 * count
                             : format == 3 ? packed
                             : format == 5 ? 8 * count
                                           : 4 * count;
        if (n < p + le::U16(&whole[p + 2]) + bytes) {
            return ReadError::CountsExceedFile;
        }
    }
    return ReadError::None;
}

} // namespace kvt::test
