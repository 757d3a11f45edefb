// One shot record in memory: header, samples, receiver table, shot point and peak magnitude.
#pragma once

#include "CTraceMatrix.h"
#include "GeometryPoints.h"
#include "ShotHeader.h"

#include <cstdint>
#include <vector>

namespace kvt {

class CShotRecord {
public:
    ShotHeader m_header;
    CTraceMatrix m_traces;
    std::vector<ReceiverPoint> m_receivers;
    ShotPoint m_shot;
    int32_t m_nMaxAbs = 0;
    // The power of ten the file's floating-point samples were multiplied by when the record was read
    // (0: the samples are the file's values); shown beside the header so amplitudes keep their meaning.
    int32_t m_nSampleScalePower = 0;

    // The largest sample magnitude over all traces; only opening a file calls it, so the display's
    // global scale stays that of the file as opened.
    void UpdateMaxAbs();
    // A new, empty record: default header, no traces. Receivers and shot point stay until the next open.
    void Reset();
};

} // namespace kvt
