#include "COperateOrderDlg.h"

#include "PaletteLayout.h"
#include "document/CKVTDoc.h"

#include <QPushButton>

namespace kvt {

COperateOrderDlg::COperateOrderDlg(CKVTDoc& doc, QWidget* parent) : QWidget(parent), m_doc(doc) {
    setObjectName(QStringLiteral("id%1").arg(kTemplateId));
    struct Button {
        int id;
        const char* caption;
        QRect area;
        void (*operation)(CKVTDoc&);
    };
    const Button buttons[] = {
        {1003, QT_TR_NOOP("放大"), DialogUnits(1, 5, 31, 19), [](CKVTDoc& d) { d.OperateAmplify(); }},
        {1004, QT_TR_NOOP("缩小"), DialogUnits(33, 5, 31, 19), [](CKVTDoc& d) { d.OperateAttenuate(); }},
        {1005, QT_TR_NOOP("切除"), DialogUnits(66, 5, 31, 19), [](CKVTDoc& d) { d.OperateCut(); }},
        {1006, QT_TR_NOOP("调换"), DialogUnits(98, 5, 31, 19), [](CKVTDoc& d) { d.OperateSwap(); }},
        {1007, QT_TR_NOOP("极性反转"), DialogUnits(35, 28, 60, 19), [](CKVTDoc& d) { d.OperatePolarity(); }},
    };
    QPushButton* placed[5] = {};
    for (const Button& b : buttons) {
        auto* button = new QPushButton(tr(b.caption), this);
        placed[b.id - 1003] = button;
        button->setObjectName(QStringLiteral("id%1").arg(b.id));
        button->setGeometry(b.area);
        connect(button, &QPushButton::clicked, this, [this, op = b.operation] { op(m_doc); });
        if (b.id == 1006) {
            m_swap = button;
        } else if (b.id == 1007) {
            m_polarity = button;
        }
    }
    FitButtonRow({placed[0], placed[1], placed[2], placed[3]}, kPaletteWidth);
    FitButtonRow({placed[4]}, kPaletteWidth);
    UpdateEnabling();
}

void COperateOrderDlg::UpdateEnabling() {
    switch (m_doc.GetSelectMode()) {
    case SelectMode::Above:
    case SelectMode::Below:
        m_swap->setEnabled(false);
        m_polarity->setEnabled(false);
        break;
    case SelectMode::SingleTrace:
        m_swap->setEnabled(false);
        break;
    case SelectMode::MultiTrace:
        m_swap->setEnabled(true);
        m_polarity->setEnabled(true);
        break;
    }
}

} // namespace kvt
