// Small records for drawing tests (Qt tests only), loaded straight into a document, and pixel helpers.
#pragma once

#include "document/CKVTDoc.h"

#include <QImage>

#include <cstdint>
#include <vector>

namespace kvt::test {

// Traces given sample by sample (all of one length); receivers at 5, 9, 13, ... metres; the peak
// magnitude computed as opening a file computes it.
inline void LoadTraces(CKVTDoc& doc, const std::vector<std::vector<int32_t>>& traces,
                       float interval = 10.0f) {
    CShotRecord record;
    ShotHeader& h = record.m_header;
    h.m_strPathName = "memory.srw";
    h.m_nTraceCount = static_cast<int32_t>(traces.size());
    h.m_nSampleCount = traces.empty() ? 0 : static_cast<int32_t>(traces[0].size());
    h.m_fSampleInterval = interval;
    record.m_traces.Allocate(h.m_nTraceCount, h.m_nSampleCount);
    record.m_traces.m_arrTraces = traces;
    for (int32_t i = 0; i < h.m_nTraceCount; ++i) {
        record.m_receivers.push_back({i + 1, 5.0f + 4.0f * static_cast<float>(i), 0.0f});
    }
    // The peak magnitude is computed as opening a file computes it.
    doc.AdoptRecord(std::move(record));
}

inline std::vector<std::vector<int32_t>> ZeroTraces(int32_t count, int32_t samples) {
    return std::vector<std::vector<int32_t>>(static_cast<size_t>(count),
                                             std::vector<int32_t>(static_cast<size_t>(samples)));
}

inline QImage WhiteImage(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

inline bool IsBlack(const QImage& image, int x, int y) {
    return image.pixel(x, y) == qRgb(0, 0, 0);
}
inline bool IsWhite(const QImage& image, int x, int y) {
    return image.pixel(x, y) == qRgb(255, 255, 255);
}

// Consecutive black rows in column x around row y (0 when (x, y) is not black).
inline int BlackRunHeight(const QImage& image, int x, int y) {
    if (!IsBlack(image, x, y)) {
        return 0;
    }
    int top = y, bottom = y;
    while (top > 0 && IsBlack(image, x, top - 1)) {
        --top;
    }
    while (bottom + 1 < image.height() && IsBlack(image, x, bottom + 1)) {
        ++bottom;
    }
    return bottom - top + 1;
}

} // namespace kvt::test
