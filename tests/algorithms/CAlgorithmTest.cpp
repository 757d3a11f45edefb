#include "algorithms/CAlgorithm.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <complex>
#include <limits>
#include <numbers>
#include <numeric>
#include <random>
#include <vector>

namespace kvt {
namespace {

using Floats = std::vector<float>;
using Trace = std::vector<int32_t>;

constexpr double kTwoPi = 2.0 * std::numbers::pi;
constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
constexpr int32_t kMax = std::numeric_limits<int32_t>::max();

template <class T> int32_t Size(const std::vector<T>& v) {
    return static_cast<int32_t>(v.size());
}

TEST(TraceRoutines, ProductsAndShiftsStayInRangeAndTheFirstOfEqualPeaksWins) {
    // The threshold is on the magnitude, so a trace holding INT32_MIN is refused.
    const std::tuple<Trace, int32_t, Trace> amplified[] = {
        {{kMin, 0}, 2, {kMin, 0}},
        {{1, -100000000, 3}, 2, {2, -200000000, 6}},
        {{100000000, -100000000, 7}, 1000, {kMax, kMin, 7000}},
        {{5, -3}, -4, {-20, 12}}};
    for (const auto& [in, factor, out] : amplified) {
        Trace t = in;
        CAlgorithm::AmplifyTrace(t.data(), Size(t), factor);
        EXPECT_EQ(t, out) << testing::PrintToString(in) << " x " << factor;
    }
    EXPECT_EQ(CAlgorithm::FindMaxAbsSample(Trace{3, -5, 5}.data(), 3), -5);
    EXPECT_EQ(CAlgorithm::FindMaxAbsIndex(Floats{-3.0f, 3.0f}.data(), 2), 0);
    // A shift of the whole length or more, whatever its size, empties the trace.
    for (int32_t shift : {5, -5, kMax, kMin}) {
        Trace t{1, 2, 3, 4, 5};
        CAlgorithm::ShiftTrace(shift, t.data(), Size(t));
        EXPECT_EQ(t, Trace(5, 0)) << shift;
    }
}

TEST(CutTrace, TheTaperWalksAndEveryOtherArgumentChangesNothing) {
    // The plain tapers are pinned through the document's cut; these are the walks' edge cases.
    const std::tuple<int32_t, int32_t, Trace, Trace> cases[] = {
        {0, 3, {4, 6, -2, 0, 8, 3}, {0, 0, 0, 0, 8, 3}}, // a zero at the boundary halves nothing
        {0, 2, {5, 5, 1, 5}, {0, 5, 0, 5}},              // the halved 1 becomes 0 and stops both walks
        {0, 2, {-8, -8, -8, 3}, {-4, -4, -2, 3}},        // a walk past the first sample zeroes nothing
        {2, 5, {-1, 8, 8, 6, 4}, {-1, 4, 2, 3, 2}},      // same sign to the end: halved from the boundary
        {0, 4, {4, 6, -2, 8}, {0, 0, 0, 0}},
        {0, 0, {}, {}}};
    for (const auto& [start, end, in, out] : cases) {
        Trace t = in;
        CAlgorithm::CutTrace(start, end, t.data(), Size(t));
        EXPECT_EQ(t, out) << start << " " << end;
    }
    for (auto [start, end] : {std::pair{1, 3}, {0, -1}, {0, 5}, {-1, 4}, {4, 4}, {9, 4}}) {
        Trace t{4, 6, -2, 8};
        CAlgorithm::CutTrace(start, end, t.data(), Size(t));
        EXPECT_EQ(t, (Trace{4, 6, -2, 8})) << start << " " << end;
    }
}

TEST(NextPowerOfTwo, IsExactOnBothSidesOfEveryPowerAndStopsAt2To30) {
    for (int k = 0; k <= 30; ++k) {
        const int32_t p = 1 << k;
        EXPECT_EQ(CAlgorithm::NextPowerOfTwo(p - 1), k < 2 ? 1 : p) << p;
        EXPECT_EQ(CAlgorithm::NextPowerOfTwo(p), p) << p;
        EXPECT_EQ(CAlgorithm::NextPowerOfTwo(p + 1), k < 30 ? 2 * p : p) << p;
    }
    EXPECT_EQ(CAlgorithm::NextPowerOfTwo(-5), 1);
    EXPECT_EQ(CAlgorithm::NextPowerOfTwo(kMax), 1 << 30);
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
        // Angles from the product i*k reduced modulo n, which keeps every one of them exact.
        std::vector<std::complex<double>> direct(static_cast<size_t>(n));
        for (int32_t k = 0; k < n; ++k) {
            for (int32_t i = 0; i < n; ++i) {
                direct[k] +=
                    std::complex<double>(re[i], im[i]) * std::polar(1.0, -kTwoPi * ((i * k) & (n - 1)) / n);
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

TEST(AmplitudeSpectrum, ADecimationBeyondTheSamplesLeavesNothingAndBelowOneCountsAsOne) {
    Floats signal(64);
    std::iota(signal.begin(), signal.end(), 1.0f);
    CAlgorithm algorithm;
    Floats reference = signal;
    algorithm.AmplitudeSpectrum(reference.data(), 64);
    for (int32_t decimation : {2048, 0, -3}) {
        algorithm.m_nDecimation = decimation;
        Floats x = signal;
        algorithm.AmplitudeSpectrum(x.data(), 64);
        EXPECT_EQ(x, decimation > 1 ? Floats(64, 0.0f) : reference) << decimation;
    }
}

TEST(ButterworthLowPass, PassesLowAttenuatesHighAndKeepsTheInputsPeak) {
    const float fs = 1000.0f;
    Floats x(2000); // whole numbers, so that the integer form gets the same input
    for (int32_t i = 0; i < Size(x); ++i) {
        x[i] = std::round(
            static_cast<float>(1000.0 * (std::sin(kTwoPi * 5 * i / fs) + std::sin(kTwoPi * 400 * i / fs))));
    }
    const float inputPeak = std::fabs(x[CAlgorithm::FindMaxAbsIndex(x.data(), Size(x))]);
    Trace trace(x.begin(), x.end());
    ASSERT_TRUE(CAlgorithm::ButterworthLowPass(x.data(), 50.0f, fs, Size(x)));
    // The peak from index 2 on, where the recursion has both its past outputs.
    EXPECT_NEAR(std::fabs(x[2 + CAlgorithm::FindMaxAbsIndex(x.data() + 2, Size(x) - 2)]), inputPeak,
                inputPeak * 1e-6);
    // Amplitudes of the two tones over the second second, well after the start-up transient.
    std::complex<double> low, high;
    for (int32_t i = 1000; i < 2000; ++i) {
        low += static_cast<double>(x[i]) * std::polar(1.0, -kTwoPi * 5 * i / fs) / 500.0;
        high += static_cast<double>(x[i]) * std::polar(1.0, -kTwoPi * 400 * i / fs) / 500.0;
    }
    EXPECT_GT(std::abs(low), 900.0);
    EXPECT_LT(std::abs(high), std::abs(low) * 0.01);

    // The integer form is the same filter, truncated towards zero.
    ASSERT_TRUE(CAlgorithm::FilterTrace(Size(trace), trace.data(), 50.0f, fs));
    EXPECT_EQ(trace, Trace(x.begin(), x.end()));
}

TEST(ButterworthLowPass, UndefinedCasesLeaveTheSamplesUnchanged) {
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    Floats signal(100);
    std::iota(signal.begin(), signal.end(), 1.0f);
    Floats withNan = signal;
    withNan[50] = nan;
    Floats withInf = signal;
    withInf[0] = -inf;
    std::vector<std::tuple<Floats, float, float>> cases;
    for (const Floats& samples :
         {Floats(100, 0.0f), withNan, withInf, Floats{1.0f, 2.0f}, Floats{1.0f}, Floats{}}) {
        cases.emplace_back(samples, 50.0f, 1000.0f);
    }
    // Corners this low make the coefficients vanish (no output peak) or overflow.
    for (float corner : {0.0f, -10.0f, 500.0f, 600.0f, nan, inf, 1e-20f, 1e-30f}) {
        cases.emplace_back(signal, corner, 1000.0f);
    }
    for (float fs : {0.0f, -1000.0f, nan, inf}) {
        cases.emplace_back(signal, 50.0f, fs);
    }
    for (const auto& [samples, corner, fs] : cases) {
        Floats x = samples;
        EXPECT_FALSE(CAlgorithm::ButterworthLowPass(x.data(), corner, fs, Size(x)));
        // Bitwise, so that a NaN left in place counts as unchanged.
        EXPECT_TRUE(std::equal(
            x.begin(), x.end(), samples.begin(),
            [](float a, float b) { return std::bit_cast<uint32_t>(a) == std::bit_cast<uint32_t>(b); }))
            << samples.size() << " samples, " << corner << " Hz of " << fs;
    }
    // The integer form refuses the same, and traces without samples.
    Trace trace{1, 2, 3};
    for (auto [count, corner] : {std::pair{3, 0.0f}, {0, 30.0f}, {-4, 30.0f}}) {
        EXPECT_FALSE(CAlgorithm::FilterTrace(count, trace.data(), corner, 1000.0f)) << count << " " << corner;
    }
    EXPECT_EQ(trace, (Trace{1, 2, 3}));
}

} // namespace
} // namespace kvt
