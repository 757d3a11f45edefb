#include "FileBytes.h"
#include "SegyTestFiles.h"
#include "formats/CSegyFile.h"
#include "formats/LittleEndian.h"

#include <gtest/gtest.h>
#include <initializer_list>
#include <limits>

namespace kvt {
namespace {

using test::HandMadeSegy;
using test::SegyBytes;

bool ReadBytes(const std::vector<uint8_t>& bytes, CSegyFile& out) {
    MemorySource source(bytes);
    return out.Read(source);
}

// Every trace read holds the header's sample count and there is one receiver per trace.
void ExpectConsistent(const CSegyFile& file) {
    ASSERT_EQ(file.m_arrTraces.size(), static_cast<size_t>(file.m_nTraceCount));
    ASSERT_EQ(file.m_receivers.size(), file.m_arrTraces.size());
    for (const auto& trace : file.m_arrTraces) {
        ASSERT_EQ(trace.size(), static_cast<size_t>(file.m_nSampleCount));
    }
}

TEST(SegyRead, BothByteOrdersAndEveryReadableFormat) {
    const std::vector<std::vector<double>> values = {{3.7, -3.7, 0.5, 100.0}, {-128.0, 127.0, -1.0, 0.0}};
    for (bool big : {false, true}) {
        for (int16_t interval : std::initializer_list<int16_t>{250, 125, 50}) {
            for (int16_t format : std::initializer_list<int16_t>{1, 2, 3, 5, 8}) {
                HandMadeSegy made;
                made.bigEndian = big;
                made.format = format;
                made.interval = interval;
                made.samples = 4;
                made.traces = values;
                made.shotNumber = 17;
                made.sourceX = 1500;
                made.sourceY = -2500;
                made.groupX = {2000, 4500};
                made.cdp = {301, 302};
                made.spacing = 2.0f;
                CSegyFile file;
                const std::string what = (big ? "big-endian, " : "little-endian, ") +
                                         std::to_string(interval) + " us, format " + std::to_string(format);
                ASSERT_TRUE(ReadBytes(SegyBytes(made), file)) << what;
                ExpectConsistent(file);
                EXPECT_EQ(file.m_nTraceCount, 2) << what;
                EXPECT_EQ(file.m_nSampleCount, 4) << what;
                EXPECT_EQ(file.m_fSampleInterval, static_cast<float>(interval)) << what;
                EXPECT_EQ(file.m_fTraceSpacing, 2.0f) << what;
                EXPECT_EQ(file.m_fOffset, 5.0f) << what;
                EXPECT_EQ(file.m_arrTraces[0], (std::vector<int32_t>{3, -3, 0, 100})) << what;
                EXPECT_EQ(file.m_arrTraces[1], (std::vector<int32_t>{-128, 127, -1, 0})) << what;
                EXPECT_EQ(file.m_shot, (ShotPoint{17.0f, 1.5f, -2.5f})) << what;
                EXPECT_EQ(file.m_receivers[0], (ReceiverPoint{1, 2.0f, 301.0f})) << what;
                EXPECT_EQ(file.m_receivers[1], (ReceiverPoint{2, 4.5f, 302.0f})) << what;
                if (big) {
                    EXPECT_EQ(le::I16(&file.m_abBinaryHeader[3217 - 3201]), interval) << "swapped in place";
                }
            }
        }
    }
}

TEST(SegyRead, FloatSamplesTruncateTowardsZeroAndSaturate) {
    HandMadeSegy made;
    made.format = 5;
    made.samples = 5;
    made.traces = {{2.9, -2.9, 1e20, -1e20, 0.999}};
    CSegyFile file;
    ASSERT_TRUE(ReadBytes(SegyBytes(made), file));
    EXPECT_EQ(file.m_arrTraces[0], (std::vector<int32_t>{2, -2, std::numeric_limits<int32_t>::max(),
                                                         std::numeric_limits<int32_t>::min(), 0}));
}

TEST(SegyRead, ANegativeLittleEndianIntervalStillMeansBigEndian) {
    // 40000 us read little-endian is negative: the file is taken as big-endian, as it always was, and
    // its format code 2 then reads as 512, which is refused.
    HandMadeSegy made;
    made.interval = static_cast<int16_t>(40000 - 65536);
    made.traces = {{1, 2, 3}};
    CSegyFile file;
    EXPECT_FALSE(ReadBytes(SegyBytes(made), file));
}

TEST(SegyRead, TraceCountComesFromTheFileLengthWhenTheHeaderHasNone) {
    for (int16_t header : std::initializer_list<int16_t>{0, -5}) {
        for (int16_t format : std::initializer_list<int16_t>{2, 3, 8}) {
            HandMadeSegy made;
            made.bigEndian = format == 3;
            made.format = format;
            made.tracesInHeader = header;
            made.traces.assign(5, {1, -1, 2});
            auto bytes = SegyBytes(made);
            bytes.resize(bytes.size() + 100); // a partial sixth trace is left out
            CSegyFile file;
            ASSERT_TRUE(ReadBytes(bytes, file)) << header << " " << format;
            ExpectConsistent(file);
            EXPECT_EQ(file.m_nTraceCount, 5) << header << " " << format;
            EXPECT_EQ(file.m_arrTraces[4], (std::vector<int32_t>{1, -1, 2}));
        }
    }
    HandMadeSegy empty;
    empty.tracesInHeader = 0;
    CSegyFile file;
    ASSERT_TRUE(ReadBytes(SegyBytes(empty), file));
    EXPECT_EQ(file.m_nTraceCount, 0);
    EXPECT_TRUE(file.m_arrTraces.empty());
}

TEST(SegyRead, CoordinatesAreDividedByTheScalarsMagnitudeAndZeroMeansUnscaled) {
    struct Case {
        int16_t scalar;
        float x, y, receiver;
    };
    for (const Case& c :
         {Case{1000, 2.5f, -2.5f, 0.007f}, Case{-100, 25.0f, -25.0f, 0.07f}, Case{1, 2500.0f, -2500.0f, 7.0f},
          Case{0, 2500.0f, -2500.0f, 7.0f}, Case{-1, 2500.0f, -2500.0f, 7.0f}}) {
        HandMadeSegy made;
        made.scalar = c.scalar;
        made.sourceX = 2500;
        made.sourceY = -2500;
        made.groupX = {7};
        made.traces = {{0, 0, 0}};
        CSegyFile file;
        ASSERT_TRUE(ReadBytes(SegyBytes(made), file));
        EXPECT_EQ(file.m_shot.fX, c.x) << c.scalar;
        EXPECT_EQ(file.m_shot.fY, c.y) << c.scalar;
        EXPECT_EQ(file.m_receivers[0].fPosition, c.receiver) << c.scalar;
    }
}

TEST(SegyRead, TheLastTracesShotValuesRemain) {
    HandMadeSegy made;
    made.traces = {{0, 0, 0}, {0, 0, 0}};
    auto bytes = SegyBytes(made);
    le::PutI32(&bytes[3592 + 252 + 16], 42);
    CSegyFile file;
    ASSERT_TRUE(ReadBytes(bytes, file));
    EXPECT_EQ(file.m_shot.fNumber, 42.0f);
}

TEST(SegyRead, DamagedFilesAreRefused) {
    HandMadeSegy good;
    good.traces = {{1, 2, 3}, {4, 5, 6}};
    const auto valid = SegyBytes(good);
    CSegyFile file;
    ASSERT_TRUE(ReadBytes(valid, file));

    for (size_t size : {size_t{0}, size_t{100}, size_t{3591}}) {
        EXPECT_FALSE(
            ReadBytes(std::vector<uint8_t>(valid.begin(), valid.begin() + static_cast<long>(size)), file))
            << size;
    }
    for (int16_t format : std::initializer_list<int16_t>{0, 4, 6, 7, 9, 10, 11, 12, 15, 16, 99, -2}) {
        HandMadeSegy made = good;
        made.format = format;
        EXPECT_FALSE(ReadBytes(SegyBytes(made), file)) << format;
    }
    HandMadeSegy negative = good;
    negative.samples = -3;
    negative.traces.clear();
    EXPECT_FALSE(ReadBytes(SegyBytes(negative), file));

    HandMadeSegy tooMany = good;
    tooMany.tracesInHeader = 3;
    EXPECT_FALSE(ReadBytes(SegyBytes(tooMany), file));

    // The largest counts the header can claim, in a file that holds nothing after its header.
    HandMadeSegy huge;
    huge.tracesInHeader = 32767;
    huge.samples = 32767;
    EXPECT_FALSE(ReadBytes(SegyBytes(huge), file));
    huge.tracesInHeader = 0;
    ASSERT_TRUE(ReadBytes(SegyBytes(huge), file));
    EXPECT_EQ(file.m_nTraceCount, 0);
}

// Each prefix of a valid file is read from a buffer of exactly its length, so a read past its end
// shows under the address sanitizer.
void ExpectEveryPrefixRefusedOrBounded(const std::vector<uint8_t>& bytes) {
    for (size_t size = 0; size <= bytes.size(); ++size) {
        const std::vector<uint8_t> prefix(bytes.begin(), bytes.begin() + static_cast<long>(size));
        CSegyFile file;
        if (!ReadBytes(prefix, file)) {
            continue;
        }
        ExpectConsistent(file);
        const uint64_t used = 3592 + static_cast<uint64_t>(file.m_nTraceCount) *
                                         (240 + 4 * static_cast<uint64_t>(file.m_nSampleCount));
        ASSERT_LE(used, size);
    }
}

TEST(SegyRead, EveryPrefixOfAValidFileIsRefusedOrReadWithinItsLength) {
    CSegyFile file;
    file.m_nTraceCount = 3;
    file.m_nSampleCount = 5;
    file.m_arrTraces.assign(3, std::vector<int32_t>{1, -2, 3, -4, 5});
    MemorySink sink;
    ASSERT_TRUE(file.WriteTo(sink));
    ExpectEveryPrefixRefusedOrBounded(sink.bytes);
    CSegyFile whole;
    ASSERT_TRUE(ReadBytes(sink.bytes, whole));
    EXPECT_EQ(whole.m_arrTraces, file.m_arrTraces);

    // With no trace count in the header the count follows the prefix's length.
    le::PutI16(&sink.bytes[3212], 0);
    ExpectEveryPrefixRefusedOrBounded(sink.bytes);
}

// Standard SEG-Y from other software has a 3600-byte file header; read with KVT's layout every trace
// starts 8 bytes early. All that is asked of the reader is a clean refusal or a consistent reading.
TEST(SegyRead, StandardFilesFromOtherSoftwareNeverCrashTheReader) {
    for (const char* name : {"obspy_1.sgy", "obspy_ld0042_file_00018.sgy", "segyio_f3.sgy",
                             "segyio_Format1msb.sgy", "segyio_Format5lsb.sgy"}) {
        const std::string path = test::RealTestFile(name);
        if (path.empty()) {
            GTEST_SKIP() << "real test data not present";
        }
        CSegyFile file;
        if (file.Read(path)) {
            ExpectConsistent(file);
        }
    }
}

} // namespace
} // namespace kvt
