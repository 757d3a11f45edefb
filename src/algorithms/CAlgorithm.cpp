#include "CAlgorithm.h"

#include "base/Truncate.h"

#include <kiss_fft.h>
#include <kiss_fftr.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <memory>
#include <new>
#include <span>
#include <utility>
#include <vector>

namespace kvt {

namespace {

// Zero shares its sign with nothing, so a zero reference stops every taper walk.
bool SameSign(int32_t a, int32_t b) {
    return (a > 0 && b > 0) || (a < 0 && b < 0);
}

void ZeroRange(int32_t* samples, int32_t begin, int32_t end) {
    for (int32_t i = begin; i < end; ++i) {
        samples[i] = 0;
    }
}

} // namespace

int32_t CAlgorithm::FindMaxAbsIndex(const float* samples, int32_t count) {
    int32_t best = 0;
    for (int32_t i = 1; i < count; ++i) {
        if (std::fabs(samples[i]) > std::fabs(samples[best])) {
            best = i;
        }
    }
    return best;
}

int32_t CAlgorithm::FindMaxAbsSample(const int32_t* samples, int32_t count) {
    int32_t best = 0;
    for (int32_t i = 1; i < count; ++i) {
        // Magnitudes in 64 bits: |INT32_MIN| does not fit 32.
        if (std::llabs(samples[i]) > std::llabs(samples[best])) {
            best = i;
        }
    }
    return samples[best];
}

void CAlgorithm::AmplifyTrace(int32_t* samples, int32_t count, int32_t factor) {
    if (count <= 0 || std::llabs(FindMaxAbsSample(samples, count)) > 100000000) {
        return;
    }
    // A peak of 10^8 leaves room for a factor of 21; larger factors stop at the 32-bit limits.
    constexpr int64_t kMin = std::numeric_limits<int32_t>::min();
    constexpr int64_t kMax = std::numeric_limits<int32_t>::max();
    for (int32_t i = 0; i < count; ++i) {
        int64_t product = static_cast<int64_t>(samples[i]) * factor;
        samples[i] = static_cast<int32_t>(std::clamp(product, kMin, kMax));
    }
}

void CAlgorithm::CutTrace(int32_t start, int32_t end, int32_t* samples, int32_t count) {
    if (start == 0 && end == count) {
        ZeroRange(samples, 0, count);
    } else if (start == 0 && end >= 0 && end < count) {
        // Mute before `end`: taper the half-cycle through `end` (the reference is re-read, so the
        // walks compare against its halved value), then zero everything before that half-cycle.
        int32_t first = 0;
        for (int32_t i = end; i >= 0; --i) {
            if (!SameSign(samples[i], samples[end])) {
                first = i;
                break;
            }
            samples[i] /= 2;
        }
        for (int32_t i = end; i < count && SameSign(samples[i], samples[end]); ++i) {
            samples[i] /= 2;
        }
        ZeroRange(samples, 0, first);
    } else if (start > 0 && start < count && end == count) {
        // Mute after `start`, the mirror image of the above.
        int32_t past = count;
        for (int32_t i = start; i < count; ++i) {
            if (!SameSign(samples[i], samples[start])) {
                past = i;
                break;
            }
            samples[i] /= 2;
        }
        for (int32_t i = start; i >= 0 && SameSign(samples[i], samples[start]); --i) {
            samples[i] /= 2;
        }
        ZeroRange(samples, past, count);
    }
}

void CAlgorithm::ReversePolarity(int32_t* samples, int32_t count) {
    for (int32_t i = 0; i < count; ++i) {
        // -INT32_MIN does not exist; the nearest value stands in for it.
        samples[i] = samples[i] == std::numeric_limits<int32_t>::min() ? std::numeric_limits<int32_t>::max()
                                                                       : -samples[i];
    }
}

void CAlgorithm::ShiftTrace(int32_t shift, int32_t* samples, int32_t count) {
    if (count <= 0 || shift == 0) {
        return;
    }
    if (std::llabs(shift) >= count) {
        // Everything moves out of the trace.
        ZeroRange(samples, 0, count);
    } else if (shift > 0) {
        for (int32_t i = count - 1; i >= shift; --i) {
            samples[i] = samples[i - shift];
        }
        ZeroRange(samples, 0, shift);
    } else {
        const int32_t a = -shift;
        for (int32_t i = a; i < count; ++i) {
            samples[i - a] = samples[i];
        }
        ZeroRange(samples, count - a, count);
    }
}

int32_t CAlgorithm::NextPowerOfTwo(int32_t n) {
    if (n <= 1) {
        return 1;
    }
    // Halve a float copy into (1e-8, 1); each halving counts except one landing exactly on 0.5,
    // which means n itself was a power of two.
    float x = static_cast<float>(n);
    int32_t halvings = 0;
    while (!(x > 1e-8f && x < 1.0f)) {
        x /= 2.0f;
        if (x != 0.5f) {
            ++halvings;
        }
    }
    constexpr int32_t kLargest = 1 << 30;
    int32_t power = halvings >= 30 ? kLargest : 1 << halvings;
    // Above 2^24 the float copy may have rounded down onto a power of two below n.
    if (power < n && power < kLargest) {
        power *= 2;
    }
    return power;
}

namespace {

struct PlanFree {
    void operator()(void* plan) const { kiss_fft_free(plan); }
};

// KISS FFT plans (factors and twiddles), one per thread for the length last asked for: making one
// costs more than the transform, and a record's spectra all have one length.
template <class State, class Make> State* CachedPlan(int32_t n, Make make) {
    thread_local std::unique_ptr<State, PlanFree> plan;
    thread_local int32_t planned = 0;
    if (planned != n) {
        plan.reset(make(n));
        planned = n;
    }
    if (!plan) {
        planned = 0;
        throw std::bad_alloc();
    }
    return plan.get();
}

kiss_fft_cfg ComplexPlan(int32_t n) {
    return CachedPlan<kiss_fft_state>(n, [](int32_t m) { return kiss_fft_alloc(m, 0, nullptr, nullptr); });
}

kiss_fftr_cfg RealPlan(int32_t n) {
    return CachedPlan<kiss_fftr_state>(n, [](int32_t m) { return kiss_fftr_alloc(m, 0, nullptr, nullptr); });
}

// Per-thread scratch of at least `size` entries, kept between calls.
template <class T> T* Scratch(size_t size) {
    thread_local std::vector<T> scratch;
    if (scratch.size() < size) {
        scratch.resize(size);
    }
    return scratch.data();
}

} // namespace

void CAlgorithm::FourierTransform(int32_t order, float* re, float* im) {
    if (order <= 0 || order > 30) {
        return;
    }
    const auto n = static_cast<size_t>(1) << order;
    // Input and output apart: KISS FFT would allocate a buffer of its own for a transform in place.
    kiss_fft_cpx* in = Scratch<kiss_fft_cpx>(2 * n);
    kiss_fft_cpx* out = in + n;
    for (size_t i = 0; i < n; ++i) {
        in[i] = {re[i], im[i]};
    }
    kiss_fft(ComplexPlan(static_cast<int32_t>(n)), in, out);
    for (size_t i = 0; i < n; ++i) {
        re[i] = out[i].r;
        im[i] = out[i].i;
    }
}

void CAlgorithm::AmplitudeSpectrum(float* samples, int32_t length) const {
    if (length <= 0) {
        return;
    }
    const int32_t step = std::max(m_nDecimation, 1);
    const auto order = static_cast<int32_t>(std::log10(static_cast<float>(length)) / std::log10(2.0f) + 0.5f);
    // The transform's length; a caller's length that is not a power of two is rounded to the nearest.
    const int32_t n = 1 << order;
    const int32_t half = length / 2;
    if (n < 2) {
        std::fill(samples, samples + length, 0.0f);
        return;
    }

    // The kept samples and their mean, summed in eight independent running sums rather than one long
    // chain. Only the first n go into the transform when the length was rounded down.
    const int32_t kept = length / step;
    float* x = Scratch<float>(static_cast<size_t>(std::max(kept, n)));
    float parts[8] = {};
    int32_t i = 0;
    for (; i + 8 <= kept; i += 8) {
        for (int32_t k = 0; k < 8; ++k) {
            x[i + k] = samples[static_cast<size_t>(step) * static_cast<size_t>(i + k)];
            parts[k] += x[i + k];
        }
    }
    for (; i < kept; ++i) {
        x[i] = samples[static_cast<size_t>(step) * static_cast<size_t>(i)];
        parts[i % 8] += x[i];
    }
    const float sum =
        ((parts[0] + parts[4]) + (parts[1] + parts[5])) + ((parts[2] + parts[6]) + (parts[3] + parts[7]));
    const float mean = static_cast<float>(step) * sum / static_cast<float>(length);
    for (i = 0; i < kept; ++i) {
        x[i] -= mean;
    }
    if (kept < n) {
        std::fill(x + kept, x + n, 0.0f);
    }

    auto* bins = Scratch<kiss_fft_cpx>(static_cast<size_t>(n / 2 + 1));
    kiss_fftr(RealPlan(n), x, bins);
    // A real input's bins above n/2 mirror those below; they are needed only when the length was
    // rounded down.
    for (int32_t j = 0; j < half; ++j) {
        const kiss_fft_cpx& b = bins[j <= n / 2 ? j : n - j];
        samples[j] = std::sqrt(b.r * b.r + b.i * b.i) / static_cast<float>(half);
    }
    std::fill(samples + half, samples + length, 0.0f);
}

namespace {

// One second-order section: b0, b1, b2 on the input, a1, a2 on the past outputs.
struct Biquad {
    float b0;
    float b1;
    float b2;
    float a1;
    float a2;
};

// Whether a section is defined for this corner and length: a corner strictly inside (0, fs/2), and
// three samples at least (the rescaling needs an output peak from index 2 on).
bool CornerDefined(float cornerHz, float samplingHz, int32_t count) {
    return count >= 3 && std::isfinite(cornerHz) && std::isfinite(samplingHz) && samplingHz > 0.0f &&
           cornerHz > 0.0f && cornerHz < samplingHz / 2.0f;
}

// The analogue corner Ω of both sections: the bilinear transform's prewarped corner, lowered by the
// factor 10^(0.05/4) ~ 1.0292. Zero when it is not positive and finite.
float SectionOmega(float cornerHz, float samplingHz) {
    auto theta = static_cast<float>(cornerHz * 6.2831852 / samplingHz);
    theta = static_cast<float>(theta * 0.5);
    const auto omegaCorner = static_cast<float>(2.0 * samplingHz * std::tan(static_cast<double>(theta)));
    if (!(omegaCorner > 0.0f) || !std::isfinite(omegaCorner)) {
        return 0.0f;
    }
    auto adjust = static_cast<float>(std::pow(10.0, static_cast<double>(0.05f)));
    adjust = static_cast<float>(std::pow(static_cast<double>(adjust), 0.5));
    adjust = static_cast<float>(std::pow(static_cast<double>(adjust), 0.5));
    return omegaCorner / adjust;
}

// The order-2 Butterworth prototype 1 / (s²/Ω² + 1.4142·s/Ω + 1) through the bilinear transform
// s = T·(1 - z⁻¹)/(1 + z⁻¹), T = 2·fs. Both pass bands share the denominator; the high-pass numerator
// is the low-pass one with s²/Ω² in place of 1, that is K²·(1 - z⁻¹)² instead of (1 + z⁻¹)².
Biquad SectionCoefficients(float omega, float samplingHz, PassBand band) {
    const double t = 2.0 * samplingHz;
    const auto q = static_cast<float>(1.0 / (static_cast<double>(omega) * omega));
    const auto damping = static_cast<float>(1.4142 / omega);
    const double k2 = q * t * t;
    const auto m = static_cast<float>(k2 + damping * t + 1.0);
    Biquad c{};
    if (band == PassBand::Low) {
        c.b0 = static_cast<float>(1.0 / m);
        c.b1 = static_cast<float>(2.0 / m);
    } else {
        c.b0 = static_cast<float>(k2 / m);
        c.b1 = static_cast<float>(-2.0 * k2 / m);
    }
    c.b2 = c.b0;
    c.a1 = static_cast<float>((2.0 - 2.0 * k2) / m);
    c.a2 = static_cast<float>((k2 + 1.0 - damping * t) / m);
    return c;
}

// Traces filtered side by side: each step of the recursion waits for the step before, so a few
// independent traces in one loop keep the processor busy while each of them waits.
constexpr int32_t kLanes = 4;

// Runs the section once forward from a zero state over L traces together: each v[k] holds one
// trace's input normalised to its peak (count >= 3) and receives its output. Every step is computed
// in double in the order written and rounded to float, exactly as for one trace alone.
template <int32_t L> void Recurse(float* const* v, int32_t count, const Biquad& c) {
    const double b0 = c.b0, b1 = c.b1, b2 = c.b2, a1 = c.a1, a2 = c.a2;
    float* lane[L];
    double inPrev[L], inPrev2[L], outPrev[L], outPrev2[L];
    for (int32_t k = 0; k < L; ++k) {
        lane[k] = v[k];
        const double x0 = lane[k][0];
        const double x1 = lane[k][1];
        const auto y0 = static_cast<float>(b0 * x0);
        const auto y1 = static_cast<float>(b0 * x1 + b1 * x0 - a1 * y0);
        lane[k][0] = y0;
        lane[k][1] = y1;
        inPrev[k] = x1;
        inPrev2[k] = x0;
        outPrev[k] = y1;
        outPrev2[k] = y0;
    }
    for (int32_t i = 2; i < count; ++i) {
        for (int32_t k = 0; k < L; ++k) {
            const double x = lane[k][i];
            const auto y = static_cast<float>(b0 * x + b1 * inPrev[k] + b2 * inPrev2[k] - a1 * outPrev[k] -
                                              a2 * outPrev2[k]);
            lane[k][i] = y;
            inPrev2[k] = inPrev[k];
            inPrev[k] = x;
            outPrev2[k] = outPrev[k];
            outPrev[k] = y;
        }
    }
}

// The magnitude of a float as its bit pattern: for floats without sign the patterns order as the
// values do (and infinities and NaNs above every finite value), and an integer maximum vectorises
// where a float one, bound by NaN and signed-zero rules, does not.
int32_t MagnitudeBits(float v) {
    return static_cast<int32_t>(std::bit_cast<uint32_t>(v) & 0x7fffffffu);
}

constexpr int32_t kInfinityBits = 0x7f800000;

// The output's peak from index 2 on, where the recursion has both its past outputs; 0 when any
// output is not finite.
float OutputPeak(const float* v, int32_t count) {
    int32_t peak = 0;
    for (int32_t i = 2; i < count; ++i) {
        peak = std::max(peak, MagnitudeBits(v[i]));
    }
    const int32_t start = std::max(MagnitudeBits(v[0]), MagnitudeBits(v[1]));
    return std::max(peak, start) < kInfinityBits ? std::bit_cast<float>(peak) : 0.0f;
}

// The largest |float(v)|, which is float(|v|) of the integer farthest from zero, since rounding to
// float is symmetric and monotonic.
float InputPeak(const int32_t* samples, int32_t count) {
    int32_t low = 0;
    int32_t high = 0;
    for (int32_t i = 0; i < count; ++i) {
        low = std::min(low, samples[i]);
        high = std::max(high, samples[i]);
    }
    return static_cast<float>(std::max(-static_cast<int64_t>(low), static_cast<int64_t>(high)));
}

// The same for finite floats, through their magnitude bits.
float InputPeak(const float* samples, int32_t count) {
    int32_t peak = 0;
    for (int32_t i = 0; i < count; ++i) {
        peak = std::max(peak, MagnitudeBits(samples[i]));
    }
    return std::bit_cast<float>(peak);
}

template <class Sample> struct Lane {
    Sample* samples;
    float peak;
};

// Filters up to kLanes traces of non-zero peak together and stores each output rescaled so that its
// peak from index 2 on equals the input's peak: the gain is set by the rescaling, not by the
// coefficients, and the start-up outputs do not count. Extreme corner-to-sampling ratios overflow the
// coefficients; such a trace's output is refused whole. Returns how many traces were stored.
template <class Sample, class Store>
int32_t RunLanes(const Lane<Sample>* lanes, int32_t n, int32_t count, const Biquad& c, Store store) {
    float* scratch = Scratch<float>(static_cast<size_t>(n) * static_cast<size_t>(count));
    float* v[kLanes] = {};
    for (int32_t k = 0; k < n; ++k) {
        v[k] = scratch + static_cast<size_t>(k) * static_cast<size_t>(count);
        for (int32_t i = 0; i < count; ++i) {
            v[k][i] = static_cast<float>(lanes[k].samples[i]) / lanes[k].peak;
        }
    }
    switch (n) {
    case 1:
        Recurse<1>(v, count, c);
        break;
    case 2:
        Recurse<2>(v, count, c);
        break;
    case 3:
        Recurse<3>(v, count, c);
        break;
    default:
        Recurse<kLanes>(v, count, c);
        break;
    }
    int32_t stored = 0;
    for (int32_t k = 0; k < n; ++k) {
        const float outPeak = OutputPeak(v[k], count);
        if (outPeak == 0.0f) {
            continue;
        }
        const auto peak = static_cast<double>(lanes[k].peak);
        for (int32_t i = 0; i < count; ++i) {
            store(lanes[k].samples, i, static_cast<float>(peak * v[k][i] / outPeak));
        }
        ++stored;
    }
    return stored;
}

// The section over each trace in turn, as if one after the other; silent traces and null entries are
// left alone. Returns how many traces were filtered.
template <class Sample, class Store>
int32_t RunSections(std::span<Sample* const> traces, int32_t count, float cornerHz, float samplingHz,
                    PassBand band, Store store) {
    if (!CornerDefined(cornerHz, samplingHz, count)) {
        return 0;
    }
    const float omega = SectionOmega(cornerHz, samplingHz);
    if (omega == 0.0f) {
        return 0;
    }
    const Biquad c = SectionCoefficients(omega, samplingHz, band);
    Lane<Sample> group[kLanes];
    int32_t n = 0;
    int32_t filtered = 0;
    for (Sample* samples : traces) {
        if (samples == nullptr) {
            continue;
        }
        // A trace named twice is filtered twice, the second time from its first result.
        if (n == kLanes || std::any_of(group, group + n,
                                       [samples](const Lane<Sample>& l) { return l.samples == samples; })) {
            filtered += RunLanes(group, n, count, c, store);
            n = 0;
        }
        const float peak = InputPeak(samples, count);
        if (peak != 0.0f) {
            group[n++] = {samples, peak};
        }
    }
    return filtered + (n > 0 ? RunLanes(group, n, count, c, store) : 0);
}

// TruncateToInt32 for a finite float, without its NaN test and in a form the compiler vectorises:
// floats from 2^31 up give the largest integer, floats at or below -2^31 the smallest.
void StoreInteger(int32_t* samples, int32_t i, float value) {
    samples[i] = value >= 2147483648.0f ? std::numeric_limits<int32_t>::max()
                                        : static_cast<int32_t>(std::max(value, -2147483648.0f));
}

} // namespace

bool CAlgorithm::ButterworthSection(float* samples, float cornerHz, float samplingHz, int32_t count,
                                    PassBand band) {
    if (count < 0 || !std::all_of(samples, samples + count, [](float v) { return std::isfinite(v); })) {
        return false;
    }
    float* const traces[] = {samples};
    return RunSections(std::span<float* const>(traces), count, cornerHz, samplingHz, band,
                       [](float* s, int32_t i, float value) { s[i] = value; }) == 1;
}

bool CAlgorithm::ButterworthLowPass(float* samples, float cornerHz, float samplingHz, int32_t count) {
    return ButterworthSection(samples, cornerHz, samplingHz, count, PassBand::Low);
}

bool CAlgorithm::ButterworthHighPass(float* samples, float cornerHz, float samplingHz, int32_t count) {
    return ButterworthSection(samples, cornerHz, samplingHz, count, PassBand::High);
}

bool CAlgorithm::FilterTrace(int32_t count, int32_t* samples, float cornerHz, float samplingHz,
                             PassBand band) {
    int32_t* const traces[] = {samples};
    return FilterTraces(traces, count, cornerHz, samplingHz, band) == 1;
}

int32_t CAlgorithm::FilterTraces(std::span<int32_t* const> traces, int32_t count, float cornerHz,
                                 float samplingHz, PassBand band) {
    // Every 32-bit integer converts to a finite float, so no finiteness test is needed here.
    return RunSections(traces, count, cornerHz, samplingHz, band, StoreInteger);
}

} // namespace kvt
