#include "FormatTestFiles.h"
#include "SegyTestFiles.h"
#include "formats/CSegyFile.h"

#include <limits>

namespace kvt {
namespace {

using namespace test;

constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
constexpr int32_t kMax = std::numeric_limits<int32_t>::max();

CSegyFile Read(std::span<const uint8_t> bytes) {
    CSegyFile file;
    EXPECT_EQ(ReadFrom(bytes, file), ReadError::None);
    return file;
}

TEST(SegyRead, BothByteOrdersEveryReadableFormatTheLastTracesShotAndCoordinateScalars) {
    for (bool big : {false, true}) {
        // A big-endian interval whose low byte is below 128 reads as positive little-endian.
        for (int16_t interval : {int16_t{250}, int16_t{125}, int16_t{50}}) {
            for (int16_t format : {int16_t{1}, int16_t{2}, int16_t{3}, int16_t{5}, int16_t{8}}) {
                const HandMadeSegy made{.bigEndian = big,
                                        .format = format,
                                        .interval = interval,
                                        .samples = 4,
                                        .shotNumber = 17,
                                        .sourceX = 1500,
                                        .sourceY = -2500,
                                        .spacing = 2.0f,
                                        .groupX = {2000, 4500},
                                        .cdp = {301, 302},
                                        .traces = {{3.7, -3.7, 0.5, 100.0}, {-128.0, 127.0, -1.0, 0.0}}};
                const CSegyFile file = Read(SegyBytes(made));
                SCOPED_TRACE(testing::Message() << big << " " << interval << " " << format);
                EXPECT_EQ(file.m_fSampleInterval, static_cast<float>(interval));
                EXPECT_EQ(file.m_fTraceSpacing, 2.0f) << "little-endian in any file";
                EXPECT_EQ(file.m_arrTraces, (Traces{{3, -3, 0, 100}, {-128, 127, -1, 0}}));
                EXPECT_EQ(file.m_shot, (ShotPoint{17.0f, 1.5f, -2.5f}));
                EXPECT_EQ(file.m_receivers,
                          (std::vector<ReceiverPoint>{{1, 2.0f, 301.0f}, {2, 4.5f, 302.0f}}));
            }
        }
    }
    // Float samples saturate; the shot point is the last trace's.
    Bytes bytes = SegyBytes({.format = 5, .traces = {{1e20, -1e20, -0.999}, {0, 0, 0}}});
    le::PutI32(&bytes[3592 + 252 + 16], 42);
    const CSegyFile file = Read(bytes);
    EXPECT_EQ(file.m_arrTraces[0], (std::vector<int32_t>{kMax, kMin, 0}));
    EXPECT_EQ(file.m_shot.fNumber, 42.0f);
    // Coordinates are divided by the scalar's magnitude; 0 leaves them unscaled.
    HandMadeSegy made{.sourceX = 2500, .sourceY = -2500, .groupX = {7}, .traces = {{0, 0, 0}}};
    for (auto [scalar, divisor] :
         {std::pair{1000, 1000.0f}, {-100, 100.0f}, {1, 1.0f}, {0, 1.0f}, {-1, 1.0f}}) {
        made.scalar = static_cast<int16_t>(scalar);
        const CSegyFile scaled = Read(SegyBytes(made));
        EXPECT_EQ(scaled.m_shot, (ShotPoint{0.0f, 2500 / divisor, -2500 / divisor})) << scalar;
        EXPECT_EQ(scaled.m_receivers[0].fPosition, 7 / divisor) << scalar;
    }
}

TEST(SegyRead, WithoutATraceCountEveryPrefixIsReadAsTheWholeTracesItHolds) {
    const CSegyFile written = Record<CSegyFile>(3, 5);
    Bytes bytes = Written(written);
    le::PutI16(&bytes[3212], -5);
    for (size_t n = 3592; n <= bytes.size(); ++n) {
        const size_t whole = (n - 3592) / (240 + 4 * 5);
        ASSERT_EQ(Read(std::span(bytes).first(n)).m_arrTraces,
                  Traces(written.m_arrTraces.begin(), written.m_arrTraces.begin() + whole))
            << n;
    }
    le::PutI16(&bytes[3212], 0);
    EXPECT_EQ(Read(bytes).m_arrTraces, written.m_arrTraces);
}

TEST(SegyRead, DamagedFilesAreRefusedForTheirReason) {
    auto reason = [](const HandMadeSegy& made) {
        CSegyFile file;
        return ReadFrom(SegyBytes(made), file);
    };
    for (int format : {0, 4, 6, 7, 9, 10, 11, 12, 15, 16, 99, -2}) {
        EXPECT_EQ(reason({.format = static_cast<int16_t>(format), .traces = {{1, 2, 3}}}),
                  ReadError::UnsupportedSampleFormat)
            << format;
    }
    // 40000 us read little-endian is negative: the file is taken as big-endian, and its format code 2
    // then reads as 512.
    EXPECT_EQ(reason({.interval = -25536, .traces = {{1, 2, 3}}}), ReadError::UnsupportedSampleFormat);
    EXPECT_EQ(reason({.tracesInHeader = 3, .traces = {{1, 2, 3}, {4, 5, 6}}}), ReadError::CountsExceedFile);
    EXPECT_EQ(reason({.samples = -3}), ReadError::CountsExceedFile);
    // The largest counts the header can claim, in a file that holds nothing after its header.
    EXPECT_EQ(reason({.tracesInHeader = 32767, .samples = 32767}), ReadError::CountsExceedFile);

    const Bytes bytes = Written(Record<CSegyFile>(3, 5));
    ExpectPrefixesRefused<CSegyFile>(
        bytes, [](size_t n) { return n < 3592 ? ReadError::Truncated : ReadError::CountsExceedFile; });
}

TEST(SegyWrite, EveryHeaderFieldAndSampleIsWhereTheLayoutPutsIt) {
    CSegyFile file = Record<CSegyFile>(2, 3);
    file.m_arrTraces[1][2] = kMin;
    file.m_fSampleInterval = 125.9f;
    file.m_fTraceSpacing = 2.5f;
    file.m_fOffset = -1.25f;
    file.m_shot = {7.9f, 1.5f, -0.25f};
    file.m_receivers = {{1, 2.5f, 101.7f}}; // no entry for the second trace
    file.m_abTextHeader[0] = 'C';
    file.m_abBinaryHeader[0] = 9;    // job id: carried through
    file.m_abBinaryHeader[4] = 0x55; // line number: written as 0

    // Positions are the 1-based byte numbers of the SEG-Y tables.
    Bytes expected(3592 + 2 * (240 + 4 * 3), 0);
    auto i16 = [&](size_t position, int32_t v) {
        le::PutI16(&expected[position - 1], static_cast<int16_t>(v));
    };
    auto i32 = [&](size_t position, int32_t v) { le::PutI32(&expected[position - 1], v); };
    expected[0] = 'C';
    expected[3200] = 9;
    for (auto [position, v] : {std::pair{3213, 2}, {3217, 125}, {3221, 3}, {3225, 2}, {3227, 2}, {3255, 1}}) {
        i16(position, v);
    }
    le::PutF32(&expected[3260], 2.5f);
    le::PutF32(&expected[3264], -1.25f);
    for (size_t i = 0; i < 2; ++i) {
        const size_t t = 3592 + i * (240 + 12);
        const int32_t channel = static_cast<int32_t>(i) + 1;
        const std::pair<size_t, int32_t> words[] = {
            {1, channel}, {9, 7},     {13, channel},          {17, 7},
            {73, 1500},   {77, -250}, {21, i == 0 ? 101 : 0}, {81, i == 0 ? 2500 : 0}};
        for (auto [position, v] : words) {
            i32(t + position, v);
        }
        for (auto [position, v] :
             {std::pair{29, 1}, {69, 1000}, {71, 1000}, {91, 1000}, {115, 3}, {117, 125}, {151, 4000}}) {
            i16(t + position, v);
        }
        for (size_t j = 0; j < 3; ++j) {
            i32(t + 241 + 4 * j, file.m_arrTraces[i][j]);
        }
    }
    const Bytes bytes = Written(file);
    EXPECT_EQ(bytes, expected);
    // KVT's own files read back with coordinates to the thousandth.
    const CSegyFile back = Read(bytes);
    EXPECT_EQ(back.m_arrTraces, file.m_arrTraces);
    EXPECT_EQ(back.m_receivers, (std::vector<ReceiverPoint>{{1, 2.5f, 101.0f}, {2, 0.0f, 0.0f}}));
    EXPECT_EQ(back.m_shot, (ShotPoint{7.0f, 1.5f, -0.25f}));
}

TEST(SegyWrite, OnlyWhatTheHeadersSixteenBitFieldsHoldIsWritten) {
    auto written = [](int32_t traces, int32_t samples, float interval) {
        CSegyFile file = Record<CSegyFile>(traces, samples);
        file.m_fSampleInterval = interval;
        MemorySink sink;
        return file.WriteTo(sink) || !sink.bytes.empty();
    };
    EXPECT_TRUE(written(1, 32767, 32767.9f));
    EXPECT_FALSE(written(1, 32768, 10.0f));
    EXPECT_FALSE(written(32768, 0, 10.0f));
    EXPECT_FALSE(written(1, 1, 32768.0f));
    EXPECT_FALSE(written(1, 1, -1.0f));
}

} // namespace
} // namespace kvt
