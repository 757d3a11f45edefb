#include "CTraceRenderer.h"

#include "SectionAxes.h"

#include "algorithms/CAlgorithm.h"
#include "base/Truncate.h"
#include "document/CKVTDoc.h"

#include <QFont>
#include <QFontMetrics>
#include <QPaintDevice>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdlib>
#include <optional>

namespace kvt {

namespace {

const QColor kBlack(0, 0, 0);
const QColor kWhite(255, 255, 255);
const QColor kSelectedTrace(122, 203, 12);
const QColor kRed(255, 0, 0);
const QColor kGreen(0, 255, 0);
const QColor kBlue(0, 0, 255);

// The one-pixel default pen. With a flat cap Qt leaves out the pixel at a line's larger coordinate.
QPen ThinPen() {
    return QPen(kBlack, 1, Qt::SolidLine, Qt::FlatCap);
}

// A one-pixel line drawn from the current position to a point covers its first pixel but not the point.
// Qt's thin line leaves out the pixel at its larger coordinate instead, so a horizontal or vertical line
// running left or up is moved one pixel towards its start; a line of no length draws nothing.
std::optional<QLine> AxisLine(int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
    if (x1 == x2 && y1 == y2) {
        return std::nullopt;
    }
    const int32_t dx = x2 < x1 ? 1 : 0;
    const int32_t dy = y2 < y1 ? 1 : 0;
    return QLine(x1 + dx, y1 + dy, x2 + dx, y2 + dy);
}

void DrawAxisLine(QPainter& painter, int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
    if (const auto line = AxisLine(x1, y1, x2, y2)) {
        painter.drawLine(*line);
    }
}

void AppendAxisLine(std::vector<QLine>& lines, int32_t x1, int32_t y1, int32_t x2, int32_t y2) {
    if (const auto line = AxisLine(x1, y1, x2, y2)) {
        lines.push_back(*line);
    }
}

// Wide pens end round unless they are said to be flat.
QPen WidePen(const QColor& colour, int32_t width, Qt::PenCapStyle cap = Qt::RoundCap) {
    return QPen(colour, width, Qt::SolidLine, cap, Qt::RoundJoin);
}

// An 8-point face for this device (so a printer gets a physically small font), smaller for tiny
// pictures: min(h / 2, 80) tenths of a point, converted to whole pixels of the device's resolution.
QFont SectionFont(const QPaintDevice& device, int32_t height) {
    const int64_t tenths = std::min<int64_t>(height / 2, 80);
    const int64_t pixels = static_cast<int64_t>(device.logicalDpiY()) * tenths / 720;
    QFont font(QStringLiteral("Verdana"));
    font.setStyleHint(QFont::SansSerif);
    font.setStyleStrategy(QFont::NoAntialias);
    font.setPixelSize(static_cast<int>(std::max<int64_t>(pixels, 1)));
    return font;
}

// Text placed by the top-left corner of its cell on an opaque white background.
void TextOut(QPainter& painter, int32_t x, int32_t y, const std::string& text) {
    painter.drawText(x, y + painter.fontMetrics().ascent(), QString::fromStdString(text));
}

// The part of the painter's logical plane that can still change pixels: its device, cut by its clip.
QRect ReachableArea(const QPainter& painter) {
    const QPaintDevice* device = painter.device();
    QRect area = painter.worldTransform().inverted().mapRect(QRect(0, 0, device->width(), device->height()));
    if (painter.hasClipping()) {
        area &= painter.clipBoundingRect().toAlignedRect();
    }
    return area;
}

int32_t SampleCountOf(const CKVTDoc& doc) {
    return doc.Header().m_nSampleCount;
}

// The display gain factor: (int)(10 ^ (|dB| / 20)), saturating for gains no dialog offers.
int64_t GainFactor(int32_t gainDb) {
    return TruncateToInt32(std::pow(10.0, std::fabs(static_cast<double>(gainDb)) / 20.0));
}

// Copies the samples with the display gain applied, in 64 bits so that no product wraps before the
// clip. A positive gain leaves a trace whose peak magnitude exceeds 100000000 unamplified.
void ApplyGain(const int32_t* samples, int32_t count, int32_t gainDb, std::vector<int64_t>& out) {
    out.assign(samples, samples + count);
    const int64_t factor = GainFactor(gainDb);
    if (factor == 1) {
        return;
    }
    if (gainDb >= 0) {
        if (std::llabs(CAlgorithm::FindMaxAbsSample(samples, count)) > 100000000) {
            return;
        }
        for (int64_t& v : out) {
            v *= factor;
        }
    } else {
        for (int64_t& v : out) {
            v /= factor;
        }
    }
}

// Whether the painter's pixels are the logical ones (no scaling, whole-pixel translation, no
// smoothing), so that one-pixel lines and the fill land on pixels that can be told in advance.
bool PixelExact(const QPainter& painter, QPoint& offset) {
    const QTransform t = painter.combinedTransform();
    offset = QPoint(static_cast<int>(t.dx()), static_cast<int>(t.dy()));
    return t.type() <= QTransform::TxTranslate && t.dx() == offset.x() && t.dy() == offset.y() &&
           !painter.testRenderHint(QPainter::Antialiasing) && painter.device()->devicePixelRatio() == 1.0;
}

} // namespace

void CTraceRenderer::DrawRecord(QPainter& painter, const PixelRect& rect, bool overlays) {
    const int32_t L = rect.left, T = rect.top, R = rect.right, B = rect.bottom;
    const int32_t h = B - T;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setBackgroundMode(Qt::OpaqueMode);
    painter.setBackground(kWhite);
    painter.setPen(ThinPen());
    painter.fillRect(QRect(0, 0, R - L, h), kWhite);
    const CTraceMatrix& traces = m_doc.Traces();
    if (traces.m_arrTraces.empty()) {
        painter.restore();
        return;
    }
    const ShotHeader& header = m_doc.Header();

    const QPen axisPen = WidePen(kBlack, h > 2000 ? h / 600 : 2);
    const QFont font = SectionFont(*painter.device(), h);
    painter.setFont(font);
    const QFontMetrics metrics(font, painter.device());
    const int32_t H = metrics.height();
    const int32_t W = metrics.averageCharWidth();

    // Header band and top axis.
    painter.fillRect(QRect(L, T, R - L, 3 * H), kWhite);
    const int32_t y0 = T + 3 * H;
    const int32_t xL = L + 10 * W;
    const int32_t xR = R - 2 * W;
    painter.setPen(axisPen);
    painter.drawLine(xL, y0, xR, y0);
    painter.setPen(ThinPen());

    const int32_t traceCount = std::max(header.m_nTraceCount, 0);
    const float pitch = static_cast<float>(xR - xL) / static_cast<float>(traceCount);

    // Distance labels: every k-th column, k chosen so that the widest label fits its columns.
    const auto& receivers = m_doc.Record().m_receivers;
    float widest = 0.0f;
    for (const ReceiverPoint& r : receivers) {
        widest = std::max(widest, std::fabs(r.fPosition));
    }
    const auto labelWidth = static_cast<int32_t>(W * FormatOneDecimal(widest * 10).size());
    const int32_t step = DistanceLabelStep(labelWidth, pitch);
    for (int64_t i = 0; i < traceCount; i += step) {
        const float x = static_cast<float>(xL) + pitch / 2 + pitch * static_cast<float>(i);
        const int32_t xi = TruncateToInt32(x);
        DrawAxisLine(painter, xi, y0, xi, y0 - H / 2);
        if (static_cast<size_t>(i) < receivers.size()) {
            const std::string text = FormatOneDecimal(receivers[static_cast<size_t>(i)].fPosition);
            const int32_t len = static_cast<int32_t>(text.size());
            TextOut(painter, TruncateToInt32(x - static_cast<float>(W * len / 2)), T + H, text);
        } else {
            TextOut(painter, TruncateToInt32(x - static_cast<float>(3 * W / 2)), T + H, "0.0");
        }
    }
    TextOut(painter, xR - 3 * W, y0 - H / 5 - H, "(m)");

    // Plot rectangle and traces. Traces whose clipped swing cannot reach the visible area are skipped;
    // their cells are still laid out.
    const int32_t plotBottom = B - 2 * W;
    m_layout.m_rcPlot = {xL, y0, xR, plotBottom};
    m_layout.m_arrTraceRects.clear();
    m_layout.m_nGlobalMax = std::llabs(static_cast<int64_t>(m_doc.Record().m_nMaxAbs));
    const QRect reachable = ReachableArea(painter);
    for (int32_t i = 0; i < traceCount; ++i) {
        const int32_t x0 = TruncateToInt32(static_cast<float>(i) * pitch + static_cast<float>(xL));
        const int32_t x1 = TruncateToInt32(pitch + static_cast<float>(x0));
        const PixelRect cell{x0, y0, x1, plotBottom};
        m_layout.m_arrTraceRects.push_back(cell);
        const int64_t reach =
            std::llabs(static_cast<int64_t>(cell.Width() / 2) * m_doc.Display().m_nAmpRange) + 2;
        const int64_t centre = x0 + cell.Width() / 2;
        if (centre + reach < reachable.left() || centre - reach > reachable.right()) {
            continue;
        }
        DrawTrace(painter, i, cell);
    }

    // Left margin: hides whatever the leftmost traces swung past the plot's left edge.
    painter.fillRect(QRect(L, y0, xL - L, B - y0), kWhite);

    // Time axis, drawn over the traces.
    TextOut(painter, xL - 9 * W, y0 - H / 2, "0.0 (ms)");
    for (const TimeLine& line :
         TimeLines(y0, plotBottom, SampleCountOf(m_doc), header.m_fSampleInterval, H)) {
        painter.setPen(ThinPen());
        DrawAxisLine(painter, xL + 5, line.minorY, xR - 5, line.minorY);
        painter.setPen(axisPen);
        painter.drawLine(xL, line.majorY, xR, line.majorY);
        TextOut(painter, xL - W * (static_cast<int32_t>(line.label.size()) + 2), line.labelY, line.label);
    }
    painter.setPen(axisPen);
    painter.drawLine(xL, plotBottom, xR, plotBottom);
    painter.setPen(ThinPen());

    if (overlays) {
        const auto& cells = m_layout.m_arrTraceRects;
        auto validTrace = [&cells](int32_t t) { return t >= 0 && static_cast<size_t>(t) < cells.size(); };
        switch (m_doc.GetEditTool()) {
        case EditTool::AreaEdit:
        case EditTool::Operation:
            if (m_doc.GetSelectMode() == SelectMode::SingleTrace && validTrace(m_doc.SelTrace())) {
                // Rectangle with a black outline and the selection colour inside, both inverted
                // against the picture.
                const PixelRect& c = cells[static_cast<size_t>(m_doc.SelTrace())];
                painter.setCompositionMode(QPainter::RasterOp_NotSourceXorDestination);
                if (c.Width() > 0 && c.Height() > 0) {
                    painter.fillRect(QRect(c.left, c.top, c.Width(), 1), kBlack);
                    if (c.Height() > 1) {
                        painter.fillRect(QRect(c.left, c.bottom - 1, c.Width(), 1), kBlack);
                    }
                    if (c.Height() > 2) {
                        painter.fillRect(QRect(c.left, c.top + 1, 1, c.Height() - 2), kBlack);
                        if (c.Width() > 1) {
                            painter.fillRect(QRect(c.right - 1, c.top + 1, 1, c.Height() - 2), kBlack);
                        }
                    }
                    if (c.Width() > 2 && c.Height() > 2) {
                        painter.fillRect(QRect(c.left + 1, c.top + 1, c.Width() - 2, c.Height() - 2),
                                         kSelectedTrace);
                    }
                }
                painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
            } else if (m_doc.GetSelectMode() == SelectMode::MultiTrace && !m_doc.SelTraces().empty()) {
                painter.setPen(WidePen(kRed, 2));
                for (int32_t t : m_doc.SelTraces()) {
                    if (validTrace(t)) {
                        const PixelRect& c = cells[static_cast<size_t>(t)];
                        const int32_t x = c.left + c.Width() / 2;
                        painter.drawLine(x, c.top, x, c.bottom);
                    }
                }
                painter.setPen(ThinPen());
            } else if ((m_doc.GetSelectMode() == SelectMode::Above ||
                        m_doc.GetSelectMode() == SelectMode::Below) &&
                       !m_doc.AreaPoints().empty()) {
                DrawAreaLine(painter);
            }
            break;
        case EditTool::DelayCorrection:
            DrawDelayLines(painter, LineForm::Full, 0);
            break;
        case EditTool::ShotTime:
            DrawShiftLines(painter, LineForm::Full, 0);
            break;
        case EditTool::None:
            break;
        }
    }
    painter.restore();
}

bool CTraceRenderer::IsDraggedTrace(int32_t trace) const {
    return m_doc.GetEditTool() == EditTool::ShotTime && m_layout.m_bDragging && trace == m_doc.ShiftTrace();
}

CTraceRenderer::TraceShape CTraceRenderer::BuildWiggle(int32_t trace, const PixelRect& cell) {
    m_points.clear();
    const CTraceMatrix& traces = m_doc.Traces();
    const int32_t* samples = traces.TraceAt(trace);
    if (samples == nullptr) {
        return TraceShape::Nothing;
    }
    const auto stored = static_cast<int64_t>(traces.m_arrTraces[static_cast<size_t>(trace)].size());
    const auto n = static_cast<int32_t>(std::min<int64_t>(SampleCountOf(m_doc), stored));
    if (n <= 0) {
        return TraceShape::Nothing;
    }
    int64_t peak = 0;
    if (m_doc.Display().m_nScaleMode == ScaleMode::Global) {
        peak = m_layout.m_nGlobalMax;
    } else if (m_doc.Display().m_nScaleMode == ScaleMode::Trace) {
        peak = std::llabs(static_cast<int64_t>(CAlgorithm::FindMaxAbsSample(samples, n)));
    }
    const int32_t w = cell.Width();
    m_xc = cell.left + w / 2;
    m_top = cell.top;
    m_points.emplace_back(m_xc, cell.top);
    if (peak == 0) {
        m_points.emplace_back(m_xc, cell.bottom);
        return TraceShape::Straight;
    }
    const auto scale = static_cast<float>(w * 0.5 / static_cast<double>(peak));
    const float pitch = static_cast<float>(cell.Height()) / static_cast<float>(n);
    if (IsDraggedTrace(trace)) {
        const auto shift = static_cast<int64_t>(m_doc.ShiftSample()) - m_doc.ShiftStartSample();
        m_top = TruncateToInt32(static_cast<float>(shift) * pitch + static_cast<float>(cell.top));
    }
    ApplyGain(samples, n, m_doc.Display().m_nGainDb, m_values);

    // Clip at m_nAmpRange half-cells; the flattened values stay for the fill.
    const auto limit = static_cast<float>(static_cast<int64_t>(w / 2) * m_doc.Display().m_nAmpRange);
    const int64_t high = TruncateToInt64(limit / scale);
    const int64_t low = TruncateToInt64(-limit / scale);
    const auto xc = static_cast<float>(m_xc);
    const auto top = static_cast<float>(m_top);
    m_points.resize(static_cast<size_t>(n) + 1);
    QPoint* points = m_points.data() + 1;
    for (int32_t s = 0; s < n; ++s) {
        int64_t& v = m_values[static_cast<size_t>(s)];
        const float swing = scale * static_cast<float>(v);
        if (swing > limit) {
            v = high;
        } else if (swing < -limit) {
            v = low;
        }
        points[s] = QPoint(TruncateToInt32(scale * static_cast<float>(v) + xc),
                           TruncateToInt32(static_cast<float>(s) * pitch + top));
    }
    return TraceShape::Wiggle;
}

const std::vector<QPoint>& CTraceRenderer::WigglePoints(int32_t trace, const PixelRect& cell) {
    if (trace < 0 || trace >= m_doc.Traces().TraceCount()) {
        m_points.clear();
        return m_points;
    }
    BuildWiggle(trace, cell);
    return m_points;
}

// A long trace puts many samples on each pixel row of a short cell. Along one row the one-pixel line
// covers every pixel from the row's leftmost vertex up to, not including, its rightmost, and the
// rightmost too where the line turns back there; where the line comes into the row and leaves it, how
// it joins on depends on the direction of its first and last step along the row. So a row keeps its
// first and last vertex, the next and the previous one off their column, and the leftmost and
// rightmost between those two: at most six, drawing the same pixels. Rows that reach past the device
// keep every vertex, since the line is cut there and joins on differently.
void CTraceRenderer::ThinOutRows(const QPainter& painter) {
    QPoint offset;
    m_bThin = PixelExact(painter, offset);
    const int32_t left = -offset.x();
    const int32_t right = left + painter.device()->width();
    const int32_t top = -offset.y();
    const int32_t bottom = top + painter.device()->height();
    auto inDevice = [&](const QPoint& p) {
        return p.x() >= left && p.x() < right && p.y() >= top && p.y() < bottom;
    };
    m_drawn.clear();
    const size_t count = m_points.size();
    for (size_t begin = 0, end = 0; begin < count; begin = end) {
        bool inside = inDevice(m_points[begin]);
        for (end = begin + 1; end < count && m_points[end].y() == m_points[begin].y(); ++end) {
            inside = inside && inDevice(m_points[end]);
        }
        const size_t last = end - 1;
        if (!m_bThin || !inside || last - begin < 6) {
            m_drawn.insert(m_drawn.end(), m_points.begin() + static_cast<std::ptrdiff_t>(begin),
                           m_points.begin() + static_cast<std::ptrdiff_t>(end));
            continue;
        }
        auto x = [this](size_t i) { return m_points[i].x(); };
        size_t next = begin + 1;
        while (next < last && x(next) == x(begin)) {
            ++next;
        }
        size_t previous = last - 1;
        while (previous > begin && x(previous) == x(last)) {
            --previous;
        }
        size_t leftmost = next;
        size_t rightmost = next;
        for (size_t i = next; i <= previous; ++i) {
            leftmost = x(i) < x(leftmost) ? i : leftmost;
            rightmost = x(i) > x(rightmost) ? i : rightmost;
        }
        std::array<size_t, 6> kept = {begin, next, leftmost, rightmost, previous, last};
        std::sort(kept.begin(), kept.end());
        for (size_t k = 0; k < kept.size(); ++k) {
            if (k == 0 || kept[k] != kept[k - 1]) {
                m_drawn.push_back(m_points[kept[k]]);
            }
        }
    }
}

void CTraceRenderer::DrawTrace(QPainter& painter, int32_t trace, const PixelRect& cell) {
    if (trace < 0 || trace >= m_doc.Traces().TraceCount()) {
        return;
    }
    const TraceShape shape = BuildWiggle(trace, cell);
    if (shape == TraceShape::Nothing) {
        return;
    }
    ThinOutRows(painter);
    painter.setPen(ThinPen());
    painter.drawPolyline(m_drawn.data(), static_cast<int>(m_drawn.size()));
    if (shape == TraceShape::Wiggle) {
        FillLobes(painter, static_cast<int32_t>(m_points.size()) - 1);
    }
}

// Each lobe is the closed figure from the centre line at its first sample, through its samples, to
// the centre line at the first sample after it (the last sample closes a lobe that reaches it). The
// lobes of one trace never overlap, so they are filled together as the subpaths of one path. The
// short centre-line segments drawn where a lobe opens and closes complete its outline. A lobe that
// never leaves the centre line's column or one pixel row encloses no pixel centre and is left out:
// in the quiet part of a trace most lobes are swings of less than a pixel.
void CTraceRenderer::FillLobes(QPainter& painter, int32_t count) {
    const FillMode fillMode = m_doc.Display().m_nFillMode;
    if (fillMode != FillMode::Positive && fillMode != FillMode::Negative) {
        if (m_top != m_points[0].y()) {
            DrawAxisLine(painter, m_xc, m_top, m_points[1].x(), m_points[1].y());
        }
        return;
    }
    m_edges.clear();
    if (m_top != m_points[0].y()) {
        AppendAxisLine(m_edges, m_xc, m_top, m_points[1].x(), m_points[1].y());
    }
    QPainterPath lobes;
    bool open = false;
    bool wide = false;
    for (int32_t s = 0; s < count; ++s) {
        const int64_t v = m_values[static_cast<size_t>(s)];
        const bool inLobe = fillMode == FillMode::Positive ? v > 0 : v < 0;
        const QPoint& p = m_points[static_cast<size_t>(s) + 1];
        if (inLobe && s != count - 1) {
            if (!open) {
                if (p.x() != m_xc) {
                    AppendAxisLine(m_edges, p.x(), p.y(), m_xc, p.y());
                }
                m_lobe.assign(1, QPoint(m_xc, p.y()));
                open = true;
                wide = false;
            }
            // Along a row the lobe's edges enclose no area: only where the trace enters and leaves
            // a row does the outline need a vertex.
            const int32_t previousY = m_points[static_cast<size_t>(s)].y();
            const int32_t nextY = m_points[static_cast<size_t>(s) + 2].y();
            if (!m_bThin || previousY != p.y() || nextY != p.y()) {
                m_lobe.push_back(p);
                wide = wide || p.x() != m_xc;
            }
        } else if (open) {
            if (wide && p.y() != m_lobe.front().y()) {
                lobes.moveTo(m_lobe.front());
                for (size_t i = 1; i < m_lobe.size(); ++i) {
                    lobes.lineTo(m_lobe[i]);
                }
                lobes.lineTo(m_xc, p.y());
                lobes.closeSubpath();
            }
            if (p.x() != m_xc) {
                AppendAxisLine(m_edges, m_xc, p.y(), p.x(), p.y());
            }
            open = false;
        }
    }
    if (!m_edges.empty()) {
        painter.drawLines(m_edges.data(), static_cast<int>(m_edges.size()));
    }
    if (!lobes.isEmpty()) {
        lobes.setFillRule(Qt::OddEvenFill);
        painter.fillPath(lobes, kBlack);
    }
}

void CTraceRenderer::DrawAreaLine(QPainter& painter) const {
    const auto& points = m_doc.AreaPoints();
    const auto& cells = m_layout.m_arrTraceRects;
    const int32_t sampleCount = SampleCountOf(m_doc);
    if (points.empty() || sampleCount <= 0) {
        return;
    }
    // The plot top is taken as 40 here, as the hit test takes it, so a pick is drawn where it was made.
    std::vector<QPoint> line;
    std::vector<QPoint> picks;
    for (size_t k = 0; k < points.size(); ++k) {
        const AreaPoint& p = points[k];
        if (p.nTrace < 0 || static_cast<size_t>(p.nTrace) >= cells.size()) {
            continue;
        }
        const PixelRect& c = cells[static_cast<size_t>(p.nTrace)];
        const QPoint at(
            c.left + c.Width() / 2,
            static_cast<int32_t>(static_cast<int64_t>(c.Height()) * p.nSample / sampleCount + 40));
        if (k == 0 || p.bPicked) {
            line.push_back(at);
        }
        if (p.bPicked) {
            picks.push_back(at);
        }
    }
    painter.save();
    painter.setPen(WidePen(kGreen, 2));
    if (line.size() > 1) {
        painter.drawPolyline(line.data(), static_cast<int>(line.size()));
    }
    for (const QPoint& p : picks) {
        DrawPickMark(painter, p.x(), p.y());
    }
    painter.restore();
}

void CTraceRenderer::DrawPickMark(QPainter& painter, int32_t x, int32_t y) {
    painter.save();
    painter.setPen(WidePen(kRed, 2, Qt::FlatCap));
    painter.drawLine(x - 4, y, x + 3, y);
    painter.drawLine(x, y - 4, x, y + 3);
    painter.restore();
}

int32_t CTraceRenderer::LineY(int32_t sample) const {
    const PixelRect& plot = m_layout.m_rcPlot;
    const int32_t count = SampleCountOf(m_doc);
    const float pitch = count > 0 ? static_cast<float>(plot.Height()) / static_cast<float>(count) : 0.0f;
    return TruncateToInt32(pitch * static_cast<float>(sample) + static_cast<float>(plot.top));
}

void CTraceRenderer::DrawLevelLine(QPainter& painter, int32_t sample, bool moving) const {
    const PixelRect& plot = m_layout.m_rcPlot;
    const int32_t y = LineY(sample);
    painter.setPen(WidePen(moving ? kBlue : kRed, 2, Qt::FlatCap));
    painter.setCompositionMode(moving ? QPainter::RasterOp_NotSourceXorDestination
                                      : QPainter::CompositionMode_SourceOver);
    painter.drawLine(plot.left, y, plot.right, y);
}

void CTraceRenderer::DrawDelayLines(QPainter& painter, LineForm form, int32_t previous) const {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    if (form == LineForm::Full) {
        DrawLevelLine(painter, m_doc.DelayRefSample(), false);
    } else {
        DrawLevelLine(painter, previous, true);
    }
    DrawLevelLine(painter, m_doc.DelaySample(), true);
    painter.restore();
}

void CTraceRenderer::DrawShiftLines(QPainter& painter, LineForm form, int32_t previous) const {
    if (form == LineForm::Full && !m_layout.m_bDragging) {
        return;
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    if (form == LineForm::Full) {
        DrawLevelLine(painter, m_doc.ShiftStartSample(), false);
    } else {
        DrawLevelLine(painter, previous, true);
    }
    DrawLevelLine(painter, m_doc.ShiftSample(), true);
    painter.restore();
}

} // namespace kvt
