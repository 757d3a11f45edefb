// What a render of the section leaves behind for hit testing and the line overlays: the plot
// rectangle, one cell per trace, the global scale, and whether a trace or line is being dragged.
#pragma once

#include <cstdint>
#include <vector>

namespace kvt {

// A rectangle in device pixels; right and bottom are outside it, as for every cell and plot area.
struct PixelRect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;

    int32_t Width() const { return right - left; }
    int32_t Height() const { return bottom - top; }
    bool Contains(int32_t x, int32_t y) const { return x >= left && x < right && y >= top && y < bottom; }
    bool operator==(const PixelRect&) const = default;
};

struct TraceLayout {
    PixelRect m_rcPlot;
    std::vector<PixelRect> m_arrTraceRects; // index = trace index
    int64_t m_nGlobalMax = 0;               // 64 bits: the magnitude of any 32-bit peak fits
    bool m_bDragging = false;
};

} // namespace kvt
