// Trigger-delay correction (every trace moved by the same whole number of samples) and shot-time
// correction (one dragged trace moved). Samples shifted out are lost; vacated samples become 0.
#include "CKVTDoc.h"
#include "DelayArithmetic.h"

#include <algorithm>
#include <cstdlib>

namespace kvt {

namespace {

// Moves a trace by `shift` samples, or empties it when the shift reaches past its end.
void ShiftOrClear(int32_t* trace, int64_t shift, int32_t count) {
    if (std::llabs(shift) < count) {
        CAlgorithm::ShiftTrace(static_cast<int32_t>(shift), trace, count);
    } else {
        std::fill(trace, trace + count, 0);
    }
}

} // namespace

bool CKVTDoc::ApplyDelayCorrection(int32_t shift) {
    PushSnapshot();
    const int32_t n = SampleCount();
    for (int32_t i = 0; i < m_record.m_header.m_nTraceCount; ++i) {
        if (int32_t* trace = EditableTrace(i)) {
            ShiftOrClear(trace, shift, n);
        }
    }
    SamplesEdited(true);
    return true;
}

void CKVTDoc::SetDelaySample(int32_t sample) {
    Assign(m_nDelaySample, sample, Change::Selection);
}

void CKVTDoc::BeginShotTimeShift(int32_t trace, int32_t sample) {
    if (trace == m_nShiftTrace && sample == m_nShiftStartSample && sample == m_nShiftSample) {
        return;
    }
    m_nShiftTrace = trace;
    m_nShiftStartSample = sample;
    m_nShiftSample = sample;
    Notify(Change::Selection);
}

void CKVTDoc::SetShiftSample(int32_t sample) {
    Assign(m_nShiftSample, sample, Change::Selection);
}

void CKVTDoc::ApplyShotTimeShift() {
    int32_t* trace = EditableTrace(m_nShiftTrace);
    if (trace == nullptr) {
        return;
    }
    PushSnapshot();
    // The release point is not clamped, so the distance is taken wide.
    ShiftOrClear(trace, int64_t{m_nShiftSample} - m_nShiftStartSample, SampleCount());
    SamplesEdited(true);
}

void CKVTDoc::ResetDelayLines() {
    const int32_t reference = DelayReferenceSample(m_record.m_header.m_nSampleCount);
    if (reference == m_nDelayRefSample && reference == m_nDelaySample) {
        return;
    }
    m_nDelayRefSample = reference;
    m_nDelaySample = reference;
    Notify(Change::Selection);
}

float CKVTDoc::DelayMilliseconds() const {
    return kvt::DelayMilliseconds(m_record.m_header.m_fSampleInterval, m_nDelaySample, m_nDelayRefSample);
}

} // namespace kvt
