// The dialogs and palettes keep the arrangement they were drawn in: dialog units of an 8-point dialog
// font, a quarter of the average character width (6 pixels) across and an eighth of the character
// height (13 pixels) down.
#pragma once

#include <QRect>
#include <QString>

#include <algorithm>

namespace kvt {

constexpr QRect DialogUnits(int x, int y, int w, int h) {
    return {x * 6 / 4, y * 13 / 8, w * 6 / 4, h * 13 / 8};
}

// Places a control and names it by its control id ("id1037"); id 0 leaves it unnamed.
template <class Widget> Widget* PlaceControl(Widget* widget, int id, const QRect& geometry) {
    if (id != 0) {
        widget->setObjectName(QStringLiteral("id%1").arg(id));
    }
    widget->setGeometry(geometry);
    return widget;
}

// Widens a placed label whose text needs more room than its place (a longer translation), up to x =
// `right`; a text that fits keeps the place it was drawn in.
template <class Widget> Widget* FitText(Widget* widget, int right) {
    const int wanted = std::min(widget->sizeHint().width(), right - widget->x());
    if (wanted > widget->width()) {
        widget->resize(wanted, widget->height());
    }
    return widget;
}

} // namespace kvt
