#include "TestRecords.h"
#include "algorithms/CAlgorithm.h"

#include <algorithm>
#include <gtest/gtest.h>

#include <limits>

namespace kvt {
namespace {

using test::Cosine;
using test::LoadRecord;

// Index of the largest of the first `count` entries.
int32_t PeakIndex(const std::vector<float>& spectrum, int32_t count) {
    return CAlgorithm::FindMaxAbsIndex(spectrum.data(), count);
}

// 1 ms sampling, 1024 samples: N = 1024, and bin k of the undecimated spectrum is k·1000/1024 Hz.
constexpr float kMs = 1000.0f;
constexpr int32_t kSamples = 1024;

TEST(RecordSpectrum, CosinePeaksAtItsBinWithItsAmplitudeAndFrequency) {
    CKVTDoc doc;
    LoadRecord(doc, 3, kSamples, kMs, [](int32_t, int32_t i) { return Cosine(1.0e6, 50, i, kSamples); });
    doc.m_nFreqDivisor = 1;
    const std::vector<float> spectrum = doc.ComputeRecordSpectrum();
    ASSERT_EQ(doc.m_nSpectrumLength, 1024);
    ASSERT_EQ(spectrum.size(), 1024u);
    EXPECT_EQ(PeakIndex(spectrum, 512), 50);
    EXPECT_NEAR(spectrum[50], 1.0e6, 1.0e3);
    EXPECT_DOUBLE_EQ(doc.SpectrumBinHz(50), 50.0 * 1000.0 / 1024.0);
    for (size_t k = 512; k < spectrum.size(); ++k) {
        ASSERT_EQ(spectrum[k], 0.0f) << k;
    }
}

TEST(RecordSpectrum, LengthCoversOneSecondAndTheWholeTrace) {
    struct Case {
        float interval;
        int32_t samples;
        int32_t length;
    } cases[] = {{1000.0f, 1024, 1024}, {1000.0f, 1500, 2048}, {250.0f, 1024, 4096}, {2000.0f, 300, 512}};
    for (const Case& c : cases) {
        CKVTDoc doc;
        LoadRecord(doc, 1, c.samples, c.interval, [](int32_t, int32_t i) { return i % 7; });
        EXPECT_EQ(doc.ComputeRecordSpectrum().size(), static_cast<size_t>(c.length)) << c.interval;
        EXPECT_EQ(doc.m_nSpectrumLength, c.length) << c.interval;
    }
}

TEST(RecordSpectrum, AveragesTheMultiTraceSelectionOrElseEveryTrace) {
    const double cycles[] = {50, 100, 200};
    CKVTDoc doc;
    LoadRecord(doc, 3, kSamples, kMs,
               [&](int32_t t, int32_t i) { return Cosine(900000.0, cycles[t], i, kSamples); });
    doc.m_nFreqDivisor = 1;

    std::vector<float> all = doc.ComputeRecordSpectrum();
    for (int k : {50, 100, 200}) {
        EXPECT_NEAR(all[static_cast<size_t>(k)], 300000.0, 1000.0) << k;
    }

    doc.m_nSelectMode = 3;
    doc.m_arrSelTraces = {2, 0};
    std::vector<float> selected = doc.ComputeRecordSpectrum();
    EXPECT_NEAR(selected[50], 450000.0, 1000.0);
    EXPECT_NEAR(selected[200], 450000.0, 1000.0);
    EXPECT_LT(selected[100], 10.0f);

    doc.m_arrSelTraces.clear();
    EXPECT_EQ(doc.ComputeRecordSpectrum(), all) << "an empty selection means every trace";
    doc.m_nSelectMode = 2;
    doc.m_arrSelTraces = {2, 0};
    EXPECT_EQ(doc.ComputeRecordSpectrum(), all) << "the list counts only in the multi-trace mode";
}

TEST(RecordSpectrum, DecimationNarrowsTheRangeButKeepsFrequencies) {
    // 50 cycles over 1024 samples at 1 kHz is 48.83 Hz. With the divisor 4 the first 256 samples go in
    // and every fourth of them is taken: 64 values at 250 Hz in a 1024-point transform whose bins are
    // 250/1024 Hz apart, so the peak moves to bin 200 at the same frequency with a sixteenth of the
    // amplitude.
    CKVTDoc doc;
    LoadRecord(doc, 1, kSamples, kMs, [](int32_t, int32_t i) { return Cosine(1.0e6, 50, i, kSamples); });
    doc.m_nFreqDivisor = 4;
    const std::vector<float> spectrum = doc.ComputeRecordSpectrum();
    ASSERT_EQ(doc.m_nSpectrumLength, 1024);
    EXPECT_EQ(doc.m_algorithm.m_nDecimation, 4);
    EXPECT_EQ(PeakIndex(spectrum, 512), 200);
    EXPECT_NEAR(spectrum[200], 62500.0, 500.0);
    EXPECT_DOUBLE_EQ(doc.SpectrumBinHz(200), 50.0 * 1000.0 / 1024.0);
    EXPECT_DOUBLE_EQ(doc.SpectrumBinHz(511), 511.0 * 1000.0 / (4.0 * 1024.0)) << "just below fs / (2D)";
}

TEST(RecordSpectrum, DecimationLooksOnlyAtTheFirstPartOfTheTrace) {
    // Silent for the first quarter: with the divisor 4 nothing after it reaches the transform.
    CKVTDoc doc;
    LoadRecord(doc, 1, kSamples, kMs,
               [](int32_t, int32_t i) { return i < kSamples / 4 ? 0 : Cosine(1.0e6, 50, i, kSamples); });
    doc.m_nFreqDivisor = 4;
    std::vector<float> spectrum = doc.ComputeRecordSpectrum();
    EXPECT_EQ(*std::max_element(spectrum.begin(), spectrum.end()), 0.0f);
    doc.m_nFreqDivisor = 1;
    spectrum = doc.ComputeRecordSpectrum();
    EXPECT_EQ(PeakIndex(spectrum, 512), 50);
}

TEST(RecordSpectrum, SumsOfLargeSamplesDoNotOverflow) {
    CKVTDoc doc;
    LoadRecord(doc, 3, kSamples, kMs, [](int32_t, int32_t i) { return Cosine(2.0e9, 50, i, kSamples); });
    doc.m_nFreqDivisor = 1;
    const std::vector<float> spectrum = doc.ComputeRecordSpectrum();
    EXPECT_EQ(PeakIndex(spectrum, 512), 50);
    EXPECT_NEAR(spectrum[50], 2.0e9, 2.0e6);
}

TEST(RecordSpectrum, NoSpectrumWithoutTracesSamplesOrAUsableInterval) {
    CKVTDoc doc;
    EXPECT_TRUE(doc.ComputeRecordSpectrum().empty()) << "a new document declares traces but holds none";

    const float intervals[] = {0.0f, -250.0f, std::numeric_limits<float>::quiet_NaN(),
                               std::numeric_limits<float>::infinity(), 1.0e-6f};
    for (float interval : intervals) {
        LoadRecord(doc, 2, 64, interval, [](int32_t, int32_t i) { return i; });
        doc.m_nSpectrumLength = 77;
        EXPECT_TRUE(doc.ComputeRecordSpectrum().empty()) << interval;
        EXPECT_EQ(doc.m_nSpectrumLength, 77) << interval;
    }

    LoadRecord(doc, 2, 0, kMs, [](int32_t, int32_t) { return 0; });
    EXPECT_TRUE(doc.ComputeRecordSpectrum().empty());

    LoadRecord(doc, 2, 64, kMs, [](int32_t, int32_t i) { return i; });
    doc.m_nSelectMode = 3;
    doc.m_arrSelTraces = {5, -1};
    EXPECT_TRUE(doc.ComputeRecordSpectrum().empty()) << "a selection naming no trace";
}

} // namespace
} // namespace kvt
