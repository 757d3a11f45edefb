// One trace: its vertices, scaling, display gain, clip and the variable-area fill.
#include "SectionRecords.h"
#include "render/CTraceRenderer.h"

#include <QPainter>
#include <QPainterPath>
#include <QPolygon>

#include <gtest/gtest.h>

#include <random>

namespace kvt {
namespace {

class TraceDraw : public ::testing::Test {
protected:
    // Offsets of the wiggle's vertices from the cell centre, the start point left out.
    std::vector<int> Swings(int32_t trace, const PixelRect& cell) {
        const auto& points = renderer.WigglePoints(trace, cell);
        std::vector<int> swings;
        for (size_t i = 1; i < points.size(); ++i) {
            swings.push_back(points[i].x() - (cell.left + cell.Width() / 2));
        }
        return swings;
    }

    CKVTDoc doc;
    TraceLayout layout;
    CTraceRenderer renderer{doc, layout};
};

TEST_F(TraceDraw, GlobalScaleTakesTheRecordsPeakAndTraceScaleEachTracesOwn) {
    test::LoadTraces(doc, {{100, -40}, {10, -4}});
    QImage image = test::WhiteImage(300, 300);
    QPainter painter(&image);
    renderer.DrawRecord(painter, {0, 0, 300, 300}, false); // leaves the record's peak in the layout
    EXPECT_EQ(Swings(1, {0, 0, 200, 2}), (std::vector<int>{10, -4}));
    doc.SetDisplay({.m_nScaleMode = ScaleMode::Trace});
    EXPECT_EQ(Swings(1, {0, 0, 200, 2}), (std::vector<int>{100, -40}));
}

TEST_F(TraceDraw, SwingsFollowThePeakTheTruncatedGainAndTheClipWithoutWrapping) {
    // Per-trace scale in a 200-pixel cell: a peak of 100 is one pixel per unit.
    const std::vector<int32_t> unit = {100, 9, -9, 19, -19, 50, 7};
    struct Case {
        int32_t gain, range;
        std::vector<int32_t> samples;
        std::vector<int> swings;
        int32_t headerSamples = -1; // -1: as many as the trace holds
        int32_t trace = 0;
    };
    const Case cases[] = {
        {0, 2, {0, 0, 0, 0}, {0}},                            // a zero peak: one line down the cell
        {0, 2, {1, 2}, {}, -1, 2},                            // no such trace
        {0, 2, {1, 2}, {}, -1, -1},                           // nor a negative one
        {0, 2, {1, 2}, {}, 0},                                // no samples in the header
        {0, 2, {1, 2}, {50, 100}, 50},                        // more in the header: what the trace holds
        {-6, 2, unit, unit},                                  // factor (int)1.99 = 1
        {-7, 2, unit, {50, 4, -4, 9, -9, 25, 3}},             // factor 2, integer division
        {-20, 2, unit, {10, 0, 0, 1, -1, 5, 0}},              // -9..9 vanish
        {7, 2, unit, {200, 18, -18, 38, -38, 100, 14}},       // the peak reaches the clip
        {20, 2, unit, {200, 90, -90, 190, -190, 200, 70}},    // factor 10
        {20, 5, unit, {500, 90, -90, 190, -190, 500, 70}},    // five half cells
        {60, 2, unit, {200, 200, -200, 200, -200, 200, 200}}, // factor 1000
        {20, 2, {200000000, 100000000, 0}, {100, 50, 0}},     // a peak above 100000000 is not amplified
        {60, 2, {3000000, -3000000, 0}, {200, -200, 0}},      // x 1000 overflows 32 bits: sign kept
    };
    for (size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(i);
        const Case& c = cases[i];
        doc.SetDisplay({.m_nScaleMode = ScaleMode::Trace, .m_nGainDb = c.gain, .m_nAmpRange = c.range});
        test::LoadTraces(doc, {c.samples}, c.headerSamples);
        EXPECT_EQ(Swings(c.trace, {0, 0, 200, 7}), c.swings);
    }
}

TEST_F(TraceDraw, FillModesChooseTheLobesAndCloseThemOnTheCentreLine) {
    using enum FillMode;
    // One pixel per unit around the centre x = 150, four rows per sample.
    const std::vector<int32_t> lobes = {0, 50, 50, 50, -50, 0, -50, -50, 50, 0};
    const std::vector<int32_t> last = {0, 0, 0, 0, 0, 50, 50, 50, 50, 50};
    const std::vector<int32_t> clipped = {0, 50, 50, 50, 0, -50, -50, -50, 0, 0};
    struct Case {
        std::vector<int32_t> samples;
        FillMode fill;
        int32_t gain;
        std::vector<QPoint> black, white;
    };
    const Case cases[] = {
        // (175, 8) lies in the positive lobe, (125, 27) in the negative one. The positive lobe opens at
        // row 4 from x = 200 in to the centre, which the fill covers, and closes at row 16 from the
        // centre (included) out to x = 100 (left to the wiggle).
        {lobes, Positive, 0, {{175, 8}, {151, 4}, {150, 4}, {150, 16}, {101, 16}}, {{125, 27}}},
        // The negative lobe opens at row 24 from x = 100 in to the centre, which is left out, and closes
        // at row 32 from the centre out to x = 200.
        {lobes, Negative, 0, {{125, 27}, {149, 24}, {150, 32}, {199, 32}}, {{175, 8}, {150, 24}}},
        {lobes, Wiggle, 0, {{200, 8}}, {{175, 8}, {125, 27}}},
        // A lobe reaching the last sample (row 36) is closed there: filled up to the edge from sample 8
        // to the centre at 9, and the line from the centre out to the last sample drawn.
        {last, Positive, 0, {{175, 28}, {160, 34}, {190, 36}}, {{175, 8}}},
        // 20 dB clips at exactly two half cells, and the clipped lobe is filled out to there.
        {clipped, Positive, 20, {{250, 8}, {200, 8}, {50, 24}}, {{251, 8}, {49, 24}, {100, 24}}},
    };
    for (size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(i);
        const Case& c = cases[i];
        doc.SetDisplay({.m_nFillMode = c.fill, .m_nScaleMode = ScaleMode::Trace, .m_nGainDb = c.gain});
        test::LoadTraces(doc, {c.samples});
        QImage image = test::WhiteImage(300, 40);
        QPainter painter(&image);
        renderer.DrawTrace(painter, 0, {100, 0, 200, 40});
        painter.end();
        for (const QPoint& p : c.black) {
            EXPECT_TRUE(test::IsBlack(image, p.x(), p.y())) << p.x() << "," << p.y();
        }
        for (const QPoint& p : c.white) {
            EXPECT_TRUE(test::IsWhite(image, p.x(), p.y())) << p.x() << "," << p.y();
        }
    }
}

// The plain way to draw a trace: a vertex for every sample, each lobe one polygon closed on the
// centre line, and the centre-line segments where a lobe opens and closes, drawn together as lines
// that cover their first pixel and not their last.
QImage PlainTrace(const std::vector<QPoint>& points, const std::vector<int32_t>& samples, FillMode fill,
                  QSize size) {
    QImage image = test::WhiteImage(size.width(), size.height());
    QPainter painter(&image);
    painter.setPen(QPen(Qt::black, 1, Qt::SolidLine, Qt::FlatCap));
    painter.drawPolyline(points.data(), static_cast<int>(points.size()));
    if (fill == FillMode::Wiggle) {
        return image;
    }
    const int xc = points[0].x();
    std::vector<QLine> edges;
    auto edge = [&edges](int from, int to, int y) {
        const int shift = to < from ? 1 : 0; // a thin line leaves out its larger end
        if (from != to) {
            edges.emplace_back(from + shift, y, to + shift, y);
        }
    };
    QPainterPath lobes;
    QPolygon lobe;
    for (size_t s = 0; s < samples.size(); ++s) {
        const QPoint& p = points[s + 1];
        const bool in =
            (fill == FillMode::Positive ? samples[s] > 0 : samples[s] < 0) && s + 1 < samples.size();
        if (in && lobe.isEmpty()) {
            edge(p.x(), xc, p.y());
            lobe << QPoint(xc, p.y());
        }
        if (in) {
            lobe << p;
        } else if (!lobe.isEmpty()) {
            lobe << QPoint(xc, p.y());
            lobes.addPolygon(lobe);
            lobes.closeSubpath();
            edge(xc, p.x(), p.y());
            lobe.clear();
        }
    }
    painter.drawLines(edges.data(), static_cast<int>(edges.size()));
    lobes.setFillRule(Qt::OddEvenFill);
    painter.fillPath(lobes, Qt::black);
    return image;
}

TEST_F(TraceDraw, ManySamplesOnOnePixelRowDrawTheSamePixelsAsOneVertexPerSample) {
    std::mt19937 rng(17);
    auto trace = [](int32_t count, auto value) {
        std::vector<int32_t> samples(static_cast<size_t>(count));
        for (int32_t i = 0; i < count; ++i) {
            samples[static_cast<size_t>(i)] = value(i);
        }
        return samples;
    };
    const std::vector<std::vector<int32_t>> records = {
        trace(3000, [&rng](int32_t) { return static_cast<int32_t>(rng() % 2001) - 1000; }), // noise
        trace(2999, [](int32_t i) { return i % 2 == 0 ? 700 + i % 13 : -650; }), // lobes within one row
        trace(4000, [&rng](int32_t i) { return i == 1500 ? 100000 : static_cast<int32_t>(rng() % 5) - 2; }),
        trace(1000, [](int32_t i) { return i < 500 ? 300 : 300 - i; }), // a long lobe, then a ramp
        trace(25, [&rng](int32_t) { return static_cast<int32_t>(rng() % 201) - 100; }), // fewer than rows
    };
    for (size_t r = 0; r < records.size(); ++r) {
        test::LoadTraces(doc, {records[r]});
        for (const int32_t gain : {0, 30}) {
            for (const FillMode fill : {FillMode::Positive, FillMode::Negative, FillMode::Wiggle}) {
                for (const PixelRect& cell : {PixelRect{10, 0, 110, 61}, PixelRect{0, 3, 47, 200}}) {
                    SCOPED_TRACE(testing::Message() << "record " << r << " gain " << gain << " fill "
                                                    << static_cast<int>(fill) << " height " << cell.Height());
                    doc.SetDisplay(
                        {.m_nFillMode = fill, .m_nScaleMode = ScaleMode::Trace, .m_nGainDb = gain});
                    QImage drawn = test::WhiteImage(120, 210);
                    QPainter painter(&drawn);
                    renderer.DrawTrace(painter, 0, cell);
                    painter.end();
                    EXPECT_TRUE(drawn ==
                                PlainTrace(renderer.WigglePoints(0, cell), records[r], fill, drawn.size()));
                }
            }
        }
    }
}

TEST_F(TraceDraw, ADraggedTraceMovesDownFromItsUnshiftedStart) {
    test::LoadTraces(doc, {{0, 10, 0, 0}});
    doc.SetDisplay({.m_nScaleMode = ScaleMode::Trace});
    doc.SetEditTool(EditTool::ShotTime);
    doc.BeginShotTimeShift(0, 1);
    doc.SetShiftSample(3);
    layout.m_bDragging = true;
    // Ten rows a sample from the cell top, two samples lower when dragged; the start stays at the top.
    EXPECT_EQ(renderer.WigglePoints(0, {0, 0, 20, 40}),
              (std::vector<QPoint>{{10, 0}, {10, 20}, {20, 30}, {10, 40}, {10, 50}}));
    layout.m_bDragging = false;
    EXPECT_EQ(renderer.WigglePoints(0, {0, 0, 20, 40}),
              (std::vector<QPoint>{{10, 0}, {10, 0}, {20, 10}, {10, 20}, {10, 30}}));
}

} // namespace
} // namespace kvt
