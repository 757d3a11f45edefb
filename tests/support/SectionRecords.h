// Small records for drawing tests (Qt tests only), loaded straight into a document, and pixel helpers.
#pragma once

#include "document/CKVTDoc.h"

#include <QImage>

#include <vector>

namespace kvt::test {

// Traces of one length adopted as if opened (so with the peak magnitude opening computes), receivers
// at 5, 9, 13, ... metres; sampleCount >= 0 makes a header that disagrees with the traces.
inline void LoadTraces(CKVTDoc& doc, const std::vector<std::vector<int32_t>>& traces,
                       int32_t sampleCount = -1) {
    CShotRecord record;
    ShotHeader& h = record.m_header;
    const auto stored = traces.empty() ? 0 : static_cast<int32_t>(traces[0].size());
    h.m_strPathName = "memory.srw";
    h.m_nTraceCount = static_cast<int32_t>(traces.size());
    h.m_nSampleCount = sampleCount < 0 ? stored : sampleCount;
    h.m_fSampleInterval = 10.0f;
    record.m_traces.Allocate(h.m_nTraceCount, stored);
    record.m_traces.m_arrTraces = traces;
    for (int32_t i = 0; i < h.m_nTraceCount; ++i) {
        record.m_receivers.push_back({i + 1, 5.0f + 4.0f * static_cast<float>(i), 0.0f});
    }
    doc.AdoptRecord(std::move(record));
}

inline std::vector<std::vector<int32_t>> ZeroTraces(int32_t count, int32_t samples) {
    return std::vector(static_cast<size_t>(count), std::vector<int32_t>(static_cast<size_t>(samples)));
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

} // namespace kvt::test
