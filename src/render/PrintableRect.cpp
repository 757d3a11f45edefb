#include "PrintableRect.h"

#include "base/Truncate.h"
#include "document/CKVTDoc.h"

#include <algorithm>

namespace kvt {

namespace {

int32_t MarginPixels(int32_t dpi, int32_t millimetres) {
    return TruncateToInt32(static_cast<float>(static_cast<int64_t>(dpi) * millimetres) / 25.4f);
}

} // namespace

PixelRect PrintableRect(const CKVTDoc& doc, const PrinterMetrics& p) {
    const auto left =
        static_cast<int64_t>(std::max(MarginPixels(p.dpiX, doc.Margins().m_nMarginLeft), p.offsetX)) -
        p.offsetX;
    const auto top =
        static_cast<int64_t>(std::max(MarginPixels(p.dpiY, doc.Margins().m_nMarginTop), p.offsetY)) -
        p.offsetY;
    const int64_t right = static_cast<int64_t>(p.width) + p.offsetX -
                          std::max(MarginPixels(p.dpiX, doc.Margins().m_nMarginRight), p.offsetX);
    const int64_t bottom = static_cast<int64_t>(p.height) + p.offsetY -
                           std::max(MarginPixels(p.dpiY, doc.Margins().m_nMarginBottom), p.offsetY);
    auto fit = [](int64_t v) { return static_cast<int32_t>(std::clamp<int64_t>(v, INT32_MIN, INT32_MAX)); };
    return {fit(left), fit(top), fit(right), fit(bottom)};
}

} // namespace kvt
