#include "CAlgorithm.h"

#include <cmath>
#include <cstdlib>

namespace kvt {

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

} // namespace kvt
