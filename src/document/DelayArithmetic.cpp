#include "DelayArithmetic.h"

#include "base/NumberText.h"
#include "base/Truncate.h"

#include <cstdio>

namespace kvt {

float DelayMilliseconds(float sampleInterval, int32_t delaySample, int32_t referenceSample) {
    const auto samples = static_cast<float>(int64_t{delaySample} - referenceSample);
    return sampleInterval * samples / 1000.0f;
}

int32_t DelayShiftSamples(float milliseconds, float sampleInterval) {
    if (sampleInterval == 0.0f) {
        return 0;
    }
    return TruncateToInt32(milliseconds * 1000.0f / sampleInterval);
}

std::string FormatDelay(float milliseconds) {
    char text[64];
    std::snprintf(text, sizeof text, "%.3f", static_cast<double>(milliseconds));
    return text;
}

float ParseDelay(std::string_view text) {
    return static_cast<float>(ParseLeadingFloat(text));
}

} // namespace kvt
