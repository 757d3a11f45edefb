// Processing the open record: its spectrum, the filter, resampling and the geometry texts.
#include "LoadedRecord.h"
#include "RecordingHost.h"
#include "algorithms/CAlgorithm.h"
#include "document/GeometryArrangement.h"
#include "document/Resampling.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <tuple>

namespace kvt {
namespace {

using test::LoadRecord;

constexpr double kPi = 3.14159265358979323846;
constexpr float kMs = 1000.0f; // 1 kHz sampling
constexpr int32_t kSamples = 1024;

// amplitude · cos(2π · cycles · i / kSamples), truncated.
int32_t Cosine(double amplitude, double cycles, int32_t i) {
    return static_cast<int32_t>(amplitude * std::cos(2.0 * kPi * cycles * i / kSamples));
}

// Index of the largest entry of the spectrum's shown half.
int32_t PeakIndex(const std::vector<float>& spectrum) {
    const auto half = spectrum.begin() + static_cast<std::ptrdiff_t>(spectrum.size() / 2);
    return static_cast<int32_t>(std::max_element(spectrum.begin(), half) - spectrum.begin());
}

TEST(RecordSpectrum, ACosinePeaksAtItsFrequencyAndTheDivisorLooksOnlyAtTheFirstPart) {
    // Three traces near full scale: the average's sums must not overflow.
    CKVTDoc doc;
    LoadRecord(doc, 3, kSamples, kMs, [](int32_t, int32_t i) { return Cosine(2.0e9, 50, i); });
    FilterSettings settings;
    settings.m_nFreqDivisor = 1;
    doc.SetFilter(settings);
    std::vector<float> spectrum = doc.ComputeRecordSpectrum();
    EXPECT_EQ(PeakIndex(spectrum), 50);
    EXPECT_NEAR(spectrum[50], 2.0e9, 2.0e6);
    EXPECT_DOUBLE_EQ(doc.SpectrumBinHz(50), 50.0 * 1000.0 / 1024.0);
    EXPECT_EQ(*std::max_element(spectrum.begin() + 512, spectrum.end()), 0.0f);

    // 50 cycles over 1024 samples at 1 kHz is 48.83 Hz. With the divisor 4 the first 256 samples go in
    // and every fourth of them is taken: 64 values at 250 Hz in a 1024-point transform whose bins are
    // 250/1024 Hz apart, so the peak moves to bin 200 at the same frequency with a sixteenth of the
    // amplitude.
    settings.m_nFreqDivisor = 4;
    doc.SetFilter(settings);
    spectrum = doc.ComputeRecordSpectrum();
    EXPECT_EQ(PeakIndex(spectrum), 200);
    EXPECT_NEAR(spectrum[200], 2.0e9 / 16, 1.0e6);
    EXPECT_DOUBLE_EQ(doc.SpectrumBinHz(200), 50.0 * 1000.0 / 1024.0);
    EXPECT_DOUBLE_EQ(doc.SpectrumBinHz(511), 511.0 * 1000.0 / (4.0 * 1024.0)) << "just below fs / (2D)";
}

TEST(RecordSpectrum, LengthCoversOneSecondAndTheWholeTraceButNeverAnUnusableOrHugeOne) {
    struct Case {
        float interval;
        int32_t samples;
        int32_t length;
    } cases[] = {{1000.0f, 1024, 1024}, {1000.0f, 1500, 2048}, {250.0f, 1024, 4096}, {2000.0f, 300, 512}};
    for (const Case& c : cases) {
        CKVTDoc doc;
        LoadRecord(doc, 1, c.samples, c.interval, [](int32_t, int32_t i) { return i % 7; });
        EXPECT_EQ(doc.ComputeRecordSpectrum().size(), static_cast<size_t>(c.length)) << c.interval;
        EXPECT_EQ(doc.SpectrumLength(), c.length) << c.interval;
    }

    CKVTDoc doc;
    EXPECT_TRUE(doc.ComputeRecordSpectrum().empty()) << "a new document declares traces but holds none";
    // 10^-6 us would ask for a 10^12-point transform.
    for (float interval : {0.0f, -250.0f, std::numeric_limits<float>::quiet_NaN(),
                           std::numeric_limits<float>::infinity(), 1.0e-6f}) {
        LoadRecord(doc, 2, 64, interval, [](int32_t, int32_t i) { return i; });
        EXPECT_TRUE(doc.ComputeRecordSpectrum().empty()) << interval;
        EXPECT_EQ(doc.SpectrumLength(), 1024) << interval;
    }
    LoadRecord(doc, 2, 0, kMs, [](int32_t, int32_t) { return 0; });
    EXPECT_TRUE(doc.ComputeRecordSpectrum().empty());
}

// About 10 Hz and 300 Hz of equal amplitude at 1 kHz.
int32_t TwoTones(int32_t, int32_t i) {
    return Cosine(4.0e5, 10, i) + Cosine(4.0e5, 300, i);
}

TEST(RecordFilter, FiltersTheChosenTracesAtTheTypesCornerWithTheTypesPassBandAndCanBeUndone) {
    test::RecordingHost host;
    CKVTDoc doc(host);
    LoadRecord(doc, 3, 1000, kMs, TwoTones);
    const CShotRecord before = doc.Record();
    FilterSettings settings;
    settings.m_fLowPassHz = 50.0f;
    settings.m_fHighPassHz = 20.0f;
    settings.m_nFilterType = FilterType::HighPass;
    doc.SetFilter(settings);
    EXPECT_EQ(doc.FilterCornerHz(), 50.0f) << "高通 uses the 低通 edit's value";
    doc.SetSelectMode(SelectMode::MultiTrace);
    doc.AddSelTrace(2);
    doc.AddSelTrace(0);
    EXPECT_EQ(doc.ApplyFilter(), 2);

    // Each chosen trace high-passed at the corner for the record's 1 kHz sampling.
    std::vector<int32_t> filtered = before.m_traces.m_arrTraces[0];
    ASSERT_TRUE(CAlgorithm::FilterTrace(1000, filtered.data(), 50.0f, 1000.0f, PassBand::High));
    EXPECT_EQ(doc.Traces().m_arrTraces[0], filtered);
    EXPECT_EQ(doc.Traces().m_arrTraces[1], before.m_traces.m_arrTraces[1]);
    EXPECT_EQ(doc.Traces().m_arrTraces[2], filtered);
    EXPECT_TRUE(doc.IsDataChanged() && doc.CanUndo());
    EXPECT_EQ(doc.Record().m_nMaxAbs, before.m_nMaxAbs) << "the peak stays as it was at opening";

    // 低通 low-passes at the 高通 edit's value; an empty selection filters every trace.
    settings.m_nFilterType = FilterType::LowPass;
    doc.SetFilter(settings);
    doc.ClearSelTraces();
    const CTraceMatrix highPassed = doc.Traces();
    EXPECT_EQ(doc.ApplyFilter(), 3);
    std::vector<int32_t> lowPassed = highPassed.m_arrTraces[1];
    ASSERT_TRUE(CAlgorithm::FilterTrace(1000, lowPassed.data(), 20.0f, 1000.0f, PassBand::Low));
    EXPECT_EQ(doc.Traces().m_arrTraces[1], lowPassed);
    doc.Undo();
    EXPECT_EQ(doc.Traces().m_arrTraces, highPassed.m_arrTraces);
    doc.SetFilterCornerHz(34.0f);
    EXPECT_EQ(doc.Filter().m_fHighPassHz, 34.0f);
    EXPECT_TRUE(host.messages.empty());
}

TEST(RecordFilter, ACornerOutsideTheBandIsRefusedOtherUndefinedCasesLeaveTracesButMarkTheRecord) {
    struct Case {
        const char* what;
        float corner;
        float interval;
        int32_t samples;
        bool refused;
    } cases[] = {{"corner 0 Hz", 0.0f, kMs, 1000, true},
                 {"corner at fs/2", 500.0f, kMs, 1000, true},
                 {"negative corner", -5.0f, kMs, 1000, true},
                 {"zero sample interval", 50.0f, 0.0f, 1000, true},
                 {"negative sample interval", 50.0f, -1000.0f, 1000, true},
                 {"two samples", 50.0f, kMs, 2, false},
                 {"no samples", 50.0f, kMs, 0, false}};
    const Message refusal{"截止频率必须大于 0 且小于采样频率的一半。", "滤波", MessageIcon::Warning, ""};
    for (const Case& c : cases) {
        test::RecordingHost host;
        CKVTDoc doc(host);
        LoadRecord(doc, 2, c.samples, c.interval, TwoTones);
        const CTraceMatrix before = doc.Traces();
        doc.SetFilterCornerHz(c.corner);
        EXPECT_EQ(doc.FilterCornerInBand(), !c.refused) << c.what;
        host.Clear();
        EXPECT_EQ(doc.ApplyFilter(), 0) << c.what;
        EXPECT_EQ(doc.Traces(), before) << c.what;
        EXPECT_EQ(doc.IsDataChanged(), !c.refused) << c.what;
        EXPECT_EQ(host.messages, c.refused ? std::vector<Message>{refusal} : std::vector<Message>{})
            << c.what;
        EXPECT_EQ(host.AllChanges().Has(Change::Modified), !c.refused) << c.what;
    }
}

std::optional<Message> Check(const char* interval, const char* count) {
    return ValidateResample(ReadResampleSettings(interval, count));
}

TEST(Resample, BoundsIncludeTheirEndsAndTheIntervalIsCheckedFirst) {
    const Message intervalMessage{"采样间隔应在0.001-100 ms之间！", "KVT", MessageIcon::None, ""};
    const Message countMessage{"采样长度应在512-16384 之间！", "KVT", MessageIcon::None, ""};
    for (const char* ok : {"0.001", "100", "0.25", " 2ms"}) {
        EXPECT_FALSE(Check(ok, "1024")) << ok;
    }
    for (const char* bad : {"0.0009", "100.01", "abc", "", "-1", "nan", "inf"}) {
        EXPECT_EQ(Check(bad, "1024"), intervalMessage) << bad;
    }
    // Text longer than any buffer is read whole: leading zeros do not push the digits out.
    for (const char* ok : {"512", "16384", "2048abc", "000000000000000000000000000001024"}) {
        EXPECT_FALSE(Check("1", ok)) << ok;
    }
    for (const char* bad : {"511", "16385", "x", "99999999999999999999999", "-512"}) {
        EXPECT_EQ(Check("1", bad), countMessage) << bad;
    }
    EXPECT_EQ(Check("0", "0"), intervalMessage);
    EXPECT_EQ(ReadResampleSettings("0.25", "1024").IntervalMicroseconds(), 250.0f);
}

TEST(Resample, TheRecordIsCutOrPaddedAtTheEndMarkedAndLosesItsHistoryUnlessNothingChanges) {
    CKVTDoc doc;
    LoadRecord(doc, 2, 1024, 250.0f, [](int32_t, int32_t i) { return i + 1; });
    doc.ApplyDelayCorrection(0);
    EXPECT_TRUE(doc.ResampleRecord(1024, 250.0f));
    EXPECT_TRUE(doc.CanUndo()) << "nothing changed";

    EXPECT_TRUE(doc.ResampleRecord(2048, 500.0f));
    EXPECT_EQ(doc.Header().m_nSampleCount, 2048);
    EXPECT_EQ(doc.Header().m_fSampleInterval, 500.0f);
    EXPECT_EQ(doc.Traces().m_nSamples, 2048);
    EXPECT_EQ(doc.Traces().TraceAt(1)[1023], 1024) << "no interpolation: sample i stays sample i";
    EXPECT_EQ(doc.Traces().TraceAt(1)[1024], 0);
    EXPECT_FALSE(doc.CanUndo());
    EXPECT_TRUE(doc.IsDataChanged());
}

TEST(Geometry, TextsShowTwoDecimalsAndAreReadBackAsLeadingNumbersButNeverIntoTheChannel) {
    CKVTDoc doc;
    CShotRecord record;
    record.m_receivers = {{1, 5, 1}, {2, 7.125f, -2.5f}, {3, 0, 0}, {4, 0, 0}, {5, 0, 0}, {6, 0, 0}};
    record.m_shot = {3.0f, -1.005f, 1234.5f};
    doc.AdoptRecord(record);
    GeometryTexts texts = doc.GeometryAsTexts();
    EXPECT_EQ(texts.rows[1], (GeometryTexts::Row{"2", "7.12", "-2.50"}));
    EXPECT_EQ(std::tuple(texts.shotNumber, texts.shotX, texts.shotY), std::tuple("3.00", "-1.00", "1234.50"));

    texts.rows[0] = {"99", "abc", " 12.5m"};
    texts.rows[1].position = "-3e1";
    texts.rows.push_back({"7", "100", "100"}); // no receiver to take it
    texts.shotX = "";
    texts.shotY = "1e39";
    doc.StoreGeometry(texts);
    const std::vector<ReceiverPoint>& r = doc.Record().m_receivers;
    EXPECT_EQ(r[0], (ReceiverPoint{1, 0.0f, 12.5f}));
    EXPECT_EQ(r[1], (ReceiverPoint{2, -30.0f, -2.5f}));
    EXPECT_EQ(doc.Record().m_shot.fX, 0.0f);
    EXPECT_TRUE(std::isinf(doc.Record().m_shot.fY));
    EXPECT_FALSE(doc.IsDataChanged()) << "the dialog's OK handler marks the record changed, not the store";

    // Auto-fill stores what is typed, then continues the first two receivers: start plus i steps,
    // rounded once, for a step not exact in binary and a falling station step.
    texts = doc.GeometryAsTexts();
    texts.rows[0] = {"1", "0.1", "10"};
    texts.rows[1] = {"2", "0.35", "9.5"};
    texts.rows[5].position = "99";
    doc.AutoFillGeometry(texts);
    EXPECT_FLOAT_EQ(r[5].fPosition, 1.35f);
    EXPECT_EQ(r[5].fCdp, 7.5f);
    std::vector<ReceiverPoint> two = {{1, 3, 4}, {2, 8, 1}};
    ContinueReceiverProgression(two);
    EXPECT_EQ(two, (std::vector<ReceiverPoint>{{1, 3, 4}, {2, 8, 1}})) << "shorter tables stay as they are";
}

} // namespace
} // namespace kvt
