// The document's spectrum and filter operations: the average trace's amplitude spectrum that the filter
// dialog draws, and the low- or high-pass filter it applies to the record.
#include "CKVTDoc.h"
#include "Messages.h"
#include "base/Truncate.h"

#include <algorithm>
#include <cmath>
#include <iterator>

namespace kvt {

namespace {

// The longest spectrum made: NextPowerOfTwo is exact up to here, and only a sample interval far below
// any instrument's (or a damaged header) would ask for more.
constexpr int64_t kMaxSpectrumLength = int64_t{1} << 24;

bool UsableInterval(float microseconds) {
    return std::isfinite(microseconds) && microseconds > 0.0f;
}

} // namespace

std::vector<int32_t> CKVTDoc::FilterTraces() {
    std::vector<int32_t> traces;
    if (m_nSelectMode == SelectMode::MultiTrace && !m_arrSelTraces.empty()) {
        std::copy_if(m_arrSelTraces.begin(), m_arrSelTraces.end(), std::back_inserter(traces),
                     [this](int32_t t) { return EditableTrace(t) != nullptr; });
        return traces;
    }
    for (int32_t t = 0; t < Header().m_nTraceCount; ++t) {
        if (EditableTrace(t) != nullptr) {
            traces.push_back(t);
        }
    }
    return traces;
}

std::vector<float> CKVTDoc::ComputeRecordSpectrum() {
    const int32_t ns = SampleCount();
    const float interval = Header().m_fSampleInterval;
    const std::vector<int32_t> traces = FilterTraces();
    if (ns <= 0 || traces.empty() || !UsableInterval(interval)) {
        return {};
    }
    // At least one second of signal (N >= fs) so that neighbouring bins are at most 1 Hz apart.
    const int64_t fs = TruncateToInt32(1000000.0 / static_cast<double>(interval));
    const int64_t needed = std::max<int64_t>(fs, ns);
    if (needed > kMaxSpectrumLength) {
        return {};
    }
    const int32_t n = CAlgorithm::NextPowerOfTwo(static_cast<int32_t>(needed));
    m_nSpectrumLength = n;

    // Only the first ns/D samples of the average trace go in, and the spectrum then takes every D-th
    // of them: the divisor narrows the frequency range to the first part of the record. Sums are wide,
    // so no number of traces can overflow them; the average truncates towards zero.
    const auto samples = std::min(static_cast<size_t>(ns), static_cast<size_t>(n));
    std::vector<int64_t> sums(samples, 0);
    for (int32_t t : traces) {
        const int32_t* trace = EditableTrace(t);
        for (size_t i = 0; i < samples; ++i) {
            sums[i] += trace[i];
        }
    }
    std::vector<float> spectrum(static_cast<size_t>(n), 0.0f);
    const auto count = static_cast<int64_t>(traces.size());
    const int32_t divisor = std::max(m_filter.m_nFreqDivisor, 1);
    for (size_t i = 0; i < samples && static_cast<int64_t>(i) * divisor < ns; ++i) {
        spectrum[i] = static_cast<float>(static_cast<int32_t>(sums[i] / count));
    }
    m_algorithm.m_nDecimation = divisor;
    m_algorithm.AmplitudeSpectrum(spectrum.data(), n);
    return spectrum;
}

// Entry k of an N-point spectrum of the trace decimated by D is the k-th bin of a transform whose
// input is sampled every D·dt seconds: f(k) = k / (N·D·dt) = k·fs / (D·N), with fs = 10^6 / dt for dt
// in microseconds. The N/2 entries shown thus run from 0 to just below fs / (2D), the Nyquist
// frequency of the decimated trace.
double CKVTDoc::SpectrumBinHz(int32_t index) const {
    const float interval = Header().m_fSampleInterval;
    if (!UsableInterval(interval) || m_nSpectrumLength <= 0) {
        return 0.0;
    }
    const double fs = 1000000.0 / static_cast<double>(interval);
    const double divisor = std::max(m_algorithm.m_nDecimation, 1);
    return index * fs / (divisor * m_nSpectrumLength);
}

float CKVTDoc::FilterCornerHz() const {
    switch (m_filter.m_nFilterType) {
    case FilterType::LowPass:
        return m_filter.m_fHighPassHz;
    case FilterType::HighPass:
        return m_filter.m_fLowPassHz;
    }
    return 0.0f;
}

void CKVTDoc::SetFilterCornerHz(float hz) {
    FilterSettings settings = m_filter;
    (settings.m_nFilterType == FilterType::LowPass ? settings.m_fHighPassHz : settings.m_fLowPassHz) = hz;
    SetFilter(settings);
}

// fs as the filter gets it: 10^6 / interval in float, 0 when the interval is unusable.
float CKVTDoc::FilterSamplingHz() const {
    const float interval = Header().m_fSampleInterval;
    const float fs = UsableInterval(interval) ? 1000000.0f / interval : 0.0f;
    return std::isfinite(fs) ? fs : 0.0f;
}

bool CKVTDoc::FilterCornerInBand() const {
    const float corner = FilterCornerHz();
    const float fs = FilterSamplingHz();
    return fs > 0.0f && corner > 0.0f && corner < fs / 2.0f;
}

int32_t CKVTDoc::ApplyFilter() {
    // 低通's corner is the 高通 edit, which starts at 0 Hz: 应用 on a fresh dialog lands here, and
    // must neither pass silently nor mark an untouched record as changed.
    if (!FilterCornerInBand()) {
        Host().ShowMessage(FilterCornerOutOfBandMessage());
        return 0;
    }
    // The 高通 type draws a high-pass gate, so it filters with the high-pass section.
    const PassBand band = m_filter.m_nFilterType == FilterType::HighPass ? PassBand::High : PassBand::Low;
    const float corner = FilterCornerHz();
    const float fs = FilterSamplingHz();
    const int32_t ns = SampleCount();
    // Filtering can be undone like every other edit of the samples.
    PushSnapshot();
    std::vector<int32_t*> traces;
    for (int32_t t : FilterTraces()) {
        traces.push_back(EditableTrace(t));
    }
    const int32_t filtered = CAlgorithm::FilterTraces(traces, ns, corner, fs, band);
    SamplesEdited(true);
    return filtered;
}

} // namespace kvt
