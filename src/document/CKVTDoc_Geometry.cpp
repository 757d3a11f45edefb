// The receiver and shot geometry of the open record, as the arrangement dialog shows and edits it.
#include "CKVTDoc.h"
#include "GeometryArrangement.h"
#include "base/NumberText.h"

#include <cmath>
#include <cstdio>
#include <limits>

namespace kvt {

namespace {

std::string FormatFixed2(float value) {
    char text[64];
    std::snprintf(text, sizeof text, "%.2f", static_cast<double>(value));
    return text;
}

// A typed number as a float: the leading number of the text, 0 when there is none; numbers beyond
// the float range become infinities, as a plain conversion would give them.
float ReadFloat(const std::string& text) {
    const double value = ParseLeadingFloat(text);
    if (std::fabs(value) > static_cast<double>(std::numeric_limits<float>::max())) {
        const float infinity = std::numeric_limits<float>::infinity();
        return value > 0.0 ? infinity : -infinity;
    }
    return static_cast<float>(value);
}

// The texts into the record; the callers report the change once.
void StoreTexts(const GeometryTexts& texts, CShotRecord& record) {
    auto& receivers = record.m_receivers;
    for (size_t i = 0; i < receivers.size() && i < texts.rows.size(); ++i) {
        receivers[i].fPosition = ReadFloat(texts.rows[i].position);
        receivers[i].fCdp = ReadFloat(texts.rows[i].cdp);
    }
    record.m_shot.fNumber = ReadFloat(texts.shotNumber);
    record.m_shot.fX = ReadFloat(texts.shotX);
    record.m_shot.fY = ReadFloat(texts.shotY);
}

} // namespace

GeometryTexts CKVTDoc::GeometryAsTexts() const {
    GeometryTexts texts;
    for (const ReceiverPoint& r : m_record.m_receivers) {
        texts.rows.push_back({std::to_string(r.nChannel), FormatFixed2(r.fPosition), FormatFixed2(r.fCdp)});
    }
    texts.shotNumber = FormatFixed2(m_record.m_shot.fNumber);
    texts.shotX = FormatFixed2(m_record.m_shot.fX);
    texts.shotY = FormatFixed2(m_record.m_shot.fY);
    return texts;
}

void CKVTDoc::StoreGeometry(const GeometryTexts& texts) {
    StoreTexts(texts, m_record);
    Notify(Change::Header);
}

void CKVTDoc::AutoFillGeometry(const GeometryTexts& texts) {
    StoreTexts(texts, m_record);
    ContinueReceiverProgression(m_record.m_receivers);
    Notify(Change::Header);
}

} // namespace kvt
