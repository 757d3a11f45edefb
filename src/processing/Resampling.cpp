#include "Resampling.h"

#include "record/NumberText.h"

#include <algorithm>

namespace kvt {

ResampleSettings ReadResampleSettings(std::string_view intervalMsText, std::string_view countText) {
    return {static_cast<float>(ParseLeadingFloat(intervalMsText)), ParseLeadingInt(countText)};
}

std::optional<Message> ValidateResample(const ResampleSettings& settings) {
    // The float is compared in double precision, so the typed 0.001 (stored slightly above) passes.
    const double x = settings.intervalMs;
    if (!(x >= 0.001 && x <= 100.0)) {
        return Message{"采样间隔应在0.001-100 ms之间！", kAppCaption, MessageIcon::None};
    }
    if (settings.sampleCount < 512 || settings.sampleCount > 16384) {
        return Message{"采样长度应在512-16384 之间！", kAppCaption, MessageIcon::None};
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
