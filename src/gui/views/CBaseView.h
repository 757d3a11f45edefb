// The trace display: a widget as large as the stretched section, showing the picture from a back
// buffer. The buffer holds only the widget's visible part (the widget may be five times the window
// in each direction) and is rendered again when the section changed or another part came into view.
// Line moves while dragging are drawn into the buffer with an inverting raster op, and only their
// strips are repainted.
#pragma once

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

protected:
    void paintEvent(QPaintEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void RenderInto(const QRect& area);
    QRect LineStrip(int32_t sample) const;
    template <class Draw> void DrawLinesNow(const QRegion& before, Draw draw, const QRegion& after);

    CKVTDoc& m_doc;
    TraceLayout m_layout;
    CTraceRenderer m_renderer;
    QImage m_bmpBack;
    QPoint m_origin; // widget position of the buffer's top-left pixel
    bool m_bStale = true;
};

} // namespace kvt
