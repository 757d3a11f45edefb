// One point of the area-edit line: the line's sample on one trace.
#pragma once

#include <cstdint>

namespace kvt {

struct AreaPoint {
    int32_t nTrace = 0;
    int32_t nSample = 0; // 0 <= nSample <= sample count
    int32_t nX = 0;      // mouse position of the pick that made the point
    int32_t nY = 0;
    bool bPicked = false; // clicked by the user, not interpolated

    bool operator==(const AreaPoint&) const = default;
};

} // namespace kvt
