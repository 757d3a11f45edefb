// The dispersion image against the phase-shift formula evaluated directly, a synthetic gather whose
// phase velocity is known, the Geode record's surface wave, and the ranges and records it refuses.
#include "algorithms/DispersionImage.h"
#include "FileBytes.h"
#include "SyntheticGather.h"
#include "formats/CSeg2File.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <numbers>
#include <numeric>
#include <random>
#include <tuple>

namespace kvt {
namespace {

using Complex = std::complex<double>;

CShotRecord RecordOf(const FormatFile& file) {
    CShotRecord record;
    file.CopyNumericTo(record.m_header);
    record.m_traces.m_nSamples = file.m_nSampleCount;
    record.m_traces.m_arrTraces = file.m_arrTraces;
    record.m_receivers = file.m_receivers;
    record.m_shot = file.m_shot;
    return record;
}

// Random traces at irregular positions around a shot at x = 2, 1 ms sampling; trace 3 is silent.
CShotRecord Irregular(int32_t samples) {
    CShotRecord record;
    record.m_header.m_fSampleInterval = 1000.0f;
    record.m_receivers = {{1, 0.0f, 0},  {2, 3.0f, 0},  {3, 7.5f, 0},
                          {4, 12.0f, 0}, {5, 20.0f, 0}, {6, -9.0f, 0}};
    record.m_shot.fX = 2.0f;
    record.m_traces.Allocate(6, samples);
    std::mt19937 random(7);
    for (int32_t t = 0; t < 6; ++t) {
        std::generate_n(record.m_traces.TraceAt(t), t == 3 ? 0 : samples,
                        [&] { return static_cast<int32_t>(random() % 20001) - 9000; });
    }
    return record;
}

// E(f, v) = |Σ_j U_j(f)/|U_j(f)| · e^{i2πf·x_j/v}| / n straight from its definition, for each v.
std::vector<double> DirectRow(const CShotRecord& record, const std::vector<int>& traces, double f,
                              const std::vector<double>& velocities) {
    const double dt = record.m_header.m_fSampleInterval * 1e-6;
    const int32_t samples = record.m_traces.m_nSamples;
    std::vector<Complex> sums(velocities.size());
    for (int t : traces) {
        const int32_t* x = record.m_traces.TraceAt(t);
        const double mean = std::accumulate(x, x + samples, 0.0) / samples;
        Complex u;
        for (int32_t n = 0; n < samples; ++n) {
            u += (x[n] - mean) * std::polar(1.0, -2.0 * std::numbers::pi * f * n * dt);
        }
        const double offset =
            std::fabs(record.m_receivers[static_cast<size_t>(t)].fPosition - record.m_shot.fX);
        for (size_t v = 0; v < velocities.size(); ++v) {
            sums[v] += u / std::abs(u) * std::polar(1.0, 2.0 * std::numbers::pi * f * offset / velocities[v]);
        }
    }
    std::vector<double> row;
    std::transform(sums.begin(), sums.end(), std::back_inserter(row),
                   [&](Complex sum) { return std::abs(sum) / static_cast<double>(traces.size()); });
    return row;
}

TEST(Dispersion, EveryPointIsThePhaseShiftSumOfTheUsedTraces) {
    // Samples, the traces asked for, those used: out of range and repeated indices are ignored, and
    // 300000 samples take the traces in several groups.
    for (const auto& [samples, selected, used] :
         {std::tuple<int32_t, std::vector<int>, std::vector<int>>{500, {}, {0, 1, 2, 4, 5}},
          {500, {5, 1, 1, 3, 9, -1}, {1, 5}},
          {300000, {}, {0, 1, 2, 4, 5}}}) {
        const CShotRecord record = Irregular(samples);
        DispersionOptions options{{10.0, 31.0, 7.0, 100.0, 400.0, 60.0}, selected, false};
        DispersionImage image;
        ASSERT_EQ(ComputeDispersion(record, options, image), DispersionError::None);
        ASSERT_EQ(image.frequencies, (std::vector<double>{10, 17, 24, 31}));
        ASSERT_EQ(image.velocities, (std::vector<double>{100, 160, 220, 280, 340, 400}));
        for (size_t f = 0; f < 4; ++f) {
            const std::vector<double> row = DirectRow(record, used, image.frequencies[f], image.velocities);
            for (size_t v = 0; v < 6; ++v) {
                EXPECT_NEAR(image.At(f, v), row[v], 1e-5)
                    << samples << " samples, " << image.frequencies[f] << " Hz, " << image.velocities[v];
            }
        }
        // Normalised rows keep their shape and peak at 1.
        options.normalise = true;
        DispersionImage scaled;
        ASSERT_EQ(ComputeDispersion(record, options, scaled), DispersionError::None);
        for (size_t f = 0; f < 4; ++f) {
            EXPECT_EQ(std::make_pair(scaled.peakVelocity[f], scaled.peakPower[f]),
                      std::make_pair(image.peakVelocity[f], 1.0f));
            EXPECT_NEAR(scaled.At(f, 2), image.At(f, 2) / image.peakPower[f], 1e-6);
        }
    }
}

TEST(Dispersion, PeaksFollowTheSyntheticSurfaceWave) {
    const synth::GatherShape shape;
    CShotRecord record = RecordOf(synth::MakeGather(shape));
    for (int32_t ch = 0; ch < shape.channels; ++ch) {
        record.m_receivers.push_back({ch + 1, shape.offset + static_cast<float>(ch) * shape.spacing, 0.0f});
    }
    DispersionImage image;
    // Where the surface wave outweighs the direct and refracted waves; the wave travels away from the
    // shot, so this also fixes the sign of the shift.
    ASSERT_EQ(ComputeDispersion(record, {{12.0, 36.0, 1.0, 100.0, 800.0, 1.0}, {}, false}, image),
              DispersionError::None);
    const std::vector<DispersionPick> picks = PeakPicks(image);
    ASSERT_EQ(picks.size(), image.frequencies.size());
    for (const DispersionPick& pick : picks) {
        EXPECT_NEAR(pick.velocity, synth::PhaseVelocity(pick.frequency),
                    0.02 * synth::PhaseVelocity(pick.frequency))
            << pick.frequency << " Hz";
    }
}

TEST(Dispersion, TheGeodeRecordsSurfaceWaveSlowsSmoothlyWithFrequency) {
    const std::string path = test::RealTestFile("swprocess_wghs_6.dat");
    if (path.empty()) {
        GTEST_SKIP() << "real test data not present";
    }
    CSeg2File file;
    ASSERT_EQ(file.Read(path), ReadError::None);
    DispersionImage image;
    ASSERT_EQ(ComputeDispersion(RecordOf(file), {{17.0, 29.0, 0.5, 50.0, 1000.0, 1.0}, {}, false}, image),
              DispersionError::None);
    // A clear maximum that moves little from one frequency to the next, and slower at the top of the
    // band than at its foot.
    const std::vector<double>& v = image.peakVelocity;
    for (size_t f = 0; f < v.size(); ++f) {
        EXPECT_GT(image.peakPower[f], 0.75f) << image.frequencies[f] << " Hz";
        EXPECT_LE(std::fabs(v[f] - v[f > 0 ? f - 1 : 0]), 4.0) << image.frequencies[f] << " Hz";
    }
    EXPECT_LT(v.back(), v.front() - 5.0);
}

TEST(Dispersion, RefusesUnusableRangesAndRecords) {
    const double nan = std::nan("");
    struct Case {
        DispersionRange range;
        std::vector<int> traces;
        bool sameOffsets;
        DispersionError error;
    } const cases[] = {
        {{0.0, 100.0, 1.0, 50.0, 500.0, 1.0}, {}, false, DispersionError::FrequencyRange},
        {{30.0, 20.0, 1.0, 50.0, 500.0, 1.0}, {}, false, DispersionError::FrequencyRange},
        {{5.0, 501.0, 1.0, 50.0, 500.0, 1.0}, {}, false, DispersionError::FrequencyRange}, // above Nyquist
        {{5.0, 100.0, 1e-9, 50.0, 500.0, 1.0}, {}, false, DispersionError::FrequencyRange},
        {{nan, 100.0, 1.0, 50.0, 500.0, 1.0}, {}, false, DispersionError::FrequencyRange},
        {{5.0, 100.0, 1.0, -50.0, 500.0, 1.0}, {}, false, DispersionError::VelocityRange},
        {{5.0, 100.0, 1.0, 50.0, 1000.0, 0.25}, {}, false, DispersionError::VelocityRange},
        {{5.0, 100.0, 1.0, 50.0, 500.0, 1.0}, {2}, false, DispersionError::TooFewTraces},
        {{5.0, 100.0, 1.0, 50.0, 500.0, 1.0}, {2, 3}, false, DispersionError::TooFewTraces}, // 3 is silent
        {{5.0, 100.0, 1.0, 50.0, 500.0, 1.0}, {}, true, DispersionError::NoOffsets},
    };
    for (const Case& c : cases) {
        CShotRecord record = Irregular(100);
        if (c.sameOffsets) {
            // As a file without receiver locations reads: every receiver and the shot at 0.
            record.m_receivers.assign(6, ReceiverPoint{});
            record.m_shot = ShotPoint{};
        }
        DispersionImage image; // an earlier image is cleared
        ComputeDispersion(Irregular(100), {{10.0, 20.0, 5.0, 100.0, 200.0, 50.0}, {}, false}, image);
        EXPECT_EQ(ComputeDispersion(record, {c.range, c.traces, false}, image), c.error);
        EXPECT_TRUE(image.power.empty() && image.frequencies.empty() && image.peakVelocity.empty());
        EXPECT_GT(std::string(DispersionErrorText(c.error)).size(), 10u);
    }
}

} // namespace
} // namespace kvt
