#include "DisplayCommands.h"

#include "record/CKVTDoc.h"

namespace kvt {

namespace {

DisplayEffect SetFill(CKVTDoc& doc, int32_t mode) {
    doc.m_nFillMode = mode;
    return DisplayEffect::Repaint;
}

DisplayEffect SetScale(CKVTDoc& doc, int32_t mode) {
    if (doc.m_nScaleMode == mode) {
        return DisplayEffect::None;
    }
    doc.m_nScaleMode = mode;
    return DisplayEffect::Repaint;
}

DisplayEffect Stretch(int32_t& factor) {
    if (factor > kMaxStretch - 1) {
        return DisplayEffect::None;
    }
    ++factor;
    return DisplayEffect::Relayout;
}

DisplayEffect Compress(int32_t& factor) {
    if (factor < 2) {
        return DisplayEffect::None;
    }
    --factor;
    return DisplayEffect::Relayout;
}

} // namespace

DisplayEffect RunDisplayCommand(CKVTDoc& doc, DisplayCommand command) {
    switch (command) {
    case DisplayCommand::FillPositive:
        return SetFill(doc, 0);
    case DisplayCommand::FillNegative:
        return SetFill(doc, 1);
    case DisplayCommand::Wiggle:
        return SetFill(doc, 2);
    case DisplayCommand::ScaleGlobal:
        return SetScale(doc, 0);
    case DisplayCommand::ScaleTrace:
        return SetScale(doc, 1);
    case DisplayCommand::Normalize:
        if (doc.m_nScaleMode != 0 && doc.m_nScaleMode != 1) {
            return DisplayEffect::None;
        }
        doc.m_nScaleMode = 1 - doc.m_nScaleMode;
        return DisplayEffect::Repaint;
    case DisplayCommand::StretchH:
        return Stretch(doc.m_nHStretch);
    case DisplayCommand::CompressH:
        return Compress(doc.m_nHStretch);
    case DisplayCommand::StretchV:
        return Stretch(doc.m_nVStretch);
    case DisplayCommand::CompressV:
        return Compress(doc.m_nVStretch);
    }
    return DisplayEffect::None;
}

DisplayCommandState StateOfDisplayCommand(const CKVTDoc& doc, DisplayCommand command) {
    const bool loaded = doc.IsLoaded();
    switch (command) {
    case DisplayCommand::FillPositive:
        return {true, doc.m_nFillMode == 0};
    case DisplayCommand::FillNegative:
        return {true, doc.m_nFillMode == 1};
    case DisplayCommand::Wiggle:
        return {true, doc.m_nFillMode == 2};
    case DisplayCommand::ScaleGlobal:
        return {true, doc.m_nScaleMode == 0};
    case DisplayCommand::ScaleTrace:
        return {true, doc.m_nScaleMode == 1};
    case DisplayCommand::Normalize:
        return {loaded, doc.m_nScaleMode == 1};
    case DisplayCommand::StretchH:
        return {loaded && doc.m_nHStretch < kMaxStretch, false};
    case DisplayCommand::CompressH:
        return {loaded && doc.m_nHStretch > 1, false};
    case DisplayCommand::StretchV:
        return {loaded && doc.m_nVStretch < kMaxStretch, false};
    case DisplayCommand::CompressV:
        return {loaded && doc.m_nVStretch > 1, false};
    }
    return {};
}

void ResetDisplaySettings(CKVTDoc& doc) {
    doc.m_nFillMode = 0;
    doc.m_nScaleMode = 0;
    doc.m_nGainDb = 0;
    doc.m_nAmpRange = 2;
    doc.m_nHStretch = 1;
    doc.m_nVStretch = 1;
}

} // namespace kvt
