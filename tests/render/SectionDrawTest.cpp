// The whole section: layout, axes, time lines and the edit overlays.
#include "SectionRecords.h"
#include "render/CTraceRenderer.h"
#include "render/SectionAxes.h"

#include <QPainter>

#include <algorithm>
#include <ranges>

#include <gtest/gtest.h>

namespace kvt {
namespace {

class SectionDraw : public ::testing::Test {
protected:
    QImage Draw(int width, int height, bool overlays = false) {
        QImage image(width, height, QImage::Format_RGB32);
        image.fill(Qt::red);
        QPainter painter(&image);
        renderer.DrawRecord(painter, PixelRect{0, 0, width, height}, overlays);
        return image;
    }
    const PixelRect& Cell(size_t trace) const { return layout.m_arrTraceRects[trace]; }
    int Centre(size_t trace) const { return Cell(trace).left + Cell(trace).Width() / 2; }
    // A column inside the first cell that no zero trace touches.
    int QuietColumn() const { return Cell(0).left + Cell(0).Width() / 4; }
    // Black rows in column x within six rows of y.
    static int BlackRows(const QImage& image, int x, int y) {
        const auto black = [&](int row) { return test::IsBlack(image, x, row); };
        return static_cast<int>(std::ranges::count_if(std::views::iota(y - 6, y + 7), black));
    }

    CKVTDoc doc;
    TraceLayout layout;
    CTraceRenderer renderer{doc, layout};
};

TEST(SectionAxes, TenTimeLinesEveryTenthOfTheSamplesInWhole500sAndDistanceLabelsWhereTheyFit) {
    const auto lines = TimeLines(40, 40 + 1024, 1024, 10.0f, 12);
    for (int j = 1; j <= 10; ++j) {
        const int y = 40 + 100 * j; // minor line, major line, label top; milliseconds
        EXPECT_TRUE(lines[static_cast<size_t>(j - 1)] == (TimeLine{y - 50, y, y - 6, FormatOneDecimal(j)}));
    }
    for (auto [count, step] : {std::pair{2048, 200}, {999, 50}, {499, 0}}) {
        EXPECT_EQ(TimeLineStep(count), step) << count;
    }
    // Without a step every line lies on the plot top.
    EXPECT_TRUE(TimeLines(40, 400, 499, 10.0f, 12)[9] == (TimeLine{40, 40, 34, "0.0"}));
    EXPECT_EQ(DistanceLabelStep(30, 10.0f), 4);
    EXPECT_EQ(DistanceLabelStep(30, 0.0f), INT32_MAX); // all columns in one place: one label
    EXPECT_EQ(DistanceLabelStep(30, -7.0f), 1);
}

TEST_F(SectionDraw, CellsTileThePlotAxesAndTimeLinesAreWhereComputedAndWidenInTallPictures) {
    layout.m_arrTraceRects = {{5, 6, 7, 8}}; // without a record: a white picture, the layout kept
    EXPECT_TRUE(Draw(64, 48, true) == test::WhiteImage(64, 48));
    EXPECT_EQ(layout.m_arrTraceRects.size(), 1u);
    test::LoadTraces(doc, test::ZeroTraces(6, 1024));
    for (auto [height, axis] : {std::pair{700, 2}, {3000, 5}}) { // 3000 / 600
        SCOPED_TRACE(height);
        const QImage image = Draw(400, height);
        const PixelRect plot = layout.m_rcPlot;
        ASSERT_EQ(layout.m_arrTraceRects.size(), 6u);
        const int H = plot.top / 3; // the header band is three text lines high
        const float pitch = static_cast<float>(plot.Width()) / 6.0f;
        for (size_t t = 0; t < 6; ++t) {
            const int left = t == 0 ? plot.left : Cell(t).left, y = plot.top + 8;
            EXPECT_EQ(Cell(t), (PixelRect{left, plot.top, Cell(t).right, plot.bottom}));
            EXPECT_TRUE(test::IsBlack(image, Centre(t), y) && test::IsWhite(image, Centre(t) + 1, y));
            EXPECT_TRUE(test::IsWhite(image, Centre(t) - 1, y)); // a zero trace: one pixel down the centre
            // Distance ticks run from the axis up to y0 - H / 2, that row left out.
            const auto tick =
                static_cast<int>(static_cast<float>(plot.left) + pitch / 2 + pitch * static_cast<float>(t));
            for (int row = plot.top - H / 2 + 1; row <= plot.top; ++row) {
                EXPECT_TRUE(test::IsBlack(image, tick, row)) << t << "," << row;
            }
            EXPECT_TRUE(test::IsWhite(image, tick, plot.top - H / 2) &&
                        test::IsWhite(image, tick + 1, plot.top - axis));
        }
        const int x = QuietColumn();
        for (const TimeLine& line : TimeLines(plot.top, plot.bottom, 1024, 10.0f, 0)) {
            EXPECT_EQ(BlackRows(image, x, line.majorY), axis) << line.label;
            EXPECT_EQ(BlackRows(image, x, line.minorY), 1) << line.label;
        }
        EXPECT_EQ(BlackRows(image, x, plot.bottom), axis);
        EXPECT_EQ(BlackRows(image, x, plot.top), axis);
    }
    test::LoadTraces(doc, test::ZeroTraces(12, 600));
    Draw(20, 30); // a narrow picture still lays out every trace
    EXPECT_EQ(layout.m_arrTraceRects.size(), 12u);
}

TEST_F(SectionDraw, EachToolDrawsItsOverlayOnlyWhenAskedFor) {
    using enum EditTool;
    using enum SelectMode;
    test::LoadTraces(doc, test::ZeroTraces(4, 1000));
    doc.SetSelTrace(1);
    doc.AddSelTrace(3);
    doc.AddAreaPoint(0, 100, 0, 0);
    doc.AddAreaPoint(3, 100, 0, 0);
    doc.ResetDelayLines(); // both at sample 200
    doc.SetDelaySample(333);
    doc.BeginShotTimeShift(1, 200);
    doc.SetShiftSample(400);
    layout.m_bDragging = true; // the shot-time lines show only while a trace is dragged
    const QImage plain = Draw(400, 600);
    const int x = QuietColumn(), y = Cell(1).top + 7, ref = renderer.LineY(200), moved = renderer.LineY(333);
    const int pickY = Cell(0).Height() * 100 / 1000 + 40; // below the fixed top 40, as the mouse picks
    const struct {
        EditTool tool;
        SelectMode mode;
        QPoint at;
        QRgb colour;
    } cases[] = {
        // One selected trace: its cell in the selection colour inside a black outline, inverted.
        {Operation, SingleTrace, {Cell(1).left + 3, y}, qRgb(122, 203, 12)},
        {AreaEdit, SingleTrace, {Centre(1), y}, qRgb(255 - 122, 255 - 203, 255 - 12)},
        {Operation, SingleTrace, {Cell(1).right - 1, y}, qRgb(0, 0, 0)},
        {AreaEdit, SingleTrace, {Cell(1).right, y}, qRgb(255, 255, 255)},
        {Operation, MultiTrace, {Centre(3), y}, qRgb(255, 0, 0)},
        // The area line joins the picks and marks each with a red cross.
        {AreaEdit, Above, {(Centre(0) + Centre(3)) / 2, pickY}, qRgb(0, 255, 0)},
        {AreaEdit, Below, {Centre(3) - 3, pickY}, qRgb(255, 0, 0)},
        // Red at the reference; two rows of inverting blue where it moved (yellow on a time line).
        {DelayCorrection, Above, {x, ref}, qRgb(255, 0, 0)},
        {DelayCorrection, Above, {x, moved}, qRgb(0, 0, 255)},
        {DelayCorrection, Above, {x, moved - 1}, qRgb(0, 0, 255)},
        {DelayCorrection, Above, {x, moved + 1}, qRgb(255, 255, 255)},
        {ShotTime, Above, {x, ref}, qRgb(255, 0, 0)},
        {ShotTime, Above, {x, renderer.LineY(400)}, qRgb(255, 255, 0)},
    };
    for (size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(i);
        doc.SetEditTool(cases[i].tool);
        doc.SetSelectMode(cases[i].mode);
        EXPECT_EQ(Draw(400, 600).pixel(cases[i].at), plain.pixel(cases[i].at));
        EXPECT_EQ(Draw(400, 600, true).pixel(cases[i].at), cases[i].colour);
    }
    layout.m_bDragging = false;
    EXPECT_EQ(Draw(400, 600, true).pixel(x, ref), plain.pixel(x, ref));
}

} // namespace
} // namespace kvt
