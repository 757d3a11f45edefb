// Resampling: a new sample interval and sample count for a record, without interpolation. The
// interval is replaced as it stands and every trace is cut or zero-padded at its end, so sample i
// stays sample i. The single resample of the open record and the batch resample of files share the
// settings, their validation and the routine that changes the samples.
#pragma once

#include "DocumentHost.h"

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace kvt {

// What the user typed as the new interval (milliseconds) and sample count.
struct ResampleSettings {
    float intervalMs = 0.0f;
    int32_t sampleCount = 0;

    // The interval as the record stores it, in microseconds.
    float IntervalMicroseconds() const {
        return static_cast<float>(static_cast<double>(intervalMs) * 1000.0);
    }
};

// Reads the two edit texts with the C-like number rules (a leading number, 0 when there is none).
// The count text is read whole, however long it is; out-of-range numbers saturate and are refused by
// the validation.
ResampleSettings ReadResampleSettings(std::string_view intervalMsText, std::string_view countText);

// The message that refuses the settings, or nothing when they are accepted. The interval is checked
// first (0.001 to 100 ms), then the count (512 to 16384); both ranges include their ends.
std::optional<Message> ValidateResample(const ResampleSettings& settings);

// The one routine that resamples: every trace is cut or zero-padded to newCount samples when the
// count changes, and the interval is replaced. Returns false, changing nothing, when both the count
// and the interval are already the requested ones. A negative count is taken as 0.
bool ResampleTraces(std::vector<std::vector<int32_t>>& traces, int32_t& sampleCount, float& sampleInterval,
                    int32_t newCount, float newIntervalUs);

} // namespace kvt
