// The operation palette: 放大, 缩小, 切除, 调换 and 极性反转 on what the selection mode marks.
#pragma once

#include <QWidget>

class QPushButton;

namespace kvt {

class CKVTDoc;

class COperateOrderDlg : public QWidget {
    Q_OBJECT
public:
    static constexpr int kTemplateId = 135;

    explicit COperateOrderDlg(CKVTDoc& doc, QWidget* parent = nullptr);

    // 调换 needs a multi-trace selection; 极性反转 is off above or below a line and keeps its state
    // in single-trace mode.
    void UpdateEnabling();

private:
    CKVTDoc& m_doc;
    QPushButton* m_swap;
    QPushButton* m_polarity;
};

} // namespace kvt
