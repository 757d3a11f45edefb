#include "CHyperLink.h"

#include <QDesktopServices>
#include <QMouseEvent>
#include <QUrl>

namespace kvt {

namespace {

const QColor kLinkColour(0, 0, 238);

void OpenInBrowser(const QString& address) {
    QDesktopServices::openUrl(QUrl(address));
}

} // namespace

CHyperLink::CHyperLink(QWidget* parent) : QLabel(parent), m_open(OpenInBrowser) {
    // The address is shown as it is, never read as markup.
    setTextFormat(Qt::PlainText);
    setAutoFillBackground(false);
    setCursor(Qt::PointingHandCursor);
    QFont underlined = font();
    underlined.setUnderline(true);
    setFont(underlined);
    ShowColour();
}

void CHyperLink::SetURL(const QString& address) {
    m_strURL = address;
    setToolTip(address);
    if (text().isEmpty()) {
        setText(address);
    }
    adjustSize();
}

void CHyperLink::SetOpener(std::function<void(const QString&)> opener) {
    m_open = opener ? std::move(opener) : OpenInBrowser;
}

void CHyperLink::enterEvent(QEnterEvent* event) {
    m_bOverControl = true;
    ShowColour();
    QLabel::enterEvent(event);
}

void CHyperLink::leaveEvent(QEvent* event) {
    m_bOverControl = false;
    ShowColour();
    QLabel::leaveEvent(event);
}

void CHyperLink::mouseReleaseEvent(QMouseEvent* event) {
    // Pressing on the link and letting go outside it opens nothing, as with a button.
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) &&
        !m_strURL.isEmpty()) {
        m_open(m_strURL);
    }
    QLabel::mouseReleaseEvent(event);
}

void CHyperLink::ShowColour() {
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, m_bOverControl ? colours.color(QPalette::Highlight) : kLinkColour);
    setPalette(colours);
}

} // namespace kvt
