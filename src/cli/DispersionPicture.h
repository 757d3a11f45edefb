// The dispersion command's picture: drawn by the renderer where kvt-cli has one (DispersionPicture.cpp),
// refused in a build without Qt (DispersionPictureUnavailable.cpp).
#pragma once

#include "algorithms/DispersionImage.h"

#include <string>

namespace kvt::cli {

// Whether this build can draw the picture; when not, says so on standard error.
bool CanDrawDispersion();

// The image with its peak curve, 1024 x 768 pixels, as PNG or BMP by the path's extension; false when
// the file cannot be written (a previous file of that name is kept).
bool WriteDispersionPicture(const DispersionImage& image, const std::string& path);

} // namespace kvt::cli
