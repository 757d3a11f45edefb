// The document's undo history of sample snapshots and its one-trace clipboard file.
#include "CKVTDoc.h"

namespace kvt {

namespace {
constexpr const char* kClipboardName = "DLQKVT_COPY_DATA.POINT";
} // namespace

void CKVTDoc::PushSnapshot() {
    if (m_arrHistory.size() > static_cast<size_t>(m_nUndoPos)) {
        m_arrHistory.resize(static_cast<size_t>(m_nUndoPos));
    }
    if (m_nUndoPos >= kHistoryLimit) {
        m_nUndoPos = kHistoryLimit;
        // Drop the oldest before copying, so no more than the limit of snapshots exist at once.
        m_arrHistory.erase(m_arrHistory.begin());
    } else {
        ++m_nUndoPos;
    }
    m_arrHistory.push_back(m_record.m_traces);
    m_nRedoCount = 0;
}

void CKVTDoc::Undo() {
    if (m_nUndoPos <= 0) {
        return;
    }
    if (m_nUndoPos == static_cast<int32_t>(m_arrHistory.size())) {
        // The current state becomes the newest entry, so a redo can come back to it.
        PushSnapshot();
        m_record.m_traces = m_arrHistory[static_cast<size_t>(m_nUndoPos - 2)];
        m_nUndoPos -= 2;
        m_nRedoCount = 1;
    } else {
        m_record.m_traces = m_arrHistory[static_cast<size_t>(m_nUndoPos - 1)];
        --m_nUndoPos;
        ++m_nRedoCount;
    }
    SamplesEdited(true);
}

void CKVTDoc::Redo() {
    const auto next = static_cast<size_t>(m_nUndoPos) + 1;
    if (m_nRedoCount <= 0 || next >= m_arrHistory.size()) {
        return;
    }
    ++m_nUndoPos;
    --m_nRedoCount;
    m_record.m_traces = m_arrHistory[next];
    SamplesEdited(true);
}

void CKVTDoc::ClearHistory() {
    m_nUndoPos = 0;
    m_nRedoCount = 0;
    m_arrHistory.clear();
}

bool CKVTDoc::CanCopyPaste() const {
    return (m_nEditTool == EditTool::AreaEdit || m_nEditTool == EditTool::Operation) &&
           m_nSelectMode == SelectMode::SingleTrace;
}

std::filesystem::path CKVTDoc::ClipboardPath() const {
    if (!m_clipboardFolder.empty()) {
        return m_clipboardFolder / kClipboardName;
    }
    std::error_code error;
    const std::filesystem::path folder = std::filesystem::temp_directory_path(error);
    return error ? std::filesystem::path() : folder / kClipboardName;
}

void CKVTDoc::CopyTrace() {
    if (!CanCopyPaste() || EditableTrace(m_nSelTrace) == nullptr) {
        return;
    }
    m_nCopiedTrace = m_nSelTrace;
    Notify(Change::Selection);
    const std::filesystem::path path = ClipboardPath();
    if (!path.empty()) {
        SaveTraceToPoint(path.string(), false);
    }
}

bool CKVTDoc::PasteTrace() {
    if (!CanCopyPaste() || EditableTrace(m_nSelTrace) == nullptr) {
        return false;
    }
    const std::filesystem::path path = ClipboardPath();
    return !path.empty() && LoadTraceFromPoint(path.string(), false);
}

} // namespace kvt
