// The selected trace read from or written to a single-trace point file.
#include "CKVTDoc.h"

#include "Messages.h"
#include "formats/CPointFile.h"

#include <algorithm>

namespace kvt {

bool CKVTDoc::CanUsePointFile() const {
    return m_nEditTool == EditTool::AreaEdit && m_nSelectMode == SelectMode::SingleTrace && m_nSelTrace >= 0;
}

bool CKVTDoc::LoadTraceFromPoint(const std::string& path, bool reportOpenFailure) {
    if (EditableTrace(m_nSelTrace) == nullptr) {
        return false;
    }
    CPointFile file;
    if (const ReadError error = file.Read(path); error != ReadError::None) {
        if (reportOpenFailure) {
            m_host->ShowMessage(OpenFailedMessage(error));
        }
        return false;
    }
    // Exact comparison: a trace from a record of 125.0000076 us does not belong in one of 125 us.
    if (file.m_fSampleInterval != m_record.m_header.m_fSampleInterval) {
        m_host->ShowMessage(PointIntervalDiffersMessage());
        return false;
    }
    if (file.m_nSampleCount != m_record.m_header.m_nSampleCount) {
        m_host->ShowMessage(PointLengthDiffersMessage());
        return false;
    }
    PushSnapshot();
    std::copy_n(file.m_samples.begin(), SampleCount(), EditableTrace(m_nSelTrace));
    SamplesEdited(true);
    return true;
}

bool CKVTDoc::SaveTraceToPoint(const std::string& path, bool reportWriteFailure) {
    const int32_t* samples = EditableTrace(m_nSelTrace);
    if (samples == nullptr) {
        return false;
    }
    CPointFile file;
    file.m_fSampleInterval = m_record.m_header.m_fSampleInterval;
    file.m_nSampleCount = SampleCount();
    file.m_samples.assign(samples, samples + SampleCount());
    if (file.Write(path)) {
        return true;
    }
    if (reportWriteFailure) {
        m_host->ShowMessage(SaveFailedMessage());
    }
    return false;
}

} // namespace kvt
