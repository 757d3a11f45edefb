// The filter dialog's spectrum picture on any QPainter: the amplitude spectrum of the record under a
// frequency axis and a normalised amplitude axis, and the gate curve of the filter type with its
// control point. The numbers of the frequency axis are kept apart from the drawing so that the labels
// can be checked without pixels.
#pragma once

#include "TraceLayout.h"

#include <QColor>
#include <QSize>

#include <array>
#include <cstdint>
#include <string>
#include <vector>

class QPainter;

namespace kvt {

struct FilterSettings;

// The filter settings keep colours as 0x00BBGGRR.
QColor ColorFromRef(uint32_t ref);
uint32_t RefFromColor(const QColor& color);

struct FrequencyAxis {
    float fmax = 0.0f;            // hertz at the right end of the plot
    double unit = 1.0;            // hertz per label unit
    std::string unitLabel = "Hz"; // "Hz", "kHz" or "Mz"
    int32_t step = 5;             // hertz between major ticks
    int32_t majors = 0;           // major ticks are numbered 0 to majors

    // The label of major tick i, in label units: whole numbers while the labels reach beyond 5 units,
    // two decimals below that.
    std::string Label(int32_t i) const;
};

// The axis for a record sampled every `sampleIntervalUs` microseconds and shown up to 1/divisor of its
// range: fmax = (1,024,000 / interval) / (2·divisor), the largest step of the step table that leaves
// at least five major steps, and the unit that fmax reaches. Below 25 Hz no step leaves five, and the
// smallest one is taken. fmax is 0 (and nothing is drawn) for an unusable interval.
FrequencyAxis MakeFrequencyAxis(float sampleIntervalUs, int32_t divisor);

// Pixel column of major tick i on a frequency axis running from x = left over `width` pixels and
// showing `count` spectrum entries.
int32_t MajorTickX(const FrequencyAxis& axis, int32_t i, int32_t count, int32_t left, int32_t width);

// What a paint leaves for the mouse: the plot frame and the control point square of each filter type
// (type 0, the low-pass gate, and type 1, the high-pass gate); a square stays where it was last drawn.
struct SpectrumLayout {
    PixelRect m_rcFrame;
    std::array<PixelRect, 2> m_rcControlPoints;
};

// The corner a control point dragged to column x sets: its place across the frame times fmax, kept
// within 0 to fmax. 0 when the frame has no width.
float CornerAtX(int32_t x, const PixelRect& frame, float fmax);

// Paints the view of `size` pixels: the background, and when there is a spectrum (the first `count`
// entries of `spectrum`) the axes, the optional grid, the curve with its optional fill and the
// optional gate and control point at the type's corner `cornerHz`. The frame and the drawn control
// point go to `layout`.
void DrawSpectrum(QPainter& painter, QSize size, const std::vector<float>& spectrum, int32_t count,
                  const FilterSettings& settings, float cornerHz, float sampleIntervalUs,
                  SpectrumLayout& layout);

} // namespace kvt
