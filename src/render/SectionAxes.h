// The numbers of the section's axes, apart from any drawing: the time lines and their labels down
// the left side, and how many columns apart the distance labels along the top are.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace kvt {

// "%.1f", as every axis label is written.
std::string FormatOneDecimal(double value);

// Samples between time lines: a tenth of the sample count rounded down to whole 500s (0 below 500).
int32_t TimeLineStep(int32_t sampleCount);

struct TimeLine {
    int32_t minorY = 0; // thin line half a step above the major one
    int32_t majorY = 0; // axis-width line
    int32_t labelY = 0; // top of the label, centred on the major line
    std::string label;  // milliseconds
    bool operator==(const TimeLine&) const = default;
};

// The ten time lines of a plot from plotTop to plotBottom; textHeight is the label font's height.
std::array<TimeLine, 10> TimeLines(int32_t plotTop, int32_t plotBottom, int32_t sampleCount,
                                   float sampleInterval, int32_t textHeight);

// Every k-th column carries a distance label, k large enough for the widest label (labelWidth
// pixels) to fit. At least 1, also for a plot with no room for its columns.
int32_t DistanceLabelStep(int32_t labelWidth, float pitch);

} // namespace kvt
