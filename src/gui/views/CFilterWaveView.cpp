#include "CFilterWaveView.h"

#include "document/CKVTDoc.h"

#include <QMouseEvent>
#include <QPainter>

namespace kvt {

CFilterWaveView::CFilterWaveView(CKVTDoc& doc, QWidget* parent) : QWidget(parent), m_doc(doc) {
    // Every pixel comes from the back buffer.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void CFilterWaveView::paintEvent(QPaintEvent*) {
    if (m_bmpBack.size() != size()) {
        m_bmpBack = QImage(size(), QImage::Format_RGB32);
    }
    if (m_bmpBack.isNull()) {
        return;
    }
    {
        QPainter buffer(&m_bmpBack);
        const std::vector<float> spectrum = m_doc.ComputeRecordSpectrum();
        DrawSpectrum(buffer, size(), spectrum, m_doc.SpectrumLength() / 2, m_doc.Filter(),
                     m_doc.FilterCornerHz(), m_doc.Header().m_fSampleInterval, m_layout);
    }
    QPainter(this).drawImage(0, 0, m_bmpBack);
}

void CFilterWaveView::mousePressEvent(QMouseEvent* event) {
    const FilterSettings& settings = m_doc.Filter();
    const FilterType type = settings.m_nFilterType;
    if (event->button() != Qt::LeftButton || !settings.m_bShowGate || !settings.m_bShowControlPoints ||
        (type != FilterType::LowPass && type != FilterType::HighPass)) {
        return;
    }
    const QPoint at = event->position().toPoint();
    m_bDragging = m_layout.m_rcControlPoints[static_cast<size_t>(type)].Contains(at.x(), at.y());
}

void CFilterWaveView::mouseMoveEvent(QMouseEvent* event) {
    if (m_bDragging) {
        DragTo(event->position().toPoint().x());
    }
}

void CFilterWaveView::mouseReleaseEvent(QMouseEvent* event) {
    if (m_bDragging && event->button() == Qt::LeftButton) {
        DragTo(event->position().toPoint().x());
        m_bDragging = false;
    }
}

void CFilterWaveView::DragTo(int x) {
    const FrequencyAxis axis =
        MakeFrequencyAxis(m_doc.Header().m_fSampleInterval, m_doc.Filter().m_nFreqDivisor);
    m_doc.SetFilterCornerHz(CornerAtX(x, m_layout.m_rcFrame, axis.fmax));
    emit CornerDragged();
    update();
}

} // namespace kvt
