// Draws a shot record as a seismic section with a QPainter onto any paint device: a distance axis
// along the top, a time axis down the left, one wiggle trace per channel with variable-area fill,
// time lines across the plot, and the overlays of the current edit tool. Everything it shows is read
// from the document at draw time; the geometry it computes is left in a TraceLayout.
#pragma once

#include "TraceLayout.h"

#include <QLine>
#include <QPoint>

#include <cstdint>
#include <vector>

class QPainter;

namespace kvt {

class CKVTDoc;

// Delay and shot-time lines are drawn whole (after a render) or moved (while dragging): the moved
// line is drawn again at its previous place, which erases it, and then at its new place.
enum class LineForm { Full, Incremental };

class CTraceRenderer {
public:
    CTraceRenderer(const CKVTDoc& doc, TraceLayout& layout) : m_doc(doc), m_layout(layout) {}

    // The whole picture inside `rect`. With overlays the edit tool's marks are drawn too. The plot
    // rectangle, the cells and the global maximum go to the layout. Traces that cannot reach the
    // painter's clip (or its device) are skipped, so a caller that exposes only part of a large picture
    // pays only for that part.
    void DrawRecord(QPainter& painter, const PixelRect& rect, bool overlays);
    void DrawTrace(QPainter& painter, int32_t trace, const PixelRect& cell);
    void DrawAreaLine(QPainter& painter) const;
    static void DrawPickMark(QPainter& painter, int32_t x, int32_t y);
    void DrawDelayLines(QPainter& painter, LineForm form, int32_t previous) const;
    void DrawShiftLines(QPainter& painter, LineForm form, int32_t previous) const;

    // The vertices of one trace's wiggle, one per sample, from the top of its cell down, after display
    // gain and clip. Empty when the trace has no samples. DrawTrace leaves out those that change no
    // pixel where several fall on one pixel row.
    const std::vector<QPoint>& WigglePoints(int32_t trace, const PixelRect& cell);
    // Row of a sample on the delay and shot-time lines, from the layout's plot rectangle.
    int32_t LineY(int32_t sample) const;

private:
    enum class TraceShape { Nothing, Straight, Wiggle };
    TraceShape BuildWiggle(int32_t trace, const PixelRect& cell);
    void ThinOutRows(const QPainter& painter);
    void FillLobes(QPainter& painter, int32_t count);
    void DrawLevelLine(QPainter& painter, int32_t sample, bool moving) const;
    bool IsDraggedTrace(int32_t trace) const;

    const CKVTDoc& m_doc;
    TraceLayout& m_layout;

    // Scratch of the trace being drawn, kept between traces to save allocations.
    std::vector<int64_t> m_values; // samples after display gain and clip
    std::vector<QPoint> m_points;  // the start at the cell top, then one vertex per sample
    std::vector<QPoint> m_drawn;   // the vertices the line is drawn through
    bool m_bThin = false;          // whether vertices that change no pixel are left out
    std::vector<QLine> m_edges;    // centre-line segments that open and close the lobes
    std::vector<QPoint> m_lobe;    // the outline of the lobe being filled
    int32_t m_xc = 0;              // centre of the trace's cell
    int32_t m_top = 0;             // top of the cell, or of the dragged trace
};

} // namespace kvt
