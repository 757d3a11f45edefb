#include "TestRecord.h"

#include <gtest/gtest.h>

namespace kvt {
namespace {

using test::TestRecord;

using Operation = void (CKVTDoc::*)();
const Operation kEveryOperation[] = {&CKVTDoc::OperateAmplify, &CKVTDoc::OperateAttenuate,
                                     &CKVTDoc::OperateCut, &CKVTDoc::OperatePolarity};

// A half-cycle from 40 to 60 peaking at 50, negative neighbours at 39 and 61, 100 samples.
std::vector<int32_t> HalfCycle() {
    std::vector<int32_t> samples(100);
    for (int32_t j = 0; j < 100; ++j) {
        samples[static_cast<size_t>(j)] = (j >= 40 && j <= 60) ? 100 - 4 * std::abs(j - 50) : -(j + 1);
    }
    return samples;
}

TEST(Operations, EmptySelectionSavesNothingButMarksTheRecord) {
    for (const Operation op : kEveryOperation) {
        for (int32_t mode = 0; mode <= 3; ++mode) {
            TestRecord r;
            r.doc.m_nSelectMode = mode;
            (r.doc.*op)();
            EXPECT_FALSE(r.doc.CanUndo()) << mode;
            EXPECT_TRUE(r.doc.m_bDataChanged) << mode;
            EXPECT_EQ(r.host.infoChanges, 1);
            for (int32_t i = 0; i < 4; ++i) {
                EXPECT_EQ(r.Trace(i), r.OriginalTrace(i));
            }
        }
    }
}

TEST(Operations, EachSavesOneSnapshotPerCommand) {
    for (const Operation op : kEveryOperation) {
        TestRecord r;
        r.doc.m_nSelectMode = 0;
        r.doc.AddAreaPoint(0, 4, 0, 0);
        r.doc.AddAreaPoint(3, 4, 0, 0);
        (r.doc.*op)();
        EXPECT_EQ(r.doc.m_nUndoPos, 1);
        r.doc.Undo();
        for (int32_t i = 0; i < 4; ++i) {
            EXPECT_EQ(r.Trace(i), r.OriginalTrace(i));
        }
        // The line survives the operation and the undo.
        EXPECT_EQ(r.doc.m_arrAreaPoints.size(), 4u);
    }
}

TEST(Operations, AmplifyDoublesEachRegionUnlessItsPeakIsTooLarge) {
    TestRecord r(4, 8);
    r.doc.m_nSelectMode = 3;
    r.doc.AddSelTrace(3);
    r.doc.OperateAmplify();
    r.doc.OperateAmplify();
    EXPECT_EQ(r.Trace(3)[5], 4 * test::Original(3, 5));
    EXPECT_EQ(r.doc.m_nUndoPos, 2);
    EXPECT_EQ(r.Trace(2), r.OriginalTrace(2));

    // Above a line: trace 0's region holds a peak beyond 100000000, trace 1's does not.
    TestRecord big(2, 8);
    big.SetTrace(0, {1, 2, 100000001, 4, 5, 6, 7, 8});
    big.SetTrace(1, {1, 2, 100000000, 4, 5, 6, 7, 8});
    big.doc.m_nSelectMode = 0;
    big.doc.AddAreaPoint(0, 3, 0, 0);
    big.doc.AddAreaPoint(1, 3, 0, 0);
    big.doc.OperateAmplify();
    EXPECT_EQ(big.Trace(0), (std::vector<int32_t>{1, 2, 100000001, 4, 5, 6, 7, 8}));
    EXPECT_EQ(big.Trace(1), (std::vector<int32_t>{2, 4, 200000000, 4, 5, 6, 7, 8}));
    // Below the same line the regions start at sample 3 and both are doubled.
    big.doc.m_nSelectMode = 1;
    big.doc.OperateAmplify();
    EXPECT_EQ(big.Trace(0), (std::vector<int32_t>{1, 2, 100000001, 8, 10, 12, 14, 16}));
}

TEST(Operations, AttenuateHalvesTowardsZero) {
    TestRecord r(1, 4);
    r.SetTrace(0, {5, -5, 1, -1});
    r.doc.m_nSelectMode = 2;
    r.doc.m_nSelTrace = 0;
    r.doc.OperateAttenuate();
    EXPECT_EQ(r.Trace(0), (std::vector<int32_t>{2, -2, 0, 0}));
}

TEST(Operations, CutAboveTapersTheHalfCycleAndMutesBeforeIt) {
    TestRecord r(2, 100);
    r.SetTrace(0, HalfCycle());
    r.doc.m_nSelectMode = 0;
    r.doc.AddAreaPoint(0, 50, 0, 0);
    r.doc.AddAreaPoint(1, 100, 0, 0); // at the sample count: the whole trace is muted
    r.doc.OperateCut();
    const auto before = HalfCycle();
    const auto after = r.Trace(0);
    for (size_t j = 0; j < 39; ++j) {
        EXPECT_EQ(after[j], 0) << j;
    }
    EXPECT_EQ(after[39], before[39]);
    for (size_t j = 40; j <= 60; ++j) {
        EXPECT_EQ(after[j], j == 50 ? before[j] / 4 : before[j] / 2) << j;
    }
    for (size_t j = 61; j < 100; ++j) {
        EXPECT_EQ(after[j], before[j]) << j;
    }
    EXPECT_EQ(r.Trace(1), std::vector<int32_t>(100, 0));
}

TEST(Operations, CutBelowTapersTheHalfCycleAndMutesAfterIt) {
    TestRecord r(3, 100);
    r.SetTrace(0, HalfCycle());
    r.doc.m_nSelectMode = 1;
    r.doc.AddAreaPoint(0, 50, 0, 0);
    r.doc.AddAreaPoint(1, 0, 0, 0);   // from sample 0: the whole trace is muted
    r.doc.AddAreaPoint(2, 100, 0, 0); // below the last sample: nothing to cut
    r.doc.OperateCut();
    const auto before = HalfCycle();
    const auto after = r.Trace(0);
    for (size_t j = 0; j < 40; ++j) {
        EXPECT_EQ(after[j], before[j]) << j;
    }
    for (size_t j = 40; j <= 60; ++j) {
        EXPECT_EQ(after[j], j == 50 ? before[j] / 4 : before[j] / 2) << j;
    }
    for (size_t j = 61; j < 100; ++j) {
        EXPECT_EQ(after[j], 0) << j;
    }
    EXPECT_EQ(r.Trace(1), std::vector<int32_t>(100, 0));
    EXPECT_EQ(r.Trace(2), r.OriginalTrace(2));
}

TEST(Operations, CutOfWholeTracesMutesThem) {
    TestRecord r(4, 8);
    r.doc.m_nSelectMode = 3;
    r.doc.AddSelTrace(2);
    r.doc.AddSelTrace(0);
    r.doc.OperateCut();
    EXPECT_EQ(r.Trace(0), std::vector<int32_t>(8, 0));
    EXPECT_EQ(r.Trace(2), std::vector<int32_t>(8, 0));
    EXPECT_EQ(r.Trace(1), r.OriginalTrace(1));
    r.doc.m_nSelectMode = 2;
    r.doc.m_nSelTrace = 3;
    r.doc.OperateCut();
    EXPECT_EQ(r.Trace(3), std::vector<int32_t>(8, 0));
}

TEST(Operations, SwapMirrorsTheSortedSelection) {
    TestRecord r(10, 8);
    r.doc.m_nSelectMode = 3;
    for (const int32_t t : {9, 2, 5}) {
        r.doc.AddSelTrace(t);
    }
    r.doc.OperateSwap();
    EXPECT_EQ(r.doc.m_arrSelTraces, (std::vector<int32_t>{2, 5, 9}));
    EXPECT_EQ(r.Trace(2), r.OriginalTrace(9));
    EXPECT_EQ(r.Trace(9), r.OriginalTrace(2));
    EXPECT_EQ(r.Trace(5), r.OriginalTrace(5));
    EXPECT_EQ(r.doc.m_nUndoPos, 1);
    EXPECT_TRUE(r.doc.m_bDataChanged);
    r.doc.AddSelTrace(0);
    r.doc.OperateSwap(); // 0 2 5 9: 0 with 9, 2 with 5
    EXPECT_EQ(r.Trace(0), r.OriginalTrace(2));
    EXPECT_EQ(r.Trace(2), r.OriginalTrace(5));
}

TEST(Operations, SwapOfFewerThanTwoTracesLeavesTheRecordUnmarked) {
    TestRecord r(10, 8);
    r.doc.m_nSelectMode = 3;
    r.doc.AddSelTrace(3);
    r.doc.OperateSwap();
    r.doc.m_nSelectMode = 2;
    r.doc.AddSelTrace(4);
    r.doc.OperateSwap();
    EXPECT_FALSE(r.doc.m_bDataChanged);
    EXPECT_FALSE(r.doc.CanUndo());
    EXPECT_EQ(r.host.infoChanges, 0);
}

TEST(Operations, PolarityNegatesTheRegions) {
    TestRecord r(2, 4);
    r.SetTrace(0, {1, -2, 3, -4});
    r.SetTrace(1, {5, 6, 7, 8});
    r.doc.m_nSelectMode = 0;
    r.doc.AddAreaPoint(0, 0, 0, 0); // above sample 0: nothing
    r.doc.AddAreaPoint(1, 2, 0, 0);
    r.doc.OperatePolarity();
    EXPECT_EQ(r.Trace(0), (std::vector<int32_t>{1, -2, 3, -4}));
    EXPECT_EQ(r.Trace(1), (std::vector<int32_t>{-5, -6, 7, 8}));
    EXPECT_EQ(r.doc.m_nUndoPos, 1);
}

TEST(Operations, SelectionsOutsideTheRecordTouchNothing) {
    for (const Operation op : kEveryOperation) {
        TestRecord r(4, 8);
        r.doc.m_nSelectMode = 2;
        r.doc.m_nSelTrace = 4;
        (r.doc.*op)();
        EXPECT_FALSE(r.doc.CanUndo());
        // A line picked on a longer record (below its last sample there is nothing), and
        // selections set past the record's traces.
        r.doc.m_nSelectMode = 1;
        r.doc.m_arrAreaPoints = {{0, 50, 0, 0, true}, {1, 9, 0, 0, true}, {7, 2, 0, 0, true}};
        (r.doc.*op)();
        r.doc.m_nSelectMode = 3;
        r.doc.m_arrSelTraces = {-1, 4, 99};
        (r.doc.*op)();
        r.doc.OperateSwap();
        for (int32_t i = 0; i < 4; ++i) {
            EXPECT_EQ(r.Trace(i), r.OriginalTrace(i));
        }
    }
    // A new document declares twelve traces but holds none.
    CKVTDoc empty;
    empty.m_nSelectMode = 2;
    empty.m_nSelTrace = 3;
    empty.OperateCut();
    empty.m_nSelectMode = 3;
    empty.AddSelTrace(1);
    empty.AddSelTrace(2);
    empty.OperateSwap();
    empty.OperateAmplify();
    EXPECT_EQ(empty.Traces().TraceCount(), 0);
}

} // namespace
} // namespace kvt
