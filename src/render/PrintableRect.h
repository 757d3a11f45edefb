// Where the section goes on a printed page: the document's margins, measured from the paper's edge
// and never inside the printer's unprintable border, in the printer's own pixels.
#pragma once

#include "TraceLayout.h"

#include <cstdint>

namespace kvt {

class CKVTDoc;

struct PrinterMetrics {
    int32_t offsetX = 0; // unprintable border at the left and top of the paper, pixels
    int32_t offsetY = 0;
    int32_t dpiX = 0;
    int32_t dpiY = 0;
    int32_t width = 0; // printable area, pixels
    int32_t height = 0;
};

// In the printable area's coordinates (its origin at the first printable pixel).
PixelRect PrintableRect(const CKVTDoc& doc, const PrinterMetrics& printer);

} // namespace kvt
