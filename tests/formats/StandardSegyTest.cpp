// Standard SEG-Y as other programs write it, telling it from KVT's layout, its refusals, and the bytes
// of the revision 1 writer.
#include "FormatTestFiles.h"
#include "SegyTestFiles.h"
#include "formats/CSegyFile.h"
#include "formats/CStandardSegyFile.h"
#include "formats/SegyTextHeader.h"

#include <cmath>

namespace kvt {
namespace {

using namespace test;
using Values = std::vector<std::vector<double>>;

CSegyFile ReadSegy(std::span<const uint8_t> bytes) {
    CSegyFile file;
    EXPECT_EQ(ReadFrom(bytes, file), ReadError::None);
    EXPECT_EQ(file.m_layout, SegyLayout::Standard);
    return file;
}

TEST(StandardSegyRead, EveryFormatInBothByteOrdersAndSmallFloatsScaledByAPowerOfTen) {
    for (bool big : {true, false}) {
        for (int16_t format : std::vector<int16_t>{2, 3, 5, 6, 7, 8, 9, 10, 11, 12, 15, 16}) {
            const bool isFloat = format == 5 || format == 6;
            // Five samples: whole arrays are decoded several at a time, then the rest one by one.
            const Values values = format >= 10 ? Values{{3, 100, 0, 120, 7}} : Values{{-3, 100, 0, -120, 7}};
            const CSegyFile file = ReadSegy(
                StandardSegyBytes({.bigEndian = big, .format = format, .samples = 5, .traces = values}));
            // A float peak of 120 would truncate to a few steps: 10^4 puts it at 1.2e6.
            const int32_t factor = isFloat ? 10000 : 1;
            std::vector<int32_t> expected;
            for (double v : values[0]) {
                expected.push_back(static_cast<int32_t>(v) * factor);
            }
            EXPECT_EQ(file.m_arrTraces, Traces{expected}) << big << " " << format;
            EXPECT_EQ(file.m_nSampleScalePower, isFloat ? 4 : 0) << big << " " << format;
        }
    }
    // Floats whose integer part holds the signal are kept.
    const CSegyFile kept =
        ReadSegy(StandardSegyBytes({.format = 5, .samples = 2, .traces = {{1000.75, -2.5}}}));
    EXPECT_EQ(std::pair(kept.m_arrTraces[0], kept.m_nSampleScalePower), std::pair(std::vector{1000, -2}, 0));
}

TEST(StandardSegyRead, TracesStartAndEndWhereTheHeadersOfEachRevisionSay) {
    const Values two = {{1, 2, 3}, {4, 5, 6}};
    const struct {
        const char* what;
        HandMadeStandardSegy made;
        Traces traces;
        float interval;
    } cases[] = {
        {"two extended headers",
         {.extendedHeaders = 2, .extendedTexts = {"A", "B"}, .traces = two},
         {},
         1000},
        {"extended headers up to the end stanza",
         {.revision = 0x0200,
          .extendedHeaders = -1,
          .extendedTexts = {"A", "((SEG: EndText))"},
          .traces = two},
         {},
         1000},
        {"revision 0 left 3505 unassigned", {.revision = 0, .extendedHeaders = 7, .traces = two}, {}, 1000},
        {"revision 2's first trace offset",
         {.revision = 0x0200, .extendedTexts = {"A"}, .traces = two, .binaryWords = {{3521, 8, 6800}}},
         {},
         1000},
        {"revision 2's sample count and interval",
         {.interval = 0,
          .samples = 0,
          .traceSamples = {3, 3},
          .revision = 0x0200,
          .traces = two,
          .binaryWords = {{3269, 4, 3}, {3273, 8, std::bit_cast<uint64_t>(62.5)}}},
         {},
         62.5f},
        {"24 traces per ensemble, one in the file",
         {.traces = {{1, 2, 3}}, .binaryWords = {{3213, 2, 24}}},
         {{1, 2, 3}},
         1000},
        {"an interval only in the trace headers", {.traces = two, .binaryWords = {{3217, 2, 0}}}, {}, 1000},
        {"each trace's own length, padded",
         {.samples = 9, .traceSamples = {2, 4, 1}, .traces = {{1, 2}, {3, 4, 5, 6}, {7}}},
         {{1, 2, 0, 0}, {3, 4, 5, 6}, {7, 0, 0, 0}},
         1000},
    };
    for (const auto& c : cases) {
        const CSegyFile file = ReadSegy(StandardSegyBytes(c.made));
        EXPECT_EQ(file.m_arrTraces, c.traces.empty() ? (Traces{{1, 2, 3}, {4, 5, 6}}) : c.traces) << c.what;
        EXPECT_EQ(file.m_fSampleInterval, c.interval) << c.what;
    }
}

TEST(StandardSegyRead, CoordinateScalarsMultiplyOrDivideAndValuesTheStandardLacksAreIgnored) {
    for (const auto& [scalar, factor] :
         {std::pair{-100, 0.01}, {100, 100.0}, {-10000, 1e-4}, {0, 1.0}, {82, 1.0}}) {
        const CSegyFile file = ReadSegy(StandardSegyBytes({.scalar = static_cast<int16_t>(scalar),
                                                           .sourcePoint = 17,
                                                           .sourceX = 2500,
                                                           .sourceY = -2500,
                                                           .groupX = {7},
                                                           .ensemble = {301},
                                                           .traces = {{0}}}));
        const auto scaled = [f = factor](double v) { return static_cast<float>(v * f); };
        EXPECT_EQ(file.m_shot, (ShotPoint{17.0f, scaled(2500), scaled(-2500)})) << scalar;
        EXPECT_EQ(file.m_receivers, (std::vector<ReceiverPoint>{{1, scaled(7), 301.0f}})) << scalar;
    }
}

TEST(SegyLayout, TheFirstTraceHeaderDecidesAndWhenItCannotTheLength) {
    const Bytes kvt = Written(Record<CSegyFile>(3, 5));
    const Bytes standard = StandardSegyBytes({.samples = 5, .traces = {{1}, {2}, {3}}});
    // Every trace header's sample count set (big-endian), or its count and interval cleared.
    const auto traceWords = [](Bytes bytes, size_t first, uint16_t count, bool blank) {
        for (size_t at = first; at + 240 <= bytes.size(); at += 260) {
            be::PutU16(&bytes[at + 114], count);
            be::PutU16(&bytes[at + 116], blank ? 0 : be::U16(&bytes[at + 116]));
        }
        return bytes;
    };
    const std::tuple<const char*, Bytes, SegyLayout> cases[] = {
        {"KVT's writer", kvt, SegyLayout::Kvt},
        {"KVT's layout big-endian", SegyBytes({.bigEndian = true, .traces = {{1, 2, 3}}}), SegyLayout::Kvt},
        {"a standard file", standard, SegyLayout::Standard},
        {"trace headers with a wrong count", traceWords(standard, 3600, 462, false), SegyLayout::Standard},
        {"standard, told by its length", traceWords(standard, 3600, 0, true), SegyLayout::Standard},
        {"KVT's, told by its length", traceWords(kvt, 3592, 0, true), SegyLayout::Kvt},
        {"a KVT prefix ending where a standard trace would", Bytes(kvt.begin(), kvt.begin() + 3860),
         SegyLayout::Kvt},
    };
    for (const auto& [what, bytes, layout] : cases) {
        const MemorySource source(bytes);
        EXPECT_EQ(ProbeSegy(source).layout, layout) << what;
    }
}

TEST(StandardSegyRead, FilesThatContradictThemselvesAreRefusedForTheirReason) {
    const Values one = {{1, 2, 3}};
    Bytes cut = StandardSegyBytes({.traces = {{1, 2, 3}, {4, 5, 6}}});
    cut.pop_back();
    // One long trace and many empty ones: padded, they would take far more memory than the file.
    std::vector<uint16_t> lengths(40, 0);
    lengths[0] = 2000;
    const std::tuple<const char*, Bytes, ReadError> cases[] = {
        {"format 4", StandardSegyBytes({.format = 4, .traces = one}), ReadError::UnsupportedSampleFormat},
        {"a negative extended header count", StandardSegyBytes({.extendedHeaders = -2, .traces = one}),
         ReadError::InconsistentHeaders},
        {"extended headers past the end", StandardSegyBytes({.extendedHeaders = 3, .traces = one}),
         ReadError::Truncated},
        {"additional trace headers",
         StandardSegyBytes({.revision = 0x0200, .traces = one, .binaryWords = {{3507, 4, 1}}}),
         ReadError::UnsupportedLayout},
        {"a first trace inside the file header",
         StandardSegyBytes({.revision = 0x0200, .traces = one, .binaryWords = {{3521, 8, 100}}}),
         ReadError::InconsistentHeaders},
        {"the last trace cut", cut, ReadError::Truncated},
        {"padding beyond the file",
         StandardSegyBytes({.format = 16, .samples = 0, .traceSamples = lengths, .traces = Values(40)}),
         ReadError::CountsExceedFile},
    };
    for (const auto& [what, bytes, reason] : cases) {
        CSegyFile file;
        EXPECT_EQ(ReadFrom(bytes, file), reason) << what;
    }
}

TEST(StandardSegyRead, APrefixReadsItsWholeTracesOrIsRefusedButIsNeverMisread) {
    const CStandardSegyFile record = Record<CStandardSegyFile>(3, 4);
    const Bytes bytes = Written(record);
    for (size_t n = 0; n <= bytes.size(); ++n) {
        const bool whole = n >= 3600 && (n - 3600) % 256 == 0;
        const auto first =
            record.m_arrTraces.begin() + (whole ? static_cast<std::ptrdiff_t>(n - 3600) / 256 : 0);
        CStandardSegyFile standard;
        ASSERT_EQ(ReadFrom(std::span(bytes).first(n), standard),
                  whole ? ReadError::None : ReadError::Truncated);
        EXPECT_EQ(standard.m_arrTraces, Traces(record.m_arrTraces.begin(), first)) << n;
        CSegyFile any;
        if (ReadFrom(std::span(bytes).first(n), any) == ReadError::None && !any.m_arrTraces.empty()) {
            EXPECT_EQ(any.m_arrTraces, Traces(record.m_arrTraces.begin(), first)) << n;
        }
    }
}

TEST(StandardSegyWrite, EveryHeaderFieldAndSampleIsWhereRevisionOnePutsIt) {
    CStandardSegyFile file = Record<CStandardSegyFile>(2, 3);
    file.m_fSampleInterval = 125.6f; // rounded to whole microseconds
    file.m_shot = {7.9f, 1.5f, -0.25f};
    file.m_receivers = {{5, 2.5f, 101.7f}}; // no entry for the second trace
    file.m_strProject = "工程A";
    const Bytes bytes = Written(file);
    // Code page 037 'C', ' ', '1', ' '; one '?' for each character beyond ASCII.
    EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + 4), (Bytes{0xC3, 0x40, 0xF1, 0x40}));
    const std::vector<std::string> text = TextHeaderLines(std::span(bytes).first(3200));
    EXPECT_EQ(std::tuple(text[1], text[9], text[38], text[39]),
              std::tuple("C 2 PROJECT: ??A", "C10 COORDINATE SCALAR: -100", "C39 SEG Y REV1",
                         "C40 END TEXTUAL HEADER"));

    // Big-endian words at the 1-based byte numbers of the SEG-Y tables.
    Bytes expected(400 + 2 * (240 + 12), 0);
    auto i16 = [&](size_t position, int32_t v) {
        be::PutI16(&expected[position - 3201], static_cast<int16_t>(v));
    };
    auto i32 = [&](size_t position, int32_t v) { be::PutI32(&expected[position - 3201], v); };
    for (auto [position, v] : {std::pair{3213, 2},
                               {3217, 126},
                               {3219, 126},
                               {3221, 3},
                               {3223, 3},
                               {3225, 2},
                               {3227, 1},
                               {3229, 1},
                               {3255, 1},
                               {3501, 0x0100},
                               {3503, 1}}) {
        i16(position, v);
    }
    for (size_t i = 0; i < 2; ++i) {
        const size_t t = 3600 + i * 252;
        const int32_t sequence = static_cast<int32_t>(i) + 1;
        // Offset in whole metres (receiver minus source X); coordinates in centimetres under -100.
        for (auto [position, v] : {std::pair{1, sequence},
                                   {5, sequence},
                                   {9, 7},
                                   {13, i == 0 ? 5 : 2},
                                   {17, 7},
                                   {21, i == 0 ? 101 : 0},
                                   {37, i == 0 ? 1 : -2},
                                   {73, 150},
                                   {77, -25},
                                   {81, i == 0 ? 250 : 0},
                                   {197, 7}}) {
            i32(t + position, v);
        }
        for (auto [position, v] : {std::pair{29, 1},
                                   {31, 1},
                                   {33, 1},
                                   {35, 1},
                                   {69, 1},
                                   {71, -100},
                                   {89, 1},
                                   {115, 3},
                                   {117, 126}}) {
            i16(t + position, v);
        }
        for (size_t j = 0; j < 3; ++j) {
            i32(t + 241 + 4 * j, file.m_arrTraces[i][j]);
        }
    }
    EXPECT_EQ(Bytes(bytes.begin() + 3200, bytes.end()), expected);
}

TEST(StandardSegyWrite, ARecordReadsBackIdenticallyUnderTheSmallestExactScalar) {
    const std::pair<std::vector<float>, int16_t> positions[] = {
        {{0, 2, -46}, 1}, {{0.1f, 2.5f}, -10}, {{0.25f}, -100}, {{0.001f}, -1000}, {{3e9f}, -1000}};
    for (const auto& [xs, scalar] : positions) {
        CStandardSegyFile file = Record<CStandardSegyFile>(static_cast<int32_t>(xs.size()), 5);
        file.m_fSampleInterval = 250.0f;
        for (size_t i = 0; i < xs.size(); ++i) {
            file.m_receivers.push_back({static_cast<int32_t>(i) + 1, xs[i], 100.0f + static_cast<float>(i)});
        }
        file.m_shot = {7.0f, xs[0], -xs[0]};
        EXPECT_EQ(file.CoordinateScalar(), scalar) << xs[0];
        if (scalar != -1000) {
            const CSegyFile back = ReadSegy(Written(file));
            EXPECT_EQ(std::tuple(back.m_arrTraces, back.m_receivers, back.m_shot, back.m_fSampleInterval),
                      std::tuple(file.m_arrTraces, file.m_receivers, file.m_shot, 250.0f));
        }
    }
    // Only what the 16-bit fields hold is written.
    for (auto [traces, samples, interval, ok] : {std::tuple{1, 32767, 32767.4f, true},
                                                 {1, 1, 32767.6f, false},
                                                 {1, 32768, 10.0f, false},
                                                 {32768, 0, 10.0f, false},
                                                 {1, 1, -1.0f, false},
                                                 {1, 1, NAN, false}}) {
        CStandardSegyFile file = Record<CStandardSegyFile>(traces, samples);
        file.m_fSampleInterval = interval;
        MemorySink sink;
        EXPECT_EQ(file.WriteTo(sink), ok) << traces << " " << samples << " " << interval;
    }
}

} // namespace
} // namespace kvt
