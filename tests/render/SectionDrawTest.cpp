// The whole section: layout, axes, time lines and the edit overlays.
#include "SectionRecords.h"
#include "display/CTraceRenderer.h"
#include "display/SectionAxes.h"

#include <QPainter>

#include <gtest/gtest.h>

namespace kvt {
namespace {

using test::BlackRunHeight;
using test::IsBlack;
using test::IsWhite;

class SectionDraw : public ::testing::Test {
protected:
    QImage Draw(int width, int height, bool overlays = false) {
        QImage image(width, height, QImage::Format_RGB32);
        image.fill(Qt::red);
        QPainter painter(&image);
        renderer.DrawRecord(painter, PixelRect{0, 0, width, height}, overlays);
        return image;
    }
    // A column inside the first cell that no zero trace touches.
    int QuietColumn() const { return layout.m_arrTraceRects[0].left + layout.m_arrTraceRects[0].Width() / 4; }

    CKVTDoc doc;
    TraceLayout layout;
    CTraceRenderer renderer{doc, layout};
};

TEST_F(SectionDraw, WithoutARecordThePictureIsWhiteAndTheLayoutKept) {
    layout.m_rcPlot = {1, 2, 3, 4};
    layout.m_arrTraceRects = {{5, 6, 7, 8}};
    const QImage image = Draw(64, 48, true);
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            ASSERT_TRUE(IsWhite(image, x, y)) << x << "," << y;
        }
    }
    EXPECT_EQ(layout.m_rcPlot, (PixelRect{1, 2, 3, 4}));
    EXPECT_EQ(layout.m_arrTraceRects.size(), 1u);
}

TEST_F(SectionDraw, CellsTileThePlotAndZeroTracesAreStraightLinesThroughTheirCentres) {
    test::LoadTraces(doc, test::ZeroTraces(3, 1024));
    const QImage image = Draw(320, 400);
    const PixelRect plot = layout.m_rcPlot;
    EXPECT_GT(plot.left, 0);
    EXPECT_LT(plot.right, 320);
    EXPECT_LT(plot.bottom, 400);
    ASSERT_EQ(layout.m_arrTraceRects.size(), 3u);
    EXPECT_EQ(layout.m_arrTraceRects[0].left, plot.left);
    for (const PixelRect& cell : layout.m_arrTraceRects) {
        EXPECT_EQ(cell.top, plot.top);
        EXPECT_EQ(cell.bottom, plot.bottom);
        const int xc = cell.left + cell.Width() / 2;
        for (int y = plot.top + 3; y < plot.bottom - 2; ++y) {
            if (IsBlack(image, QuietColumn(), y)) {
                continue; // a time line
            }
            EXPECT_TRUE(IsBlack(image, xc, y)) << y;
            EXPECT_TRUE(IsWhite(image, xc - 1, y)) << y;
            EXPECT_TRUE(IsWhite(image, xc + 1, y)) << y;
        }
    }
}

TEST_F(SectionDraw, ARecordWhosePeakIsZeroInGlobalScaleDrawsStraightLines) {
    test::LoadTraces(doc, {{0, 500, -500, 0}});
    doc.m_record.m_nMaxAbs = 0; // the peak is taken when a file is opened, not after edits
    const QImage image = Draw(200, 200);
    EXPECT_EQ(layout.m_nGlobalMax, 0);
    const PixelRect& cell = layout.m_arrTraceRects[0];
    const int xc = cell.left + cell.Width() / 2;
    EXPECT_TRUE(IsBlack(image, xc, cell.top + 10));
    EXPECT_TRUE(IsWhite(image, xc + 3, cell.top + (cell.Height() * 5) / 8));
}

TEST_F(SectionDraw, TenTimeLinesEveryHundredSamplesLabelledInMilliseconds) {
    const auto lines = TimeLines(40, 40 + 1024, 1024, 10.0f, 12);
    for (int j = 1; j <= 10; ++j) {
        const TimeLine& line = lines[static_cast<size_t>(j - 1)];
        EXPECT_EQ(line.majorY, 40 + 100 * j);
        EXPECT_EQ(line.minorY, 40 + 100 * j - 50);
        EXPECT_EQ(line.labelY, 40 + 100 * j - 6);
        EXPECT_EQ(line.label, FormatOneDecimal(j));
    }
    // Samples 1000 to 1023 lie below the last line.
    EXPECT_LT(lines[9].majorY, 40 + 1024);

    EXPECT_EQ(TimeLineStep(1024), 100);
    EXPECT_EQ(TimeLineStep(2048), 200);
    EXPECT_EQ(TimeLineStep(500), 50);
    EXPECT_EQ(TimeLineStep(999), 50);
    EXPECT_EQ(TimeLineStep(499), 0);
    for (const TimeLine& line : TimeLines(40, 400, 499, 10.0f, 12)) {
        EXPECT_EQ(line.majorY, 40);
        EXPECT_EQ(line.label, "0.0");
    }
    EXPECT_EQ(TimeLines(40, 400, 0, 10.0f, 12)[3].majorY, 40);
}

TEST_F(SectionDraw, TimeLinesAreDrawnWhereTheyAreComputed) {
    test::LoadTraces(doc, test::ZeroTraces(2, 1024));
    const QImage image = Draw(300, 700);
    const PixelRect plot = layout.m_rcPlot;
    const int x = QuietColumn();
    for (const TimeLine& line : TimeLines(plot.top, plot.bottom, 1024, 10.0f, 0)) {
        EXPECT_EQ(BlackRunHeight(image, x, line.majorY), 2) << line.label;
        EXPECT_EQ(BlackRunHeight(image, x, line.minorY), 1) << line.label;
    }
    EXPECT_EQ(BlackRunHeight(image, x, plot.bottom), 2);
    EXPECT_EQ(BlackRunHeight(image, x, plot.top), 2);
}

TEST_F(SectionDraw, ATallPictureGetsWiderAxisLines) {
    test::LoadTraces(doc, test::ZeroTraces(2, 1024));
    const QImage image = Draw(300, 3000);
    const PixelRect plot = layout.m_rcPlot;
    const int x = QuietColumn();
    const auto lines = TimeLines(plot.top, plot.bottom, 1024, 10.0f, 0);
    EXPECT_EQ(BlackRunHeight(image, x, lines[0].majorY), 5); // 3000 / 600
    EXPECT_EQ(BlackRunHeight(image, x, lines[4].majorY), 5);
    EXPECT_EQ(BlackRunHeight(image, x, plot.bottom), 5);
    EXPECT_EQ(BlackRunHeight(image, x, lines[0].minorY), 1);
}

TEST_F(SectionDraw, DistanceTicksRiseFromTheAxisAndLeaveOutTheirTopPixel) {
    test::LoadTraces(doc, test::ZeroTraces(6, 1000));
    const QImage image = Draw(400, 300);
    const PixelRect plot = layout.m_rcPlot;
    const int H = plot.top / 3; // the header band is three text lines high
    const float pitch = static_cast<float>(plot.Width()) / 6.0f;
    for (int i = 0; i < 6; ++i) {
        const auto x =
            static_cast<int>(static_cast<float>(plot.left) + pitch / 2 + pitch * static_cast<float>(i));
        // From y0 up to y0 - H / 2, that row left out.
        for (int y = plot.top - H / 2 + 1; y <= plot.top; ++y) {
            EXPECT_TRUE(IsBlack(image, x, y)) << i << "," << y;
        }
        EXPECT_TRUE(IsWhite(image, x, plot.top - H / 2)) << i;
        EXPECT_TRUE(IsWhite(image, x + 1, plot.top - 2)) << i;
    }
}

TEST_F(SectionDraw, DistanceLabelsStepOverColumnsTooNarrowForThem) {
    EXPECT_EQ(DistanceLabelStep(30, 10.0f), 4);
    EXPECT_EQ(DistanceLabelStep(30, 40.0f), 1);
    EXPECT_EQ(DistanceLabelStep(30, 0.0f), INT32_MAX); // all columns in one place: one label
    EXPECT_EQ(DistanceLabelStep(30, -7.0f), 1);
    EXPECT_EQ(FormatOneDecimal(12.25), "12.2");
}

TEST_F(SectionDraw, ANarrowPictureStillDraws) {
    test::LoadTraces(doc, test::ZeroTraces(12, 600));
    const QImage image = Draw(20, 30);
    EXPECT_EQ(layout.m_arrTraceRects.size(), 12u);
    EXPECT_LE(layout.m_rcPlot.right, layout.m_rcPlot.left + 20);
}

TEST_F(SectionDraw, OverlaysAppearOnlyWhenAskedFor) {
    test::LoadTraces(doc, test::ZeroTraces(4, 1000));
    doc.m_nEditTool = 3;
    doc.m_nSelectMode = 2;
    doc.m_nSelTrace = 1;
    const QImage plain = Draw(400, 300, false);
    const QImage marked = Draw(400, 300, true);
    const PixelRect cell = layout.m_arrTraceRects[1];
    const int x = cell.left + 3, y = cell.top + 7;
    ASSERT_TRUE(IsWhite(plain, x, y));
    EXPECT_EQ(marked.pixel(x, y), qRgb(122, 203, 12));
    // The trace under the selection is inverted, not hidden.
    const int xc = cell.left + cell.Width() / 2;
    EXPECT_EQ(marked.pixel(xc, y), qRgb(255 - 122, 255 - 203, 255 - 12));
    EXPECT_TRUE(IsBlack(marked, cell.left, y));
    EXPECT_TRUE(IsBlack(marked, cell.right - 1, y));
    EXPECT_EQ(marked.pixel(cell.right, y), plain.pixel(cell.right, y));

    doc.m_nSelectMode = 3;
    doc.m_arrSelTraces = {0, 3, 9};
    const QImage multi = Draw(400, 300, true);
    const PixelRect c3 = layout.m_arrTraceRects[3];
    EXPECT_EQ(multi.pixel(c3.left + c3.Width() / 2, c3.top + 7), qRgb(255, 0, 0));
}

TEST_F(SectionDraw, DelayLinesAreRedAtTheReferenceAndBlueWhereTheyMoved) {
    test::LoadTraces(doc, test::ZeroTraces(4, 1000));
    doc.m_nEditTool = 2;
    doc.m_nDelayRefSample = 200;
    doc.m_nDelaySample = 333;
    const QImage image = Draw(400, 600, true);
    const int x = QuietColumn();
    EXPECT_EQ(image.pixel(x, renderer.LineY(200)), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(x, renderer.LineY(333)), qRgb(0, 0, 255));
    EXPECT_EQ(image.pixel(x, renderer.LineY(333) - 1), qRgb(0, 0, 255));
    EXPECT_TRUE(IsWhite(image, x, renderer.LineY(333) + 1));
    EXPECT_EQ(image.pixel(layout.m_rcPlot.right, renderer.LineY(333)), qRgb(255, 255, 255));

    // Drawing a moving line again where it is erases it.
    QImage moved = image;
    {
        QPainter painter(&moved);
        renderer.DrawDelayLines(painter, LineForm::Incremental, 333);
        doc.m_nDelaySample = 420;
        renderer.DrawDelayLines(painter, LineForm::Incremental, 333);
    }
    EXPECT_TRUE(IsWhite(moved, x, renderer.LineY(333)));
    EXPECT_EQ(moved.pixel(x, renderer.LineY(420)), qRgb(0, 0, 255));
    // Over a black time line the moving line shows inverted.
    doc.m_nDelaySample = 400;
    const QImage overLine = Draw(400, 600, true);
    EXPECT_EQ(overLine.pixel(x, renderer.LineY(400)), qRgb(255, 255, 0));
}

TEST_F(SectionDraw, TheAreaLineJoinsPickedPointsAndMarksThem) {
    test::LoadTraces(doc, test::ZeroTraces(4, 1000));
    doc.m_nEditTool = 1;
    doc.m_nSelectMode = 0;
    doc.m_arrAreaPoints = {{0, 100, 0, 0, true}, {1, 900, 0, 0, false}, {3, 100, 0, 0, true}};
    const QImage image = Draw(400, 300, true);
    const PixelRect c0 = layout.m_arrTraceRects[0], c3 = layout.m_arrTraceRects[3];
    // Points are placed below the fixed top 40, as the mouse picks them.
    const int y = c0.Height() * 100 / 1000 + 40;
    const int xMid = (c0.left + c0.Width() / 2 + c3.left + c3.Width() / 2) / 2;
    EXPECT_EQ(image.pixel(xMid, y), qRgb(0, 255, 0)); // straight past the interpolated point
    EXPECT_EQ(image.pixel(c3.left + c3.Width() / 2 - 3, y), qRgb(255, 0, 0));
}

} // namespace
} // namespace kvt
