// The in-place cell editor of CTipListCtrl: Enter ends editing and keeps the text, Escape ends it
// and drops the text, and losing the focus ends it keeping the text.
#pragma once

#include <QLineEdit>

namespace kvt {

class CMyEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit CMyEdit(QWidget* parent = nullptr);

    // Whether the text is kept when editing ends; back to true for the next edit.
    bool Commit() const { return m_bCommit; }
    void SetCommit(bool commit) { m_bCommit = commit; }

signals:
    // Editing is over; Commit() says whether the text is to be kept.
    void EditEnded();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    bool m_bCommit = true;
};

} // namespace kvt
