// The dispersion image of a shot record by the phase-shift transform (Park, Miller and Xia, 1998):
// each trace's spectrum is reduced to unit magnitude, shifted back by the phase a wave of velocity v
// would gather over the trace's offset, and summed over the traces; where the sum is coherent the
// surface wave travels at v at that frequency.
#pragma once

#include "record/CShotRecord.h"

#include <cstddef>
#include <vector>

namespace kvt {

// The frequencies and velocities the image is computed at: fmin, fmin + df, ... up to fmax (fmax
// included when it falls on the grid), likewise for velocities.
struct DispersionRange {
    double fMin = 5.0;    // Hz
    double fMax = 100.0;  // Hz
    double fStep = 0.5;   // Hz
    double vMin = 50.0;   // m/s
    double vMax = 1000.0; // m/s
    double vStep = 1.0;   // m/s
};

// At most this many frequencies and this many velocities, so an image never exceeds 4 million
// points however fine the steps asked for.
inline constexpr size_t kDispersionMaxPoints = 2000;

enum class DispersionError {
    None,
    // fMin <= 0, fMax < fMin, fStep <= 0, fMax above the Nyquist frequency (or no usable sample
    // interval), more than kDispersionMaxPoints frequencies, or a value that is not finite
    FrequencyRange,
    VelocityRange, // vMin <= 0, vMax < vMin, vStep <= 0, more than kDispersionMaxPoints, not finite
    TooFewTraces,  // fewer than two traces with signal
    NoOffsets,     // every used trace lies at the same offset from the shot, or a position is not finite
};

// The refusal shown to users; "" for None.
const char* DispersionErrorText(DispersionError error);

struct DispersionImage {
    std::vector<double> frequencies; // Hz, ascending
    std::vector<double> velocities;  // m/s, ascending
    // Row per frequency: power[f * velocities.size() + v], in 0..1 (1 = every trace in phase).
    std::vector<float> power;
    // Per frequency: the velocity of the row's maximum, and that maximum.
    std::vector<double> peakVelocity;
    std::vector<float> peakPower;

    float At(size_t f, size_t v) const { return power[f * velocities.size() + v]; }
};

struct DispersionOptions {
    DispersionRange range;
    // The traces to use (0-based); empty means every trace. Traces without signal (every sample the
    // same) are skipped, as are indices outside the record; an index given twice counts once.
    std::vector<int> traces;
    // Scale each frequency's row to its own maximum, so weak high frequencies show as clearly as
    // strong low ones.
    bool normalise = false;
};

// One point of a dispersion curve: a frequency and its phase velocity.
struct DispersionPick {
    double frequency; // Hz
    double velocity;  // m/s
    bool operator==(const DispersionPick&) const = default;
};

// The peak curve as picks, one per frequency whose row has any power.
std::vector<DispersionPick> PeakPicks(const DispersionImage& image);

// The image of `record`; trace i's offset is |receiver i's position - shot X| from the record's
// geometry (a trace beyond the receiver table lies at position 0, as the writers store it). On a
// refusal `image` is left empty.
DispersionError ComputeDispersion(const CShotRecord& record, const DispersionOptions& options,
                                  DispersionImage& image);

} // namespace kvt
