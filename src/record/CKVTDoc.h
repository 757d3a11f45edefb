// The one document: the record, every edit, display, filter and print setting, and the undo history.
// Opening and saving choose the format from the path. Everything the document shows goes through
// its DocumentHost.
#pragma once

#include "AreaPoint.h"
#include "CShotRecord.h"
#include "DocumentHost.h"
#include "algorithms/CAlgorithm.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace kvt {

class FormatFile;
struct GeometryTexts;

enum FileType : int32_t { kFileNative = 0, kFileSeg2 = 1, kFileSegy = 2 };

class CKVTDoc {
public:
    CKVTDoc();
    explicit CKVTDoc(DocumentHost& host);
    CKVTDoc(const CKVTDoc&) = delete;
    CKVTDoc& operator=(const CKVTDoc&) = delete;

    void SetHost(DocumentHost& host) { m_host = &host; }
    DocumentHost& Host() const { return *m_host; }

    // The record: header, samples, receivers, shot point, peak magnitude.
    CShotRecord m_record;
    CAlgorithm m_algorithm;

    // Filter and spectrum settings.
    int32_t m_nFilterType = 0;
    float m_fLowPassHz = 1000.0f;
    float m_fHighPassHz = 0.0f;
    float m_fLowSlope = 0.0f;
    float m_fHighSlope = 0.0f;
    int32_t m_nSpectrumLength = 1024;
    int32_t m_nFreqDivisor = 4;
    uint32_t m_crSpectrumBack = 0;
    uint32_t m_crSpectrumCurve = 0x0000FF;
    uint32_t m_crGateCurve = 0x00FF00;
    bool m_bSpectrumFill = true;
    bool m_bShowGate = true;
    bool m_bShowGrid = true;
    bool m_bShowControlPoints = true;

    // Print margins in millimetres.
    int32_t m_nMarginLeft = 0;
    int32_t m_nMarginRight = 0;
    int32_t m_nMarginTop = 0;
    int32_t m_nMarginBottom = 0;

    // Display settings.
    int32_t m_nGainDb = 0;
    int32_t m_nAmpRange = 2;
    int32_t m_nHStretch = 1;
    int32_t m_nVStretch = 1;

    bool m_bDataChanged = false;

    int32_t m_nScaleMode = 0;
    int32_t m_nFillMode = 0;
    int32_t m_nSelectMode = 0;
    int32_t m_nEditTool = 0;

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

    // Undo history: snapshots of the samples, oldest first.
    int32_t m_nUndoPos = 0;
    int32_t m_nRedoCount = 0;
    std::vector<CTraceMatrix> m_arrHistory;

    int32_t m_nFileType = kFileNative;

    // Header and samples, for readability at the call sites.
    ShotHeader& Header() { return m_record.m_header; }
    const ShotHeader& Header() const { return m_record.m_header; }
    CTraceMatrix& Traces() { return m_record.m_traces; }
    const CTraceMatrix& Traces() const { return m_record.m_traces; }
    bool IsLoaded() const { return !m_record.m_header.m_strPathName.empty(); }

    std::string GetPathName() const { return m_record.m_header.m_strPathName; }
    void SetDataChanged(bool changed);
    void ResetDocument();

    bool OpenByPath(const std::string& path);
    bool OpenSrw(const std::string& path);
    bool OpenSeg2(const std::string& path);
    bool OpenSegy(const std::string& path);
    bool SaveByPath(const std::string& path);
    bool SaveSrw(const std::string& path);
    bool SaveSeg2(const std::string& path);
    bool SaveSegy(const std::string& path);
    // "保存": writes the record to the file it came from when it has changed.
    void SaveCurrent();
    void UpdateMaxAbs() { m_record.UpdateMaxAbs(); }

    // Undo history and trace clipboard (record/).
    static constexpr int32_t kHistoryLimit = 20;
    // Saves the samples before an edit changes them; discards every redo state.
    void PushSnapshot();
    void Undo();
    void Redo();
    void ClearHistory();
    bool CanUndo() const { return m_nUndoPos > 0; }
    bool CanRedo() const { return m_nRedoCount > 0; }
    // Copy and paste work on the one selected trace of the area-edit or operation tool.
    bool CanCopyPaste() const { return (m_nEditTool == 1 || m_nEditTool == 3) && m_nSelectMode == 2; }
    void CopyTrace();
    bool PasteTrace();
    // The clipboard's folder; empty means the system's temporary folder.
    void SetClipboardFolder(const std::filesystem::path& folder) { m_clipboardFolder = folder; }
    // The clipboard file, or an empty path when there is no temporary folder.
    std::filesystem::path ClipboardPath() const;

    // Single-trace point files (record/): the selected trace from or to a point file.
    bool CanUsePointFile() const { return m_nEditTool == 1 && m_nSelectMode == 2 && m_nSelTrace >= 0; }
    bool LoadTraceFromPoint(const std::string& path, bool reportOpenFailure);
    bool SaveTraceToPoint(const std::string& path, bool reportWriteFailure);

    // Area edit selection (editing/).
    bool AddSelTrace(int32_t trace);
    bool RemoveSelTrace(int32_t trace);
    bool AddAreaPoint(int32_t trace, int32_t sample, int32_t x, int32_t y);
    bool RemoveAreaPoint(int32_t sample, int32_t trace);
    // Re-spaces the points strictly between list indices a and b on a straight staircase.
    void InterpolateAreaPoints(int32_t a, int32_t b);
    void ResetEditState();

    // Operation commands (editing/), on the part of the record the selection mode marks.
    void OperateAmplify();
    void OperateAttenuate();
    void OperateCut();
    void OperateSwap();
    void OperatePolarity();

    // Trigger-delay and shot-time correction (editing/).
    bool ApplyDelayCorrection(int32_t shift);
    void ApplyShotTimeShift();
    // Both delay lines back to one fifth of the record: the palette shows a delay of 0.
    void ResetDelayLines();
    // The delay between the two lines in milliseconds, as the palette shows it.
    float DelayMilliseconds() const;

    // Spectrum and filter (processing/).
    // The amplitude spectrum of the average trace (of the multi-trace selection in mode 3, else of all
    // traces), every m_nFreqDivisor-th sample, N = m_nSpectrumLength entries with the spectrum in the
    // first N/2. Empty when the record has no traces, no samples or no usable sample interval.
    std::vector<float> ComputeRecordSpectrum();
    // Frequency in hertz of entry `index` of the last spectrum (its length and decimation).
    double SpectrumBinHz(int32_t index) const;
    // The corner the filter type uses: the 高通 edit's value for type 0, the 低通 edit's for type 1.
    float FilterCornerHz() const;
    void SetFilterCornerHz(float hz);
    // Low-pass filters the multi-trace selection (mode 3) or every trace in place and marks the data
    // changed; no undo snapshot. Traces the filter is undefined for stay as they are. Returns the
    // number of traces that were filtered.
    int32_t ApplyFilter();

    // Resampling the open record (processing/).
    // New sample count and interval (microseconds): traces cut or zero-padded, no interpolation.
    // Marks the record changed and clears the undo history, unless nothing changes. Always true.
    bool ResampleRecord(int32_t newCount, float newIntervalUs);

    // Geometry arrangement (processing/).
    // The receivers and the shot point as the arrangement dialog shows them.
    GeometryTexts GeometryAsTexts() const;
    // Reads the dialog's texts back into the receivers (position, station number; never the channel)
    // and the shot point.
    void StoreGeometry(const GeometryTexts& texts);
    // Stores the texts, then continues the first two receivers' positions and station numbers as
    // arithmetic progressions over the rest of the table.
    void AutoFillGeometry(const GeometryTexts& texts);

private:
    // Read a format object and copy it into the record, or show the open failure.
    bool ReadInto(FormatFile& file, const std::string& path);
    // Copy the record into a format object and write it, or show the save failure.
    bool WriteFrom(FormatFile& file, const std::string& path);
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
    // The regions the selection mode marks, in selection order, limited to the record's samples.
    std::vector<Region> SelectedRegions();

    DocumentHost* m_host;
    std::filesystem::path m_clipboardFolder;
};

// Which format a path means: a case-insensitive search of the whole path for ".srw", ".sg2",
// ".seg2", ".sgy", ".segy" in that order; -1 when none is found.
int32_t FileTypeOfPath(const std::string& path);

} // namespace kvt
