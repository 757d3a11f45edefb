// Records written by field instruments and other software, from the real test-data folder beside the
// project; each test is skipped when the folder is absent.
#include "FileBytes.h"
#include "FormatTestFiles.h"
#include "formats/CSegyFile.h"
#include "formats/CStandardSegyFile.h"
#include "formats/SegyTextHeader.h"

#include <cmath>
#include <cstdio>
#include <memory>
#include <optional>

namespace kvt {
namespace {

using test::Bytes;

// "0.001" s as float32 is a little above a millisecond, and the product keeps it: one step above 1000.
const float kOneMillisecond = std::nextafter(1000.0f, 2000.0f);

class RealFiles : public ::testing::Test {
protected:
    void SetUp() override {
        if (test::RealTestFile("swprocess_wghs_6.dat").empty()) {
            GTEST_SKIP() << "real test data not present";
        }
    }
};

// What each file's independent dump lists: counts and interval; five samples from `at`, spacing and
// offset, the first receiver and the shot; for SEG-Y one line of the textual header.
struct RealRecord {
    struct Counts {
        const char* name;
        int32_t traces;
        int32_t samples;
        float interval;
    } counts;
    struct Values {
        size_t at;
        std::vector<int32_t> five;
        std::pair<float, float> spacingAndOffset;
        ReceiverPoint firstReceiver;
        std::optional<ShotPoint> shot;
    } values;
    std::pair<size_t, const char*> textLine;
};

const std::vector<int32_t> kF3 = {-2610, -3936, -1751, 2542, 6181};
const RealRecord kRealFiles[] = {
    // A Geode's float32 shot named .dat, with spare zero pointer slots: 27.03339 truncates to 27.
    {{"swprocess_wghs_6.dat", 24, 1500, kOneMillisecond},
     {0, {27, 19, 21, 23, 19}, {2, 0}, {1, 0, 0}, ShotPoint{6, -5, 0}},
     {}},
    // A VIPA's int32 record without receiver locations: every receiver at 0.
    {{"obspy_20130107_103041000.CET.3c.cont.0.seg2", 3, 2000, kOneMillisecond},
     {0, {-11, -13, -22, -18, -11}, {0, 0}, {1, 0, 0}, ShotPoint{}},
     {}},
    // A SmartSeis record of 20-bit packed samples; one receiver gives spacing and offset alike.
    {{"obspy_20180307_031245000.0.seg2", 1, 2048, 125.0000076f},
     {0, {-20, -22, -27, -32, -38}, {1004, 1004}, {1, 1004, 0}, ShotPoint{0, 1000, 0}},
     {}},
    // Big-endian int32, ASCII text; 24 traces per ensemble in the header, one in the file; scalar -100.
    {{"obspy_1.sgy", 1, 8000, 250},
     {0, {-12, -31, -40, -20, -15}, {3, 3}, {1, 3, 0}, ShotPoint{}},
     {2, "COMPANY Geometrics"}},
    // IBM floats holding integers; the scalar 82 is no value the standard allows and is ignored.
    {{"obspy_ld0042_file_00018.sgy", 1, 2050, 2000},
     {14, {-1762, -2547, -1817, -184, 1494}, {501325, 501325}, {1, 501325, 1}, ShotPoint{0, 501351, 5152489}},
     {0, "C01CLIENT: LITHOPROBE   AREA: ABITIBI - GRENVILLE '93  LINE:44"}},
    // The binary header's 75 samples are right and the trace headers' 462 wrong.
    {{"segyio_f3.sgy", 414, 75, 4000},
     {19, kF3, {0, 0}, {1, 0, 875}, {}},
     {0, "C 1 Cropped F3 2-byte integer data set"}},
    {{"segyio_Format1msb.sgy", 414, 75, 4000},
     {19, kF3, {0, 0}, {1, 0, 875}, {}},
     {2, "C 3 Written by libsegyio (python)"}},
    {{"segyio_Format5lsb.sgy", 414, 75, 4000},
     {19, kF3, {0, 0}, {1, 0, 875}, {}},
     {2, "C 3 Written by libsegyio (python)"}},
};

// The standard writer's file of a record reads back through KVT as the same record.
void ExpectStandardRoundTrip(const FormatFile& file) {
    CStandardSegyFile standard;
    standard.CopyNumericFrom(file);
    standard.m_arrTraces = file.m_arrTraces;
    standard.m_receivers = file.m_receivers;
    standard.m_shot = file.m_shot;
    CSegyFile back;
    ASSERT_EQ(test::ReadFrom(test::Written(standard), back), ReadError::None);
    EXPECT_EQ(
        std::tuple(back.m_layout, back.m_arrTraces, back.m_receivers, back.m_shot, back.m_fSampleInterval),
        std::tuple(SegyLayout::Standard, file.m_arrTraces, file.m_receivers, file.m_shot,
                   std::round(file.m_fSampleInterval)));
}

TEST_F(RealFiles, EveryFileOpensWithItsListedValuesAndSurvivesTheStandardWriter) {
    for (const auto& [counts, values, textLine] : kRealFiles) {
        SCOPED_TRACE(counts.name);
        const std::string path = test::RealTestFile(counts.name);
        std::unique_ptr<FormatFile> file;
        if (textLine.second == nullptr) {
            const Bytes bytes = test::ReadBytes(path);
            test::ExpectPrefixesRefused<CSeg2File>(
                bytes, [&](size_t n) { return test::Seg2PrefixReason(bytes, n); });
            file = std::make_unique<CSeg2File>();
        } else {
            file = std::make_unique<CSegyFile>();
        }
        ASSERT_EQ(file->Read(path), ReadError::None);
        EXPECT_EQ(std::tuple(file->m_nTraceCount, file->m_nSampleCount, file->m_fSampleInterval),
                  std::tuple(counts.traces, counts.samples, counts.interval));
        ASSERT_EQ(file->m_arrTraces.size(), static_cast<size_t>(counts.traces));
        const auto first = file->m_arrTraces[0].begin() + static_cast<std::ptrdiff_t>(values.at);
        EXPECT_EQ(std::vector<int32_t>(first, first + 5), values.five);
        EXPECT_EQ(std::pair(file->m_fTraceSpacing, file->m_fOffset), values.spacingAndOffset);
        EXPECT_EQ(file->m_receivers.size(), static_cast<size_t>(counts.traces));
        EXPECT_EQ(file->m_receivers.front(), values.firstReceiver);
        if (values.shot) {
            EXPECT_EQ(file->m_shot, *values.shot);
        }
        EXPECT_EQ(file->m_nSampleScalePower, 0)
            << "every real file holds integers or floats of 1000 and more";
        if (const auto* segy = dynamic_cast<const CSegyFile*>(file.get())) {
            EXPECT_EQ(segy->m_layout, SegyLayout::Standard);
            EXPECT_EQ(TextHeaderLines(segy->m_abTextHeader).at(textLine.first), textLine.second);
        }
        ExpectStandardRoundTrip(*file);
    }
}

// The reference beside each of these files holds every sample times the trace's descaling factor
// (the VIPA's times 1000), one row per sample, one column per trace.
TEST_F(RealFiles, Seg2SamplesMatchTheirReferenceDecoding) {
    const std::pair<const char*, std::vector<double>> files[] = {
        {"obspy_20180307_031245000.0.seg2", {0.001199}},
        {"obspy_20130107_103041000.CET.3c.cont.0.seg2", {2.17378e-02, 2.19941e-02, 2.14815e-02}},
    };
    for (const auto& [name, factors] : files) {
        SCOPED_TRACE(name);
        const std::string path = test::RealTestFile(name);
        std::FILE* text = popen(("gzip -dc '" + path + ".reference_ascii.gz'").c_str(), "r");
        ASSERT_NE(text, nullptr);
        CSeg2File file;
        ASSERT_EQ(file.Read(path), ReadError::None);
        double reference = 0.0;
        size_t count = 0;
        for (; std::fscanf(text, "%lf", &reference) == 1; ++count) {
            const size_t trace = count % factors.size();
            const int32_t sample = file.m_arrTraces[trace].at(count / factors.size());
            ASSERT_NEAR(sample * factors[trace], reference, 1e-7 + std::fabs(reference) * 1e-6) << count;
        }
        pclose(text);
        EXPECT_EQ(count, factors.size() * static_cast<size_t>(file.m_nSampleCount));
    }
}

} // namespace
} // namespace kvt
