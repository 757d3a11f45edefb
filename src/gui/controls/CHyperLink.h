// A link label: the address in link colour, underlined, the hover colour under the mouse, a hand
// cursor and a tooltip showing the address; a click opens the address.
#pragma once

#include <QLabel>
#include <QString>

#include <functional>

namespace kvt {

class CHyperLink : public QLabel {
    Q_OBJECT
public:
    explicit CHyperLink(QWidget* parent = nullptr);

    // An empty text shows the address; the label fits its text.
    void SetURL(const QString& address);
    const QString& URL() const { return m_strURL; }
    // What a click does with the address; the desktop's browser by default.
    void SetOpener(std::function<void(const QString&)> opener);

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void ShowColour();

    QString m_strURL;
    bool m_bOverControl = false;
    std::function<void(const QString&)> m_open;
};

} // namespace kvt
