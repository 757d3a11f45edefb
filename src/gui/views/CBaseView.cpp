#include "CBaseView.h"

#include "document/CKVTDoc.h"

#include <QContextMenuEvent>
#include <QPaintEvent>
#include <QPainter>

namespace kvt {

CBaseView::CBaseView(CKVTDoc& doc, QWidget* parent) : QWidget(parent), m_doc(doc), m_renderer(doc, m_layout) {
    setObjectName(QStringLiteral("id%1").arg(kControlId));
    // Every pixel comes from the buffer: nothing to erase first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setGeometry(0, 0, 100, 100);
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
