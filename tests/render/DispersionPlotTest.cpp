// The dispersion picture: the peak curve and the picks land where the layout says, the mouse mapping
// turns back into the same pixel, and a picture file is only replaced by a complete one.
#include "render/DispersionPlot.h"
#include "TempDir.h"

#include <QFile>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

namespace kvt {
namespace {

// No power anywhere (the darkest colour) and a peak falling from 260 m/s at 10 Hz to 180 m/s at 50 Hz.
DispersionImage FallingPeak() {
    DispersionImage image;
    for (double f = 10.0; f <= 50.0; f += 1.0) {
        image.frequencies.push_back(f);
        image.peakVelocity.push_back(280.0 - 2.0 * f);
        image.peakPower.push_back(1.0f);
    }
    for (double v = 100.0; v <= 400.0; v += 5.0) {
        image.velocities.push_back(v);
    }
    image.power.assign(image.frequencies.size() * image.velocities.size(), 0.0f);
    return image;
}

QImage Paint(const DispersionImage& image, const DispersionPlotOptions& options,
             DispersionPlotLayout& layout) {
    QImage picture(640, 400, QImage::Format_RGB32);
    QPainter painter(&picture);
    layout = PaintDispersion(painter, picture.rect(), image, options);
    return picture;
}

QRgb PixelAt(const QImage& picture, QPointF point) {
    return picture.pixel(static_cast<int>(point.x()), static_cast<int>(point.y()));
}

TEST(DispersionPlot, PeakCurveAndPicksLieWherePointOfPutsThem) {
    const DispersionImage image = FallingPeak();
    DispersionPlotLayout layout;
    const QImage withPeaks =
        Paint(image, {.showPeaks = true, .picks = {{20.0, 250.0}, {40.0, 300.0}}}, layout);
    const QImage without = Paint(image, {.showPeaks = false, .picks = {}}, layout);
    for (size_t f = 2; f + 2 < image.frequencies.size(); f += 4) {
        const QPointF at = layout.PointOf({image.frequencies[f], image.peakVelocity[f]});
        EXPECT_GT(qGray(PixelAt(withPeaks, at)), 200) << image.frequencies[f];
        EXPECT_LT(qGray(PixelAt(without, at)), 80) << image.frequencies[f];
    }
    for (const DispersionPick pick : {DispersionPick{20.0, 250.0}, DispersionPick{40.0, 300.0}}) {
        const QRgb colour = PixelAt(withPeaks, layout.PointOf(pick));
        EXPECT_GT(qRed(colour), 180);
        EXPECT_LT(qGreen(colour), 90);
    }
}

TEST(DispersionPlot, PickAtAndPointOfRoundTripToTheSamePixel) {
    DispersionPlotLayout layout;
    Paint(FallingPeak(), {}, layout);
    ASSERT_FALSE(layout.image.isEmpty());
    for (const QPoint p : {layout.image.topLeft(), layout.image.center(), layout.image.bottomRight()}) {
        const QPointF back = layout.PointOf(layout.PickAt(p));
        EXPECT_EQ(QPoint(static_cast<int>(back.x()), static_cast<int>(back.y())), p);
    }
    EXPECT_NEAR(layout.PickAt(layout.image.topLeft()).velocity, 400.0, 10.0);
    EXPECT_NEAR(layout.PickAt(layout.image.bottomRight()).frequency, 50.0, 0.5);
}

TEST(DispersionPlot, PictureFileIsWrittenByExtensionAndAFailedWriteKeepsTheOldOne) {
    test::TempDir dir;
    const DispersionImage image = FallingPeak();
    EXPECT_TRUE(SaveDispersionPicture(image, {}, {800, 500}, dir.File("a.png")));
    EXPECT_EQ(QImage(QString::fromStdString(dir.File("a.png")), "PNG").size(), QSize(800, 500));
    EXPECT_TRUE(SaveDispersionPicture(image, {}, {300, 200}, dir.File("b.BMP")));
    EXPECT_EQ(QImage(QString::fromStdString(dir.File("b.BMP")), "BMP").size(), QSize(300, 200));

    EXPECT_FALSE(SaveDispersionPicture(image, {}, {300, 200}, dir.File("c.jpg")));
    EXPECT_FALSE(SaveDispersionPicture(image, {}, {0, 200}, dir.File("a.png")));
    EXPECT_FALSE(SaveDispersionPicture(image, {}, {300, 200}, dir.File("missing/d.png")));
    EXPECT_EQ(QImage(QString::fromStdString(dir.File("a.png")), "PNG").size(), QSize(800, 500));
}

} // namespace
} // namespace kvt
