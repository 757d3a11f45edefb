// Receiver and shot positions that travel with a record.
#pragma once

#include <cstdint>

namespace kvt {

struct ReceiverPoint {
    int32_t nChannel = 0;   // 1-based channel number
    float fPosition = 0.0f; // metres
    float fCdp = 0.0f;      // CDP number
    bool operator==(const ReceiverPoint&) const = default;
};

struct ShotPoint {
    float fNumber = 0.0f;
    float fX = 0.0f; // metres
    float fY = 0.0f; // metres
    bool operator==(const ShotPoint&) const = default;
};

} // namespace kvt
