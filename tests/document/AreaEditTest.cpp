#include "TestRecord.h"

#include <gtest/gtest.h>

namespace kvt {
namespace {

using test::TestRecord;

struct Point {
    int32_t trace;
    int32_t sample;
    bool picked;
};

void ExpectLine(const CKVTDoc& doc, const std::vector<Point>& expected) {
    ASSERT_EQ(doc.m_arrAreaPoints.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        const AreaPoint& p = doc.m_arrAreaPoints[i];
        EXPECT_EQ(p.nTrace, expected[i].trace) << i;
        EXPECT_EQ(p.nSample, expected[i].sample) << i;
        EXPECT_EQ(p.bPicked, expected[i].picked) << i;
    }
}

TEST(AreaLine, GrowsTowardsEachNewPickOnAStaircase) {
    TestRecord r(24, 1024);
    EXPECT_TRUE(r.doc.AddAreaPoint(5, 300, 50, 60));
    ExpectLine(r.doc, {{5, 300, true}});
    EXPECT_TRUE(r.doc.AddAreaPoint(9, 340, 90, 70));
    ExpectLine(r.doc, {{5, 300, true}, {6, 310, false}, {7, 320, false}, {8, 330, false}, {9, 340, true}});
    // Interpolated points carry the mouse position of the pick that made them.
    EXPECT_EQ(r.doc.m_arrAreaPoints[1].nX, 90);
    EXPECT_EQ(r.doc.m_arrAreaPoints[1].nY, 70);

    TestRecord before(24, 1024);
    before.doc.AddAreaPoint(5, 300, 0, 0);
    before.doc.AddAreaPoint(2, 100, 0, 0);
    ExpectLine(before.doc, {{2, 100, true}, {3, 166, false}, {4, 232, false}, {5, 300, true}});

    // The truncated step falls short of the straight line and jumps at the pick.
    TestRecord stair(24, 1024);
    stair.doc.AddAreaPoint(0, 100, 0, 0);
    stair.doc.AddAreaPoint(9, 105, 0, 0);
    for (int32_t t = 1; t <= 8; ++t) {
        EXPECT_EQ(stair.doc.m_arrAreaPoints[static_cast<size_t>(t)].nSample, 100);
    }
}

TEST(AreaLine, PickingATraceOnTheLineReinterpolatesBothSides) {
    TestRecord r(24, 1024);
    r.doc.AddAreaPoint(0, 0, 0, 0);
    r.doc.AddAreaPoint(8, 80, 0, 0);
    EXPECT_TRUE(r.doc.AddAreaPoint(4, 0, 1, 2));
    ExpectLine(r.doc, {{0, 0, true},
                       {1, 0, false},
                       {2, 0, false},
                       {3, 0, false},
                       {4, 0, true},
                       {5, 20, false},
                       {6, 40, false},
                       {7, 60, false},
                       {8, 80, true}});
    // Moving the first pick re-spaces the segment up to the next pick only.
    EXPECT_TRUE(r.doc.AddAreaPoint(0, 40, 0, 0));
    EXPECT_EQ(r.doc.m_arrAreaPoints[1].nSample, 30);
    EXPECT_EQ(r.doc.m_arrAreaPoints[3].nSample, 10);
    EXPECT_EQ(r.doc.m_arrAreaPoints[5].nSample, 20);
    // And the last one the segment back to the previous pick.
    EXPECT_TRUE(r.doc.AddAreaPoint(8, 0, 0, 0));
    EXPECT_EQ(r.doc.m_arrAreaPoints[7].nSample, 0);
    EXPECT_EQ(r.doc.m_arrAreaPoints[3].nSample, 10);
}

TEST(AreaLine, RemovingPicksShortensOrReinterpolates) {
    TestRecord r(24, 1024);
    r.doc.AddAreaPoint(5, 100, 0, 0);
    r.doc.AddAreaPoint(9, 140, 0, 0);
    r.doc.AddAreaPoint(12, 200, 0, 0);
    EXPECT_FALSE(r.doc.RemoveAreaPoint(0, 7)); // interpolated, not picked
    EXPECT_FALSE(r.doc.RemoveAreaPoint(0, 3)); // not on the line
    EXPECT_TRUE(r.doc.RemoveAreaPoint(0, 5));
    ExpectLine(r.doc, {{9, 140, true}, {10, 160, false}, {11, 180, false}, {12, 200, true}});

    r.doc.AddAreaPoint(5, 100, 0, 0);
    EXPECT_TRUE(r.doc.RemoveAreaPoint(0, 9)); // inner pick: 5 to 12 re-interpolated
    EXPECT_EQ(r.doc.m_arrAreaPoints.size(), 8u);
    EXPECT_FALSE(r.doc.m_arrAreaPoints[4].bPicked);
    EXPECT_EQ(r.doc.m_arrAreaPoints[4].nSample, 100 + 4 * 14);

    EXPECT_TRUE(r.doc.RemoveAreaPoint(0, 12)); // the last pick: back to trace 5
    ExpectLine(r.doc, {{5, 100, true}});
    EXPECT_TRUE(r.doc.RemoveAreaPoint(1024, 5));
    EXPECT_TRUE(r.doc.m_arrAreaPoints.empty());
}

TEST(AreaLine, RefusesTracesAndSamplesOutsideTheRecord) {
    TestRecord r(4, 100);
    EXPECT_FALSE(r.doc.AddAreaPoint(-1, 0, 0, 0));
    EXPECT_FALSE(r.doc.AddAreaPoint(4, 0, 0, 0));
    EXPECT_FALSE(r.doc.AddAreaPoint(0, -1, 0, 0));
    EXPECT_FALSE(r.doc.AddAreaPoint(0, 101, 0, 0));
    EXPECT_FALSE(r.doc.AddAreaPoint(0, 2147483647, 0, 0));
    EXPECT_TRUE(r.doc.m_arrAreaPoints.empty());
    EXPECT_TRUE(r.doc.AddAreaPoint(3, 100, 0, 0)); // the sample count itself is accepted
    EXPECT_FALSE(r.doc.RemoveAreaPoint(101, 3));
    EXPECT_FALSE(r.doc.RemoveAreaPoint(0, 4));
    EXPECT_EQ(r.doc.m_arrAreaPoints.size(), 1u);
    // Interpolation between indices that are not both on the line does nothing.
    r.doc.InterpolateAreaPoints(-1, 0);
    r.doc.InterpolateAreaPoints(0, 5);
    r.doc.InterpolateAreaPoints(0, 0);
    ExpectLine(r.doc, {{3, 100, true}});
}

TEST(TraceSelection, HoldsEachTraceOnceInTheOrderOfSelection) {
    TestRecord r(12, 8);
    EXPECT_TRUE(r.doc.AddSelTrace(3));
    EXPECT_FALSE(r.doc.AddSelTrace(3));
    EXPECT_TRUE(r.doc.AddSelTrace(0));
    EXPECT_TRUE(r.doc.AddSelTrace(11));
    EXPECT_FALSE(r.doc.AddSelTrace(12));
    EXPECT_FALSE(r.doc.AddSelTrace(-1));
    EXPECT_EQ(r.doc.m_arrSelTraces, (std::vector<int32_t>{3, 0, 11}));
    EXPECT_FALSE(r.doc.RemoveSelTrace(5));
    EXPECT_FALSE(r.doc.RemoveSelTrace(12));
    EXPECT_TRUE(r.doc.RemoveSelTrace(0));
    EXPECT_EQ(r.doc.m_arrSelTraces, (std::vector<int32_t>{3, 11}));
}

TEST(TraceSelection, ResetEmptiesSelectionAndLineButKeepsTheMode) {
    TestRecord r(12, 8);
    r.doc.m_nSelectMode = 3;
    r.doc.m_nSelTrace = 4;
    r.doc.m_nAnchorTrace = 6;
    r.doc.AddSelTrace(2);
    r.doc.AddAreaPoint(1, 1, 0, 0);
    r.doc.ResetEditState();
    EXPECT_EQ(r.doc.m_nSelTrace, -1);
    EXPECT_EQ(r.doc.m_nAnchorTrace, 0);
    EXPECT_TRUE(r.doc.m_arrSelTraces.empty());
    EXPECT_TRUE(r.doc.m_arrAreaPoints.empty());
    EXPECT_EQ(r.doc.m_nSelectMode, 3);
}

} // namespace
} // namespace kvt
