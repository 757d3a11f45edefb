#include "CBaseView.h"

#include "document/CKVTDoc.h"

#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScopedValueRollback>
#include <QWheelEvent>

#include <algorithm>
#include <cstdio>

namespace kvt {

namespace {

// The hit test takes the plot top as this row whatever the font made it, as the area-edit line is
// drawn, so that a pick shows where it was made.
constexpr int64_t kHitPlotTop = 40;

bool EditsSelection(EditTool tool) {
    return tool == EditTool::AreaEdit || tool == EditTool::Operation;
}

} // namespace

CBaseView::CBaseView(CKVTDoc& doc, QWidget* parent) : QWidget(parent), m_doc(doc), m_renderer(doc, m_layout) {
    setObjectName(QStringLiteral("id%1").arg(kControlId));
    // Every pixel comes from the buffer: nothing to erase first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setGeometry(0, 0, 100, 100);
    // The readout follows the mouse without a button held.
    setMouseTracking(true);
}

int32_t CBaseView::HitTest(QPoint point, int32_t& sample) const {
    if (m_doc.Traces().m_arrTraces.empty() || m_doc.Header().m_nTraceCount == 0) {
        return -1;
    }
    const int32_t x = point.x();
    const int32_t y = point.y();
    if (!m_layout.m_rcPlot.Contains(x, y)) {
        sample = -1;
        return -1;
    }
    const auto& cells = m_layout.m_arrTraceRects;
    for (size_t i = 0; i < cells.size(); ++i) {
        const PixelRect& cell = cells[i];
        if (cell.Contains(x, y)) {
            sample = static_cast<int32_t>((y - kHitPlotTop) * SampleCount() / cell.Height());
            return static_cast<int32_t>(i);
        }
    }
    return -1;
}

void CBaseView::DocumentChanged(ChangeSet changes) {
    // While this view drags a line, the selection reports of the move are drawn already.
    const bool selection = changes.Has(Change::Selection) && !m_bMovingOwnLine;
    if (selection || changes.Has(Change::Record) || changes.Has(Change::Samples) ||
        changes.Has(Change::Tool) || changes.Has(Change::Display)) {
        Invalidate();
    }
}

void CBaseView::Invalidate() {
    m_bStale = true;
    update();
}

void CBaseView::Repaint() {
    m_bStale = true;
    repaint();
}

void CBaseView::RepaintArea(const QRect& area) {
    if (!m_bStale) {
        RenderInto(area & BackBufferArea());
    }
    repaint(area);
}

void CBaseView::paintEvent(QPaintEvent* event) {
    const QRect visible = visibleRegion().boundingRect().united(event->rect()) & rect();
    if (visible.isEmpty()) {
        return;
    }
    if (m_bStale || !BackBufferArea().contains(visible)) {
        if (m_bmpBack.size() != visible.size()) {
            m_bmpBack = QImage(visible.size(), QImage::Format_RGB32);
        }
        m_origin = visible.topLeft();
        RenderInto(visible);
        m_bStale = false;
    }
    QPainter painter(this);
    for (const QRect& part : event->region()) {
        const QRect exposed = part & BackBufferArea();
        painter.drawImage(exposed, m_bmpBack, exposed.translated(-m_origin));
    }
}

void CBaseView::contextMenuEvent(QContextMenuEvent* event) {
    event->accept();
}

void CBaseView::wheelEvent(QWheelEvent* event) {
    // The scroll area around the display scrolls the section.
    event->ignore();
}

// Qt sends every mouse event here while a button is held, even outside the window, so a release
// anywhere ends a drag; that is how it is meant to work.
void CBaseView::mouseMoveEvent(QMouseEvent* event) {
    int32_t sample = 0;
    const int32_t trace = HitTest(event->position().toPoint(), sample);
    if (trace < 0) {
        return;
    }
    const int32_t s = ClampedSample(sample);
    emit ReadoutChanged(Readout(trace, s));
    if (m_layout.m_bDragging) {
        DragTo(s);
    }
}

void CBaseView::mousePressEvent(QMouseEvent* event) {
    const QPoint point = event->position().toPoint();
    int32_t sample = 0;
    const int32_t trace = HitTest(point, sample);
    if (trace < 0) {
        return;
    }
    if (event->button() == Qt::LeftButton) {
        const EditTool tool = m_doc.GetEditTool();
        if (EditsSelection(tool)) {
            SelectByClick(trace, ClampedSample(sample), point,
                          event->modifiers().testFlag(Qt::ShiftModifier));
        } else if (tool == EditTool::DelayCorrection || tool == EditTool::ShotTime) {
            BeginDrag(trace, sample);
        }
    } else if (event->button() == Qt::RightButton && EditsSelection(m_doc.GetEditTool())) {
        UnselectByClick(trace, ClampedSample(sample));
    }
}

void CBaseView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        EndDrag(event->position().toPoint());
    }
}

int32_t CBaseView::SampleCount() const {
    return std::max(m_doc.Header().m_nSampleCount, 0);
}

int32_t CBaseView::ClampedSample(int32_t sample) const {
    return std::min(std::max(sample, 0), SampleCount() - 1);
}

QString CBaseView::Readout(int32_t trace, int32_t sample) const {
    const float ms = m_doc.Header().m_fSampleInterval * static_cast<float>(sample) / 1000.0f;
    // A trace shorter than the header says reads 0 where it has no sample.
    const auto& samples = m_doc.Traces().m_arrTraces[static_cast<size_t>(trace)];
    const int32_t value = sample >= 0 && static_cast<size_t>(sample) < samples.size()
                              ? samples[static_cast<size_t>(sample)]
                              : 0;
    // C's printf for the time, so a time on a rounding tie reads as it always has.
    char time[64];
    std::snprintf(time, sizeof time, "%.2f", static_cast<double>(ms));
    return tr("通道:%1   时间:%2ms   数值:%3").arg(trace + 1).arg(QString::fromLatin1(time)).arg(value);
}

void CBaseView::SelectByClick(int32_t trace, int32_t sample, QPoint point, bool shift) {
    switch (m_doc.GetSelectMode()) {
    case SelectMode::Above:
    case SelectMode::Below:
        if (m_doc.AddAreaPoint(trace, sample, point.x(), point.y())) {
            Repaint();
        }
        break;
    case SelectMode::SingleTrace:
        m_doc.SetSelTrace(trace);
        Repaint();
        break;
    case SelectMode::MultiTrace:
        if (shift) {
            // The range from the anchor; the anchor stays for the next Shift-click.
            const int32_t anchor = m_doc.AnchorTrace();
            for (int32_t t = std::min(anchor, trace); t <= std::max(anchor, trace); ++t) {
                m_doc.AddSelTrace(t);
            }
            Repaint();
        } else if (m_doc.AddSelTrace(trace)) {
            m_doc.SetAnchorTrace(trace);
            Repaint();
        }
        break;
    }
}

void CBaseView::UnselectByClick(int32_t trace, int32_t sample) {
    bool removed = false;
    switch (m_doc.GetSelectMode()) {
    case SelectMode::Above:
    case SelectMode::Below:
        removed = m_doc.RemoveAreaPoint(sample, trace);
        break;
    case SelectMode::MultiTrace:
        removed = m_doc.RemoveSelTrace(trace);
        break;
    case SelectMode::SingleTrace:
        break;
    }
    if (removed) {
        Repaint();
    }
}

template <class Move> void CBaseView::MoveOwnLine(Move move) {
    const QScopedValueRollback guard(m_bMovingOwnLine, true);
    move();
}

void CBaseView::BeginDrag(int32_t trace, int32_t rawSample) {
    m_layout.m_bDragging = true;
    if (m_doc.GetEditTool() == EditTool::ShotTime) {
        // The trace's reference line is where it was grabbed, not clamped to the record.
        MoveOwnLine([&] { m_doc.BeginShotTimeShift(trace, rawSample); });
        ShowShiftLines();
    }
}

void CBaseView::DragTo(int32_t sample) {
    switch (m_doc.GetEditTool()) {
    case EditTool::DelayCorrection: {
        const int32_t previous = m_doc.DelaySample();
        MoveOwnLine([&] { m_doc.SetDelaySample(sample); });
        MoveDelayLine(previous);
        break;
    }
    case EditTool::ShotTime: {
        const int32_t previous = m_doc.ShiftSample();
        MoveOwnLine([&] { m_doc.SetShiftSample(sample); });
        MoveShiftLine(previous);
        RepaintDraggedTrace();
        break;
    }
    default:
        break;
    }
}

void CBaseView::EndDrag(QPoint point) {
    const EditTool tool = m_doc.GetEditTool();
    if (!m_layout.m_bDragging || (tool != EditTool::DelayCorrection && tool != EditTool::ShotTime)) {
        return;
    }
    m_layout.m_bDragging = false;
    // Not clamped: -1 outside the plot, 0 in the plot between cells.
    int32_t sample = 0;
    HitTest(point, sample);
    if (tool == EditTool::DelayCorrection) {
        MoveOwnLine([&] { m_doc.SetDelaySample(sample); });
    } else {
        MoveOwnLine([&] { m_doc.SetShiftSample(sample); });
        m_doc.ApplyShotTimeShift();
    }
    Repaint();
}

void CBaseView::RepaintDraggedTrace() {
    const auto& cells = m_layout.m_arrTraceRects;
    const int32_t trace = m_doc.ShiftTrace();
    if (trace < 0 || static_cast<size_t>(trace) >= cells.size()) {
        return;
    }
    const PixelRect& cell = cells[static_cast<size_t>(trace)];
    const int32_t reach = cell.Width() * (m_doc.Display().m_nAmpRange - 1) / 2;
    // One column more on the right: a fully clipped swing ends on the column at centre + reach, past
    // the widened cell when its width is even. The whole height: the renderer draws a trace dragged
    // down or up past the ends of its cell, and those parts must move with it too.
    RepaintArea(QRect(cell.left - reach, 0, cell.Width() + 2 * reach + 1, height()));
}

void CBaseView::RenderInto(const QRect& area) {
    if (area.isEmpty() || m_bmpBack.isNull()) {
        return;
    }
    QPainter painter(&m_bmpBack);
    painter.translate(-m_origin);
    painter.setClipRect(area);
    m_renderer.DrawRecord(painter, PixelRect{0, 0, width(), height()}, true);
}

QRect CBaseView::LineStrip(int32_t sample) const {
    const PixelRect& plot = m_layout.m_rcPlot;
    // A two-pixel line covers the row above its y and its own row.
    return {plot.left, m_renderer.LineY(sample) - 1, plot.Width(), 2};
}

template <class Draw> void CBaseView::DrawLinesNow(const QRegion& before, Draw draw, const QRegion& after) {
    if (m_bStale || m_bmpBack.isNull()) {
        // The next render draws the lines where they are now.
        update();
        return;
    }
    {
        QPainter painter(&m_bmpBack);
        painter.translate(-m_origin);
        draw(painter);
    }
    repaint(before.united(after));
}

void CBaseView::MoveDelayLine(int32_t previous) {
    DrawLinesNow(
        LineStrip(previous),
        [&](QPainter& p) { m_renderer.DrawDelayLines(p, LineForm::Incremental, previous); },
        LineStrip(m_doc.DelaySample()));
}

void CBaseView::MoveShiftLine(int32_t previous) {
    DrawLinesNow(
        LineStrip(previous),
        [&](QPainter& p) { m_renderer.DrawShiftLines(p, LineForm::Incremental, previous); },
        LineStrip(m_doc.ShiftSample()));
}

void CBaseView::ShowShiftLines() {
    DrawLinesNow(
        LineStrip(m_doc.ShiftStartSample()),
        [&](QPainter& p) { m_renderer.DrawShiftLines(p, LineForm::Full, 0); },
        LineStrip(m_doc.ShiftSample()));
}

} // namespace kvt
