// The selection model of the editing tools: the multi-trace selection and the area-edit line, a
// polyline with exactly one point on every trace from its first pick to its last.
#include "CKVTDoc.h"

#include <algorithm>

namespace kvt {

namespace {

// Wide, so that a bound of the sample count + 1 cannot overflow.
bool InRange(int64_t value, int64_t low, int64_t high) {
    return value >= low && value < high;
}

// List index of the last picked point before k, or of the first after it; the line's ends are
// always picked, so a neighbour exists for every inner point.
int32_t PickedBefore(const std::vector<AreaPoint>& line, int32_t k) {
    int32_t c = k - 1;
    while (c > 0 && !line[static_cast<size_t>(c)].bPicked) {
        --c;
    }
    return c;
}

int32_t PickedAfter(const std::vector<AreaPoint>& line, int32_t k) {
    const auto last = static_cast<int32_t>(line.size()) - 1;
    int32_t d = k + 1;
    while (d < last && !line[static_cast<size_t>(d)].bPicked) {
        ++d;
    }
    return d;
}

} // namespace

bool CKVTDoc::AddSelTrace(int32_t trace) {
    if (!InRange(trace, 0, m_record.m_header.m_nTraceCount) ||
        std::find(m_arrSelTraces.begin(), m_arrSelTraces.end(), trace) != m_arrSelTraces.end()) {
        return false;
    }
    m_arrSelTraces.push_back(trace);
    Notify(Change::Selection);
    return true;
}

bool CKVTDoc::RemoveSelTrace(int32_t trace) {
    if (!InRange(trace, 0, m_record.m_header.m_nTraceCount)) {
        return false;
    }
    const auto found = std::find(m_arrSelTraces.begin(), m_arrSelTraces.end(), trace);
    if (found == m_arrSelTraces.end()) {
        return false;
    }
    m_arrSelTraces.erase(found);
    Notify(Change::Selection);
    return true;
}

void CKVTDoc::ClearSelTraces() {
    if (!m_arrSelTraces.empty()) {
        m_arrSelTraces.clear();
        Notify(Change::Selection);
    }
}

void CKVTDoc::SetSelTrace(int32_t trace) {
    Assign(m_nSelTrace, trace, Change::Selection);
}

void CKVTDoc::SetAnchorTrace(int32_t trace) {
    m_nAnchorTrace = trace;
}

bool CKVTDoc::AddAreaPoint(int32_t trace, int32_t sample, int32_t x, int32_t y) {
    if (!InRange(trace, 0, m_record.m_header.m_nTraceCount) ||
        !InRange(sample, 0, int64_t{m_record.m_header.m_nSampleCount} + 1)) {
        return false;
    }
    auto& line = m_arrAreaPoints;
    const auto n = static_cast<int32_t>(line.size());
    const auto on =
        std::find_if(line.begin(), line.end(), [trace](const AreaPoint& p) { return p.nTrace == trace; });
    if (on != line.end()) {
        // The trace lies on the line: its point becomes a pick and both neighbouring segments follow it.
        *on = {trace, sample, x, y, true};
        const auto k = static_cast<int32_t>(on - line.begin());
        if (n == 1) {
            Notify(Change::Selection);
            return true;
        }
        if (k == 0) {
            InterpolateAreaPoints(0, PickedAfter(line, 0));
        } else if (k == n - 1) {
            InterpolateAreaPoints(PickedBefore(line, k), k);
        } else {
            const int32_t c = PickedBefore(line, k);
            const int32_t d = PickedAfter(line, k);
            InterpolateAreaPoints(c, k);
            InterpolateAreaPoints(k, d);
        }
        Notify(Change::Selection);
        return true;
    }
    // The line grows towards the new pick, filling the traces in between on a staircase.
    if (!line.empty() && trace < line.front().nTrace) {
        const AreaPoint first = line.front();
        const int32_t step = (first.nSample - sample) / (first.nTrace - trace);
        for (int32_t t = trace + 1, i = 1; t < first.nTrace; ++t, ++i) {
            line.push_back({t, sample + i * step, x, y, false});
        }
    } else if (!line.empty() && line.back().nTrace < trace) {
        const AreaPoint last = line.back();
        const int32_t step = (sample - last.nSample) / (trace - last.nTrace);
        for (int32_t t = last.nTrace + 1, i = 1; t < trace; ++t, ++i) {
            line.push_back({t, last.nSample + i * step, x, y, false});
        }
    }
    line.push_back({trace, sample, x, y, true});
    std::stable_sort(line.begin(), line.end(),
                     [](const AreaPoint& a, const AreaPoint& b) { return a.nTrace < b.nTrace; });
    Notify(Change::Selection);
    return true;
}

bool CKVTDoc::RemoveAreaPoint(int32_t sample, int32_t trace) {
    if (!InRange(trace, 0, m_record.m_header.m_nTraceCount) ||
        !InRange(sample, 0, int64_t{m_record.m_header.m_nSampleCount} + 1)) {
        return false;
    }
    auto& line = m_arrAreaPoints;
    const auto found = std::find_if(line.begin(), line.end(),
                                    [trace](const AreaPoint& p) { return p.nTrace == trace && p.bPicked; });
    if (found == line.end()) {
        return false;
    }
    const auto k = static_cast<int32_t>(found - line.begin());
    const auto n = static_cast<int32_t>(line.size());
    if (n == 1) {
        line.clear();
    } else if (k == 0) {
        // The line now starts at the next pick.
        found->bPicked = false;
        const auto next =
            std::find_if(line.begin(), line.end(), [](const AreaPoint& p) { return p.bPicked; });
        line.erase(line.begin(), next);
    } else if (k == n - 1) {
        found->bPicked = false;
        const auto previous =
            std::find_if(line.rbegin(), line.rend(), [](const AreaPoint& p) { return p.bPicked; });
        line.erase(previous.base(), line.end());
    } else {
        const int32_t c = PickedBefore(line, k);
        const int32_t d = PickedAfter(line, k);
        found->bPicked = false;
        InterpolateAreaPoints(c, d);
    }
    Notify(Change::Selection);
    return true;
}

void CKVTDoc::InterpolateAreaPoints(int32_t a, int32_t b) {
    auto& line = m_arrAreaPoints;
    if (a < 0 || a >= b || b >= static_cast<int32_t>(line.size())) {
        return;
    }
    const AreaPoint& from = line[static_cast<size_t>(a)];
    const AreaPoint& to = line[static_cast<size_t>(b)];
    if (to.nTrace == from.nTrace) {
        return;
    }
    // Truncated step: the staircase may fall short of the straight line and jump at the pick.
    const int32_t step = (to.nSample - from.nSample) / (to.nTrace - from.nTrace);
    for (int32_t i = a + 1; i < b; ++i) {
        line[static_cast<size_t>(i)].nSample = from.nSample + (i - a) * step;
    }
}

void CKVTDoc::ResetEditState() {
    if (m_nSelTrace == -1 && m_nAnchorTrace == 0 && m_arrSelTraces.empty() && m_arrAreaPoints.empty()) {
        return;
    }
    m_nSelTrace = -1;
    m_nAnchorTrace = 0;
    m_arrSelTraces.clear();
    m_arrAreaPoints.clear();
    Notify(Change::Selection);
}

} // namespace kvt
