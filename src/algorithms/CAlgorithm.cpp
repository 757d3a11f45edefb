#include "CAlgorithm.h"

#include "base/Truncate.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>
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

void CAlgorithm::FourierTransform(int32_t order, float* re, float* im) {
    if (order <= 0 || order > 30) {
        return;
    }
    const int32_t n = 1 << order;
    for (int32_t stage = order; stage >= 1; --stage) {
        const int32_t length = 1 << stage;
        const int32_t half = length / 2;
        const double theta = 3.1415926 / half;
        const double c = std::cos(theta);
        const double d = -std::sin(theta);
        double wr = 1.0;
        double wi = 0.0;
        for (int32_t j = 0; j < half; ++j) {
            for (int32_t k = j; k < n; k += length) {
                const float tr = re[k] - re[k + half];
                const float ti = im[k] - im[k + half];
                re[k] = re[k] + re[k + half];
                im[k] = im[k] + im[k + half];
                re[k + half] = static_cast<float>(tr * wr - ti * wi);
                im[k + half] = static_cast<float>(tr * wi + ti * wr);
            }
            const double next = wr * c - wi * d;
            wi = wi * c + wr * d;
            wr = next;
        }
    }
    // Decimation in frequency leaves the bins in bit-reversed order.
    int32_t j = 1;
    for (int32_t i = 1; i < n; ++i) {
        if (i < j) {
            std::swap(re[i - 1], re[j - 1]);
            std::swap(im[i - 1], im[j - 1]);
        }
        int32_t k = n / 2;
        while (k < j) {
            j -= k;
            k /= 2;
        }
        j += k;
    }
}

void CAlgorithm::AmplitudeSpectrum(float* samples, int32_t length) const {
    if (length <= 0) {
        return;
    }
    const int32_t step = std::max(m_nDecimation, 1);
    const auto order = static_cast<int32_t>(std::log10(static_cast<float>(length)) / std::log10(2.0f) + 0.5f);
    // Sized for the transform even when a caller passes a length that is not a power of two.
    const size_t scratch = std::max(static_cast<size_t>(length), static_cast<size_t>(1) << order);
    std::vector<float> re(scratch, 0.0f);
    std::vector<float> im(scratch, 0.0f);

    const int32_t kept = length / step;
    float sum = 0.0f;
    for (int32_t i = 0; i < kept; ++i) {
        re[i] = samples[step * i];
        sum += re[i];
    }
    const float mean = static_cast<float>(step) * sum / static_cast<float>(length);
    for (int32_t i = 0; i < kept; ++i) {
        re[i] -= mean;
    }

    FourierTransform(order, re.data(), im.data());

    const int32_t half = length / 2;
    for (int32_t j = 0; j < half; ++j) {
        samples[j] = std::sqrt(re[j] * re[j] + im[j] * im[j]) / static_cast<float>(half);
    }
    std::fill(samples + half, samples + length, 0.0f);
}

bool CAlgorithm::ButterworthLowPass(float* samples, float cornerHz, float samplingHz, int32_t count) {
    // The rescaling needs an output peak from index 2 on, hence three samples at least.
    if (count < 3 || !std::isfinite(cornerHz) || !std::isfinite(samplingHz) || !(samplingHz > 0.0f) ||
        !(cornerHz > 0.0f) || !(cornerHz < samplingHz / 2.0f)) {
        return false;
    }
    if (!std::all_of(samples, samples + count, [](float v) { return std::isfinite(v); })) {
        return false;
    }
    const float peak = std::fabs(samples[FindMaxAbsIndex(samples, count)]);
    if (peak == 0.0f) {
        return false;
    }

    // Bilinear transform with a prewarped corner, lowered by the factor 10^(0.05/4) ~ 1.0292.
    auto theta = static_cast<float>(cornerHz * 6.2831852 / samplingHz);
    theta = static_cast<float>(theta * 0.5);
    const auto omegaCorner = static_cast<float>(2.0 * samplingHz * std::tan(static_cast<double>(theta)));
    if (!(omegaCorner > 0.0f) || !std::isfinite(omegaCorner)) {
        return false;
    }
    auto adjust = static_cast<float>(std::pow(10.0, static_cast<double>(0.05f)));
    adjust = static_cast<float>(std::pow(static_cast<double>(adjust), 0.5));
    adjust = static_cast<float>(std::pow(static_cast<double>(adjust), 0.5));
    const float omega = omegaCorner / adjust;

    const double t = 2.0 * samplingHz;
    const auto q = static_cast<float>(1.0 / (static_cast<double>(omega) * omega));
    const auto damping = static_cast<float>(1.4142 / omega);
    const double k2 = q * t * t;
    const auto m = static_cast<float>(k2 + damping * t + 1.0);
    const auto b0 = static_cast<float>(1.0 / m);
    const auto b1 = static_cast<float>(2.0 / m);
    const float b2 = b0;
    const auto a1 = static_cast<float>((2.0 - 2.0 * k2) / m);
    const auto a2 = static_cast<float>((k2 + 1.0 - damping * t) / m);

    std::vector<float> in(static_cast<size_t>(count));
    for (int32_t i = 0; i < count; ++i) {
        in[i] = samples[i] / peak;
    }
    std::vector<float> out(static_cast<size_t>(count));
    out[0] = static_cast<float>(static_cast<double>(b0) * in[0]);
    out[1] = static_cast<float>(static_cast<double>(b0) * in[1] + static_cast<double>(b1) * in[0] -
                                static_cast<double>(a1) * out[0]);
    for (int32_t i = 2; i < count; ++i) {
        out[i] =
            static_cast<float>(static_cast<double>(b0) * in[i] + static_cast<double>(b1) * in[i - 1] +
                               static_cast<double>(b2) * in[i - 2] - static_cast<double>(a1) * out[i - 1] -
                               static_cast<double>(a2) * out[i - 2]);
    }

    // The gain is set by rescaling, not by the coefficients; the start-up outputs do not count.
    // Extreme corner-to-sampling ratios overflow the coefficients; such output is refused whole.
    float outPeak = 0.0f;
    for (int32_t i = 0; i < count; ++i) {
        if (!std::isfinite(out[i])) {
            return false;
        }
        if (i >= 2) {
            outPeak = std::max(outPeak, std::fabs(out[i]));
        }
    }
    if (outPeak == 0.0f) {
        return false;
    }
    for (int32_t i = 0; i < count; ++i) {
        samples[i] = static_cast<float>(static_cast<double>(peak) * out[i] / outPeak);
    }
    return true;
}

bool CAlgorithm::FilterTrace(int32_t count, int32_t* samples, float cornerHz, float samplingHz) {
    if (count <= 0) {
        return false;
    }
    std::vector<float> values(static_cast<size_t>(count));
    for (int32_t i = 0; i < count; ++i) {
        values[i] = static_cast<float>(samples[i]);
    }
    if (!ButterworthLowPass(values.data(), cornerHz, samplingHz, count)) {
        return false;
    }
    for (int32_t i = 0; i < count; ++i) {
        samples[i] = TruncateToInt32(values[i]);
    }
    return true;
}

} // namespace kvt
