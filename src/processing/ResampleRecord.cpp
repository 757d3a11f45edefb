// Resampling the open record: a document operation, kept beside the other resampling code.
#include "Resampling.h"
#include "record/CKVTDoc.h"

namespace kvt {

bool CKVTDoc::ResampleRecord(int32_t newCount, float newIntervalUs) {
    ShotHeader& h = Header();
    if (!ResampleTraces(Traces().m_arrTraces, h.m_nSampleCount, h.m_fSampleInterval, newCount,
                        newIntervalUs)) {
        return true;
    }
    Traces().m_nSamples = h.m_nSampleCount;
    SetDataChanged(true);
    // The snapshots hold the old trace length and could not be restored into the new one.
    ClearHistory();
    return true;
}

} // namespace kvt
