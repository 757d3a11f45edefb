// The document's undo history of changed traces and its one-trace clipboard file.
#include "CKVTDoc.h"

#include <utility>

namespace kvt {

namespace {
constexpr const char* kClipboardName = "DLQKVT_COPY_DATA.POINT";
} // namespace

// The step count equals the undo position while the record is the newest state, and exceeds it by
// the redo count once undone. An edit is only known after it is made, so the samples are copied before
// it and its step is settled at the next history operation.
void CKVTDoc::PushSnapshot() {
    SettleHistory();
    m_arrHistory.resize(static_cast<size_t>(m_nUndoPos));
    if (m_nUndoPos >= kHistoryLimit) {
        m_nUndoPos = kHistoryLimit;
        m_arrHistory.erase(m_arrHistory.begin());
    } else {
        ++m_nUndoPos;
    }
    m_beforeEdit = m_record.m_traces;
    m_bEditOpen = true;
    m_nRedoCount = 0;
}

void CKVTDoc::SettleHistory() {
    if (!m_bEditOpen) {
        return;
    }
    HistoryStep step;
    auto& before = m_beforeEdit.m_arrTraces;
    const auto& after = m_record.m_traces.m_arrTraces;
    for (size_t i = 0; i < before.size() && i < after.size(); ++i) {
        if (before[i] != after[i]) {
            step.traces.push_back(static_cast<int32_t>(i));
            step.samples.push_back(std::move(before[i]));
        }
    }
    m_arrHistory.push_back(std::move(step));
    // The unchanged traces keep their memory for the next edit's copy.
    m_bEditOpen = false;
}

void CKVTDoc::SwapStep(size_t step) {
    HistoryStep& s = m_arrHistory[step];
    for (size_t k = 0; k < s.traces.size(); ++k) {
        std::swap(m_record.m_traces.m_arrTraces[static_cast<size_t>(s.traces[k])], s.samples[k]);
    }
}

void CKVTDoc::Undo() {
    if (m_nUndoPos <= 0) {
        return;
    }
    SettleHistory();
    // Undoing from the newest state keeps it as a state to redo to, so a full history loses its
    // oldest step, as a new edit would.
    if (m_nUndoPos >= kHistoryLimit && static_cast<size_t>(m_nUndoPos) == m_arrHistory.size()) {
        m_arrHistory.erase(m_arrHistory.begin());
        --m_nUndoPos;
    }
    --m_nUndoPos;
    SwapStep(static_cast<size_t>(m_nUndoPos));
    m_nRedoCount = static_cast<int32_t>(m_arrHistory.size()) - m_nUndoPos;
    SamplesEdited(true);
}

void CKVTDoc::Redo() {
    if (m_nRedoCount <= 0) {
        return;
    }
    SwapStep(static_cast<size_t>(m_nUndoPos));
    ++m_nUndoPos;
    --m_nRedoCount;
    SamplesEdited(true);
}

void CKVTDoc::ClearHistory() {
    m_nUndoPos = 0;
    m_nRedoCount = 0;
    m_arrHistory.clear();
    m_beforeEdit = CTraceMatrix();
    m_bEditOpen = false;
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
