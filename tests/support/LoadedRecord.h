// Makes a document hold a small record as if it had been opened, with samples made by a function of
// trace and sample index.
#pragma once

#include "document/CKVTDoc.h"

#include <cstdint>
#include <functional>
#include <string>

namespace kvt::test {

inline void LoadRecord(CKVTDoc& doc, int32_t traces, int32_t samples, float intervalUs,
                       const std::function<int32_t(int32_t trace, int32_t sample)>& value,
                       const std::string& path = "memory.srw") {
    CShotRecord record;
    ShotHeader& h = record.m_header;
    h.m_strPathName = path;
    h.m_nTraceCount = traces;
    h.m_nSampleCount = samples;
    h.m_fSampleInterval = intervalUs;
    record.m_traces.Allocate(traces, samples);
    for (int32_t t = 0; t < traces; ++t) {
        for (int32_t i = 0; i < samples; ++i) {
            record.m_traces.TraceAt(t)[i] = value(t, i);
        }
    }
    doc.AdoptRecord(std::move(record));
}

} // namespace kvt::test
