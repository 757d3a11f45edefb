// Small in-memory records for the processing tests: a loaded document whose traces are made by a
// function of trace and sample index, and a host that counts refreshes.
#pragma once

#include "record/CKVTDoc.h"

#include <cmath>
#include <cstdint>
#include <functional>

namespace kvt::test {

inline constexpr double kPi = 3.14159265358979323846;

class CountingHost final : public DocumentHost {
public:
    void ShowMessage(const Message&) override { ++messages; }
    void RecordInfoChanged() override { ++refreshes; }
    int messages = 0;
    int refreshes = 0;
};

// Makes the document hold a record as if it had been opened.
inline void LoadRecord(CKVTDoc& doc, int32_t traces, int32_t samples, float intervalUs,
                       const std::function<int32_t(int32_t trace, int32_t sample)>& value) {
    ShotHeader& h = doc.Header();
    h.m_strPathName = "memory.srw";
    h.m_nTraceCount = traces;
    h.m_nSampleCount = samples;
    h.m_fSampleInterval = intervalUs;
    doc.Traces().Allocate(traces, samples);
    for (int32_t t = 0; t < traces; ++t) {
        for (int32_t i = 0; i < samples; ++i) {
            doc.Traces().TraceAt(t)[i] = value(t, i);
        }
    }
}

// amplitude · cos(2π · cycles · i / period), truncated.
inline int32_t Cosine(double amplitude, double cycles, int32_t i, double period) {
    return static_cast<int32_t>(amplitude * std::cos(2.0 * kPi * cycles * i / period));
}

} // namespace kvt::test
