// Float to integer conversion, truncating towards zero as everywhere in KVT. Values beyond the target
// type's range stop at its limits and NaN gives 0, so no input can make the conversion undefined.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

namespace kvt {

inline int32_t TruncateToInt32(double v) {
    if (std::isnan(v)) {
        return 0;
    }
    if (v >= 2147483647.0) {
        return std::numeric_limits<int32_t>::max();
    }
    if (v <= -2147483648.0) {
        return std::numeric_limits<int32_t>::min();
    }
    return static_cast<int32_t>(v);
}

// The same into 64 bits, for display arithmetic that must not wrap before it is clipped.
inline int64_t TruncateToInt64(float v) {
    if (std::isnan(v)) {
        return 0;
    }
    if (v >= 9.2e18f) {
        return std::numeric_limits<int64_t>::max();
    }
    if (v <= -9.2e18f) {
        return std::numeric_limits<int64_t>::min();
    }
    return static_cast<int64_t>(v);
}

} // namespace kvt
