// The numeric toolbox: integer trace routines for editing and display, and the float routines of the
// spectrum and the Butterworth filters. Routines work in place on arrays the caller owns.
#pragma once

#include <cstdint>
#include <span>

namespace kvt {

// Which side of the corner a Butterworth section keeps.
enum class PassBand { Low, High };

class CAlgorithm {
public:
    virtual ~CAlgorithm() = default;

    // Decimation factor of AmplitudeSpectrum (at least 1); the document sets it before each spectrum.
    int32_t m_nDecimation = 1;

    // Index of the first sample of largest magnitude; 0 when count <= 1.
    static int32_t FindMaxAbsIndex(const float* samples, int32_t count);
    // Signed value of the first sample of largest magnitude; samples[0] when count <= 1.
    static int32_t FindMaxAbsSample(const int32_t* samples, int32_t count);
    // Multiplies every sample by factor unless the trace's peak magnitude exceeds 100,000,000.
    // Products beyond the 32-bit range stop at its limits.
    static void AmplifyTrace(int32_t* samples, int32_t count, int32_t factor);
    // Zeroes the trace before `end` (start 0) or after `start` (end count), halving the half-cycle at
    // the boundary; start 0 and end count zeroes everything. Any other combination, or an index outside
    // the trace, changes nothing.
    static void CutTrace(int32_t start, int32_t end, int32_t* samples, int32_t count);
    // Negates every sample; INT32_MIN, which has no negative, becomes INT32_MAX.
    static void ReversePolarity(int32_t* samples, int32_t count);
    // Moves samples later (shift > 0) or earlier (shift < 0); vacated samples become 0, so a shift of
    // count or more zeroes the trace.
    static void ShiftTrace(int32_t shift, int32_t* samples, int32_t count);
    // Smallest power of two not below n (1 for n <= 1); above 2^30 it stops at 2^30.
    static int32_t NextPowerOfTwo(int32_t n);
    // In-place unnormalised forward DFT of length 2^order, natural order.
    static void FourierTransform(int32_t order, float* re, float* im);
    // Replaces the first N/2 entries of samples by the amplitude spectrum (mean removed, every
    // m_nDecimation-th sample, a decimation below 1 counting as 1) and zeroes the rest. N must be a
    // power of two.
    void AmplitudeSpectrum(float* samples, int32_t length) const;
    // Second-order Butterworth section (bilinear transform, prewarped corner), run once forward, its
    // output rescaled to the input's peak. Returns false and leaves the samples unchanged where the
    // filter is undefined (all-zero or non-finite input, corner not strictly inside (0, fs/2), an
    // output without a finite non-zero peak from index 2 on, fewer than three samples).
    static bool ButterworthSection(float* samples, float cornerHz, float samplingHz, int32_t count,
                                   PassBand band);
    static bool ButterworthLowPass(float* samples, float cornerHz, float samplingHz, int32_t count);
    // The low-pass section's structure and corner with the numerator of a high-pass, so that at one
    // corner the two split the power between them (|H_low|² + |H_high|² = 1).
    static bool ButterworthHighPass(float* samples, float cornerHz, float samplingHz, int32_t count);
    // A section on an integer trace, results truncated towards zero; false (trace unchanged) where the
    // filter is undefined or count <= 0.
    static bool FilterTrace(int32_t count, int32_t* samples, float cornerHz, float samplingHz,
                            PassBand band = PassBand::Low);
    // FilterTrace on each trace of `count` samples, the result as if one after the other (a trace
    // named twice is filtered twice), but several in one loop, which keeps the processor busy while
    // each waits on its previous step: over a third faster than one by one. Null entries are
    // skipped; distinct entries must not overlap. Returns how many traces were filtered.
    static int32_t FilterTraces(std::span<int32_t* const> traces, int32_t count, float cornerHz,
                                float samplingHz, PassBand band = PassBand::Low);
};

} // namespace kvt
