#include "DisplayCommands.h"

#include "document/CKVTDoc.h"

namespace kvt {

namespace {

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

// The command's change to the settings and what the view does after it.
DisplayEffect Apply(DisplaySettings& s, DisplayCommand command) {
    switch (command) {
    case DisplayCommand::FillPositive:
        s.m_nFillMode = FillMode::Positive;
        return DisplayEffect::Repaint;
    case DisplayCommand::FillNegative:
        s.m_nFillMode = FillMode::Negative;
        return DisplayEffect::Repaint;
    case DisplayCommand::Wiggle:
        s.m_nFillMode = FillMode::Wiggle;
        return DisplayEffect::Repaint;
    case DisplayCommand::ScaleGlobal:
    case DisplayCommand::ScaleTrace: {
        const ScaleMode mode = command == DisplayCommand::ScaleGlobal ? ScaleMode::Global : ScaleMode::Trace;
        if (s.m_nScaleMode == mode) {
            return DisplayEffect::None;
        }
        s.m_nScaleMode = mode;
        return DisplayEffect::Repaint;
    }
    case DisplayCommand::Normalize:
        s.m_nScaleMode = s.m_nScaleMode == ScaleMode::Global ? ScaleMode::Trace : ScaleMode::Global;
        return DisplayEffect::Repaint;
    case DisplayCommand::StretchH:
        return Stretch(s.m_nHStretch);
    case DisplayCommand::CompressH:
        return Compress(s.m_nHStretch);
    case DisplayCommand::StretchV:
        return Stretch(s.m_nVStretch);
    case DisplayCommand::CompressV:
        return Compress(s.m_nVStretch);
    }
    return DisplayEffect::None;
}

} // namespace

DisplayEffect RunDisplayCommand(CKVTDoc& doc, DisplayCommand command) {
    DisplaySettings settings = doc.Display();
    const DisplayEffect effect = Apply(settings, command);
    doc.SetDisplay(settings);
    return effect;
}

DisplayCommandState StateOfDisplayCommand(const CKVTDoc& doc, DisplayCommand command) {
    const bool loaded = doc.IsLoaded();
    const DisplaySettings& s = doc.Display();
    switch (command) {
    case DisplayCommand::FillPositive:
        return {true, s.m_nFillMode == FillMode::Positive};
    case DisplayCommand::FillNegative:
        return {true, s.m_nFillMode == FillMode::Negative};
    case DisplayCommand::Wiggle:
        return {true, s.m_nFillMode == FillMode::Wiggle};
    case DisplayCommand::ScaleGlobal:
        return {true, s.m_nScaleMode == ScaleMode::Global};
    case DisplayCommand::ScaleTrace:
        return {true, s.m_nScaleMode == ScaleMode::Trace};
    case DisplayCommand::Normalize:
        return {loaded, s.m_nScaleMode == ScaleMode::Trace};
    case DisplayCommand::StretchH:
        return {loaded && s.m_nHStretch < kMaxStretch, false};
    case DisplayCommand::CompressH:
        return {loaded && s.m_nHStretch > 1, false};
    case DisplayCommand::StretchV:
        return {loaded && s.m_nVStretch < kMaxStretch, false};
    case DisplayCommand::CompressV:
        return {loaded && s.m_nVStretch > 1, false};
    }
    return {};
}

} // namespace kvt
