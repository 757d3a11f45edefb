#include "algorithms/CAlgorithm.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
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

TEST(AmplitudeSpectrum, MatchesADirectTransformAtAwkwardLengthsAndDecimations) {
    // Lengths that are not powers of two are transformed at the nearest one: zero-padded above them
    // (1000, 96), cut short below them (1400).
    struct Case {
        int32_t length, decimation;
    } cases[] = {{1, 1}, {2, 1}, {4, 1}, {8, 1}, {96, 3}, {1000, 1}, {1400, 1}, {4096, 1}, {4096, 4}};
    std::mt19937 rng(99);
    std::uniform_real_distribution<float> value(-1.0f, 1.0f);
    for (const Case& c : cases) {
        Floats x(static_cast<size_t>(c.length));
        for (float& v : x) {
            v = value(rng) + 0.25f; // an offset, so that removing the mean matters
        }
        const auto order = static_cast<int32_t>(std::lround(std::log2(c.length)));
        const int32_t n = 1 << order, half = c.length / 2, kept = c.length / c.decimation;
        std::vector<double> input(static_cast<size_t>(n), 0.0);
        double sum = 0.0;
        for (int32_t i = 0; i < kept; ++i) {
            sum += x[static_cast<size_t>(i * c.decimation)];
        }
        for (int32_t i = 0; i < std::min(kept, n); ++i) {
            input[i] = x[static_cast<size_t>(i * c.decimation)] - sum / kept;
        }
        CAlgorithm algorithm;
        algorithm.m_nDecimation = c.decimation;
        algorithm.AmplitudeSpectrum(x.data(), c.length);
        // Rounding in the transform, and at the zero bin that of the float mean, summed over the kept
        // samples.
        const double tolerance = 4e-7 * (order + 1) * std::sqrt(static_cast<double>(n)) / std::max(half, 1);
        const double zeroBinTolerance = tolerance + 1e-9 * kept * kept / std::max(half, 1);
        for (int32_t j = 0; j < c.length; ++j) {
            std::complex<double> bin;
            for (int32_t i = 0; j < half && i < n; ++i) {
                bin += input[i] * std::polar(1.0, -kTwoPi * static_cast<double>((int64_t{i} * j) % n) / n);
            }
            ASSERT_NEAR(x[j], std::abs(bin) / std::max(half, 1), j == 0 ? zeroBinTolerance : tolerance)
                << c.length << " bin " << j;
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

TEST(ButterworthLowPass, KeepsTheInputsPeakAndTheIntegerFormIsTheSameFilter) {
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
    // The integer form is the same filter, truncated towards zero.
    ASSERT_TRUE(CAlgorithm::FilterTrace(Size(trace), trace.data(), 50.0f, fs));
    EXPECT_EQ(trace, Trace(x.begin(), x.end()));
}

// Steady-state amplitude of the tone at `hz` in samples [begin, end) of a signal sampled at fs.
double ToneAmplitude(const Floats& x, double hz, double fs, int32_t begin, int32_t end) {
    std::complex<double> sum;
    for (int32_t i = begin; i < end; ++i) {
        sum += static_cast<double>(x[i]) * std::polar(1.0, -kTwoPi * hz * i / fs);
    }
    return 2.0 * std::abs(sum) / (end - begin);
}

// The designed gain at f: the order-2 Butterworth prototype at the bilinear transform's analogue
// frequency 2·fs·tan(πf/fs), with the corner prewarped and lowered by 10^(0.05/4).
double AnalyticGain(PassBand band, double hz, double cornerHz, double fs) {
    const double omega = 2.0 * fs * std::tan(std::numbers::pi * cornerHz / fs) / std::pow(10.0, 0.0125);
    const double w = 2.0 * fs * std::tan(std::numbers::pi * hz / fs) / omega;
    const double magnitude = 1.0 / std::sqrt((1.0 - w * w) * (1.0 - w * w) + 2.0 * w * w);
    return band == PassBand::Low ? magnitude : w * w * magnitude;
}

TEST(ButterworthSection, ASineComesOutAtTheDesignedGainOfEitherPassBand) {
    // A tone at f and a reference tone deep in the pass band go in together; the rescaling to the
    // input's peak scales both alike, so their output ratio is |H(f)| / |H(reference)|.
    const double fs = 1000.0, corner = 50.0;
    struct Case {
        PassBand band;
        double referenceHz;
    } cases[] = {{PassBand::High, 250.0}, {PassBand::Low, 1.0}};
    for (const Case& c : cases) {
        for (double hz : {5.0, 12.0, 25.0, 50.0, 100.0, 200.0}) {
            Floats x(4000);
            for (int32_t i = 0; i < Size(x); ++i) {
                x[i] = static_cast<float>(
                    1000.0 * (std::sin(kTwoPi * hz * i / fs) + std::sin(kTwoPi * c.referenceHz * i / fs)));
            }
            ASSERT_TRUE(CAlgorithm::ButterworthSection(x.data(), 50.0f, 1000.0f, Size(x), c.band));
            // The last two seconds: a whole number of cycles of both tones, long after the start-up.
            const double measured =
                ToneAmplitude(x, hz, fs, 2000, 4000) / ToneAmplitude(x, c.referenceHz, fs, 2000, 4000);
            const double expected =
                AnalyticGain(c.band, hz, corner, fs) / AnalyticGain(c.band, c.referenceHz, corner, fs);
            EXPECT_NEAR(measured, expected, 2e-5 + 1e-4 * expected)
                << (c.band == PassBand::High ? "high" : "low") << "-pass at " << hz << " Hz";
        }
    }
    // The named high-pass is the same section.
    Floats high(300), section(300);
    for (int32_t i = 0; i < 300; ++i) {
        high[i] = section[i] = static_cast<float>((i * 7919) % 2001 - 1000);
    }
    ASSERT_TRUE(CAlgorithm::ButterworthHighPass(high.data(), 30.0f, 1000.0f, Size(high)));
    ASSERT_TRUE(
        CAlgorithm::ButterworthSection(section.data(), 30.0f, 1000.0f, Size(section), PassBand::High));
    EXPECT_EQ(high, section);
}

// FNV-1a over the bytes of the samples.
template <class T> uint64_t Fingerprint(const std::vector<T>& samples) {
    uint64_t hash = 14695981039346656037u;
    for (const T& v : samples) {
        for (uint8_t byte : std::bit_cast<std::array<uint8_t, sizeof(T)>>(v)) {
            hash = (hash ^ byte) * 1099511628211u;
        }
    }
    return hash;
}

TEST(ButterworthSection, OutputsStayBitForBitAndTracesFilteredTogetherMatchOneByOne) {
    // A trace with both 32-bit extremes and spikes; its outputs as the sections gave them when each
    // step was computed on its own, in the float and the integer form.
    Trace trace(5000);
    for (int32_t i = 0; i < Size(trace); ++i) {
        trace[i] = ((i * 7919) % 20001 - 10000) * 1000 + (i % 97 == 0 ? 150000000 : 0);
    }
    trace[3] = kMin;
    trace[2500] = kMax;
    struct Case {
        PassBand band;
        float corner;
        uint64_t integers, floats;
    } cases[] = {
        {PassBand::Low, 3.0f, 0xe6a0125a571661c0u, 0x5425d937d2249936u},
        {PassBand::Low, 50.0f, 0xf117d08bf359d3fau, 0x02758dbf6d69a2f4u},
        {PassBand::Low, 480.0f, 0x378efa7e66fc4f68u, 0xb1eb1871a6f7458au},
        {PassBand::High, 3.0f, 0xe9da48514b5184a6u, 0xec5f5dee9fa62142u},
        {PassBand::High, 50.0f, 0xe78d30eeae282ee2u, 0x56ec8b12bbc5f94du},
        {PassBand::High, 480.0f, 0x4a711b49e660941du, 0x7d17415f4df40823u},
    };
    for (const Case& c : cases) {
        Trace integers = trace;
        ASSERT_TRUE(CAlgorithm::FilterTrace(Size(integers), integers.data(), c.corner, 1000.0f, c.band));
        EXPECT_EQ(Fingerprint(integers), c.integers) << c.corner;
        Floats floats(trace.begin(), trace.end());
        for (float& v : floats) {
            v *= 0.001f;
        }
        ASSERT_TRUE(CAlgorithm::ButterworthSection(floats.data(), c.corner, 1000.0f, Size(floats), c.band));
        EXPECT_EQ(Fingerprint(floats), c.floats) << c.corner;
    }

    // Several at a time: more traces than are filtered together, one silent, one named twice (filtered
    // again from its first result) and a null entry.
    std::mt19937 rng(5);
    std::vector<Trace> traces(7, Trace(777));
    for (Trace& t : traces) {
        std::generate(t.begin(), t.end(), [&rng] { return static_cast<int32_t>(rng()); });
    }
    traces[3].assign(777, 0);
    std::vector<Trace> oneByOne = traces;
    const std::vector<int32_t> order = {0, 1, -1, 2, 1, 3, 4, 5, 6, 0};
    std::vector<int32_t*> entries;
    int32_t filtered = 0;
    for (int32_t t : order) {
        entries.push_back(t < 0 ? nullptr : traces[t].data());
        filtered +=
            t >= 0 && CAlgorithm::FilterTrace(777, oneByOne[t].data(), 120.0f, 1000.0f, PassBand::High);
    }
    EXPECT_EQ(CAlgorithm::FilterTraces(entries, 777, 120.0f, 1000.0f, PassBand::High), filtered);
    EXPECT_EQ(filtered, 8);
    EXPECT_EQ(traces, oneByOne);
}

TEST(ButterworthSection, UndefinedCasesLeaveTheSamplesUnchangedInEitherPassBand) {
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
        for (const PassBand band : {PassBand::Low, PassBand::High}) {
            Floats x = samples;
            EXPECT_FALSE(CAlgorithm::ButterworthSection(x.data(), corner, fs, Size(x), band));
            // Bitwise, so that a NaN left in place counts as unchanged.
            EXPECT_TRUE(std::equal(
                x.begin(), x.end(), samples.begin(),
                [](float a, float b) { return std::bit_cast<uint32_t>(a) == std::bit_cast<uint32_t>(b); }))
                << samples.size() << " samples, " << corner << " Hz of " << fs;
        }
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
