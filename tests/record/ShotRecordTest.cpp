#include "record/CShotRecord.h"

#include <gtest/gtest.h>

namespace kvt {
namespace {

TEST(TraceMatrix, NewRecordDeclaresTracesButHoldsNone) {
    CShotRecord record;
    EXPECT_EQ(record.m_header.m_nTraceCount, 12);
    for (int32_t i = 0; i < 12; ++i) {
        EXPECT_EQ(record.m_traces.TraceAt(i), nullptr);
    }
    record.UpdateMaxAbs();
    EXPECT_EQ(record.m_nMaxAbs, 0);
}

TEST(TraceMatrix, CopiesAreDeep) {
    CTraceMatrix a;
    a.Allocate(2, 3);
    a.TraceAt(1)[2] = 7;
    CTraceMatrix b = a;
    b.TraceAt(1)[2] = 9;
    EXPECT_EQ(a.TraceAt(1)[2], 7);
    EXPECT_EQ(b.m_nSamples, 3);
    a = a;
    EXPECT_EQ(a.TraceAt(1)[2], 7);
}

TEST(TraceMatrix, ResizeKeepsTheHeadAndZeroFillsTheTail) {
    CTraceMatrix m;
    m.Allocate(2, 1024);
    for (int32_t i = 0; i < 1024; ++i) {
        m.TraceAt(0)[i] = i + 1;
    }
    m.ResizeSamples(1024, 2048);
    ASSERT_EQ(m.m_nSamples, 2048);
    EXPECT_EQ(m.TraceAt(0)[1023], 1024);
    EXPECT_EQ(m.TraceAt(0)[1024], 0);
    EXPECT_EQ(m.TraceAt(0)[2047], 0);
    m.ResizeSamples(2048, 1024);
    ASSERT_EQ(m.m_arrTraces[0].size(), 1024u);
    EXPECT_EQ(m.TraceAt(0)[1023], 1024);
    EXPECT_EQ(m.TraceAt(2), nullptr);
}

TEST(ShotRecord, PeakIsTheLargestMagnitudeOverAllTraces) {
    CShotRecord record;
    record.m_header.m_nTraceCount = 2;
    record.m_header.m_nSampleCount = 3;
    record.m_traces.Allocate(2, 3);
    record.m_traces.m_arrTraces[0] = {3, -5, 5};
    record.m_traces.m_arrTraces[1] = {-4, 4, 1};
    record.UpdateMaxAbs();
    EXPECT_EQ(record.m_nMaxAbs, 5);

    record.m_traces.m_arrTraces[1] = {INT32_MIN, 0, 0};
    record.UpdateMaxAbs();
    EXPECT_EQ(record.m_nMaxAbs, INT32_MAX) << "the magnitude of the most negative sample saturates";
}

TEST(ShotRecord, ResetRestoresTheDefaultHeaderButKeepsGeometry) {
    CShotRecord record;
    record.m_header.m_strProject = "X";
    record.m_header.m_nSampleCount = 4096;
    record.m_traces.Allocate(3, 10);
    record.m_receivers.push_back({1, 2.0f, 0.0f});
    record.m_shot.fX = 3.0f;
    record.m_nMaxAbs = 77;
    record.Reset();
    EXPECT_EQ(record.m_header.m_strProject, "MORAVENT");
    EXPECT_EQ(record.m_header.m_strTestDate, "2013-8-15");
    EXPECT_EQ(record.m_header.m_nSampleCount, 1024);
    EXPECT_EQ(record.m_traces.TraceCount(), 0);
    EXPECT_EQ(record.m_receivers.size(), 1u);
    EXPECT_EQ(record.m_shot.fX, 3.0f);
    EXPECT_EQ(record.m_nMaxAbs, 77);
}

} // namespace
} // namespace kvt
