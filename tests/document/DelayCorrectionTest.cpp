#include "TestRecord.h"
#include "editing/DelayArithmetic.h"

#include <gtest/gtest.h>

namespace kvt {
namespace {

using test::TestRecord;

TEST(DelayArithmetic, MillisecondsAndSamples) {
    EXPECT_EQ(DelayReferenceSample(1024), 204);
    EXPECT_EQ(FormatDelay(DelayMilliseconds(10.0f, 254, 204)), "0.500");
    EXPECT_EQ(FormatDelay(DelayMilliseconds(10.0f, 154, 204)), "-0.500");
    EXPECT_EQ(FormatDelay(DelayMilliseconds(250.0f, 204, 204)), "0.000");
    EXPECT_EQ(DelayShiftSamples(ParseDelay("2.5"), 250.0f), 10);
    EXPECT_EQ(DelayShiftSamples(ParseDelay("-0.1"), 250.0f), 0); // -0.4 samples truncate to 0
    EXPECT_EQ(DelayShiftSamples(ParseDelay("-2.6"), 250.0f), -10);
    EXPECT_EQ(DelayShiftSamples(ParseDelay("abc"), 250.0f), 0);
    EXPECT_EQ(DelayShiftSamples(ParseDelay(" 1.5ms"), 500.0f), 3);
    // A zero interval or an absurd delay cannot give an undefined conversion.
    EXPECT_EQ(DelayShiftSamples(1.0f, 0.0f), 0);
    EXPECT_EQ(DelayShiftSamples(1e30f, 10.0f), 2147483647);
    EXPECT_EQ(FormatDelay(DelayMilliseconds(10.0f, 2147483647, -2147483647 - 1)), "42949672.000");
}

TEST(DelayCorrection, MovesEveryTraceLaterAndCanBeUndone) {
    TestRecord r(3, 40, 250.0f);
    r.doc.m_nDelaySample = 20;
    EXPECT_TRUE(r.doc.ApplyDelayCorrection(DelayShiftSamples(ParseDelay("2.5"), 250.0f)));
    for (int32_t i = 0; i < 3; ++i) {
        const auto t = r.Trace(i);
        for (int32_t j = 0; j < 40; ++j) {
            EXPECT_EQ(t[static_cast<size_t>(j)], j < 10 ? 0 : test::Original(i, j - 10));
        }
    }
    EXPECT_EQ(r.doc.m_nUndoPos, 1);
    EXPECT_TRUE(r.doc.m_bDataChanged);
    r.doc.ResetDelayLines();
    EXPECT_EQ(r.doc.m_nDelayRefSample, 8);
    EXPECT_EQ(r.doc.m_nDelaySample, 8);
    EXPECT_EQ(FormatDelay(r.doc.DelayMilliseconds()), "0.000");
    r.doc.Undo();
    EXPECT_EQ(r.Trace(2), r.OriginalTrace(2));
}

TEST(DelayCorrection, EarlierShiftsAndShiftsPastTheEnd) {
    TestRecord r(2, 8);
    r.doc.ApplyDelayCorrection(-3);
    EXPECT_EQ(r.Trace(1), (std::vector<int32_t>{2003, 2004, 2005, 2006, 2007, 0, 0, 0}));
    r.doc.ApplyDelayCorrection(0); // nothing moves, yet it is an edit
    EXPECT_EQ(r.doc.m_nUndoPos, 2);
    for (const int32_t shift : {8, -8, 2147483647, -2147483647 - 1}) {
        TestRecord far(2, 8);
        far.doc.ApplyDelayCorrection(shift);
        EXPECT_EQ(far.Trace(0), std::vector<int32_t>(8, 0)) << shift;
        EXPECT_EQ(far.doc.m_nUndoPos, 1);
    }
}

TEST(ShotTimeShift, MovesTheDraggedTraceOnly) {
    TestRecord r(8, 400);
    r.doc.m_nShiftTrace = 7;
    r.doc.m_nShiftStartSample = 300;
    r.doc.m_nShiftSample = 280;
    r.doc.ApplyShotTimeShift();
    const auto t = r.Trace(7);
    EXPECT_EQ(t[0], test::Original(7, 20));
    EXPECT_EQ(t[379], test::Original(7, 399));
    EXPECT_EQ(t[380], 0);
    EXPECT_EQ(t[399], 0);
    EXPECT_EQ(r.Trace(6), r.OriginalTrace(6));
    EXPECT_EQ(r.doc.m_nUndoPos, 1);
    EXPECT_TRUE(r.doc.m_bDataChanged);

    // A release far outside the trace empties it; the distance does not overflow.
    r.doc.m_nShiftStartSample = -2147483647 - 1;
    r.doc.m_nShiftSample = 2147483647;
    r.doc.ApplyShotTimeShift();
    EXPECT_EQ(r.Trace(7), std::vector<int32_t>(400, 0));
    EXPECT_EQ(r.doc.m_nUndoPos, 2);
}

TEST(ShotTimeShift, IgnoresATraceOutsideTheRecord) {
    for (const int32_t trace : {-1, 8, 2147483647}) {
        TestRecord r(8, 16);
        r.doc.m_nShiftTrace = trace;
        r.doc.m_nShiftSample = 3;
        r.doc.ApplyShotTimeShift();
        EXPECT_FALSE(r.doc.CanUndo());
        EXPECT_FALSE(r.doc.m_bDataChanged);
    }
}

} // namespace
} // namespace kvt
