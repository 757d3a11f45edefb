// Resampling the open record.
#include "CKVTDoc.h"
#include "Resampling.h"

namespace kvt {

bool CKVTDoc::ResampleRecord(int32_t newCount, float newIntervalUs) {
    ShotHeader& h = m_record.m_header;
    if (!ResampleTraces(m_record.m_traces.m_arrTraces, h.m_nSampleCount, h.m_fSampleInterval, newCount,
                        newIntervalUs)) {
        return true;
    }
    m_record.m_traces.m_nSamples = h.m_nSampleCount;
    // The snapshots hold the old trace length and could not be restored into the new one.
    ClearHistory();
    SamplesEdited(true);
    return true;
}

} // namespace kvt
