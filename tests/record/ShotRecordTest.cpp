#include "record/CShotRecord.h"

#include <gtest/gtest.h>

namespace kvt {
namespace {

using Traces = std::vector<std::vector<int32_t>>;

TEST(ShotRecord, PeakIsTheLargestMagnitudeOverTheTracesTheHeaderDeclares) {
    // Traces and samples in the header, the traces held, the peak.
    const std::tuple<int32_t, int32_t, Traces, int32_t> cases[] = {
        {2, 3, {{3, -5, 5}, {-4, 4, 1}}, 5},
        {2, 3, {{1, 2, 3}, {INT32_MIN, 0, 0}}, INT32_MAX}, // |INT32_MIN| stops at INT32_MAX
        {1, 2, {{1, -2, 99}}, 2},                          // samples beyond the header's count
        {1, 1, {{1}, {99}}, 1},                            // traces beyond the header's count
        {12, 1024, {}, 0},                                 // a new record declares traces but holds none
        {1, 4, {{1, 2, 3}}, 0}};                           // traces shorter than the header says
    for (const auto& [traceCount, sampleCount, traces, peak] : cases) {
        CShotRecord record;
        record.m_header.m_nTraceCount = traceCount;
        record.m_header.m_nSampleCount = sampleCount;
        record.m_traces.m_arrTraces = traces;
        record.m_traces.m_nSamples = traces.empty() ? 0 : static_cast<int32_t>(traces[0].size());
        record.m_nMaxAbs = -1;
        record.UpdateMaxAbs();
        EXPECT_EQ(record.m_nMaxAbs, peak) << testing::PrintToString(traces);
    }
}

} // namespace
} // namespace kvt
