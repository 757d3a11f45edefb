// One trace: scaling, display gain, clip and the variable-area fill.
#include "SectionRecords.h"
#include "display/CTraceRenderer.h"

#include <QPainter>

#include <gtest/gtest.h>

namespace kvt {
namespace {

using test::IsBlack;
using test::IsWhite;

// Offsets of the wiggle's vertices from the cell centre, the start point left out.
std::vector<int> Swings(CTraceRenderer& renderer, int32_t trace, const PixelRect& cell) {
    const auto& points = renderer.WigglePoints(trace, cell);
    std::vector<int> swings;
    const int xc = cell.left + cell.Width() / 2;
    for (size_t i = 1; i < points.size(); ++i) {
        swings.push_back(points[i].x() - xc);
    }
    return swings;
}

class TraceDraw : public ::testing::Test {
protected:
    CKVTDoc doc;
    TraceLayout layout;
    CTraceRenderer renderer{doc, layout};
};

TEST_F(TraceDraw, VerticesFollowSamplesDownTheCell) {
    test::LoadTraces(doc, {{100, -50, 0, 25}});
    doc.m_nScaleMode = 1;
    const auto& points = renderer.WigglePoints(0, {0, 10, 200, 18});
    ASSERT_EQ(points.size(), 5u);
    EXPECT_EQ(points[0], QPoint(100, 10)); // the start at the cell top
    EXPECT_EQ(points[1], QPoint(200, 10));
    EXPECT_EQ(points[2], QPoint(50, 12));
    EXPECT_EQ(points[3], QPoint(100, 14));
    EXPECT_EQ(points[4], QPoint(125, 16));
}

TEST_F(TraceDraw, DisplayGainUsesTheTruncatedFactorAndClips) {
    // Per-trace scale with peak 100 in a 200-pixel cell: one pixel per unit; the clip is 200 pixels.
    test::LoadTraces(doc, {{100, 9, -9, 19, -19, 50, 7}});
    doc.m_nScaleMode = 1;
    const PixelRect cell{0, 0, 200, 7};
    const std::vector<std::pair<int32_t, std::vector<int>>> cases = {
        {0, {100, 9, -9, 19, -19, 50, 7}},        {-6, {100, 9, -9, 19, -19, 50, 7}}, // factor 1
        {-7, {50, 4, -4, 9, -9, 25, 3}},       // factor 2, integer division
        {-20, {10, 0, 0, 1, -1, 5, 0}},        // -9..9 vanish
        {7, {200, 18, -18, 38, -38, 100, 14}}, // factor 2; the peak reaches the clip
        {20, {200, 90, -90, 190, -190, 200, 70}}, {60, {200, 200, -200, 200, -200, 200, 200}},
    };
    for (const auto& [gain, expected] : cases) {
        doc.m_nGainDb = gain;
        EXPECT_EQ(Swings(renderer, 0, cell), expected) << "gain " << gain;
    }
}

TEST_F(TraceDraw, GainLeavesHugeTracesAloneAndNeverWraps) {
    test::LoadTraces(doc, {{200000000, 100000000, 0}, {3000000, -3000000, 0}});
    doc.m_nScaleMode = 1;
    doc.m_nGainDb = 20;
    // Peak above 100000000: shown unamplified.
    const auto big = Swings(renderer, 0, {0, 0, 200, 3});
    EXPECT_NEAR(big[0], 100, 1);
    EXPECT_NEAR(big[1], 50, 1);
    // 3000000 x 1000 does not fit 32 bits; it keeps its sign and is flattened at the range.
    doc.m_nGainDb = 60;
    EXPECT_EQ(Swings(renderer, 1, {0, 0, 200, 3}), (std::vector<int>{200, -200, 0}));
}

TEST_F(TraceDraw, ClippedSamplesFlattenAtExactlyTheRangeAndAreFilledThere) {
    std::vector<int32_t> samples(64, 0);
    for (int s = 20; s < 30; ++s) {
        samples[static_cast<size_t>(s)] = 1024;
    }
    for (int s = 40; s < 50; ++s) {
        samples[static_cast<size_t>(s)] = -1024;
    }
    test::LoadTraces(doc, {samples});
    layout.m_nGlobalMax = 1024;
    doc.m_nGainDb = 20;
    doc.m_nAmpRange = 2;
    // 128-pixel cell centred at 164: half a cell is 64 pixels, the range two of them.
    const PixelRect cell{100, 0, 228, 64};
    QImage image = test::WhiteImage(400, 64);
    {
        QPainter painter(&image);
        renderer.DrawTrace(painter, 0, cell);
    }
    for (int y = 21; y < 29; ++y) {
        EXPECT_TRUE(IsBlack(image, 164 + 128, y)) << y;
        EXPECT_TRUE(IsWhite(image, 164 + 129, y)) << y;
        EXPECT_TRUE(IsBlack(image, 200, y)) << "filled from the centre, row " << y;
    }
    for (int y = 41; y < 49; ++y) {
        EXPECT_TRUE(IsBlack(image, 164 - 128, y)) << y;
        EXPECT_TRUE(IsWhite(image, 164 - 129, y)) << y;
        EXPECT_TRUE(IsWhite(image, 100, y)) << "negative lobe not filled, row " << y;
    }
    doc.m_nAmpRange = 5;
    EXPECT_EQ(Swings(renderer, 0, cell)[25], 320);
}

TEST_F(TraceDraw, FillModesChooseTheLobes) {
    std::vector<int32_t> samples(30, 0);
    for (int s = 5; s < 12; ++s) {
        samples[static_cast<size_t>(s)] = 50;
        samples[static_cast<size_t>(s) + 12] = -50;
    }
    test::LoadTraces(doc, {samples});
    doc.m_nScaleMode = 1; // one pixel per unit in a 100-pixel cell
    const PixelRect cell{100, 0, 200, 120};
    auto draw = [&](int32_t fillMode) {
        doc.m_nFillMode = fillMode;
        QImage image = test::WhiteImage(300, 120);
        QPainter painter(&image);
        renderer.DrawTrace(painter, 0, cell);
        return image;
    };
    const QImage positive = draw(0), negative = draw(1), wiggle = draw(2);
    // Row 32 lies in the positive lobe, row 80 in the negative one; the centre is x = 150.
    EXPECT_TRUE(IsBlack(positive, 175, 32));
    EXPECT_TRUE(IsWhite(positive, 125, 80));
    EXPECT_TRUE(IsWhite(negative, 175, 32));
    EXPECT_TRUE(IsBlack(negative, 125, 80));
    EXPECT_TRUE(IsWhite(wiggle, 175, 32));
    EXPECT_TRUE(IsWhite(wiggle, 125, 80));
    EXPECT_TRUE(IsBlack(wiggle, 200, 32)); // the wiggle itself
}

TEST_F(TraceDraw, ALastPositiveLobeIsClosedAtTheLastSample) {
    std::vector<int32_t> samples(20, 0);
    for (int s = 10; s < 20; ++s) {
        samples[static_cast<size_t>(s)] = 50;
    }
    test::LoadTraces(doc, {samples});
    doc.m_nScaleMode = 1;
    const PixelRect cell{0, 0, 100, 80}; // centre 50, four rows per sample
    QImage image = test::WhiteImage(200, 80);
    {
        QPainter painter(&image);
        renderer.DrawTrace(painter, 0, cell);
    }
    // The lobe runs from row 40 (sample 10) to the centre line at row 76 (sample 19).
    EXPECT_TRUE(IsBlack(image, 75, 60));
    EXPECT_TRUE(IsBlack(image, 60, 74)); // the closing edge from sample 18 to the centre at 19
    EXPECT_TRUE(IsBlack(image, 90, 76)); // the line from the centre out to the last sample
    EXPECT_TRUE(IsWhite(image, 75, 20)); // nothing above the lobe
}

TEST_F(TraceDraw, TheCentreLineEdgesOfALobeLeaveOutTheirEndPoints) {
    // One pixel per unit around the centre x = 150, four rows per sample.
    test::LoadTraces(doc, {{0, 50, 50, 50, -50, 0, -50, -50, 50, 0}});
    doc.m_nScaleMode = 1;
    const PixelRect cell{100, 0, 200, 40};
    auto draw = [&](int32_t fillMode) {
        doc.m_nFillMode = fillMode;
        QImage image = test::WhiteImage(300, 40);
        QPainter painter(&image);
        renderer.DrawTrace(painter, 0, cell);
        return image;
    };
    // The positive lobe closes at sample 4 (row 16): from the centre out to x = 100, the centre pixel
    // included and x = 100 left to the wiggle.
    const QImage positive = draw(0);
    EXPECT_TRUE(IsBlack(positive, 150, 16));
    EXPECT_TRUE(IsBlack(positive, 101, 16));
    // It opens at sample 1 (row 4): from x = 200 in to the centre, which the fill covers.
    EXPECT_TRUE(IsBlack(positive, 151, 4));
    EXPECT_TRUE(IsBlack(positive, 150, 4));
    // The negative lobe opens at sample 6 (row 24) from x = 100 in to the centre, which is left out.
    const QImage negative = draw(1);
    EXPECT_TRUE(IsBlack(negative, 149, 24));
    EXPECT_TRUE(IsWhite(negative, 150, 24));
    // It closes at sample 8 (row 32) from the centre out to x = 200.
    EXPECT_TRUE(IsBlack(negative, 150, 32));
    EXPECT_TRUE(IsBlack(negative, 199, 32));
}

TEST_F(TraceDraw, AZeroPeakDrawsAStraightLine) {
    test::LoadTraces(doc, {{0, 0, 0, 0}});
    const auto& points = renderer.WigglePoints(0, {10, 5, 30, 25});
    EXPECT_EQ(points, (std::vector<QPoint>{{20, 5}, {20, 25}}));
    doc.m_nScaleMode = 7; // an unknown scale mode has no peak either
    test::LoadTraces(doc, {{5, -5, 5, -5}});
    EXPECT_EQ(renderer.WigglePoints(0, {10, 5, 30, 25}).size(), 2u);
}

TEST_F(TraceDraw, ADraggedTraceMovesDownFromItsUnshiftedStart) {
    test::LoadTraces(doc, {{0, 10, 0, 0}});
    doc.m_nScaleMode = 1;
    doc.m_nEditTool = 4;
    doc.m_nShiftTrace = 0;
    doc.m_nShiftStartSample = 1;
    doc.m_nShiftSample = 3;
    layout.m_bDragging = true;
    const auto& points = renderer.WigglePoints(0, {0, 0, 20, 40});
    EXPECT_EQ(points[0], QPoint(10, 0)); // the first segment still joins the cell top
    EXPECT_EQ(points[1], QPoint(10, 20));
    EXPECT_EQ(points[2], QPoint(20, 30));
    layout.m_bDragging = false;
    EXPECT_EQ(renderer.WigglePoints(0, {0, 0, 20, 40})[1], QPoint(10, 0));
}

TEST_F(TraceDraw, MissingOrEmptyTracesDrawNothing) {
    test::LoadTraces(doc, {{1, 2}});
    doc.m_nScaleMode = 1;
    EXPECT_TRUE(renderer.WigglePoints(3, {0, 0, 10, 10}).empty());
    EXPECT_TRUE(renderer.WigglePoints(-1, {0, 0, 10, 10}).empty());
    doc.Header().m_nSampleCount = 0;
    EXPECT_TRUE(renderer.WigglePoints(0, {0, 0, 10, 10}).empty());
    doc.Header().m_nSampleCount = 50; // more than the trace holds: only what is there is drawn
    EXPECT_EQ(renderer.WigglePoints(0, {0, 0, 10, 10}).size(), 3u);
}

} // namespace
} // namespace kvt
