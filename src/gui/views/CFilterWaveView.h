// The filter dialog's spectrum view: the record's amplitude spectrum, recomputed and drawn into a back
// buffer at every paint so that dragging does not flicker, with the gate of the filter type. The
// gate's control point can be dragged along the frequency axis, which sets the type's corner.
#pragma once

#include "render/SpectrumPlot.h"

#include <QImage>
#include <QWidget>

namespace kvt {

class CKVTDoc;

class CFilterWaveView : public QWidget {
    Q_OBJECT
public:
    explicit CFilterWaveView(CKVTDoc& doc, QWidget* parent = nullptr);

    // Frame and control points of the last paint.
    const SpectrumLayout& Layout() const { return m_layout; }
    const QImage& BackBuffer() const { return m_bmpBack; }
    bool IsDragging() const { return m_bDragging; }

signals:
    // A drag moved the corner; the dialog shows the new value in its edits.
    void CornerDragged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void DragTo(int x);

    CKVTDoc& m_doc;
    QImage m_bmpBack;
    SpectrumLayout m_layout;
    bool m_bDragging = false;
};

} // namespace kvt
