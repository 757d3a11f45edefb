#include "CKVTDoc.h"

#include "DelayArithmetic.h"
#include "Messages.h"
#include "formats/CSeg2File.h"
#include "formats/CSegyFile.h"
#include "formats/CSrwFile.h"
#include "formats/CStandardSegyFile.h"

#include <algorithm>

namespace kvt {

namespace {

SilentHost g_silentHost;

// Everything a reset changes, so that opening can report its reset and its new record at once.
constexpr ChangeSet kRecordReplaced = Change::Record | Change::Samples | Change::Header | Change::Selection |
                                      Change::Tool | Change::Modified | Change::History;

// The record takes a format object's numbers, receivers, shot point and samples. Traces that have the
// header's shape, as every reader leaves them, move across; any others are copied into that shape.
void TakeIntoRecord(FormatFile& file, CShotRecord& record, const std::string& path) {
    file.CopyNumericTo(record.m_header);
    record.m_receivers = file.m_receivers;
    record.m_shot = file.m_shot;
    const ShotHeader& h = record.m_header;
    const bool shaped = h.m_nTraceCount >= 0 && h.m_nSampleCount >= 0 &&
                        file.m_arrTraces.size() == static_cast<size_t>(h.m_nTraceCount) &&
                        std::all_of(file.m_arrTraces.begin(), file.m_arrTraces.end(), [&](const auto& trace) {
                            return trace.size() == static_cast<size_t>(h.m_nSampleCount);
                        });
    if (shaped) {
        record.m_traces.Clear();
        record.m_traces.m_nSamples = h.m_nSampleCount;
        record.m_traces.m_arrTraces = std::move(file.m_arrTraces);
    } else {
        record.m_traces.Allocate(h.m_nTraceCount, h.m_nSampleCount);
        for (int32_t i = 0; i < h.m_nTraceCount && static_cast<size_t>(i) < file.m_arrTraces.size(); ++i) {
            const auto& source = file.m_arrTraces[static_cast<size_t>(i)];
            const size_t n = std::min(source.size(), static_cast<size_t>(std::max(h.m_nSampleCount, 0)));
            std::copy_n(source.begin(), n, record.m_traces.m_arrTraces[static_cast<size_t>(i)].begin());
        }
    }
    record.m_header.m_strPathName = path;
    record.m_nSampleScalePower = file.m_nSampleScalePower;
    record.UpdateMaxAbs();
}

// A format object takes the record's numbers and a copy of every trace.
void CopyFromRecord(const CShotRecord& record, FormatFile& file) {
    file.CopyNumericFrom(record.m_header);
    const ShotHeader& h = record.m_header;
    file.m_arrTraces.clear();
    for (int32_t i = 0; i < h.m_nTraceCount; ++i) {
        const int32_t* samples = record.m_traces.TraceAt(i);
        std::vector<int32_t> copy(static_cast<size_t>(std::max(h.m_nSampleCount, 0)), 0);
        if (samples != nullptr) {
            std::copy_n(samples,
                        std::min<size_t>(copy.size(), static_cast<size_t>(record.m_traces.m_nSamples)),
                        copy.begin());
        }
        file.m_arrTraces.push_back(std::move(copy));
    }
}

} // namespace

CKVTDoc::CKVTDoc() : m_host(&g_silentHost) {
    ResetDocument();
}

CKVTDoc::CKVTDoc(DocumentHost& host) : m_host(&host) {
    ResetDocument();
}

void CKVTDoc::Notify(ChangeSet changes) {
    if (!changes.Empty()) {
        m_host->Changed(changes);
    }
}

void CKVTDoc::SetDataChanged(bool changed) {
    m_bDataChanged = changed;
    // The side panel refills the header fields and marks the file whenever the flag is set.
    Notify(Change::Modified | Change::Header);
}

void CKVTDoc::CommitProjectInfo(const ProjectInfo& info) {
    ShotHeader& header = m_record.m_header;
    header.m_strProject = info.m_strProject;
    header.m_strCompany = info.m_strCompany;
    header.m_strOperator = info.m_strOperator;
    header.m_strProfile = info.m_strProfile;
    header.m_strTestDate = info.m_strTestDate;
    SetDataChanged(true);
}

void CKVTDoc::SetTestDate(const std::string& text) {
    Assign(m_record.m_header.m_strTestDate, text, Change::Header);
}

void CKVTDoc::SamplesEdited(bool snapshotTaken) {
    m_bDataChanged = true;
    ChangeSet changes = Change::Samples | Change::Modified | Change::Header;
    if (snapshotTaken) {
        changes |= Change::History;
    }
    Notify(changes);
}

void CKVTDoc::ResetDocument() {
    ClearRecord();
    Notify(kRecordReplaced);
}

void CKVTDoc::ClearRecord() {
    const int32_t oldSamples = m_record.m_header.m_nSampleCount;
    m_nCopiedTrace = -1;
    m_nShiftTrace = -1;
    m_bDataChanged = false;
    m_nSegyLayout = SegyLayout::Kvt;
    m_nSelectMode = SelectMode::Above;
    m_nDelayRefSample = DelayReferenceSample(oldSamples);
    m_nDelaySample = m_nDelayRefSample;
    m_nShiftStartSample = 0;
    m_nShiftSample = 0;
    m_record.Reset();
    m_nSelTrace = -1;
    m_nAnchorTrace = 0;
    m_arrSelTraces.clear();
    m_arrAreaPoints.clear();
    ClearHistory();
}

void CKVTDoc::ResetDisplayAndTool() {
    Assign(m_display, DisplaySettings(), Change::Display);
    Assign(m_nEditTool, EditTool::None, Change::Tool);
}

void CKVTDoc::AdoptRecord(CShotRecord record) {
    ClearRecord();
    m_record = std::move(record);
    m_record.UpdateMaxAbs();
    Notify(kRecordReplaced);
}

void CKVTDoc::SetFileType(FileType type) {
    Assign(m_nFileType, type, Change::Header);
}

void CKVTDoc::SetDisplay(const DisplaySettings& settings) {
    Assign(m_display, settings, Change::Display);
}

void CKVTDoc::SetFilter(const FilterSettings& settings) {
    Assign(m_filter, settings, Change::Filter);
}

void CKVTDoc::SetMargins(const PrintMargins& margins) {
    Assign(m_margins, margins, Change::Margins);
}

void CKVTDoc::SetEditTool(EditTool tool) {
    Assign(m_nEditTool, tool, Change::Tool);
}

void CKVTDoc::SetSelectMode(SelectMode mode) {
    Assign(m_nSelectMode, mode, Change::Tool);
}

int32_t CKVTDoc::SampleCount() const {
    return std::max(m_record.m_header.m_nSampleCount, 0);
}

int32_t* CKVTDoc::EditableTrace(int32_t index) {
    if (index < 0 || index >= m_record.m_header.m_nTraceCount || index >= m_record.m_traces.TraceCount()) {
        return nullptr;
    }
    auto& trace = m_record.m_traces.m_arrTraces[static_cast<size_t>(index)];
    return trace.size() >= static_cast<size_t>(SampleCount()) ? trace.data() : nullptr;
}

bool CKVTDoc::OpenDocument(const std::string& path) {
    // One report for the reset and the record that replaces it (or the empty one a failure leaves).
    ClearRecord();
    FileType type = FileType::Native;
    bool opened = false;
    if (const ReadError error = RecordFileType(path, type); error != ReadError::None) {
        m_host->ShowMessage(OpenFailedMessage(error));
    } else {
        m_nFileType = type;
        opened = OpenByPath(path, type);
    }
    Notify(kRecordReplaced);
    return opened;
}

bool CKVTDoc::OpenByPath(const std::string& path, FileType type) {
    switch (type) {
    case FileType::Native:
        return OpenSrw(path);
    case FileType::Seg2:
        return OpenSeg2(path);
    case FileType::Segy:
        return OpenSegy(path);
    }
    return false;
}

bool CKVTDoc::SaveByPath(const std::string& path) {
    const std::optional<FileType> type = FileTypeOfPath(path);
    if (!type) {
        return false;
    }
    switch (*type) {
    case FileType::Native:
        return SaveSrw(path);
    case FileType::Seg2:
        return SaveSeg2(path);
    case FileType::Segy:
        return SaveSegy(path);
    }
    return false;
}

bool CKVTDoc::ReadInto(FormatFile& file, const std::string& path) {
    if (const ReadError error = file.Read(path); error != ReadError::None) {
        m_host->ShowMessage(OpenFailedMessage(error));
        return false;
    }
    TakeIntoRecord(file, m_record, path);
    return true;
}

bool CKVTDoc::WriteFrom(FormatFile& file, const std::string& path) {
    CopyFromRecord(m_record, file);
    const bool ok = file.Write(path);
    if (!ok) {
        m_host->ShowMessage(SaveFailedMessage());
    }
    return ok;
}

bool CKVTDoc::OpenSrw(const std::string& path) {
    CSrwFile file;
    if (!ReadInto(file, path)) {
        return false;
    }
    file.CopyTextsTo(m_record.m_header);
    return true;
}

// SEG-2 and SEG-Y carry no header texts: the record keeps the ones it had.
bool CKVTDoc::OpenSeg2(const std::string& path) {
    CSeg2File file;
    return ReadInto(file, path);
}

bool CKVTDoc::OpenSegy(const std::string& path) {
    CSegyFile file;
    const bool opened = ReadInto(file, path);
    m_nSegyLayout = file.m_layout;
    return opened;
}

// The native file stores the texts but neither the receiver table nor the shot point; SEG-2 and
// SEG-Y the other way round.
bool CKVTDoc::SaveSrw(const std::string& path) {
    CSrwFile file;
    file.CopyTextsFrom(m_record.m_header);
    return WriteFrom(file, path);
}

bool CKVTDoc::SaveSeg2(const std::string& path) {
    CSeg2File file;
    file.m_receivers = m_record.m_receivers;
    file.m_shot = m_record.m_shot;
    return WriteFrom(file, path);
}

bool CKVTDoc::SaveSegy(const std::string& path) {
    CSegyFile file;
    file.m_receivers = m_record.m_receivers;
    file.m_shot = m_record.m_shot;
    return WriteFrom(file, path);
}

bool CKVTDoc::SaveStandardSegy(const std::string& path) {
    CStandardSegyFile file;
    file.CopyTextsFrom(m_record.m_header);
    file.m_receivers = m_record.m_receivers;
    file.m_shot = m_record.m_shot;
    file.m_nSampleScalePower = m_record.m_nSampleScalePower;
    return WriteFrom(file, path);
}

void CKVTDoc::SaveCurrent() {
    if (!m_bDataChanged) {
        return;
    }
    // A standard SEG-Y file stays one that other programs read.
    const std::string path = GetPathName();
    const bool standard = m_nSegyLayout == SegyLayout::Standard && FileTypeOfPath(path) == FileType::Segy;
    if (!(standard ? SaveStandardSegy(path) : SaveByPath(path))) {
        return;
    }
    ClearHistory();
    m_bDataChanged = false;
    Notify(Change::Modified | Change::Header | Change::History);
}

} // namespace kvt
