// The operation commands: amplify, attenuate, cut, swap and reverse the polarity of the samples the
// selection marks. Each saves one snapshot before its first change and marks the record changed at
// the end, even when nothing was selected; swap alone leaves the record unmarked when it does nothing.
#include "CKVTDoc.h"

#include <algorithm>

namespace kvt {

bool CKVTDoc::HasSelection() {
    switch (m_nSelectMode) {
    case SelectMode::Above:
    case SelectMode::Below:
        return !m_arrAreaPoints.empty();
    case SelectMode::SingleTrace:
        return EditableTrace(m_nSelTrace) != nullptr;
    case SelectMode::MultiTrace:
        return !m_arrSelTraces.empty();
    default:
        return false;
    }
}

std::vector<CKVTDoc::Region> CKVTDoc::SelectedRegions() {
    const int32_t n = SampleCount();
    std::vector<Region> regions;
    switch (m_nSelectMode) {
    case SelectMode::Above:
    case SelectMode::Below:
        for (const AreaPoint& p : m_arrAreaPoints) {
            if (int32_t* trace = EditableTrace(p.nTrace)) {
                // The line was picked on this record, but a resampled record may be shorter.
                const int32_t s = std::clamp(p.nSample, 0, n);
                regions.push_back(m_nSelectMode == SelectMode::Above ? Region{trace, 0, s}
                                                                     : Region{trace, s, n});
            }
        }
        break;
    case SelectMode::SingleTrace:
        if (int32_t* trace = EditableTrace(m_nSelTrace)) {
            regions.push_back({trace, 0, n});
        }
        break;
    case SelectMode::MultiTrace:
        for (const int32_t index : m_arrSelTraces) {
            if (int32_t* trace = EditableTrace(index)) {
                regions.push_back({trace, 0, n});
            }
        }
        break;
    default:
        break;
    }
    return regions;
}

void CKVTDoc::OperateAmplify() {
    const bool snapshot = HasSelection();
    if (snapshot) {
        PushSnapshot();
    }
    for (const Region& r : SelectedRegions()) {
        // The peak test is made on each region's own samples.
        if (r.end > r.begin) {
            CAlgorithm::AmplifyTrace(r.trace + r.begin, r.end - r.begin, 2);
        }
    }
    SamplesEdited(snapshot);
}

void CKVTDoc::OperateAttenuate() {
    const bool snapshot = HasSelection();
    if (snapshot) {
        PushSnapshot();
    }
    for (const Region& r : SelectedRegions()) {
        std::for_each(r.trace + r.begin, r.trace + r.end, [](int32_t& v) { v /= 2; });
    }
    SamplesEdited(snapshot);
}

void CKVTDoc::OperateCut() {
    const bool snapshot = HasSelection();
    if (snapshot) {
        PushSnapshot();
    }
    const int32_t n = SampleCount();
    for (const Region& r : SelectedRegions()) {
        if (r.begin == 0 && r.end == n) {
            std::fill(r.trace, r.trace + n, 0);
        } else if (r.begin == 0) {
            CAlgorithm::CutTrace(0, r.end, r.trace, n);
        } else if (r.begin < n) {
            CAlgorithm::CutTrace(r.begin, n, r.trace, n);
        }
    }
    SamplesEdited(snapshot);
}

void CKVTDoc::OperateSwap() {
    if (m_nSelectMode != SelectMode::MultiTrace || m_arrSelTraces.size() < 2) {
        return;
    }
    PushSnapshot();
    std::sort(m_arrSelTraces.begin(), m_arrSelTraces.end());
    // Mirror the traces within the selection: first with last, second with second to last.
    const size_t count = m_arrSelTraces.size();
    const int32_t n = SampleCount();
    for (size_t i = 0; i < count / 2; ++i) {
        int32_t* a = EditableTrace(m_arrSelTraces[i]);
        int32_t* b = EditableTrace(m_arrSelTraces[count - 1 - i]);
        if (a != nullptr && b != nullptr && a != b) {
            std::swap_ranges(a, a + n, b);
        }
    }
    SamplesEdited(true);
}

void CKVTDoc::OperatePolarity() {
    const bool snapshot = HasSelection();
    if (snapshot) {
        PushSnapshot();
    }
    for (const Region& r : SelectedRegions()) {
        CAlgorithm::ReversePolarity(r.trace + r.begin, r.end - r.begin);
    }
    SamplesEdited(snapshot);
}

} // namespace kvt
