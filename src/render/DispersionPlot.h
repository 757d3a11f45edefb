// The dispersion image on any QPainter: power as colour (a perceptually uniform map) with frequency
// across and phase velocity up, labelled axes, a colour bar, the peak curve and the picked points.
// Shared by the desktop's dispersion window, its printing and kvt-cli's picture output.
#pragma once

#include "algorithms/DispersionImage.h"

#include <QRect>
#include <QSize>

#include <string>
#include <vector>

class QPainter;

namespace kvt {

struct DispersionPlotOptions {
    bool showPeaks = true;             // the peak velocity per frequency as a curve
    std::vector<DispersionPick> picks; // drawn as marked points joined in frequency order
};

// Where the image itself lies inside the painted area, so the mouse can be turned into a frequency
// and velocity and back.
struct DispersionPlotLayout {
    QRect image; // the coloured image, frequencies across, velocities up
    QRect colourBar;
    double fMin = 0.0, fMax = 0.0, vMin = 0.0, vMax = 0.0;

    bool Contains(QPoint point) const { return image.contains(point); }
    DispersionPick PickAt(QPoint point) const;
    QPointF PointOf(const DispersionPick& pick) const;
};

// Paints `image` into `area` (white background, black text) and returns where everything went. An
// empty image paints the frame and axes only.
DispersionPlotLayout PaintDispersion(QPainter& painter, const QRect& area, const DispersionImage& image,
                                     const DispersionPlotOptions& options);

// The picture at `size` pixels as PNG or BMP (by the path's extension); false when it cannot be
// written (the previous file, if any, is kept).
bool SaveDispersionPicture(const DispersionImage& image, const DispersionPlotOptions& options, QSize size,
                           const std::string& path);

} // namespace kvt
