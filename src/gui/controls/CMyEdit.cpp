#include "CMyEdit.h"

#include <QKeyEvent>

namespace kvt {

CMyEdit::CMyEdit(QWidget* parent) : QLineEdit(parent) {
    setObjectName(QStringLiteral("id101"));
}

void CMyEdit::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        // Consumed here, so that neither the dialog's default button nor its cancel sees the key.
        event->accept();
        m_bCommit = event->key() != Qt::Key_Escape;
        emit EditEnded();
        return;
    default:
        QLineEdit::keyPressEvent(event);
    }
}

void CMyEdit::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    emit EditEnded();
}

} // namespace kvt
