#include "FormatTestFiles.h"

#include <cmath>
#include <limits>

namespace kvt {
namespace {

using namespace test;

CSeg2File Read(const Bytes& bytes) {
    CSeg2File file;
    EXPECT_EQ(ReadFrom(bytes, file), ReadError::None);
    return file;
}

// A file of one trace of samples {1, 2} for each list of strings, read.
CSeg2File WithStrings(const std::vector<std::vector<std::string>>& traces) {
    std::vector<Seg2Trace> blocks;
    for (const auto& strings : traces) {
        blocks.push_back(Int32Trace(strings, {1, 2}));
    }
    return Read(MakeSeg2(blocks));
}

TEST(Seg2Read, KeywordsGiveIntervalReceiversAndTheLastTracesShot) {
    // Seconds as float32, then microseconds; beyond float range infinite rather than undefined.
    EXPECT_EQ(WithStrings({{"SAMPLE_INTERVAL 0.000125"}, {}}).m_fSampleInterval, 125.0000076f);
    EXPECT_TRUE(std::isinf(WithStrings({{"SAMPLE_INTERVAL 1e37"}}).m_fSampleInterval));

    const auto three = WithStrings({{"RECEIVER_LOCATION 5", "CDP_NUMBER 101"}, {"RECEIVER_LOCATION 7"}, {}});
    EXPECT_EQ(three.m_receivers, (std::vector<ReceiverPoint>{{1, 5, 101}, {2, 7, 0}, {3, 0, 0}}));
    EXPECT_EQ(std::pair(three.m_fTraceSpacing, three.m_fOffset), std::pair(2.0f, 5.0f));
    const CSeg2File one = WithStrings({{"RECEIVER_LOCATION 5"}});
    EXPECT_EQ(std::pair(one.m_fTraceSpacing, one.m_fOffset), std::pair(5.0f, 5.0f)) << "one receiver";
    // The first string holding the keyword anywhere wins; a long entry's offset has two non-zero bytes
    // that run into its text, and the keyword after it is still found.
    const CSeg2File moved = WithStrings({{"NOTE moved RECEIVER_LOCATION   99 m", "RECEIVER_LOCATION 5"},
                                         {"NOTE " + std::string(300, '-'), "RECEIVER_LOCATION 8"}});
    EXPECT_EQ(std::pair(moved.m_receivers[0].fPosition, moved.m_receivers[1].fPosition),
              std::pair(99.0f, 8.0f));
    // The shot is the last trace's: a missing keyword reads as 0, but a Y read before stays.
    const auto last = WithStrings({{"SOURCE_LOCATION  1 30 0", "SHOT_SEQUENCE_NUMBER 4"},
                                   {"SOURCE_LOCATION 12.5", "SHOT_SEQUENCE_NUMBER 6"}});
    EXPECT_EQ(last.m_shot, (ShotPoint{6.0f, 12.5f, 30.0f}));
    EXPECT_EQ(WithStrings({{"SOURCE_LOCATION 7 30", "SHOT_SEQUENCE_NUMBER 2"}, {}}).m_shot,
              (ShotPoint{0.0f, 0.0f, 30.0f}));
}

TEST(Seg2Read, SampleFormatsOneTwoAndFourWithShortTracesPaddedToTheLongest) {
    le::Buffer f32;
    const Bytes i16 = {0x00, 0x80, 0xFF, 0x7F, 0xFF, 0xFF}; // -32768, 32767, -1
    for (float v : {2.9f, -2.9f, 3e9f, NAN}) {
        f32.F32(v);
    }
    // The short trace's samples end the file: reading the longer count from it would run past the end.
    const CSeg2File file =
        Read(MakeSeg2({{{}, 4, 4, f32.bytes}, Int32Trace({}, {-5, 2147483647}), {{}, 1, 3, i16}}));
    EXPECT_EQ(file.m_nSampleCount, 4);
    EXPECT_EQ(file.m_arrTraces,
              (Traces{{2, -2, 2147483647, 0}, {-5, 2147483647, 0, 0}, {-32768, 32767, -1, 0}}));
}

TEST(Seg2Read, TwentyBitPackedAndFloat64Samples) {
    // Exponents 0, 1, 15, 3 in the first group's word, then the mantissas; one's complement when
    // negative. The second group holds one sample: its exponent word and one mantissa.
    le::Buffer packed;
    for (int word : {0x3F10, 0xFFEB, 0x0005, 0x7FFF, 0x8000, 0x0002, 0xFFFF}) {
        packed.U16(static_cast<uint16_t>(word));
    }
    le::Buffer f64;
    for (double v : {2500.75, -1e12, 0.0}) {
        f64.Raw(&v, 8);
    }
    const CSeg2File file = Read(MakeSeg2({{{}, 3, 5, packed.bytes}, {{}, 5, 3, f64.bytes}}));
    EXPECT_EQ(file.m_arrTraces, (Traces{{-20, 10, 32767 << 15, -32767 * 8, 0},
                                        {2500, std::numeric_limits<int32_t>::min(), 0, 0, 0}}));
    EXPECT_EQ(file.m_nSampleScalePower, 0) << "a float peak of 1000 or more is kept";
}

TEST(Seg2Read, FloatRecordsWithOnlySmallValuesAreScaledByOnePowerOfTen) {
    le::Buffer small;
    le::Buffer tiny;
    for (float v : {0.0009765625f, -0.001953125f, NAN}) {
        small.F32(v);
    }
    for (float v : {0.00048828125f, 0.0f, INFINITY}) {
        tiny.F32(v);
    }
    struct Case {
        std::vector<Seg2Trace> traces;
        Traces samples;
        int32_t power;
    } cases[] = {
        // The record's peak decides for every float trace; integer traces stay as stored.
        {{{{}, 4, 3, small.bytes}, Int32Trace({}, {7, -7, 1})}, {{976562, -1953125, 0}, {7, -7, 1}}, 9},
        // Infinity saturates and takes no part in the peak.
        {{{{}, 4, 3, tiny.bytes}}, {{4882812, 0, std::numeric_limits<int32_t>::max()}}, 10},
        // Integers alone are never scaled, however small.
        {{Int32Trace({}, {1, -1})}, {{1, -1}}, 0},
    };
    for (const Case& c : cases) {
        const CSeg2File file = Read(MakeSeg2(c.traces));
        EXPECT_EQ(file.m_arrTraces, c.samples);
        EXPECT_EQ(file.m_nSampleScalePower, c.power);
    }
}

TEST(Seg2Read, DamagedFilesAreRefusedForTheirReason) {
    const Bytes good = MakeSeg2({Int32Trace({"RECEIVER_LOCATION 1"}, {1, 2, 3}), Int32Trace({}, {4, 5, 6})});
    const size_t p1 = le::U32(&good[36]);
    // Where, what value, and why it is refused. Fields are written as 32 bits: what a smaller field's
    // value spills into (the trace count, the data size, reserved bytes) is not read.
    const std::tuple<size_t, uint32_t, ReadError> damages[] = {
        {4, 3, ReadError::CountsExceedFile},  // no pointer slot
        {32, 0, ReadError::CountsExceedFile}, // no trace before the first zero slot
        {4, 0xFFFC, ReadError::Truncated},    // the pointer table past the end
        {36, static_cast<uint32_t>(good.size()), ReadError::Truncated},
        {36, static_cast<uint32_t>(good.size() - 31), ReadError::Truncated},
        {36, 0xFFFFFFF0u, ReadError::Truncated},
        {p1 + 2, 0, ReadError::Truncated}, // block sizes
        {p1 + 2, 31, ReadError::Truncated},
        {p1 + 2, 0xFFFF, ReadError::CountsExceedFile},
        {p1 + 8, 4, ReadError::CountsExceedFile}, // sample counts
        {p1 + 8, 0x40000000u, ReadError::CountsExceedFile},
        {p1 + 8, 0x80000000u, ReadError::CountsExceedFile},
        {p1 + 8, 0xFFFFFFFFu, ReadError::CountsExceedFile},
        {p1 + 12, 0, ReadError::UnsupportedSampleFormat}, // sample formats other than 1 to 5
        {p1 + 12, 6, ReadError::UnsupportedSampleFormat},
        {p1 + 12, 8, ReadError::UnsupportedSampleFormat},
        {p1 + 12, 5, ReadError::CountsExceedFile}}; // three float64 samples in twelve bytes
    for (const auto& [at, value, reason] : damages) {
        Bytes bytes = good;
        le::PutU32(&bytes[at], value);
        CSeg2File file;
        EXPECT_EQ(ReadFrom(bytes, file), reason) << at << ": " << value;
    }
}

TEST(Seg2Read, PaddingMayNotClaimMoreMemoryThanTheFileJustifies) {
    // Many pointers to one empty block beside a long trace would pad to far more samples than bytes.
    Bytes bytes = MakeSeg2({{{}, 1, 1000, Bytes(2000, 0)}, Int32Trace({}, {1})}, 300);
    const uint32_t emptyBlock = le::U32(&bytes[36]);
    le::PutU32(&bytes[emptyBlock + 8], 0);
    for (size_t i = 2; i < 300; ++i) {
        le::PutU32(&bytes[32 + 4 * i], emptyBlock);
    }
    CSeg2File file;
    EXPECT_EQ(ReadFrom(bytes, file), ReadError::CountsExceedFile);
    le::PutU16(&bytes[4], 4 * 2);
    EXPECT_EQ(Read(bytes).m_nSampleCount, 1000);
}

TEST(Seg2Read, PointersSharingOneBlockReadItForEveryTrace) {
    // Ten pointers to one block whose strings are long: together the blocks claim more than the file.
    Bytes bytes =
        MakeSeg2({Int32Trace({"NOTE " + std::string(300, '-'), "RECEIVER_LOCATION 5"}, {1, -2})}, 10);
    for (size_t i = 1; i < 10; ++i) {
        le::PutU32(&bytes[32 + 4 * i], le::U32(&bytes[32]));
    }
    const CSeg2File file = Read(bytes);
    EXPECT_EQ(file.m_arrTraces, Traces(10, {1, -2}));
    EXPECT_EQ(file.m_receivers.back(), (ReceiverPoint{10, 5, 0}));
}

TEST(Seg2Write, BytesFollowTheLayout) {
    CSeg2File file = Record<CSeg2File>(2, 3);
    file.m_fSampleInterval = 250.0f;
    file.m_fTraceSpacing = 2.0f;
    file.m_fOffset = 2.5f;
    file.m_receivers = {{1, 2.5f, 0.0f}}; // trace 2 has no entry: written as 0.00
    le::Buffer e;
    e.Raw("\x55\x3A\x01\x00\x08\x00\x02\x00\x01\x00\x00\x01\x0A\x00\x00\x00", 16);
    e.F32(2.0f);
    e.F32(2.5f);
    e.Zeros(8);
    e.U32(216);
    e.U32(216 + 340);
    Seg2Strings(e, {"ACQUISITION_DATE 09/13/2009", "ACQUISITION_TIME 09:34:59", "TRAVIK_WORKMODE 1",
                    "INSTRUMENT MORAVENT", "TRACE_SORT COMMON SOURCE", "UNITS METERS",
                    "NOTE -SHOT_INTERVA 10.00"});
    e.Zeros(5 + 2); // five zeros, then padding to the first block at 216
    for (size_t i = 0; i < 2; ++i) {
        // 32 + 291 bytes of strings end at 3 modulo 4: five zeros follow, the block is 328 bytes.
        e.Raw("\x22\x44\x48\x01\x0C\x00\x00\x00\x03\x00\x00\x00\x02", 13);
        e.Zeros(19);
        Seg2Strings(
            e, {"CHANNEL_NUMBER " + std::to_string(i + 1), "DELAY 0.000", "DIGITAL_HIGH_CUT_FILTER 4000.0",
                "DIGITAL_LOW_CUT_FILTER 0.1", "HIGH_CUT_FILTER 4000.0", "LINE_ID M4", "LOW_CUT_FILTER 0.1",
                i == 0 ? "RECEIVER_LOCATION 2.50" : "RECEIVER_LOCATION 0.00", "SAMPLE_INTERVAL 0.000250",
                "SOURCE_LOCATION 0.00", "STACK 18", "TRACE_TYPE SEISMIC_DATA", "NOTE -DISPLAY_SCALE 36"});
        e.Zeros(5);
        for (int32_t v : file.m_arrTraces[i]) {
            e.I32(v);
        }
    }
    const Bytes b = Written(file);
    EXPECT_EQ(b, e.bytes);
    const CSeg2File back = Read(b);
    EXPECT_EQ(back.m_arrTraces, file.m_arrTraces);
    EXPECT_EQ(back.m_receivers, (std::vector<ReceiverPoint>{{1, 2.5f, 0.0f}, {2, 0.0f, 0.0f}}));
    ExpectPrefixesRefused<CSeg2File>(b, [&](size_t n) { return Seg2PrefixReason(b, n); });
}

TEST(Seg2Write, PaddingPutsEveryDataBlockOnAMultipleOfFour) {
    // Receiver texts one character longer each time walk the string area through all four residues.
    CSeg2File file = Record<CSeg2File>(5, 1);
    file.m_receivers = {{1, 0.0f, 0}, {2, 10.0f, 0}, {3, 100.0f, 0}, {4, 1000.0f, 0}, {5, 10000.0f, 0}};
    const Bytes b = Written(file);
    const uint32_t sizes[] = {328, 328, 328, 328, 332};
    const size_t zeros[] = {5, 4, 3, 2, 5};
    for (size_t i = 0; i < 5; ++i) {
        const uint32_t p = le::U32(&b[32 + 4 * i]);
        EXPECT_EQ(p % 4, 0u);
        EXPECT_EQ(le::U16(&b[p + 2]), sizes[i]) << i;
        // The last text, its terminator, then the padding zeros.
        Bytes end = {'3', '6'};
        end.resize(3 + zeros[i]);
        EXPECT_EQ(Bytes(b.begin() + p + sizes[i] - zeros[i] - 3, b.begin() + p + sizes[i]), end) << i;
    }
}

TEST(Seg2Write, UpToTheTracesAU16PointerTableHolds) {
    // Four bytes per pointer in a u16 size: 16383 traces fit, 16384 do not.
    const CSeg2File most = Record<CSeg2File>(CSeg2File::kMaxTraces, 1);
    const Bytes bytes = Written(most);
    EXPECT_EQ(le::U16(&bytes[4]), 65532);
    EXPECT_EQ(Read(bytes).m_arrTraces, most.m_arrTraces);
    MemorySink sink;
    EXPECT_FALSE(Record<CSeg2File>(CSeg2File::kMaxTraces + 1, 1).WriteTo(sink));
}

} // namespace
} // namespace kvt
