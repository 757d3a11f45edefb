#include "Seg2Bytes.h"

#include <cmath>
#include <gtest/gtest.h>

namespace kvt {
namespace {

using test::Int32Trace;
using test::MakeSeg2;
using test::ReadSeg2;
using test::Seg2Trace;

Seg2Trace Plain(std::vector<std::string> strings = {}) {
    return Int32Trace(std::move(strings), {1, 2});
}

TEST(Seg2Read, PointerSubBlockSizeGivesTheTraceCount) {
    const std::vector<Seg2Trace> twelve(12, Plain());
    for (int countField : {12, 3, 999}) {
        CSeg2File file;
        ASSERT_TRUE(ReadSeg2(MakeSeg2(twelve, 12, countField), file)) << countField;
        EXPECT_EQ(file.m_nTraceCount, 12);
        EXPECT_EQ(file.m_arrTraces.size(), 12u);
    }
}

TEST(Seg2Read, AZeroPointerEndsTheTraceList) {
    // Instruments reserve pointer slots for more channels than they record.
    CSeg2File file;
    ASSERT_TRUE(
        ReadSeg2(MakeSeg2({Plain({"RECEIVER_LOCATION 3"}), Plain({"RECEIVER_LOCATION 5"})}, 1056), file));
    EXPECT_EQ(file.m_nTraceCount, 2);
    EXPECT_EQ(file.m_receivers.size(), 2u);
    EXPECT_EQ(file.m_fTraceSpacing, 2.0f);

    auto bytes = MakeSeg2({Plain(), Plain()});
    le::PutU32(&bytes[32], 0);
    CSeg2File none;
    EXPECT_FALSE(ReadSeg2(bytes, none));
    auto noSlots = MakeSeg2({Plain()});
    le::PutU16(&noSlots[4], 3);
    EXPECT_FALSE(ReadSeg2(noSlots, none));
}

TEST(Seg2Read, SampleIntervalPassesThroughFloatSeconds) {
    CSeg2File file;
    ASSERT_TRUE(ReadSeg2(MakeSeg2({Plain()}), file));
    EXPECT_EQ(file.m_fSampleInterval, 10.0f);

    ASSERT_TRUE(ReadSeg2(MakeSeg2({Plain({"SAMPLE_INTERVAL 0.000125"}), Plain({"STACK 1"})}), file));
    EXPECT_EQ(file.m_fSampleInterval, 125.0000076f);
    EXPECT_NE(file.m_fSampleInterval, 125.0f);

    ASSERT_TRUE(ReadSeg2(MakeSeg2({Plain({"SAMPLE_INTERVAL 0.00001"})}), file));
    EXPECT_EQ(file.m_fSampleInterval, 10.0f);

    ASSERT_TRUE(ReadSeg2(MakeSeg2({Plain({"SAMPLE_INTERVAL 1e37"})}), file));
    EXPECT_TRUE(std::isinf(file.m_fSampleInterval));
}

TEST(Seg2Read, ShotComesFromTheLastTrace) {
    CSeg2File file;
    ASSERT_TRUE(ReadSeg2(MakeSeg2({Plain({"SOURCE_LOCATION 1 30 0", "SHOT_SEQUENCE_NUMBER 4"}),
                                   Plain({"SOURCE_LOCATION 12.5", "SHOT_SEQUENCE_NUMBER 6"})}),
                         file));
    EXPECT_EQ(file.m_shot, (ShotPoint{6.0f, 12.5f, 30.0f}));

    CSeg2File other;
    ASSERT_TRUE(ReadSeg2(MakeSeg2({Plain({"SOURCE_LOCATION  12.5 30 0"})}), other));
    EXPECT_EQ(other.m_shot, (ShotPoint{0.0f, 12.5f, 30.0f}));

    CSeg2File missing;
    ASSERT_TRUE(
        ReadSeg2(MakeSeg2({Plain({"SOURCE_LOCATION 7 30", "SHOT_SEQUENCE_NUMBER 2"}), Plain()}), missing));
    EXPECT_EQ(missing.m_shot, (ShotPoint{0.0f, 0.0f, 30.0f})) << "missing keywords read as 0, Y stays";
}

TEST(Seg2Read, FirstStringHoldingTheKeywordAnywhereWins) {
    CSeg2File file;
    ASSERT_TRUE(
        ReadSeg2(MakeSeg2({Plain({"NOTE moved RECEIVER_LOCATION   99 m", "RECEIVER_LOCATION 5"})}), file));
    EXPECT_EQ(file.m_receivers[0].fPosition, 99.0f);

    const std::vector<std::string> strings = {"X", "NOTE a SAMPLE_INTERVAL", "SAMPLE_INTERVAL 0.001"};
    EXPECT_EQ(CSeg2File::FindKeywordValue(strings, "SAMPLE_INTERVAL"), "");
    EXPECT_EQ(CSeg2File::FindKeywordValue(strings, "INTERVAL"), "");
    EXPECT_EQ(CSeg2File::FindKeywordValue(strings, "X"), "");
    EXPECT_EQ(CSeg2File::FindKeywordValue({"A_B  c d "}, "A_B"), "c d ");
    EXPECT_EQ(CSeg2File::ValueNumber("1.5e1xyz"), 15.0f);
    EXPECT_EQ(CSeg2File::ValueNumber("abc"), 0.0f);
    EXPECT_EQ(CSeg2File::ValueNumber("0.1"), 0.1f);
    EXPECT_EQ(CSeg2File::ValueNumber("0x10"), 0.0f) << "decimal only";
    EXPECT_EQ(CSeg2File::ValueNumber("nan"), 0.0f);
    EXPECT_TRUE(std::isinf(CSeg2File::ValueNumber("1e300")));
}

TEST(Seg2Read, OffsetBytesBecomeStringsOfTheirOwn) {
    const std::vector<uint8_t> area = {0x13, 0, 'A', ' ', '1', 0, 0x02, 0x01, 'B', 0, 0, 0};
    EXPECT_EQ(CSeg2File::SplitStrings(area), (std::vector<std::string>{"\x13", "A 1",
                                                                       "\x02\x01"
                                                                       "B"}));
    EXPECT_EQ(CSeg2File::SplitStrings(std::vector<uint8_t>{'C', 'D'}), (std::vector<std::string>{"CD"}));

    // A long entry's offset has two non-zero bytes that run into its text; the keyword is still found.
    CSeg2File file;
    ASSERT_TRUE(ReadSeg2(MakeSeg2({Plain({"NOTE " + std::string(300, '-'), "RECEIVER_LOCATION 8"})}), file));
    EXPECT_EQ(file.m_receivers[0].fPosition, 8.0f);
}

TEST(Seg2Read, ReceiversGiveSpacingAndOffset) {
    CSeg2File file;
    ASSERT_TRUE(
        ReadSeg2(MakeSeg2({Plain({"RECEIVER_LOCATION 5", "CDP_NUMBER 101"}), Plain({"RECEIVER_LOCATION 7"}),
                           Plain({"RECEIVER_LOCATION 9", "CDP_NUMBER 103"})}),
                 file));
    EXPECT_EQ(file.m_receivers,
              (std::vector<ReceiverPoint>{{1, 5.0f, 101.0f}, {2, 7.0f, 0.0f}, {3, 9.0f, 103.0f}}));
    EXPECT_EQ(file.m_fTraceSpacing, 2.0f);
    EXPECT_EQ(file.m_fOffset, 5.0f);

    CSeg2File single;
    ASSERT_TRUE(ReadSeg2(MakeSeg2({Plain({"RECEIVER_LOCATION 5"})}), single));
    EXPECT_EQ(single.m_fTraceSpacing, 5.0f);
    EXPECT_EQ(single.m_fOffset, 5.0f);
}

TEST(Seg2Read, SampleFormatsOneTwoAndFour) {
    le::Buffer i16, f32;
    for (int16_t v : {int16_t(-32768), int16_t(32767), int16_t(-1)}) {
        i16.I16(v);
    }
    for (float v : {2.9f, -2.9f, 3e9f, NAN}) {
        f32.F32(v);
    }
    CSeg2File file;
    ASSERT_TRUE(ReadSeg2(
        MakeSeg2({{{}, 1, 3, i16.bytes}, Int32Trace({}, {-5, 2147483647, 0}), {{}, 4, 4, f32.bytes}}), file));
    EXPECT_EQ(file.m_arrTraces[0], (std::vector<int32_t>{-32768, 32767, -1, 0}));
    EXPECT_EQ(file.m_arrTraces[1], (std::vector<int32_t>{-5, 2147483647, 0, 0}));
    EXPECT_EQ(file.m_arrTraces[2], (std::vector<int32_t>{2, -2, 2147483647, 0}));

    for (int code : {0, 3, 5, 8}) {
        CSeg2File refused;
        const Seg2Trace trace{{}, static_cast<uint8_t>(code), 2, std::vector<uint8_t>(16, 0)};
        EXPECT_FALSE(ReadSeg2(MakeSeg2({Plain(), trace}), refused)) << code;
    }
}

TEST(Seg2Read, ShorterTracesArePaddedToTheLongest) {
    // The short trace's samples end the file: reading the longer count from it would run past the end.
    CSeg2File file;
    ASSERT_TRUE(ReadSeg2(MakeSeg2({Int32Trace({}, {1, 2, 3, 4}), Int32Trace({}, {5, 6})}), file));
    EXPECT_EQ(file.m_nSampleCount, 4);
    EXPECT_EQ(file.m_arrTraces, (std::vector<std::vector<int32_t>>{{1, 2, 3, 4}, {5, 6, 0, 0}}));
}

TEST(Seg2Read, DamagedFilesAreRefused) {
    const auto good = MakeSeg2({Int32Trace({"RECEIVER_LOCATION 1"}, {1, 2, 3}), Int32Trace({}, {4, 5, 6})});
    CSeg2File ok;
    ASSERT_TRUE(ReadSeg2(good, ok));
    const uint32_t p1 = le::U32(&good[36]);
    auto damaged = [&](auto change) {
        auto bytes = good;
        change(bytes);
        CSeg2File file;
        return !ReadSeg2(bytes, file);
    };
    EXPECT_TRUE(damaged([](auto& b) { le::PutU16(&b[4], 0xFFFC); })) << "pointer sub-block past the end";
    EXPECT_TRUE(damaged([&](auto& b) { le::PutU32(&b[36], static_cast<uint32_t>(b.size())); }))
        << "pointer at end";
    EXPECT_TRUE(damaged([&](auto& b) { le::PutU32(&b[36], static_cast<uint32_t>(b.size() - 31)); }))
        << "descriptor past the end";
    EXPECT_TRUE(damaged([&](auto& b) { le::PutU32(&b[36], 0xFFFFFFF0u); })) << "pointer far past the end";
    for (int size : {0, 1, 31, 0xFFFF}) {
        EXPECT_TRUE(damaged([&](auto& b) { le::PutU16(&b[p1 + 2], static_cast<uint16_t>(size)); })) << size;
    }
    for (uint32_t count : {4u, 0x40000000u, 0x80000000u, 0xFFFFFFFFu}) {
        EXPECT_TRUE(damaged([&](auto& b) { le::PutU32(&b[p1 + 8], count); })) << "sample count " << count;
    }
    for (int size : {0, 1, 35}) {
        CSeg2File file;
        EXPECT_FALSE(ReadSeg2(std::vector<uint8_t>(good.begin(), good.begin() + size), file)) << size;
    }
}

TEST(Seg2Read, PaddingMayNotClaimMoreMemoryThanTheFileJustifies) {
    // Many traces sharing one empty block beside a long one would pad to far more samples than bytes.
    std::vector<Seg2Trace> traces(2, Plain());
    traces[0] = {{}, 1, 1000, std::vector<uint8_t>(2000, 0)};
    auto bytes = MakeSeg2(traces, 300);
    const uint32_t emptyBlock = le::U32(&bytes[36]);
    le::PutU32(&bytes[emptyBlock + 8], 0);
    for (size_t i = 2; i < 300; ++i) {
        le::PutU32(&bytes[32 + 4 * i], emptyBlock);
    }
    CSeg2File file;
    EXPECT_FALSE(ReadSeg2(bytes, file));
    le::PutU16(&bytes[4], 4 * 2);
    ASSERT_TRUE(ReadSeg2(bytes, file));
    EXPECT_EQ(file.m_nSampleCount, 1000);
}

TEST(Seg2Read, EveryPrefixOfAWrittenFileIsRefused) {
    CSeg2File record;
    record.m_nTraceCount = 3;
    record.m_nSampleCount = 5;
    record.m_arrTraces.assign(3, {1, -2, 3, -4, 5});
    MemorySink sink;
    ASSERT_TRUE(record.WriteTo(sink));
    for (size_t n = 0; n < sink.bytes.size(); ++n) {
        const std::vector<uint8_t> prefix(sink.bytes.begin(),
                                          sink.bytes.begin() + static_cast<std::ptrdiff_t>(n));
        CSeg2File file;
        ASSERT_FALSE(ReadSeg2(prefix, file)) << n;
    }
    CSeg2File whole;
    EXPECT_TRUE(ReadSeg2(sink.bytes, whole));
}

} // namespace
} // namespace kvt
