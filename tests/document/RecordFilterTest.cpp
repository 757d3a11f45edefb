#include "TestRecords.h"

#include <gtest/gtest.h>

#include <complex>
#include <cstdlib>

namespace kvt {
namespace {

using test::kPi;
using test::LoadRecord;
using test::RecordingHost;

constexpr float kMs = 1000.0f; // 1 kHz sampling
constexpr int32_t kSamples = 1000;

// 10 Hz and 300 Hz of equal amplitude.
int32_t TwoTones(int32_t, int32_t i) {
    return static_cast<int32_t>(400000.0 * std::cos(2.0 * kPi * 10.0 * i / 1000.0) +
                                400000.0 * std::cos(2.0 * kPi * 300.0 * i / 1000.0));
}

// Amplitude of one frequency in samples from..count−1 (past the filter's start-up), by projection.
double ToneAmplitude(const int32_t* samples, int32_t from, int32_t count, double hz, double fs) {
    std::complex<double> sum;
    for (int32_t i = from; i < count; ++i) {
        sum += static_cast<double>(samples[i]) * std::polar(1.0, -2.0 * kPi * hz * i / fs);
    }
    return 2.0 * std::abs(sum) / (count - from);
}

int32_t PeakMagnitude(const int32_t* samples, int32_t from, int32_t count) {
    int32_t peak = 0;
    for (int32_t i = from; i < count; ++i) {
        peak = std::max(peak, std::abs(samples[i]));
    }
    return peak;
}

TEST(RecordFilter, KeepsTheLowToneAndThePeakAndCutsTheHighTone) {
    CKVTDoc doc;
    LoadRecord(doc, 2, kSamples, kMs, TwoTones);
    const int32_t inputPeak = PeakMagnitude(doc.Traces().TraceAt(0), 0, kSamples);
    doc.m_nFilterType = 0;
    doc.m_fHighPassHz = 50.0f; // the low-pass type's corner is the 高通 edit's value
    EXPECT_EQ(doc.ApplyFilter(), 2);

    for (int32_t t = 0; t < 2; ++t) {
        const int32_t* out = doc.Traces().TraceAt(t);
        const double low = ToneAmplitude(out, 100, kSamples, 10.0, 1000.0);
        const double high = ToneAmplitude(out, 100, kSamples, 300.0, 1000.0);
        EXPECT_GT(low, 300000.0) << t;
        EXPECT_LT(high / low, 0.03) << t;
        EXPECT_NEAR(PeakMagnitude(out, 2, kSamples), inputPeak, 2) << "rescaled to the input's peak";
    }
}

TEST(RecordFilter, FiltersOnlyTheMultiTraceSelection) {
    CKVTDoc doc;
    LoadRecord(doc, 3, kSamples, kMs, TwoTones);
    const CTraceMatrix before = doc.Traces();
    doc.m_fHighPassHz = 50.0f;
    doc.m_nSelectMode = 3;
    doc.m_arrSelTraces = {2, 0};
    EXPECT_EQ(doc.ApplyFilter(), 2);
    EXPECT_NE(doc.Traces().m_arrTraces[0], before.m_arrTraces[0]);
    EXPECT_EQ(doc.Traces().m_arrTraces[1], before.m_arrTraces[1]);
    EXPECT_NE(doc.Traces().m_arrTraces[2], before.m_arrTraces[2]);
    EXPECT_EQ(doc.Traces().m_arrTraces[2], doc.Traces().m_arrTraces[0]);

    LoadRecord(doc, 3, kSamples, kMs, TwoTones);
    doc.m_arrSelTraces.clear();
    EXPECT_EQ(doc.ApplyFilter(), 3) << "an empty selection filters every trace";
}

TEST(RecordFilter, TheTypeChoosesTheCorner) {
    CKVTDoc doc;
    LoadRecord(doc, 1, kSamples, kMs, TwoTones);
    doc.m_fLowPassHz = 50.0f;
    doc.m_fHighPassHz = 0.0f;
    doc.m_nFilterType = 0;
    EXPECT_EQ(doc.FilterCornerHz(), 0.0f);
    EXPECT_EQ(doc.ApplyFilter(), 0) << "the low-pass type's default corner of 0 Hz filters nothing";
    doc.m_nFilterType = 1;
    EXPECT_EQ(doc.FilterCornerHz(), 50.0f);
    EXPECT_EQ(doc.ApplyFilter(), 1);
    doc.m_nFilterType = 2;
    EXPECT_EQ(doc.FilterCornerHz(), 0.0f);

    doc.m_nFilterType = 0;
    doc.SetFilterCornerHz(12.0f);
    EXPECT_EQ(doc.m_fHighPassHz, 12.0f);
    doc.m_nFilterType = 1;
    doc.SetFilterCornerHz(34.0f);
    EXPECT_EQ(doc.m_fLowPassHz, 34.0f);
    EXPECT_EQ(doc.m_fHighPassHz, 12.0f);
}

TEST(RecordFilter, UndefinedCasesLeaveTracesUnchanged) {
    struct Case {
        const char* what;
        float corner;
        float interval;
        int32_t samples;
        bool silent;
    } cases[] = {
        {"corner 0 Hz", 0.0f, kMs, kSamples, false},
        {"negative corner", -5.0f, kMs, kSamples, false},
        {"corner at fs/2", 500.0f, kMs, kSamples, false},
        {"corner above fs/2", 800.0f, kMs, kSamples, false},
        {"all-zero traces", 50.0f, kMs, kSamples, true},
        {"two samples", 50.0f, kMs, 2, false},
        {"no samples", 50.0f, kMs, 0, false},
        {"zero sample interval", 50.0f, 0.0f, kSamples, false},
        {"negative sample interval", 50.0f, -1000.0f, kSamples, false},
    };
    for (const Case& c : cases) {
        RecordingHost host;
        CKVTDoc doc(host);
        LoadRecord(doc, 2, c.samples, c.interval,
                   [&](int32_t t, int32_t i) { return c.silent ? 0 : TwoTones(t, i) + 7; });
        const CTraceMatrix before = doc.Traces();
        doc.m_fHighPassHz = c.corner;
        EXPECT_EQ(doc.ApplyFilter(), 0) << c.what;
        EXPECT_EQ(doc.Traces(), before) << c.what;
        EXPECT_TRUE(doc.m_bDataChanged) << c.what;
    }
}

TEST(RecordFilter, MarksTheDataChangedWithoutAnUndoSnapshot) {
    RecordingHost host;
    CKVTDoc doc(host);
    LoadRecord(doc, 2, kSamples, kMs, TwoTones);
    doc.m_fHighPassHz = 50.0f;
    ASSERT_FALSE(doc.m_bDataChanged);
    doc.ApplyFilter();
    EXPECT_TRUE(doc.m_bDataChanged);
    EXPECT_EQ(host.infoChanges, 1);
    EXPECT_TRUE(host.messages.empty());
    EXPECT_TRUE(doc.m_arrHistory.empty());
    EXPECT_EQ(doc.m_nUndoPos, 0);
    EXPECT_EQ(doc.m_nRedoCount, 0);
    EXPECT_EQ(doc.m_record.m_nMaxAbs, 0) << "the peak stays as it was at opening";
}

} // namespace
} // namespace kvt
