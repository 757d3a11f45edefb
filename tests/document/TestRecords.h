// Small in-memory records for the processing tests.
#pragma once

#include "LoadedRecord.h"
#include "RecordingHost.h"

#include <cmath>
#include <cstdint>

namespace kvt::test {

inline constexpr double kPi = 3.14159265358979323846;

// amplitude · cos(2π · cycles · i / period), truncated.
inline int32_t Cosine(double amplitude, double cycles, int32_t i, double period) {
    return static_cast<int32_t>(amplitude * std::cos(2.0 * kPi * cycles * i / period));
}

} // namespace kvt::test
