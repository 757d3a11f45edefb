// SEG-2 records (.sg2, .seg2, and instruments' NNNN.dat): file descriptor, trace pointers, keyword
// strings, one descriptor block and sample block per trace. Read as 16/32-bit integers, 20-bit packed
// floats (format 3, whose values are integers), float32 or float64 (as SampleScale.h turns floats into
// integers); written as 32-bit integers with a fixed keyword set. Receiver spacing and first position
// travel in two reserved descriptor words.
#pragma once

#include "FormatFile.h"

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kvt {

class CSeg2File : public FormatFile {
public:
    // Four bytes per pointer in a u16 sub-block size.
    static constexpr int32_t kMaxTraces = 0xFFFF / 4;

    // The 32-byte file descriptor and the first pointer slot, as last read.
    std::array<uint8_t, 36> m_abFileDesc{};
    // The descriptor of the last trace read.
    std::array<uint8_t, 32> m_abTraceDesc{};

    using FormatFile::Read;
    ReadError Read(const ByteSource& source) override;
    bool WriteTo(ByteSink& sink) const override;

    // The strings of a trace descriptor's string area. Offsets are not followed: every run of non-zero
    // bytes is one string, so an offset's non-zero low byte comes out as a short string of its own.
    static std::vector<std::string> SplitStrings(std::span<const uint8_t> area);
    // The rest of the first string that contains `keyword` anywhere, leading spaces removed; "" when
    // no string contains it.
    static std::string FindKeywordValue(const std::vector<std::string>& strings, std::string_view keyword);
    // A keyword value as a number: C-like leading decimal, 0 when there is none, rounded to float32.
    static float ValueNumber(std::string_view value);

private:
    // The interval, the receiver entry of `channel` and the shot point from one trace's strings.
    void TakeKeywords(const std::vector<std::string>& strings, int32_t channel);
};

} // namespace kvt
