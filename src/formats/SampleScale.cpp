#include "SampleScale.h"

#include "base/Truncate.h"

#include <algorithm>
#include <cmath>

namespace kvt {

namespace {

constexpr double kKeptPeak = 1000.0;
constexpr double kScaledPeak = 1e6;
// 10^300 still fits a double; a smaller peak than 10^-294 is scaled no further.
constexpr int32_t kLargestPower = 300;

} // namespace

int32_t FloatScalePower(double peak) {
    if (!(peak > 0.0) || peak >= kKeptPeak) {
        return 0;
    }
    int32_t power = 0;
    while (peak * std::pow(10.0, power) < kScaledPeak && power < kLargestPower) {
        ++power;
    }
    return power;
}

std::vector<double>& FloatTraces::Add(size_t index, size_t count) {
    m_traces.emplace_back(index, std::vector<double>(count));
    return m_traces.back().second;
}

int32_t FloatTraces::StoreInto(std::vector<std::vector<int32_t>>& traces) const {
    double peak = 0.0;
    for (const auto& [index, values] : m_traces) {
        for (double v : values) {
            if (std::isfinite(v)) {
                peak = std::max(peak, std::fabs(v));
            }
        }
    }
    const int32_t power = FloatScalePower(peak);
    const double factor = std::pow(10.0, power);
    for (const auto& [index, values] : m_traces) {
        std::vector<int32_t>& out = traces[index];
        for (size_t j = 0; j < values.size(); ++j) {
            out[j] = TruncateToInt32(values[j] * factor);
        }
    }
    return power;
}

} // namespace kvt
