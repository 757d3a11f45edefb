// A document holding a small synthetic record whose every sample tells its trace and index.
#pragma once

#include "LoadedRecord.h"
#include "RecordingHost.h"
#include "record/CKVTDoc.h"

#include <algorithm>
#include <vector>

namespace kvt::test {

// Sample j of trace i before any edit.
inline int32_t Original(int32_t trace, int32_t sample) {
    return 1000 * (trace + 1) + sample;
}

struct TestRecord {
    RecordingHost host;
    CKVTDoc doc{host};

    explicit TestRecord(int32_t traces = 4, int32_t samples = 8, float interval = 250.0f) {
        LoadRecord(doc, traces, samples, interval, Original, "/records/a.srw");
    }

    std::vector<int32_t> Trace(int32_t i) const {
        const int32_t* samples = doc.Traces().TraceAt(i);
        return {samples, samples + doc.Header().m_nSampleCount};
    }
    void SetTrace(int32_t i, const std::vector<int32_t>& samples) {
        std::copy(samples.begin(), samples.end(), doc.Traces().TraceAt(i));
    }
    std::vector<int32_t> OriginalTrace(int32_t i) const {
        std::vector<int32_t> samples;
        for (int32_t j = 0; j < doc.Header().m_nSampleCount; ++j) {
            samples.push_back(Original(i, j));
        }
        return samples;
    }
    // One recognisable edit: sample 0 of trace 0 becomes `value`, with its snapshot.
    void Edit(int32_t value) {
        doc.PushSnapshot();
        doc.Traces().TraceAt(0)[0] = value;
        doc.SetDataChanged(true);
    }
    int32_t Mark() const { return doc.Traces().TraceAt(0)[0]; }
};

} // namespace kvt::test
