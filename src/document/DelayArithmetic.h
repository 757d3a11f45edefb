// The arithmetic of the trigger-delay palette: milliseconds on screen, whole samples in the record.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace kvt {

// Where both delay lines start: one fifth of the record.
inline int32_t DelayReferenceSample(int32_t sampleCount) {
    return sampleCount / 5;
}
// The delay between the lines in milliseconds; the moving line below the reference is positive.
float DelayMilliseconds(float sampleInterval, int32_t delaySample, int32_t referenceSample);
// Whole samples of a delay in milliseconds, truncated towards zero (0 for a zero interval).
int32_t DelayShiftSamples(float milliseconds, float sampleInterval);
// The palette's text of a delay: "%.3f".
std::string FormatDelay(float milliseconds);
// The delay typed into the palette: a leading decimal number, 0 when there is none.
float ParseDelay(std::string_view text);

} // namespace kvt
