#include "SampleScale.h"

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

} // namespace kvt
