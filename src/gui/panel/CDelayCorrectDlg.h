// The delay palette: the trigger delay in milliseconds (it follows the dragged blue line) and 应用,
// also by Return, which shifts every trace by the typed delay.
#pragma once

#include <QWidget>

class QLineEdit;

namespace kvt {

class CKVTDoc;

class CDelayCorrectDlg : public QWidget {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 136;

    explicit CDelayCorrectDlg(CKVTDoc& doc, QWidget* parent = nullptr);

    // Writes the delay between the lines into the box.
    void ShowDelay();
    void Apply();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    CKVTDoc& m_doc;
    QLineEdit* m_delay;
};

} // namespace kvt
