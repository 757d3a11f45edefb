// Realistic synthetic shot gathers for demos, tests and benchmarks: a direct wave, a refracted head
// wave, a dispersive surface wave (phase velocity falling with frequency) and random noise from a fixed
// seed, so the same parameters always give the same samples.
#pragma once

#include "formats/CSrwFile.h"

#include <cstdint>

namespace kvt::synth {

struct GatherShape {
    int32_t channels = 24;
    float spacing = 2.0f;    // metres between receivers
    float offset = 5.0f;     // metres from the shot to the first receiver
    float interval = 250.0f; // microseconds
    int32_t samples = 2048;
    uint32_t seed = 1;
    double peak = 2000000.0; // largest sample magnitude, in record units
};

// Phase velocity (m/s) of the surface wave at frequency f (Hz): slow at high frequency (soft top
// layer), fast at low. The wave is a sum of components at whole frequencies from 4 to 51 Hz, strongest
// near 18 Hz; each travels x / PhaseVelocity(f) from the shot to a receiver at offset x.
double PhaseVelocity(double f);

// A native file object holding the gather, with the header filled from the shape.
CSrwFile MakeGather(const GatherShape& shape);

} // namespace kvt::synth
