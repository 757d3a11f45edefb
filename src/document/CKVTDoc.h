// The one document: the record, every edit, display, filter and print setting, and the undo history.
// Everything it shows goes through its DocumentHost, and every operation tells the host exactly what
// it changed. Reading is through const accessors; changing is only through the operations.
#pragma once

#include "AreaPoint.h"
#include "DocumentHost.h"
#include "DocumentModes.h"
#include "algorithms/CAlgorithm.h"
#include "formats/FileType.h"
#include "formats/SegyProbe.h"
#include "record/CShotRecord.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace kvt {

class FormatFile;
struct GeometryTexts;

class CKVTDoc {
public:
    static constexpr int32_t kHistoryLimit = 20;

    CKVTDoc();
    explicit CKVTDoc(DocumentHost& host);
    CKVTDoc(const CKVTDoc&) = delete;
    CKVTDoc& operator=(const CKVTDoc&) = delete;

    void SetHost(DocumentHost& host) { m_host = &host; }
    DocumentHost& Host() const { return *m_host; }

    // --- Reading -------------------------------------------------------------------------------
    const CShotRecord& Record() const { return m_record; }
    const ShotHeader& Header() const { return m_record.m_header; }
    const CTraceMatrix& Traces() const { return m_record.m_traces; }
    // A record counts as loaded while it has a path.
    bool IsLoaded() const { return !m_record.m_header.m_strPathName.empty(); }
    std::string GetPathName() const { return m_record.m_header.m_strPathName; }
    bool IsDataChanged() const { return m_bDataChanged; }
    FileType GetFileType() const { return m_nFileType; }
    // The layout of the SEG-Y file the record was read from (KVT's for any other record).
    SegyLayout GetSegyLayout() const { return m_nSegyLayout; }

    const DisplaySettings& Display() const { return m_display; }
    const FilterSettings& Filter() const { return m_filter; }
    const PrintMargins& Margins() const { return m_margins; }

    EditTool GetEditTool() const { return m_nEditTool; }
    SelectMode GetSelectMode() const { return m_nSelectMode; }
    int32_t SelTrace() const { return m_nSelTrace; }
    int32_t AnchorTrace() const { return m_nAnchorTrace; }
    int32_t CopiedTrace() const { return m_nCopiedTrace; }
    const std::vector<int32_t>& SelTraces() const { return m_arrSelTraces; }
    const std::vector<AreaPoint>& AreaPoints() const { return m_arrAreaPoints; }
    int32_t DelayRefSample() const { return m_nDelayRefSample; }
    int32_t DelaySample() const { return m_nDelaySample; }
    int32_t ShiftTrace() const { return m_nShiftTrace; }
    int32_t ShiftStartSample() const { return m_nShiftStartSample; }
    int32_t ShiftSample() const { return m_nShiftSample; }
    // Length N of the last spectrum made.
    int32_t SpectrumLength() const { return m_nSpectrumLength; }

    // --- Opening, saving, resetting ----------------------------------------------------------------
    // Opening a record: reset, the file type from the path (or, when it names none, from the file's
    // first bytes), the reader, the record; on failure "文件打开失败" with the reason, and the document
    // stays empty.
    bool OpenDocument(const std::string& path);
    // Writes the record in the format the path chooses; "保存文件失败" when the writer fails, nothing for
    // a path that names no format. The record's path, flag and history stay as they are.
    bool SaveByPath(const std::string& path);
    // Writes the record as standard SEG-Y (revision 1) with the header's texts, whatever the path's
    // name; otherwise as SaveByPath.
    bool SaveStandardSegy(const std::string& path);
    // "保存": writes the record to the file it came from when it has changed, a standard SEG-Y file
    // in its own layout.
    void SaveCurrent();
    // An empty record, edit state and history; display, filter and print settings and the tool stay.
    void ResetDocument();
    // The display settings and the tool of a freshly started program ("关闭文档" sets them).
    void ResetDisplayAndTool();
    // Puts a record made elsewhere into the document as if it had been opened from its path.
    void AdoptRecord(CShotRecord record);
    // The file type list of the side panel.
    void SetFileType(FileType type);
    void SetDataChanged(bool changed);
    // The project texts of the header as the side panel edits them: committed together (the record
    // counts as changed), or the test date alone as its picker moves (not counted as a change).
    void CommitProjectInfo(const ProjectInfo& info);
    void SetTestDate(const std::string& text);

    // --- Settings ----------------------------------------------------------------------------------
    void SetDisplay(const DisplaySettings& settings);
    void SetFilter(const FilterSettings& settings);
    void SetMargins(const PrintMargins& margins);
    // The corner the filter type uses: the 高通 edit's value for 低通, the 低通 edit's for 高通.
    float FilterCornerHz() const;
    void SetFilterCornerHz(float hz);

    // --- Tool and selection ------------------------------------------------------------------------
    void SetEditTool(EditTool tool);
    void SetSelectMode(SelectMode mode);
    // The single selected trace (-1 for none) and the anchor of Shift ranges.
    void SetSelTrace(int32_t trace);
    void SetAnchorTrace(int32_t trace);
    bool AddSelTrace(int32_t trace);
    bool RemoveSelTrace(int32_t trace);
    void ClearSelTraces();
    bool AddAreaPoint(int32_t trace, int32_t sample, int32_t x, int32_t y);
    bool RemoveAreaPoint(int32_t sample, int32_t trace);
    // No selected trace, no multi-trace selection, no area-edit line.
    void ResetEditState();

    // --- Undo history and trace clipboard ----------------------------------------------------------
    bool CanUndo() const { return m_nUndoPos > 0; }
    bool CanRedo() const { return m_nRedoCount > 0; }
    void Undo();
    void Redo();
    // Copy and paste work on the one selected trace of the area-edit or operation tool.
    bool CanCopyPaste() const;
    void CopyTrace();
    bool PasteTrace();
    // The clipboard's folder; empty means the system's temporary folder.
    void SetClipboardFolder(const std::filesystem::path& folder) { m_clipboardFolder = folder; }
    // The clipboard file, or an empty path when there is no temporary folder.
    std::filesystem::path ClipboardPath() const;

    // Single-trace point files: the selected trace of the area-edit tool from or to a point file.
    bool CanUsePointFile() const;
    bool LoadTraceFromPoint(const std::string& path, bool reportOpenFailure);
    bool SaveTraceToPoint(const std::string& path, bool reportWriteFailure);

    // --- Operation commands, on the part of the record the selection mode marks --------------------
    void OperateAmplify();
    void OperateAttenuate();
    void OperateCut();
    void OperateSwap();
    void OperatePolarity();

    // --- Trigger-delay and shot-time correction ----------------------------------------------------
    // The moving delay line, at a sample of the record.
    void SetDelaySample(int32_t sample);
    // Both delay lines back to one fifth of the record: the palette shows a delay of 0.
    void ResetDelayLines();
    // The delay between the two lines in milliseconds, as the palette shows it.
    float DelayMilliseconds() const;
    // Every trace moved by `shift` samples.
    bool ApplyDelayCorrection(int32_t shift);
    // A trace drag starts at a sample (its reference line) and moves to another; -1 drags nothing.
    void BeginShotTimeShift(int32_t trace, int32_t sample);
    void SetShiftSample(int32_t sample);
    // The dragged trace moved by the distance between its lines.
    void ApplyShotTimeShift();

    // --- Spectrum and filter -----------------------------------------------------------------------
    // The amplitude spectrum of the average trace (of the multi-trace selection in that mode, else of
    // all traces), every divisor-th sample, N = SpectrumLength() entries with the spectrum in the
    // first N/2. Empty when the record has no traces, no samples or no usable sample interval.
    std::vector<float> ComputeRecordSpectrum();
    // Frequency in hertz of entry `index` of the last spectrum (its length and decimation).
    double SpectrumBinHz(int32_t index) const;
    // Whether the corner of the filter type lies strictly between 0 and half the record's sampling
    // frequency, the only corners the Butterworth sections are defined for.
    bool FilterCornerInBand() const;
    // Filters the multi-trace selection (in that mode) or every trace in place, low-pass for 低通 and
    // high-pass for 高通, and marks the data changed; no undo snapshot. Traces the filter is undefined
    // for (silent, too short) stay as they are. A corner outside the band filters nothing: it shows
    // why and leaves the record and its modified mark alone. Returns the number of traces filtered.
    int32_t ApplyFilter();

    // --- Resampling and geometry -------------------------------------------------------------------
    // New sample count and interval (microseconds): traces cut or zero-padded, no interpolation.
    // Marks the record changed and clears the undo history, unless nothing changes. Always true.
    bool ResampleRecord(int32_t newCount, float newIntervalUs);
    // The receivers and the shot point as the arrangement dialog shows them.
    GeometryTexts GeometryAsTexts() const;
    // Reads the dialog's texts back into the receivers (position, station number; never the channel)
    // and the shot point.
    void StoreGeometry(const GeometryTexts& texts);
    // Stores the texts, then continues the first two receivers' positions and station numbers as
    // arithmetic progressions over the rest of the table.
    void AutoFillGeometry(const GeometryTexts& texts);

private:
    // ResetDocument without the report.
    void ClearRecord();
    bool OpenByPath(const std::string& path, FileType type);
    bool OpenSrw(const std::string& path);
    bool OpenSeg2(const std::string& path);
    bool OpenSegy(const std::string& path);
    bool SaveSrw(const std::string& path);
    bool SaveSeg2(const std::string& path);
    bool SaveSegy(const std::string& path);
    // Read a format object and copy it into the record, or show the open failure with its reason.
    bool ReadInto(FormatFile& file, const std::string& path);
    // Copy the record into a format object and write it, or show the save failure.
    bool WriteFrom(FormatFile& file, const std::string& path);

    // Called before an edit changes the samples: discards every redo state and opens a step for the
    // edit, which keeps the traces it changed as they were.
    void PushSnapshot();
    void ClearHistory();
    // Turns the copy taken before the newest edit into its step: only the traces the edit changed.
    void SettleHistory();
    // Exchanges a step's traces with the record's: undoing it, or redoing it once undone.
    void SwapStep(size_t step);
    // After an edit: the data-changed flag set and the host told (samples, flag, and the history when
    // a snapshot was taken).
    void SamplesEdited(bool snapshotTaken);
    void Notify(ChangeSet changes);
    // Stores a value and reports its change kind, when it differs from what was there.
    template <class T> void Assign(T& member, const T& value, Change change) {
        if (!(member == value)) {
            member = value;
            Notify(change);
        }
    }

    // The samples of a trace an edit may change: null unless the index is one of the record's
    // traces and the trace holds the record's sample count.
    int32_t* EditableTrace(int32_t index);
    int32_t SampleCount() const;
    // Samples [begin, end) of one trace of SampleCount() samples.
    struct Region {
        int32_t* trace;
        int32_t begin;
        int32_t end;
    };
    // Whether the selection mode has something selected: the operations' snapshot rule.
    bool HasSelection();
    // The traces the spectrum and the filter work on: the multi-trace selection in its order when that
    // is the mode and it holds entries, every trace otherwise; entries that name no trace are skipped.
    std::vector<int32_t> FilterTraces();
    // The sampling frequency the filter runs at: 10^6 / interval (float), 0 for an unusable interval.
    float FilterSamplingHz() const;
    // The regions the selection mode marks, in selection order, limited to the record's samples.
    std::vector<Region> SelectedRegions();
    // Re-spaces the points strictly between list indices a and b on a straight staircase.
    void InterpolateAreaPoints(int32_t a, int32_t b);

    DocumentHost* m_host;
    std::filesystem::path m_clipboardFolder;

    CShotRecord m_record;
    CAlgorithm m_algorithm;
    FilterSettings m_filter;
    int32_t m_nSpectrumLength = 1024;
    PrintMargins m_margins;
    DisplaySettings m_display;
    bool m_bDataChanged = false;
    SelectMode m_nSelectMode = SelectMode::Above;
    EditTool m_nEditTool = EditTool::None;

    int32_t m_nSelTrace = -1;
    int32_t m_nAnchorTrace = 0;
    int32_t m_nCopiedTrace = -1;
    std::vector<int32_t> m_arrSelTraces;
    std::vector<AreaPoint> m_arrAreaPoints;

    int32_t m_nDelayRefSample = 0;
    int32_t m_nDelaySample = 0;
    int32_t m_nShiftTrace = -1;
    int32_t m_nShiftStartSample = 0;
    int32_t m_nShiftSample = 0;

    // Undo history, oldest step first. A step holds the traces one edit changed as they are on the
    // side of the edit the record is not on: before it while it stands, after it once undone.
    struct HistoryStep {
        std::vector<int32_t> traces;
        std::vector<std::vector<int32_t>> samples;
    };
    int32_t m_nUndoPos = 0; // steps before the record's state
    int32_t m_nRedoCount = 0;
    std::vector<HistoryStep> m_arrHistory;
    // The samples before the newest edit, until SettleHistory compares them with the edit's result;
    // then the memory the next edit's copy goes into, so that an edit does not fault in a record's
    // worth of fresh pages.
    CTraceMatrix m_beforeEdit;
    bool m_bEditOpen = false;

    FileType m_nFileType = FileType::Native;
    SegyLayout m_nSegyLayout = SegyLayout::Kvt;
};

} // namespace kvt
