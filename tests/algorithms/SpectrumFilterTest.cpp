#include "algorithms/CAlgorithm.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <complex>
#include <cstdint>
#include <limits>
#include <numbers>
#include <random>
#include <vector>

namespace kvt {
namespace {

using Floats = std::vector<float>;

constexpr double kTwoPi = 2.0 * std::numbers::pi;

int32_t Size(const Floats& v) {
    return static_cast<int32_t>(v.size());
}

Floats Cosine(int32_t n, double cycles, double amplitude, double offset = 0.0) {
    Floats v(static_cast<size_t>(n));
    for (int32_t i = 0; i < n; ++i) {
        v[i] = static_cast<float>(offset + amplitude * std::cos(kTwoPi * cycles * i / n));
    }
    return v;
}

// Amplitude of the tone at `hz` in samples [begin, end), a whole number of its periods long.
double ToneAmplitude(const Floats& x, int32_t begin, int32_t end, double hz, double fs) {
    std::complex<double> sum;
    for (int32_t i = begin; i < end; ++i) {
        sum += static_cast<double>(x[i]) * std::polar(1.0, -kTwoPi * hz * i / fs);
    }
    return 2.0 * std::abs(sum) / (end - begin);
}

float PeakFrom2(const Floats& x) {
    float peak = 0.0f;
    for (size_t i = 2; i < x.size(); ++i) {
        peak = std::max(peak, std::fabs(x[i]));
    }
    return peak;
}

TEST(NextPowerOfTwo, IsExactUpTo2To24) {
    EXPECT_EQ(CAlgorithm::NextPowerOfTwo(1), 1);
    EXPECT_EQ(CAlgorithm::NextPowerOfTwo(2), 2);
    EXPECT_EQ(CAlgorithm::NextPowerOfTwo(3), 4);
    EXPECT_EQ(CAlgorithm::NextPowerOfTwo(1000), 1024);
    EXPECT_EQ(CAlgorithm::NextPowerOfTwo(1024), 1024);
    EXPECT_EQ(CAlgorithm::NextPowerOfTwo(1025), 2048);
    auto expected = [](int32_t n) {
        int32_t p = 1;
        while (p < n) {
            p *= 2;
        }
        return p;
    };
    for (int32_t n = 1; n <= (1 << 16); ++n) {
        ASSERT_EQ(CAlgorithm::NextPowerOfTwo(n), expected(n)) << n;
    }
    for (int32_t p = 2; p <= (1 << 24); p *= 2) {
        for (int32_t n : {p - 1, p, p + 1}) {
            ASSERT_EQ(CAlgorithm::NextPowerOfTwo(n), expected(n)) << n;
        }
    }
    std::mt19937 rng(7);
    std::uniform_int_distribution<int32_t> any(1, 1 << 24);
    for (int i = 0; i < 200000; ++i) {
        const int32_t n = any(rng);
        ASSERT_EQ(CAlgorithm::NextPowerOfTwo(n), expected(n)) << n;
    }
}

TEST(NextPowerOfTwo, StaysInRangeBeyond2To24) {
    EXPECT_EQ(CAlgorithm::NextPowerOfTwo((1 << 24) + 1), 1 << 25);
    EXPECT_EQ(CAlgorithm::NextPowerOfTwo((1 << 29) + 1), 1 << 30);
    EXPECT_EQ(CAlgorithm::NextPowerOfTwo(1 << 30), 1 << 30);
    EXPECT_EQ(CAlgorithm::NextPowerOfTwo(std::numeric_limits<int32_t>::max()), 1 << 30);
    EXPECT_EQ(CAlgorithm::NextPowerOfTwo(0), 1);
    EXPECT_EQ(CAlgorithm::NextPowerOfTwo(-5), 1);
}

TEST(FourierTransform, OrderOneIsSumAndDifference) {
    Floats re{3.0f, 5.0f};
    Floats im{1.0f, -2.0f};
    CAlgorithm::FourierTransform(1, re.data(), im.data());
    EXPECT_EQ(re, (Floats{8.0f, -2.0f}));
    EXPECT_EQ(im, (Floats{-1.0f, 3.0f}));
}

TEST(FourierTransform, MatchesADirectTransform) {
    std::mt19937 rng(12345);
    std::uniform_real_distribution<float> value(-1.0f, 1.0f);
    for (int32_t order = 0; order <= 12; ++order) {
        const int32_t n = 1 << order;
        Floats re(static_cast<size_t>(n));
        Floats im(static_cast<size_t>(n));
        for (int32_t i = 0; i < n; ++i) {
            re[i] = value(rng);
            im[i] = value(rng);
        }
        // Twiddles indexed by the product i*k reduced modulo n, which keeps every angle exact.
        std::vector<std::complex<double>> twiddle(static_cast<size_t>(n));
        for (int32_t r = 0; r < n; ++r) {
            twiddle[r] = std::polar(1.0, -kTwoPi * r / n);
        }
        std::vector<std::complex<double>> direct(static_cast<size_t>(n));
        for (int32_t k = 0; k < n; ++k) {
            for (int32_t i = 0; i < n; ++i) {
                direct[k] += std::complex<double>(re[i], im[i]) * twiddle[(i * k) & (n - 1)];
            }
        }
        CAlgorithm::FourierTransform(order, re.data(), im.data());
        // Rounding grows with the number of stages and with the size of the coefficients (~sqrt(n)).
        const double tolerance = 3e-7 * (order + 1) * std::sqrt(static_cast<double>(n));
        for (int32_t k = 0; k < n; ++k) {
            ASSERT_NEAR(re[k], direct[k].real(), tolerance) << "order " << order << " bin " << k;
            ASSERT_NEAR(im[k], direct[k].imag(), tolerance) << "order " << order << " bin " << k;
        }
    }
}

TEST(AmplitudeSpectrum, CosineGivesOnePeakOfItsAmplitude) {
    CAlgorithm algorithm;
    for (int32_t k : {1, 5, 100, 511}) {
        Floats x = Cosine(1024, k, 3.5, 20.0);
        algorithm.AmplitudeSpectrum(x.data(), 1024);
        for (int32_t j = 0; j < 1024; ++j) {
            ASSERT_NEAR(x[j], j == k ? 3.5 : 0.0, 1e-3) << "k " << k << " bin " << j;
        }
    }
}

TEST(AmplitudeSpectrum, ConstantSignalHasNoSpectrum) {
    CAlgorithm algorithm;
    for (int32_t decimation : {1, 2, 4}) {
        algorithm.m_nDecimation = decimation;
        Floats x(256, -1234.0f);
        algorithm.AmplitudeSpectrum(x.data(), 256);
        EXPECT_EQ(*std::max_element(x.begin(), x.end()), 0.0f) << decimation;
    }
}

TEST(AmplitudeSpectrum, DecimationStretchesTheFrequencyAxis) {
    // Every D-th sample fills the first N/D of the transform: k cycles show at bin D*k with 1/D of the
    // amplitude, and the other multiples of D stay empty.
    CAlgorithm algorithm;
    algorithm.m_nDecimation = 4;
    Floats x = Cosine(1024, 10, 2.0, 5.0);
    algorithm.AmplitudeSpectrum(x.data(), 1024);
    for (int32_t j = 0; j < 512; j += 4) {
        ASSERT_NEAR(x[j], j == 40 ? 0.5 : 0.0, 1e-4) << j;
    }
    EXPECT_GT(x[41], 0.01f);

    algorithm.m_nDecimation = 2048;
    x = Cosine(1024, 10, 2.0);
    algorithm.AmplitudeSpectrum(x.data(), 1024);
    EXPECT_EQ(*std::max_element(x.begin(), x.end()), 0.0f);
}

TEST(AmplitudeSpectrum, DecimationBelowOneCountsAsOne) {
    const Floats signal = Cosine(64, 3, 1.0, 0.5);
    CAlgorithm algorithm;
    Floats reference = signal;
    algorithm.AmplitudeSpectrum(reference.data(), 64);
    for (int32_t decimation : {0, -3}) {
        algorithm.m_nDecimation = decimation;
        Floats x = signal;
        algorithm.AmplitudeSpectrum(x.data(), 64);
        EXPECT_EQ(x, reference) << decimation;
    }
}

TEST(ButterworthLowPass, OutputPeakEqualsInputPeak) {
    std::mt19937 rng(99);
    std::uniform_real_distribution<float> value(-5000.0f, 5000.0f);
    Floats x(600);
    for (float& v : x) {
        v = value(rng);
    }
    const float inputPeak = std::fabs(x[CAlgorithm::FindMaxAbsIndex(x.data(), Size(x))]);
    ASSERT_TRUE(CAlgorithm::ButterworthLowPass(x.data(), 40.0f, 1000.0f, Size(x)));
    EXPECT_NEAR(PeakFrom2(x), inputPeak, inputPeak * 1e-6);
}

TEST(ButterworthLowPass, PassesLowAndAttenuatesHighFrequencies) {
    const double fs = 1000.0;
    const double low = 5.0;
    const double high = 400.0;
    Floats x(2000);
    for (int32_t i = 0; i < Size(x); ++i) {
        x[i] =
            static_cast<float>(1000.0 * (std::sin(kTwoPi * low * i / fs) + std::sin(kTwoPi * high * i / fs)));
    }
    ASSERT_TRUE(CAlgorithm::ButterworthLowPass(x.data(), 50.0f, static_cast<float>(fs), Size(x)));
    // The second second, well after the start-up transient.
    const double passed = ToneAmplitude(x, 1000, 2000, low, fs);
    const double stopped = ToneAmplitude(x, 1000, 2000, high, fs);
    EXPECT_GT(passed, 900.0);
    EXPECT_LT(stopped, passed * 0.01);
}

TEST(ButterworthLowPass, UndefinedCasesLeaveTheSamplesUnchanged) {
    const Floats signal = Cosine(100, 3, 10.0);
    auto refused = [&](Floats x, float corner, float fs) {
        const Floats before = x;
        const bool filtered = CAlgorithm::ButterworthLowPass(x.data(), corner, fs, Size(x));
        // Bitwise, so that a NaN left in place counts as unchanged.
        return !filtered && std::equal(x.begin(), x.end(), before.begin(), [](float a, float b) {
            return std::bit_cast<uint32_t>(a) == std::bit_cast<uint32_t>(b);
        });
    };
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    EXPECT_TRUE(refused(Floats(100, 0.0f), 50.0f, 1000.0f));
    for (float corner : {0.0f, -10.0f, 500.0f, 600.0f, nan, inf}) {
        EXPECT_TRUE(refused(signal, corner, 1000.0f)) << corner;
    }
    for (float fs : {0.0f, -1000.0f, nan, inf}) {
        EXPECT_TRUE(refused(signal, 50.0f, fs)) << fs;
    }
    EXPECT_TRUE(refused(Floats{1.0f, 2.0f}, 50.0f, 1000.0f));
    EXPECT_TRUE(refused(Floats{1.0f}, 50.0f, 1000.0f));
    EXPECT_TRUE(refused(Floats{}, 50.0f, 1000.0f));
    // Corners this low make the coefficients vanish (no output peak) or overflow.
    EXPECT_TRUE(refused(signal, 1e-20f, 1000.0f));
    EXPECT_TRUE(refused(signal, 1e-30f, 1000.0f));
    Floats withNan = signal;
    withNan[50] = nan;
    EXPECT_TRUE(refused(withNan, 50.0f, 1000.0f));
    Floats withInf = signal;
    withInf[0] = -inf;
    EXPECT_TRUE(refused(withInf, 50.0f, 1000.0f));
    EXPECT_FALSE(refused(signal, 50.0f, 1000.0f));
}

TEST(FilterTrace, TruncatesTheFilteredTraceAndRefusesWhatTheFilterRefuses) {
    std::vector<int32_t> trace(300);
    Floats expected(trace.size());
    for (size_t i = 0; i < trace.size(); ++i) {
        trace[i] = static_cast<int32_t>(std::lround(30000.0 * std::sin(0.05 * static_cast<double>(i))));
        expected[i] = static_cast<float>(trace[i]);
    }
    ASSERT_TRUE(CAlgorithm::ButterworthLowPass(expected.data(), 30.0f, 1000.0f, Size(expected)));
    ASSERT_TRUE(CAlgorithm::FilterTrace(300, trace.data(), 30.0f, 1000.0f));
    for (size_t i = 0; i < trace.size(); ++i) {
        ASSERT_EQ(trace[i], static_cast<int32_t>(expected[i])) << i;
    }

    std::vector<int32_t> zeros(50, 0);
    EXPECT_FALSE(CAlgorithm::FilterTrace(50, zeros.data(), 30.0f, 1000.0f));
    const std::vector<int32_t> before = trace;
    EXPECT_FALSE(CAlgorithm::FilterTrace(300, trace.data(), 0.0f, 1000.0f));
    EXPECT_FALSE(CAlgorithm::FilterTrace(0, trace.data(), 30.0f, 1000.0f));
    EXPECT_FALSE(CAlgorithm::FilterTrace(-4, trace.data(), 30.0f, 1000.0f));
    EXPECT_EQ(trace, before);
}

} // namespace
} // namespace kvt
