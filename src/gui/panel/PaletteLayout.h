// The palettes' shared look: their arrangement in dialog units and the active mode's colour.
#pragma once

#include "gui/controls/DialogLayout.h"

#include <QColor>

namespace kvt {

// The active mode's button: black on green.
inline constexpr QRgb kActiveModeBackground = 0xFF7FF053; // (127, 240, 83)

} // namespace kvt
