// Records written by field instruments and other software, from the real test-data folder beside the
// project; each test is skipped when the folder is absent.
#include "FileBytes.h"
#include "FormatTestFiles.h"
#include "formats/CSegyFile.h"

#include <cmath>

namespace kvt {
namespace {

using test::Bytes;

// "0.001" s as float32 is a little above a millisecond, and the product keeps it: one step above 1000.
const float kOneMillisecond = std::nextafter(1000.0f, 2000.0f);

std::vector<int32_t> FirstFive(const CSeg2File& file, size_t trace) {
    const auto& t = file.m_arrTraces.at(trace);
    return std::vector<int32_t>(t.begin(), t.begin() + 5);
}

class RealFiles : public ::testing::Test {
protected:
    void SetUp() override {
        if (test::RealTestFile("swprocess_wghs_6.dat").empty()) {
            GTEST_SKIP() << "real test data not present";
        }
    }
};

// The file read through its path, and every prefix of it refused for the reason its blocks give.
ReadError ReadSeg2(const std::string& name, CSeg2File& file) {
    const Bytes bytes = test::ReadBytes(test::RealTestFile(name));
    test::ExpectPrefixesRefused<CSeg2File>(bytes, [&](size_t n) { return test::Seg2PrefixReason(bytes, n); });
    return file.Read(test::RealTestFile(name));
}

TEST_F(RealFiles, GeodeSeg2ShotWithSpareFloatTracePointers) {
    CSeg2File file;
    ASSERT_EQ(ReadSeg2("swprocess_wghs_6.dat", file), ReadError::None);
    EXPECT_EQ(std::tuple(file.m_nTraceCount, file.m_nSampleCount, file.m_fSampleInterval),
              std::tuple(24, 1500, kOneMillisecond));
    EXPECT_EQ(std::pair(file.m_fTraceSpacing, file.m_fOffset), std::pair(2.0f, 0.0f));
    ASSERT_EQ(file.m_receivers.size(), 24u);
    EXPECT_EQ(file.m_receivers[23], (ReceiverPoint{24, 46.0f, 0.0f}));
    EXPECT_EQ(file.m_shot, (ShotPoint{6.0f, -5.0f, 0.0f}));
    // float32 samples truncated towards zero
    EXPECT_EQ(FirstFive(file, 0), (std::vector<int32_t>{27, 19, 21, 23, 19}));
}

TEST_F(RealFiles, VipaInt32Seg2RecordWithoutReceiverLocations) {
    CSeg2File file;
    ASSERT_EQ(ReadSeg2("obspy_20130107_103041000.CET.3c.cont.0.seg2", file), ReadError::None);
    EXPECT_EQ(std::tuple(file.m_nTraceCount, file.m_nSampleCount, file.m_fSampleInterval),
              std::tuple(3, 2000, kOneMillisecond));
    EXPECT_EQ(FirstFive(file, 0), (std::vector<int32_t>{-11, -13, -22, -18, -11}));
    EXPECT_EQ(FirstFive(file, 2), (std::vector<int32_t>{-4, -3, 0, -9, -24}));
    // No RECEIVER_LOCATION strings: every receiver at 0, hence spacing and offset 0.
    EXPECT_EQ(file.m_receivers, (std::vector<ReceiverPoint>{{1, 0, 0}, {2, 0, 0}, {3, 0, 0}}));
    EXPECT_EQ(std::pair(file.m_fTraceSpacing, file.m_fOffset), std::pair(0.0f, 0.0f));
    EXPECT_EQ(file.m_shot, ShotPoint{});
}

TEST_F(RealFiles, TwentyBitSmartSeisSeg2RecordIsRefused) {
    CSeg2File file;
    EXPECT_EQ(ReadSeg2("obspy_20180307_031245000.0.seg2", file), ReadError::UnsupportedSampleFormat);
}

// Standard SEG-Y from other software has a 3600-byte file header; read with KVT's layout every trace
// starts 8 bytes early. All that is asked of the reader for now is that it never crashes.
TEST_F(RealFiles, StandardSegyFilesNeverCrashTheReader) {
    for (const char* name : {"obspy_1.sgy", "obspy_ld0042_file_00018.sgy", "segyio_f3.sgy",
                             "segyio_Format1msb.sgy", "segyio_Format5lsb.sgy"}) {
        CSegyFile file;
        if (file.Read(test::RealTestFile(name)) == ReadError::None) {
            EXPECT_EQ(file.m_arrTraces.size(), static_cast<size_t>(file.m_nTraceCount)) << name;
        }
    }
}

} // namespace
} // namespace kvt
