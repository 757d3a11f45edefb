// The resizable docking bar that carries a view (the side panel): a caption band with the title and a
// close button that hides the bar, minimum sizes docked and floating.
#pragma once

#include <QDockWidget>
#include <QFont>

class QToolButton;

namespace kvt {

class CViewBar : public QDockWidget {
    Q_OBJECT
public:
    static constexpr int kControlId = 0xE900;
    static constexpr QSize kMinimumDocked{33, 32};
    static constexpr QSize kMinimumFloating{37, 32};

    // `view` becomes the bar's content.
    CViewBar(const QString& title, QWidget* view, QWidget* parent = nullptr);

protected:
    // Paints the caption band and its close button.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FitCaptionHeight();
    void PaintCaption();
    void PaintCloseButton();
    void FollowFocus(QWidget* now);

    QWidget* m_caption = nullptr;
    QToolButton* m_close = nullptr;
    QFont m_titleFont;
    bool m_bActive = false;
};

} // namespace kvt
