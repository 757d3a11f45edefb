#include "CViewBar.h"

#include <QApplication>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLinearGradient>
#include <QPainter>
#include <QTextLayout>
#include <QToolButton>
#include <qdrawutil.h>

#include <algorithm>
#include <cmath>

namespace kvt {

namespace {

constexpr int kCaptionContentHeight = 12;
constexpr int kCloseButtonSize = 11;
constexpr QMargins kCaptionMargins{4, 1, 3, 1};
constexpr double kTitlePointSize = 8.5;

QFont TitleFont() {
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    for (const QString& family : {QStringLiteral("Tahoma"), QStringLiteral("Arial")}) {
        if (QFontDatabase::hasFamily(family)) {
            font = QFont(family);
            break;
        }
    }
    font.setPointSizeF(kTitlePointSize);
    return font;
}

// Height of one line of `text`, including any fallback font its characters need (a CJK title
// drawn with a Latin font is often taller than the font itself).
int LineHeight(const QFont& font, const QString& text) {
    QTextLayout layout(text, font);
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    const double height = line.isValid() ? line.height() : 0.0;
    return std::max(QFontMetrics(font).height(), static_cast<int>(std::ceil(height)));
}

} // namespace

CViewBar::CViewBar(const QString& title, QWidget* view, QWidget* parent)
    : QDockWidget(title, parent), m_titleFont(TitleFont()) {
    setObjectName(QStringLiteral("id%1").arg(kControlId));
    setAllowedAreas(Qt::LeftDockWidgetArea);
    setFeatures(DockWidgetClosable | DockWidgetMovable | DockWidgetFloatable);
    setMinimumSize(kMinimumDocked);
    setWidget(view);

    // The caption ignores mouse presses and double clicks, so dragging and floating stay QDockWidget's.
    m_caption = new QWidget(this);
    m_caption->installEventFilter(this);
    m_close = new QToolButton(m_caption);
    m_close->setFixedSize(kCloseButtonSize, kCloseButtonSize);
    m_close->setAutoRaise(true);
    m_close->setFocusPolicy(Qt::NoFocus);
    m_close->installEventFilter(this);
    // The close button only hides the bar; 主面板 shows it again.
    connect(m_close, &QToolButton::clicked, this, &QWidget::hide);
    auto* layout = new QHBoxLayout(m_caption);
    layout->setContentsMargins(kCaptionMargins);
    layout->setSpacing(2);
    layout->addSpacerItem(new QSpacerItem(0, 0, QSizePolicy::Expanding, QSizePolicy::Fixed));
    layout->addWidget(m_close, 0, Qt::AlignVCenter);
    setTitleBarWidget(m_caption);
    FitCaptionHeight();

    connect(this, &QWidget::windowTitleChanged, this, &CViewBar::FitCaptionHeight);
    connect(this, &QDockWidget::topLevelChanged, this,
            [this](bool floating) { setMinimumSize(floating ? kMinimumFloating : kMinimumDocked); });
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { FollowFocus(now); });
}

bool CViewBar::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Paint) {
        if (watched == m_caption) {
            PaintCaption();
            return true;
        }
        if (watched == m_close) {
            PaintCloseButton();
            return true;
        }
    }
    return QDockWidget::eventFilter(watched, event);
}

void CViewBar::FitCaptionHeight() {
    const int height = std::max(kCaptionContentHeight, LineHeight(m_titleFont, windowTitle()));
    auto* layout = static_cast<QHBoxLayout*>(m_caption->layout());
    layout->itemAt(0)->spacerItem()->changeSize(0, height, QSizePolicy::Expanding, QSizePolicy::Fixed);
    layout->invalidate();
    m_caption->update();
}

void CViewBar::PaintCaption() {
    QPainter painter(m_caption);
    const QPalette& colours = palette();
    const QRect band = m_caption->rect();
    QLinearGradient fill(band.topLeft(), band.topRight());
    QColor text;
    if (m_bActive) {
        const QColor highlight = colours.color(QPalette::Active, QPalette::Highlight);
        fill.setColorAt(0, highlight);
        fill.setColorAt(1, highlight.lighter(130));
        text = colours.color(QPalette::Active, QPalette::HighlightedText);
    } else {
        const QColor window = colours.color(QPalette::Window);
        fill.setColorAt(0, window.darker(135));
        fill.setColorAt(1, window.darker(108));
        text = colours.color(QPalette::WindowText);
    }
    painter.fillRect(band, fill);

    QRect title = band.marginsRemoved(kCaptionMargins);
    title.setRight(m_close->geometry().left() - 3);
    painter.setFont(m_titleFont);
    painter.setPen(text);
    const QString shown = QFontMetrics(m_titleFont).elidedText(windowTitle(), Qt::ElideRight, title.width());
    painter.drawText(title, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, shown);
}

void CViewBar::PaintCloseButton() {
    QPainter painter(m_close);
    const QPalette& colours = m_close->palette();
    const QRect box = m_close->rect();
    const bool pressed = m_close->isDown();
    if (pressed || m_close->underMouse()) {
        const QBrush face = colours.button();
        qDrawShadePanel(&painter, box, colours, pressed, 1, &face);
    }
    // The cross takes the caption's text colour until the button shows its own face.
    QColor ink = colours.color(QPalette::ButtonText);
    if (!pressed && !m_close->underMouse()) {
        ink = m_bActive ? colours.color(QPalette::Active, QPalette::HighlightedText)
                        : colours.color(QPalette::WindowText);
    }
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(ink, 1.5, Qt::SolidLine, Qt::RoundCap));
    const QPointF shift = pressed ? QPointF(1, 1) : QPointF(0, 0);
    const QRectF cross = QRectF(box).adjusted(3, 3, -3, -3).translated(shift);
    painter.drawLine(cross.topLeft(), cross.bottomRight());
    painter.drawLine(cross.topRight(), cross.bottomLeft());
}

void CViewBar::FollowFocus(QWidget* now) {
    const bool active = now != nullptr && (now == this || isAncestorOf(now));
    if (active != m_bActive) {
        m_bActive = active;
        m_caption->update();
        m_close->update();
    }
}

} // namespace kvt
