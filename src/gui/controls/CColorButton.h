// A push button drawn in colours its owner chooses, so a palette can show which mode is active.
#pragma once

#include <QColor>
#include <QPushButton>

namespace kvt {

class CColorButton : public QPushButton {
    Q_OBJECT
public:
    explicit CColorButton(const QString& text, QWidget* parent = nullptr);

    // Text and background; the system's button colours are the defaults.
    void SetColors(const QColor& text, const QColor& background);
    void ResetColors();
    QColor TextColor() const { return m_crText; }
    QColor BackgroundColor() const { return m_crBack; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_crText;
    QColor m_crBack;
};

} // namespace kvt
