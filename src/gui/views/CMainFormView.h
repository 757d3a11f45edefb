// The main view: hosts the trace display, makes it the visible size times the stretch factors and
// scrolls it by moving it, so that at the end of a scroll bar the display's far edge meets the
// window's. It also draws the output picture (no edit overlays) for image files and printing.
#pragma once

#include "CBaseView.h"
#include "render/DisplayCommands.h"
#include "render/TraceLayout.h"

#include <QAbstractScrollArea>
#include <QImage>

class QPainter;
class QPrinter;

namespace kvt {

class CKVTDoc;

class CMainFormView : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit CMainFormView(CKVTDoc& doc, QWidget* parent = nullptr);

    CBaseView& TraceView() { return *m_wndTrace; }
    int32_t ScrollX() const { return m_nScrollX; }
    int32_t ScrollY() const { return m_nScrollY; }

    // The size handling again with the current client size: scroll positions back to 0, the display
    // resized to the stretched size and repainted.
    void Relayout();
    // A display-menu command, followed by the repaint or re-layout it asks for.
    void RunCommand(DisplayCommand command);
    // "设置(&S)...": the wave display settings dialog, modal.
    void ShowWaveViewSettings();

    // The picture without overlays into `rect` of any painter; the plot geometry goes to this view's
    // own output layout, never to the display's, and no trace is ever shown dragged.
    void RenderOutput(QPainter& painter, const PixelRect& rect);
    // The output picture as a bitmap of the given size (null when a side is not positive).
    const QImage& RenderToImage(int32_t width, int32_t height);
    // The printable rectangle for this printer from the document's margins.
    PixelRect PreparePrinter(const QPrinter& printer);
    // One page: the output picture in the printable rectangle.
    void Print(QPrinter& printer);
    const TraceLayout& OutputLayout() const { return m_outputLayout; }
    const PixelRect& PrintRect() const { return m_rcPrint; }

protected:
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

private:
    void SizeTo(int32_t cx, int32_t cy);
    void PlaceTrace();

    CKVTDoc& m_doc;
    CBaseView* m_wndTrace;
    QImage m_bmpOutput;
    int32_t m_nScrollX = 0;
    int32_t m_nScrollY = 0;
    TraceLayout m_outputLayout;
    PixelRect m_rcPrint;
};

} // namespace kvt
