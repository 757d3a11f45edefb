#include "CMainFormView.h"
#include "PrinterArea.h"
#include "document/CKVTDoc.h"
#include "gui/dialogs/CWaveViewSetDlg.h"
#include "render/CTraceRenderer.h"

#include <QPainter>
#include <QPrinter>
#include <QResizeEvent>
#include <QScrollBar>

namespace kvt {

namespace {

// Offset of the display for scroll position p: the whole stretched excess spread over the bar's
// range, in integer arithmetic from left to right.
int32_t Offset(int32_t client, int32_t stretch, const QScrollBar& bar) {
    const int64_t span = static_cast<int64_t>(bar.maximum()) - bar.minimum();
    if (span <= 0) {
        return 0;
    }
    return static_cast<int32_t>(static_cast<int64_t>(client) * (stretch - 1) * bar.value() / span);
}

} // namespace

CMainFormView::CMainFormView(CKVTDoc& doc, QWidget* parent)
    : QAbstractScrollArea(parent), m_doc(doc), m_wndTrace(new CBaseView(doc, viewport())) {
    // The scroll total is one pixel larger than the display, so both bars are always there.
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_wndTrace->show();
}

void CMainFormView::Relayout() {
    SizeTo(viewport()->width(), viewport()->height());
}

void CMainFormView::resizeEvent(QResizeEvent* event) {
    SizeTo(event->size().width(), event->size().height());
}

void CMainFormView::SizeTo(int32_t cx, int32_t cy) {
    horizontalScrollBar()->setValue(0);
    verticalScrollBar()->setValue(0);
    m_nScrollX = 0;
    m_nScrollY = 0;
    const int32_t w = cx * m_doc.Display().m_nHStretch;
    const int32_t h = cy * m_doc.Display().m_nVStretch;
    m_wndTrace->setGeometry(0, 0, w, h);
    m_wndTrace->Invalidate();
    horizontalScrollBar()->setRange(0, std::max(w + 1 - cx, 0));
    horizontalScrollBar()->setPageStep(cx);
    horizontalScrollBar()->setSingleStep(1);
    verticalScrollBar()->setRange(0, std::max(h + 1 - cy, 0));
    verticalScrollBar()->setPageStep(cy);
    verticalScrollBar()->setSingleStep(1);
}

void CMainFormView::scrollContentsBy(int, int) {
    m_nScrollX = Offset(viewport()->width(), m_doc.Display().m_nHStretch, *horizontalScrollBar());
    m_nScrollY = Offset(viewport()->height(), m_doc.Display().m_nVStretch, *verticalScrollBar());
    PlaceTrace();
}

void CMainFormView::PlaceTrace() {
    m_wndTrace->move(-m_nScrollX, -m_nScrollY);
    viewport()->update();
}

void CMainFormView::RunCommand(DisplayCommand command) {
    switch (RunDisplayCommand(m_doc, command)) {
    case DisplayEffect::Repaint:
        m_wndTrace->Repaint();
        break;
    case DisplayEffect::Relayout:
        Relayout();
        break;
    case DisplayEffect::None:
        break;
    }
}

void CMainFormView::ShowWaveViewSettings() {
    CWaveViewSetDlg dialog(
        m_doc, [this] { m_wndTrace->Repaint(); }, this);
    dialog.exec();
}

void CMainFormView::RenderOutput(QPainter& painter, const PixelRect& rect) {
    m_outputLayout.m_bDragging = false;
    CTraceRenderer(m_doc, m_outputLayout).DrawRecord(painter, rect, false);
}

const QImage& CMainFormView::RenderToImage(int32_t width, int32_t height) {
    m_bmpOutput = QImage();
    if (width <= 0 || height <= 0) {
        return m_bmpOutput;
    }
    m_bmpOutput = QImage(width, height, QImage::Format_RGB32);
    if (m_bmpOutput.isNull()) {
        return m_bmpOutput;
    }
    m_bmpOutput.fill(Qt::white);
    QPainter painter(&m_bmpOutput);
    RenderOutput(painter, PixelRect{0, 0, width, height});
    return m_bmpOutput;
}

PixelRect CMainFormView::PreparePrinter(const QPrinter& printer) {
    m_rcPrint = PrinterArea(m_doc, printer);
    return m_rcPrint;
}

void CMainFormView::Print(QPrinter& printer) {
    PreparePrinter(printer);
    QPainter painter(&printer);
    RenderOutput(painter, m_rcPrint);
}

} // namespace kvt
