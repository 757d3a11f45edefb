#include "SyntheticGather.h"

#include "base/Truncate.h"

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

namespace kvt::synth {

namespace {

constexpr double kPi = 3.14159265358979323846;

// Ricker wavelet of peak frequency f at time t (seconds).
double Ricker(double t, double f) {
    const double a = (kPi * f * t) * (kPi * f * t);
    return (1.0 - 2.0 * a) * std::exp(-a);
}

// Standard normal numbers from the engine's raw output (Box-Muller), identical on every library.
class Noise {
public:
    explicit Noise(uint32_t seed) : m_engine(seed) {}
    double Next() {
        const double u1 = (static_cast<double>(m_engine()) + 1.0) / 4294967297.0;
        const double u2 = static_cast<double>(m_engine()) / 4294967296.0;
        return std::sqrt(-2.0 * std::log(u1)) * std::cos(2.0 * kPi * u2);
    }

private:
    std::mt19937 m_engine;
};

} // namespace

double PhaseVelocity(double f) {
    return 180.0 + 420.0 * std::exp(-f / 12.0);
}

CSrwFile MakeGather(const GatherShape& shape) {
    CSrwFile file;
    file.m_nTraceCount = std::max(shape.channels, 0);
    file.m_nSampleCount = std::max(shape.samples, 0);
    file.m_fSampleInterval = shape.interval;
    file.m_fTraceSpacing = shape.spacing;
    file.m_fOffset = shape.offset;
    file.m_strProject = "SYNTHETIC";
    file.m_strCompany = "KVT";
    file.m_strOperator = "KVT";
    file.m_strProfile = "001";
    file.m_strTestDate = "2026-12-06";

    const double dt = shape.interval * 1e-6;
    const double vDirect = 450.0, vRefractor = 1800.0, depth = 6.0;
    const double intercept =
        2.0 * depth * std::sqrt(1.0 / (vDirect * vDirect) - 1.0 / (vRefractor * vRefractor));
    const int frequencies = 48;
    Noise noise(shape.seed);

    std::vector<std::vector<double>> traces(static_cast<size_t>(file.m_nTraceCount),
                                            std::vector<double>(static_cast<size_t>(file.m_nSampleCount)));
    double peak = 0.0;
    for (int32_t ch = 0; ch < file.m_nTraceCount; ++ch) {
        const double x = std::fabs(shape.offset + ch * static_cast<double>(shape.spacing)) + 0.5;
        const double spreading = 1.0 / std::sqrt(x);
        auto& trace = traces[static_cast<size_t>(ch)];
        for (int32_t s = 0; s < file.m_nSampleCount; ++s) {
            const double t = s * dt;
            double v = 0.35 * spreading * Ricker(t - x / vDirect - 0.01, 60.0);
            v += 0.25 * spreading * Ricker(t - (x / vRefractor + intercept) - 0.01, 45.0);
            double surface = 0.0;
            for (int k = 0; k < frequencies; ++k) {
                const double f = 4.0 + k * 1.0;
                const double weight = std::exp(-((f - 18.0) * (f - 18.0)) / (2.0 * 8.0 * 8.0));
                const double delay = x / PhaseVelocity(f) + 0.02;
                // A taper in time keeps each frequency's energy near its group arrival.
                const double envelope = std::exp(-std::pow((t - delay) / 0.12, 2.0));
                surface += weight * envelope * std::cos(2.0 * kPi * f * (t - delay));
            }
            v += spreading * surface / 6.0;
            v += 0.004 * noise.Next();
            trace[static_cast<size_t>(s)] = v;
            peak = std::max(peak, std::fabs(v));
        }
    }
    const double scale = peak > 0.0 ? shape.peak / peak : 0.0;
    file.m_arrTraces.clear();
    for (const auto& trace : traces) {
        std::vector<int32_t> samples(trace.size());
        std::transform(trace.begin(), trace.end(), samples.begin(),
                       [scale](double v) { return TruncateToInt32(v * scale); });
        file.m_arrTraces.push_back(std::move(samples));
    }
    return file;
}

} // namespace kvt::synth
