// Records written by field instruments, from the real test-data folder beside the project.
#include "FileBytes.h"
#include "Seg2Bytes.h"

#include <cmath>
#include <gtest/gtest.h>

namespace kvt {
namespace {

// "0.001" s as float32 is a little above a millisecond, and the product keeps it: one step above 1000.
const float kOneMillisecond = std::nextafter(1000.0f, 2000.0f);

std::vector<int32_t> FirstFive(const CSeg2File& file, size_t trace) {
    const auto& t = file.m_arrTraces.at(trace);
    return std::vector<int32_t>(t.begin(), t.begin() + 5);
}

// Every prefix of the file ends inside its last trace's samples, so every prefix must be refused.
void ExpectEveryPrefixRefused(const std::vector<uint8_t>& bytes) {
    for (size_t n = 0; n < bytes.size(); ++n) {
        CSeg2File file;
        const MemorySource source{std::span(bytes).first(n)};
        ASSERT_FALSE(file.Read(source)) << n;
    }
}

TEST(Seg2RealFiles, GeodeShotWithSpareFloatTracePointers) {
    const std::string path = test::RealTestFile("swprocess_wghs_6.dat");
    if (path.empty()) {
        GTEST_SKIP() << "real test data not present";
    }
    CSeg2File file;
    ASSERT_TRUE(file.Read(path));
    EXPECT_EQ(file.m_nTraceCount, 24);
    EXPECT_EQ(file.m_nSampleCount, 1500);
    EXPECT_EQ(file.m_fSampleInterval, kOneMillisecond);
    ASSERT_EQ(file.m_receivers.size(), 24u);
    for (int32_t i = 0; i < 24; ++i) {
        EXPECT_EQ(file.m_receivers[static_cast<size_t>(i)],
                  (ReceiverPoint{i + 1, 2.0f * static_cast<float>(i), 0.0f}));
    }
    EXPECT_EQ(file.m_fTraceSpacing, 2.0f);
    EXPECT_EQ(file.m_fOffset, 0.0f);
    EXPECT_EQ(file.m_shot, (ShotPoint{6.0f, -5.0f, 0.0f}));
    // float32 samples truncated towards zero
    EXPECT_EQ(FirstFive(file, 0), (std::vector<int32_t>{27, 19, 21, 23, 19}));
    EXPECT_EQ(FirstFive(file, 2), (std::vector<int32_t>{0, -1, -9, -20, -27}));
    EXPECT_EQ(FirstFive(file, 23), (std::vector<int32_t>{-33, -26, -13, -7, -4}));
    ExpectEveryPrefixRefused(test::ReadBytes(path));
}

TEST(Seg2RealFiles, VipaInt32RecordWithoutReceiverLocations) {
    const std::string path = test::RealTestFile("obspy_20130107_103041000.CET.3c.cont.0.seg2");
    if (path.empty()) {
        GTEST_SKIP() << "real test data not present";
    }
    CSeg2File file;
    ASSERT_TRUE(file.Read(path));
    EXPECT_EQ(file.m_nTraceCount, 3);
    EXPECT_EQ(file.m_nSampleCount, 2000);
    EXPECT_EQ(file.m_fSampleInterval, kOneMillisecond);
    EXPECT_EQ(FirstFive(file, 0), (std::vector<int32_t>{-11, -13, -22, -18, -11}));
    EXPECT_EQ(FirstFive(file, 1), (std::vector<int32_t>{-11, 1, 0, -15, 3}));
    EXPECT_EQ(FirstFive(file, 2), (std::vector<int32_t>{-4, -3, 0, -9, -24}));
    // No RECEIVER_LOCATION strings: every receiver at 0, hence spacing and offset 0.
    EXPECT_EQ(file.m_receivers, (std::vector<ReceiverPoint>{{1, 0, 0}, {2, 0, 0}, {3, 0, 0}}));
    EXPECT_EQ(file.m_fTraceSpacing, 0.0f);
    EXPECT_EQ(file.m_fOffset, 0.0f);
    EXPECT_EQ(file.m_shot, ShotPoint{});
    ExpectEveryPrefixRefused(test::ReadBytes(path));
}

TEST(Seg2RealFiles, TwentyBitSmartSeisRecordIsRefused) {
    const std::string path = test::RealTestFile("obspy_20180307_031245000.0.seg2");
    if (path.empty()) {
        GTEST_SKIP() << "real test data not present";
    }
    CSeg2File file;
    EXPECT_FALSE(file.Read(path));
    ExpectEveryPrefixRefused(test::ReadBytes(path));
}

} // namespace
} // namespace kvt
