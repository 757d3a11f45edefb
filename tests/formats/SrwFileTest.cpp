#include "FileBytes.h"
#include "TempDir.h"
#include "formats/CSrwFile.h"
#include "formats/LittleEndian.h"

#include <cstring>
#include <gtest/gtest.h>

namespace kvt {
namespace {

std::vector<uint8_t> Written(const CSrwFile& file) {
    MemorySink sink;
    EXPECT_TRUE(file.WriteTo(sink));
    return sink.bytes;
}

bool ReadBack(const std::vector<uint8_t>& bytes, CSrwFile& out) {
    MemorySource source(bytes);
    return out.Read(source);
}

CSrwFile SmallRecord(int32_t traces, int32_t samples) {
    CSrwFile file;
    file.m_nTraceCount = traces;
    file.m_nSampleCount = samples;
    file.m_arrTraces.assign(static_cast<size_t>(traces), std::vector<int32_t>(static_cast<size_t>(samples)));
    for (int32_t i = 0; i < traces; ++i) {
        for (int32_t j = 0; j < samples; ++j) {
            file.m_arrTraces[static_cast<size_t>(i)][static_cast<size_t>(j)] =
                (i + 1) * 1000 * (j % 2 ? -1 : 1);
        }
    }
    return file;
}

TEST(SrwLayout, WrittenBytesFollowTheRecordLayout) {
    CSrwFile file = SmallRecord(2, 3);
    file.m_strProject = "P";
    file.m_nAux1 = 11;
    file.m_fSampleInterval = 250.0f;
    file.m_nWordA = 5;
    file.m_afTableA[0] = 1.5f;
    file.m_anTableB[23] = -3;
    const auto bytes = Written(file);
    ASSERT_EQ(bytes.size(), 646u + 4 * 2 * 3);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(bytes.data()), 22), "DLQ-KVT-2.1.0-20130618");
    for (size_t i = 22; i < 40; ++i) {
        EXPECT_EQ(bytes[i], 0) << i;
    }
    EXPECT_EQ(le::I32(&bytes[40]), 0);
    EXPECT_EQ(le::I32(&bytes[44]), 56);
    EXPECT_EQ(le::I32(&bytes[48]), 442);
    EXPECT_EQ(le::I32(&bytes[52]), 646);
    EXPECT_EQ(bytes[56], 'P');
    EXPECT_EQ(bytes[57], 0);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&bytes[136]), 8), "MORAVENT");
    EXPECT_EQ(le::I32(&bytes[56 + 320]), 11);
    EXPECT_EQ(le::I32(&bytes[56 + 324]), 2);
    EXPECT_EQ(le::F32(&bytes[56 + 328]), 250.0f);
    EXPECT_EQ(le::I32(&bytes[56 + 332]), 3);
    EXPECT_EQ(le::F32(&bytes[56 + 340]), 4.0f);
    EXPECT_EQ(le::F32(&bytes[56 + 344]), 5.0f);
    EXPECT_EQ(le::F32(&bytes[56 + 352]), 512.0f);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&bytes[56 + 364]), 10), "2013-08-15");
    for (size_t i = 56 + 374; i < 442; ++i) {
        EXPECT_EQ(bytes[i], 0) << i;
    }
    EXPECT_EQ(le::I32(&bytes[442]), 5);
    EXPECT_EQ(le::I32(&bytes[446]), 1);
    EXPECT_EQ(le::F32(&bytes[450]), 1.5f);
    EXPECT_EQ(le::I32(&bytes[442 + 104]), 0);
    EXPECT_EQ(le::I32(&bytes[442 + 108 + 92]), -3);
    EXPECT_EQ(le::F32(&bytes[646]), 1.0f);
    EXPECT_EQ(le::F32(&bytes[650]), -1.0f);
    EXPECT_EQ(le::F32(&bytes[646 + 12]), 2.0f);
}

TEST(SrwLayout, ZeroTracesMakeA646ByteFileThatReadsBackEmpty) {
    CSrwFile file;
    file.m_nTraceCount = 0;
    const auto bytes = Written(file);
    EXPECT_EQ(bytes.size(), 646u);
    CSrwFile back;
    ASSERT_TRUE(ReadBack(bytes, back));
    EXPECT_EQ(back.m_nTraceCount, 0);
    EXPECT_TRUE(back.m_arrTraces.empty());
    EXPECT_TRUE(back.m_receivers.empty());
}

TEST(SrwLayout, LongTextsAreCutToTheirFieldAndFullFieldsHaveNoTerminator) {
    CSrwFile file = SmallRecord(1, 1);
    file.m_strCompany = std::string(90, 'c');
    file.m_strTestDate = "2026-12-06-extra";
    const auto bytes = Written(file);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&bytes[136]), 80), std::string(80, 'c'));
    EXPECT_EQ(bytes[216], 'M') << "the next field starts right after";
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(&bytes[56 + 364]), 10), "2026-12-06");
    CSrwFile back;
    ASSERT_TRUE(ReadBack(bytes, back));
    EXPECT_EQ(back.m_strCompany, std::string(80, 'c'));
    EXPECT_EQ(back.m_strTestDate, "2026-12-06");
}

TEST(SrwRead, RoundTripKeepsHeaderAndTruncatesThousandthsTowardsZero) {
    CSrwFile file = SmallRecord(1, 6);
    file.m_arrTraces[0] = {1000, 2000, 9, 10, -9, 1234567};
    file.m_nAux5 = -4;
    file.m_fAux3 = 0.5f;
    CSrwFile back;
    ASSERT_TRUE(ReadBack(Written(file), back));
    EXPECT_EQ(back.m_arrTraces[0], (std::vector<int32_t>{1000, 2000, 8, 9, -8, 1234567}));
    EXPECT_EQ(back.m_nAux5, -4);
    EXPECT_EQ(back.m_fAux3, 0.5f);
    ASSERT_EQ(back.m_receivers.size(), 1u);
    EXPECT_EQ(back.m_receivers[0], (ReceiverPoint{1, 5.0f, 0.0f}));
}

TEST(SrwRead, ReceiversAreRebuiltFromSpacingAndOffset) {
    CSrwFile file = SmallRecord(3, 2);
    file.m_fTraceSpacing = 2.5f;
    file.m_fOffset = -1.0f;
    CSrwFile back;
    ASSERT_TRUE(ReadBack(Written(file), back));
    ASSERT_EQ(back.m_receivers.size(), 3u);
    EXPECT_EQ(back.m_receivers[2], (ReceiverPoint{3, 4.0f, 0.0f}));
    EXPECT_EQ(back.m_shot, ShotPoint{});
}

TEST(SrwRead, SampleIntervalOfNineOrLessBecomesTen) {
    for (auto [stored, expected] : {std::pair{9.0f, 10.0f}, {0.0f, 10.0f}, {-5.0f, 10.0f}, {9.5f, 9.5f}}) {
        CSrwFile file = SmallRecord(1, 1);
        file.m_fSampleInterval = stored;
        CSrwFile back;
        ASSERT_TRUE(ReadBack(Written(file), back));
        EXPECT_EQ(back.m_fSampleInterval, expected) << stored;
    }
}

TEST(SrwRead, FloatSamplesAreScaledAndTruncated) {
    auto bytes = Written(SmallRecord(1, 2));
    le::PutF32(&bytes[646], 1.2345f);
    le::PutF32(&bytes[650], -1.2345f);
    CSrwFile back;
    ASSERT_TRUE(ReadBack(bytes, back));
    EXPECT_EQ(back.m_arrTraces[0], (std::vector<int32_t>{1234, -1234}));
}

TEST(SrwRead, SpacePaddedTextsAreTrimmedButZeroPaddedOnesAreNot) {
    auto bytes = Written(SmallRecord(1, 1));
    std::memset(&bytes[56], ' ', 80);
    std::memcpy(&bytes[56], "ABC", 3);
    std::memset(&bytes[136], 'x', 80);
    std::memset(&bytes[216], 0, 80);
    std::memcpy(&bytes[216], "a b  ", 5);
    CSrwFile back;
    ASSERT_TRUE(ReadBack(bytes, back));
    EXPECT_EQ(back.m_strProject, "ABC");
    EXPECT_EQ(back.m_strCompany, std::string(80, 'x'));
    EXPECT_EQ(back.m_strOperator, "a b  ");
}

TEST(SrwRead, SignatureAndLayoutWordDecide) {
    const auto good = Written(SmallRecord(1, 1));
    CSrwFile f1;
    EXPECT_TRUE(ReadBack(good, f1));
    for (const char* tag : {"BAD", "OLD", "DLX", "dlQ"}) {
        auto bytes = good;
        std::memcpy(bytes.data(), tag, 3);
        CSrwFile f;
        EXPECT_FALSE(ReadBack(bytes, f)) << tag;
    }
    auto lower = good;
    std::memcpy(lower.data(), "dlq", 3);
    CSrwFile f2;
    EXPECT_TRUE(ReadBack(lower, f2));
    auto layout = good;
    le::PutI32(&layout[40], 1);
    CSrwFile f3;
    EXPECT_FALSE(ReadBack(layout, f3));
}

TEST(SrwRead, ShortSectionTwoLeavesTheSecondTableAtDefaults) {
    CSrwFile file = SmallRecord(1, 2);
    file.m_anTableB[0] = 99;
    auto bytes = Written(file);
    // Move section 3 to directly after the first 108 bytes of section 2.
    std::vector<uint8_t> cut(bytes.begin(), bytes.begin() + 442 + 108);
    cut.insert(cut.end(), bytes.begin() + 646, bytes.end());
    le::PutI32(&cut[52], 442 + 108);
    CSrwFile back;
    ASSERT_TRUE(ReadBack(cut, back));
    EXPECT_EQ(back.m_anTableB[0], 0);
    EXPECT_EQ(back.m_arrTraces[0][0], 1000);
}

TEST(SrwRead, DamagedFilesAreRefusedBeforeAnythingIsAllocated) {
    const auto good = Written(SmallRecord(2, 4));
    struct Damage {
        const char* what;
        size_t at;
        int32_t value;
    };
    const Damage damages[] = {
        {"negative traces", 56 + 324, -1},      {"absurd traces", 56 + 324, 0x7fffffff},
        {"negative samples", 56 + 332, -4},     {"absurd samples", 56 + 332, 0x40000000},
        {"section 1 past the end", 44, 100000}, {"section 2 past the end", 48, 0x7ffffff0},
        {"section 3 past the end", 52, 2000},   {"negative section", 44, -56},
    };
    for (const Damage& d : damages) {
        auto bytes = good;
        le::PutI32(&bytes[d.at], d.value);
        CSrwFile f;
        EXPECT_FALSE(ReadBack(bytes, f)) << d.what;
    }
    auto zeroSamples = good;
    le::PutI32(&zeroSamples[56 + 332], 0);
    le::PutI32(&zeroSamples[56 + 324], 0x7fffffff);
    CSrwFile f;
    EXPECT_FALSE(ReadBack(zeroSamples, f)) << "billions of empty traces";
}

TEST(SrwRead, EveryPrefixOfAFileIsRefused) {
    const auto good = Written(SmallRecord(2, 3));
    for (size_t n = 0; n < good.size(); ++n) {
        std::vector<uint8_t> prefix(good.begin(), good.begin() + static_cast<std::ptrdiff_t>(n));
        CSrwFile f;
        EXPECT_FALSE(ReadBack(prefix, f)) << n;
    }
}

TEST(SrwFile, WriteAndReadThroughThePath) {
    test::TempDir dir;
    CSrwFile file = SmallRecord(4, 8);
    file.m_strProject = "工程一";
    ASSERT_TRUE(file.Write(dir.File("a.srw")));
    CSrwFile back;
    ASSERT_TRUE(back.Read(dir.File("a.srw")));
    EXPECT_EQ(back.m_strProject, "工程一");
    EXPECT_EQ(back.m_arrTraces, file.m_arrTraces);
    EXPECT_FALSE(CSrwFile().Read(dir.File("missing.srw")));
    EXPECT_FALSE(CSrwFile().Read(dir.Path().string())) << "a folder is not a record";
}

TEST(SrwFile, AWriterRefusesTracesThatDoNotMatchTheHeader) {
    CSrwFile file = SmallRecord(2, 3);
    file.m_nTraceCount = 3;
    MemorySink sink;
    EXPECT_FALSE(file.WriteTo(sink));
}

} // namespace
} // namespace kvt
