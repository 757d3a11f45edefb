// The dispersion picture through the renderer's plot.
#include "DispersionPicture.h"
#include "OffscreenGui.h"
#include "render/DispersionPlot.h"

namespace kvt::cli {

bool CanDrawDispersion() {
    return true;
}

bool WriteDispersionPicture(const DispersionImage& image, const std::string& path) {
    const OffscreenGui gui("dispersion");
    return SaveDispersionPicture(image, DispersionPlotOptions{}, QSize(1024, 768), path);
}

} // namespace kvt::cli
