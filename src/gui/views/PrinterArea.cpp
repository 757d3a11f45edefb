#include "PrinterArea.h"

#include <QPrinter>

namespace kvt {

PixelRect PrinterArea(const CKVTDoc& doc, const QPrinter& printer) {
    const QRect paper = printer.paperRect(QPrinter::DevicePixel).toRect();
    const QRect page = printer.pageRect(QPrinter::DevicePixel).toRect();
    PrinterMetrics metrics;
    metrics.offsetX = page.left() - paper.left();
    metrics.offsetY = page.top() - paper.top();
    metrics.dpiX = printer.logicalDpiX();
    metrics.dpiY = printer.logicalDpiY();
    metrics.width = page.width();
    metrics.height = page.height();
    return PrintableRect(doc, metrics);
}

} // namespace kvt
