// Where on a printer's page a picture goes: the document's print margins measured on that printer.
#pragma once

#include "render/PrintableRect.h"

class QPrinter;

namespace kvt {

class CKVTDoc;

PixelRect PrinterArea(const CKVTDoc& doc, const QPrinter& printer);

} // namespace kvt
