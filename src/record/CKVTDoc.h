// The one document: the record, every edit, display, filter and print setting, and the undo history.
// Opening and saving choose the format from the path. Everything the document shows goes through
// its DocumentHost.
#pragma once

#include "AreaPoint.h"
#include "CShotRecord.h"
#include "DocumentHost.h"
#include "algorithms/CAlgorithm.h"

#include <cstdint>
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
    void ClearHistory();

    // Single-trace point files (record/).

    // Area edit selection (editing/).

    // Operation commands (editing/).

    // Trigger-delay and shot-time correction (editing/).

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

    DocumentHost* m_host;
};

// Which format a path means: a case-insensitive search of the whole path for ".srw", ".sg2",
// ".seg2", ".sgy", ".segy" in that order; -1 when none is found.
int32_t FileTypeOfPath(const std::string& path);

} // namespace kvt
