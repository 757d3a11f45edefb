#include "CColorButton.h"

#include <QPainter>
#include <QStyleOptionFocusRect>
#include <qdrawutil.h>

namespace kvt {

CColorButton::CColorButton(const QString& text, QWidget* parent) : QPushButton(text, parent) {
    ResetColors();
}

void CColorButton::SetColors(const QColor& text, const QColor& background) {
    m_crText = text;
    m_crBack = background;
    update();
}

void CColorButton::ResetColors() {
    SetColors(palette().color(QPalette::ButtonText), palette().color(QPalette::Button));
}

void CColorButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRect area = rect();
    const QColor back = isEnabled() ? m_crBack : palette().color(QPalette::Button);
    QPalette bevel = palette();
    bevel.setColor(QPalette::Button, back);
    // A raised two-pixel edge, sunken while pressed; a black frame marks the focus or default button.
    QRect face = area;
    if (!isDown() && (hasFocus() || isDefault())) {
        painter.setPen(Qt::black);
        painter.drawRect(area.adjusted(0, 0, -1, -1));
        face = area.adjusted(1, 1, -1, -1);
    }
    qDrawWinButton(&painter, face, bevel, isDown(), nullptr);
    painter.fillRect(face.adjusted(2, 2, -2, -2), back);

    painter.setPen(isEnabled() ? m_crText : palette().color(QPalette::Disabled, QPalette::ButtonText));
    painter.setFont(font());
    const QRect textArea = face.adjusted(2, 2, -2, -2).translated(isDown() ? QPoint(1, 1) : QPoint());
    painter.drawText(textArea, Qt::AlignCenter | Qt::TextShowMnemonic, text());
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = area.adjusted(4, 4, -4, -4);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
}

} // namespace kvt
