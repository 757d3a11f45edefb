// The palettes were laid out in dialog units of an 8-point dialog font; one unit is 1.5 pixels across
// and 1.625 pixels down at 96 dpi.
#pragma once

#include <QRect>

namespace kvt {

constexpr QRect DialogUnits(int x, int y, int w, int h) {
    return {x * 3 / 2, y * 13 / 8, w * 3 / 2, h * 13 / 8};
}

// The active mode's button: black on green.
inline constexpr QRgb kActiveModeBackground = 0xFF7FF053; // (127, 240, 83)

} // namespace kvt
