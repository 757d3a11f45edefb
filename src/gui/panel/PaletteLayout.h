// The palettes' shared look: their arrangement in dialog units and the active mode's colour.
#pragma once

#include "gui/controls/DialogLayout.h"

#include <QColor>
#include <QPushButton>

#include <initializer_list>

namespace kvt {

// The active mode's button: black on green.
inline constexpr QRgb kActiveModeBackground = 0xFF7FF053; // (127, 240, 83)
// The width the side panel gives a palette.
inline constexpr int kPaletteWidth = 205;

// One row of palette buttons, placed as drawn. When a text needs more room than its button (a longer
// translation), the row is spread again so each button is as wide as its text asks, spanning the
// palette's `width` at most; a lone button grows about its centre. Texts that fit keep the drawing.
inline void FitButtonRow(std::initializer_list<QPushButton*> row, int width) {
    constexpr int kPadding = 12; // the frame and a little air on both sides of the text
    constexpr int kGap = 2;
    int needed = 0;
    bool fits = true;
    for (QPushButton* button : row) {
        const int text = button->fontMetrics().horizontalAdvance(button->text().remove(u'&')) + kPadding;
        fits = fits && text <= button->width();
        needed += std::max(text, button->width());
    }
    if (fits) {
        return;
    }
    const QPushButton* first = *row.begin();
    const QPushButton* last = *(row.end() - 1);
    const int gaps = kGap * static_cast<int>(row.size() - 1);
    const int span = std::min(needed + gaps, width);
    const int centre = (first->x() + last->x() + last->width()) / 2;
    int x = std::clamp(centre - span / 2, 0, width - span);
    for (QPushButton* button : row) {
        const int text = button->fontMetrics().horizontalAdvance(button->text().remove(u'&')) + kPadding;
        const int share = (span - gaps) * std::max(text, button->width()) / needed;
        button->setGeometry(x, button->y(), share, button->height());
        x += share + kGap;
    }
}

} // namespace kvt
