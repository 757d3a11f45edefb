#include "FileBytes.h"
#include "TempDir.h"
#include "formats/CSegyFile.h"
#include "formats/LittleEndian.h"

#include <gtest/gtest.h>
#include <limits>

namespace kvt {
namespace {

std::vector<uint8_t> Written(const CSegyFile& file) {
    MemorySink sink;
    EXPECT_TRUE(file.WriteTo(sink));
    return sink.bytes;
}

CSegyFile Record(int32_t traces, int32_t samples) {
    CSegyFile file;
    file.m_nTraceCount = traces;
    file.m_nSampleCount = samples;
    for (int32_t i = 0; i < traces; ++i) {
        std::vector<int32_t> trace(static_cast<size_t>(samples));
        for (int32_t j = 0; j < samples; ++j) {
            trace[static_cast<size_t>(j)] = (i + 1) * 100000 + j * (j % 2 ? -7 : 7);
        }
        file.m_arrTraces.push_back(std::move(trace));
    }
    return file;
}

size_t FirstDifference(const std::vector<uint8_t>& a, const std::vector<uint8_t>& b) {
    for (size_t i = 0; i < a.size() && i < b.size(); ++i) {
        if (a[i] != b[i]) {
            return i;
        }
    }
    return a.size() == b.size() ? std::numeric_limits<size_t>::max() : std::min(a.size(), b.size());
}

TEST(SegyWrite, EveryHeaderFieldAndSampleIsWhereTheLayoutPutsIt) {
    CSegyFile file = Record(2, 3);
    file.m_arrTraces[1][2] = std::numeric_limits<int32_t>::min();
    file.m_fSampleInterval = 125.9f;
    file.m_fTraceSpacing = 2.5f;
    file.m_fOffset = -1.25f;
    file.m_shot = {7.9f, 1.5f, -0.25f};
    file.m_receivers = {{1, 2.5f, 101.7f}}; // no entry for the second trace
    file.m_abTextHeader[0] = 'C';
    file.m_abBinaryHeader[0] = 9;    // job id: carried through
    file.m_abBinaryHeader[4] = 0x55; // line number: written as 0
    const auto bytes = Written(file);

    std::vector<uint8_t> expected(3592 + 2 * (240 + 4 * 3), 0);
    auto at = [&](size_t position) { return &expected[position - 1]; };
    *at(1) = 'C';
    *at(3201) = 9;
    le::PutI16(at(3213), 2);
    le::PutI16(at(3217), 125);
    le::PutI16(at(3221), 3);
    le::PutI16(at(3225), 2);
    le::PutI16(at(3227), 2);
    le::PutI16(at(3255), 1);
    le::PutF32(at(3261), 2.5f);
    le::PutF32(at(3265), -1.25f);
    for (size_t i = 0; i < 2; ++i) {
        auto t = [&](size_t position) { return at(3592 + i * (240 + 12) + position); };
        le::PutI32(t(1), static_cast<int32_t>(i + 1));
        le::PutI32(t(9), 7);
        le::PutI32(t(13), static_cast<int32_t>(i + 1));
        le::PutI32(t(17), 7);
        le::PutI32(t(21), i == 0 ? 101 : 0);
        le::PutI16(t(29), 1);
        le::PutI16(t(69), 1000);
        le::PutI16(t(71), 1000);
        le::PutI32(t(73), 1500);
        le::PutI32(t(77), -250);
        le::PutI32(t(81), i == 0 ? 2500 : 0);
        le::PutI16(t(91), 1000);
        le::PutI16(t(115), 3);
        le::PutI16(t(117), 125);
        le::PutI16(t(151), 4000);
        for (size_t j = 0; j < 3; ++j) {
            le::PutI32(t(241 + 4 * j), file.m_arrTraces[i][j]);
        }
    }
    ASSERT_EQ(bytes.size(), expected.size());
    EXPECT_EQ(FirstDifference(bytes, expected), std::numeric_limits<size_t>::max());
}

TEST(SegyWrite, RoundTripKeepsSamplesCountsAndGeometryToTheThousandth) {
    CSegyFile file = Record(24, 1024);
    file.m_arrTraces[3][0] = std::numeric_limits<int32_t>::max();
    file.m_arrTraces[3][1] = std::numeric_limits<int32_t>::min();
    file.m_fSampleInterval = 62.5f;
    file.m_fTraceSpacing = 2.0f;
    file.m_fOffset = 2.0f;
    file.m_shot = {3.9f, 12.345f, -0.7f};
    for (int32_t i = 0; i < 24; ++i) {
        file.m_receivers.push_back({i + 1, 2.0f + 2.0f * static_cast<float>(i), static_cast<float>(200 + i)});
    }
    file.m_receivers[2].fPosition = 2.5f;
    const auto bytes = Written(file);
    EXPECT_EQ(bytes.size(), 3592u + 24u * (240u + 4096u));

    CSegyFile back;
    MemorySource source(bytes);
    ASSERT_TRUE(back.Read(source));
    EXPECT_EQ(back.m_nTraceCount, 24);
    EXPECT_EQ(back.m_nSampleCount, 1024);
    EXPECT_EQ(back.m_fSampleInterval, 62.0f);
    EXPECT_EQ(back.m_fTraceSpacing, 2.0f);
    EXPECT_EQ(back.m_fOffset, 2.0f);
    EXPECT_EQ(back.m_arrTraces, file.m_arrTraces);
    ASSERT_EQ(back.m_receivers.size(), 24u);
    EXPECT_EQ(back.m_receivers[0], (ReceiverPoint{1, 2.0f, 200.0f}));
    EXPECT_EQ(back.m_receivers[1], (ReceiverPoint{2, 4.0f, 201.0f}));
    EXPECT_EQ(back.m_receivers[2], (ReceiverPoint{3, 2.5f, 202.0f}));
    EXPECT_EQ(back.m_receivers[23], (ReceiverPoint{24, 48.0f, 223.0f}));
    EXPECT_EQ(back.m_shot.fNumber, 3.0f);
    EXPECT_EQ(back.m_shot.fX, static_cast<float>(static_cast<int32_t>(12.345f * 1000.0f) / 1000.0));
    EXPECT_FLOAT_EQ(back.m_shot.fX, 12.345f);
    EXPECT_FLOAT_EQ(back.m_shot.fY, -0.7f);
    EXPECT_EQ(back.m_nAux1, 1) << "carried words keep their defaults";
    EXPECT_EQ(back.m_fAux4, 512.0f);
}

TEST(SegyWrite, OnlyTheHeadersTraceCountAndSampleCountAreWritten) {
    CSegyFile file = Record(3, 4);
    file.m_nTraceCount = 2;
    file.m_nSampleCount = 3;
    const auto bytes = Written(file);
    EXPECT_EQ(bytes.size(), 3592u + 2u * (240u + 12u));
    EXPECT_EQ(le::I32(&bytes[3592 + 252 + 240 + 8]), file.m_arrTraces[1][2]);
}

TEST(SegyWrite, RefusesTracesThatDoNotMatchTheHeaderAndValuesTheHeaderCannotHold) {
    auto refused = [](const CSegyFile& file) {
        MemorySink sink;
        return !file.WriteTo(sink) && sink.bytes.empty();
    };
    CSegyFile fewer = Record(2, 4);
    fewer.m_nTraceCount = 3;
    EXPECT_TRUE(refused(fewer));
    CSegyFile shorter = Record(2, 4);
    shorter.m_arrTraces[1].pop_back();
    EXPECT_TRUE(refused(shorter));
    CSegyFile negative = Record(0, 4);
    negative.m_nTraceCount = -1;
    EXPECT_TRUE(refused(negative));

    EXPECT_TRUE(refused(Record(1, 32768)));
    EXPECT_FALSE(refused(Record(1, 32767)));
    EXPECT_TRUE(refused(Record(32768, 0)));
    for (float interval : {32768.0f, -1.0f}) {
        CSegyFile file = Record(1, 1);
        file.m_fSampleInterval = interval;
        EXPECT_TRUE(refused(file)) << interval;
    }
    CSegyFile longest = Record(1, 1);
    longest.m_fSampleInterval = 32767.9f;
    EXPECT_FALSE(refused(longest));
}

TEST(SegyWrite, AFailedSaveLeavesThePreviousFile) {
    test::TempDir dir;
    const std::string path = dir.File("shot.sgy");
    ASSERT_TRUE(Record(1, 2).Write(path));
    const auto before = test::ReadBytes(path);
    CSegyFile bad = Record(1, 2);
    bad.m_nSampleCount = 3;
    EXPECT_FALSE(bad.Write(path));
    EXPECT_EQ(test::ReadBytes(path), before);
    CSegyFile back;
    ASSERT_TRUE(back.Read(path));
    EXPECT_EQ(back.m_arrTraces, Record(1, 2).m_arrTraces);
}

} // namespace
} // namespace kvt
