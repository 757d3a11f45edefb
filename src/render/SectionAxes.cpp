#include "SectionAxes.h"

#include "base/Truncate.h"

#include <algorithm>
#include <cstdio>

namespace kvt {

std::string FormatOneDecimal(double value) {
    std::array<char, 64> text{};
    std::snprintf(text.data(), text.size(), "%.1f", value);
    return text.data();
}

int32_t TimeLineStep(int32_t sampleCount) {
    return ((sampleCount / 500) * 500) / 10;
}

std::array<TimeLine, 10> TimeLines(int32_t plotTop, int32_t plotBottom, int32_t sampleCount,
                                   float sampleInterval, int32_t textHeight) {
    const float rowPitch =
        sampleCount > 0 ? static_cast<float>(plotBottom - plotTop) / static_cast<float>(sampleCount) : 0.0f;
    const int32_t step = TimeLineStep(sampleCount);
    std::array<TimeLine, 10> lines;
    for (int32_t j = 1; j <= 10; ++j) {
        TimeLine& line = lines[static_cast<size_t>(j - 1)];
        line.minorY = TruncateToInt32(static_cast<double>(plotTop) +
                                      (j - 0.5) * static_cast<double>(rowPitch) * static_cast<double>(step));
        const float offset = static_cast<float>(j) * rowPitch * static_cast<float>(step);
        line.majorY = TruncateToInt32(static_cast<float>(plotTop) + offset);
        line.labelY =
            TruncateToInt32(static_cast<float>(plotTop) + offset - static_cast<float>(textHeight / 2));
        line.label =
            FormatOneDecimal(static_cast<float>(j) * sampleInterval * static_cast<float>(step) / 1000);
    }
    return lines;
}

int32_t DistanceLabelStep(int32_t labelWidth, float pitch) {
    // A pitch of zero or less would step by nothing or backwards for ever.
    return std::max(TruncateToInt32(static_cast<float>(labelWidth) / pitch + 1), 1);
}

} // namespace kvt
