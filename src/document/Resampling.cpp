#include "Resampling.h"

#include "Messages.h"
#include "base/NumberText.h"

#include <algorithm>

namespace kvt {

ResampleSettings ReadResampleSettings(std::string_view intervalMsText, std::string_view countText) {
    return {static_cast<float>(ParseLeadingFloat(intervalMsText)), ParseLeadingInt(countText)};
}

std::optional<Message> ValidateResample(const ResampleSettings& settings) {
    // The float is compared in double precision, so the typed 0.001 (stored slightly above) passes.
    const double x = settings.intervalMs;
    if (!(x >= 0.001 && x <= 100.0)) {
        return ResampleIntervalRangeMessage();
    }
    if (settings.sampleCount < 512 || settings.sampleCount > 16384) {
        return ResampleCountRangeMessage();
    }
    return std::nullopt;
}

bool ResampleTraces(std::vector<std::vector<int32_t>>& traces, int32_t& sampleCount, float& sampleInterval,
                    int32_t newCount, float newIntervalUs) {
    newCount = std::max(newCount, 0);
    if (newCount != sampleCount) {
        // resize keeps the head of every trace and fills the new tail with zeros.
        for (auto& trace : traces) {
            trace.resize(static_cast<size_t>(newCount), 0);
        }
        sampleCount = newCount;
    } else if (newIntervalUs == sampleInterval) {
        return false;
    }
    sampleInterval = newIntervalUs;
    return true;
}

} // namespace kvt
