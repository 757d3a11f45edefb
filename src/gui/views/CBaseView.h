// The trace display: a widget as large as the stretched section, showing the picture from a back
// buffer. The buffer holds only the widget's visible part (the widget may be five times the window
// in each direction) and is rendered again when the section changed or another part came into view.
// Line moves while dragging are drawn into the buffer with an inverting raster op, and only their
// strips are repainted. The mouse reads out the sample under it and drives the edit tools.
#pragma once

#include "document/ChangeSet.h"
#include "render/CTraceRenderer.h"
#include "render/TraceLayout.h"

#include <QImage>
#include <QWidget>

namespace kvt {

class CKVTDoc;

class CBaseView : public QWidget {
    Q_OBJECT
public:
    static constexpr int kControlId = 1234;

    explicit CBaseView(CKVTDoc& doc, QWidget* parent = nullptr);

    // The trace whose cell holds the point, or -1. `sample` gets the raw sample row under the point
    // (not clamped to the record), -1 when the point is outside the plot, and stays as it was when
    // the point is in the plot but in no cell or the record has no traces.
    int32_t HitTest(QPoint point, int32_t& sample) const;
    // Every change report of the document: the section is rendered again when it shows what changed.
    void DocumentChanged(ChangeSet changes);

    // Plot rectangle, cells, global scale and drag flag of the last render (hit testing reads them).
    TraceLayout& Layout() { return m_layout; }
    const TraceLayout& Layout() const { return m_layout; }

    // Anything the section shows may have changed: render it again at the next paint.
    void Invalidate();
    // Invalidate and paint at once.
    void Repaint();
    // Renders only this part of the widget again (a dragged trace's reach) and paints it at once.
    void RepaintArea(const QRect& area);
    // The moving delay or shot-time line leaves `previous` for the document's current sample.
    void MoveDelayLine(int32_t previous);
    void MoveShiftLine(int32_t previous);
    // The shot-time reference and moving lines, drawn whole when a trace drag begins.
    void ShowShiftLines();

    const QImage& BackBuffer() const { return m_bmpBack; }
    // The widget pixels the back buffer holds.
    QRect BackBufferArea() const { return {m_origin, m_bmpBack.size()}; }

signals:
    // "通道:..   时间:..ms   数值:.." for the sample under the mouse (the status bar shows it).
    void ReadoutChanged(const QString& text);

protected:
    void paintEvent(QPaintEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    int32_t SampleCount() const;
    int32_t ClampedSample(int32_t sample) const;
    QString Readout(int32_t trace, int32_t sample) const;
    void SelectByClick(int32_t trace, int32_t sample, QPoint point, bool shift);
    void UnselectByClick(int32_t trace, int32_t sample);
    void BeginDrag(int32_t trace, int32_t rawSample);
    void DragTo(int32_t sample);
    void EndDrag(QPoint point);
    // The dragged trace's column, as wide as its clipped wiggle reaches, rendered and painted now.
    void RepaintDraggedTrace();
    // A line move of this view's own, already drawn incrementally: its report must not re-render.
    template <class Move> void MoveOwnLine(Move move);
    void RenderInto(const QRect& area);
    QRect LineStrip(int32_t sample) const;
    template <class Draw> void DrawLinesNow(const QRegion& before, Draw draw, const QRegion& after);

    CKVTDoc& m_doc;
    TraceLayout m_layout;
    CTraceRenderer m_renderer;
    QImage m_bmpBack;
    QPoint m_origin; // widget position of the buffer's top-left pixel
    bool m_bStale = true;
    bool m_bMovingOwnLine = false;
};

} // namespace kvt
