#include "CAreaEditDlg.h"

#include "PaletteLayout.h"
#include "document/CKVTDoc.h"
#include "gui/controls/CColorButton.h"

namespace kvt {

CAreaEditDlg::CAreaEditDlg(CKVTDoc& doc, QWidget* parent) : QWidget(parent), m_doc(doc) {
    setObjectName(QStringLiteral("id%1").arg(kTemplateId));
    const char* captions[4] = {"上方", "下方", "单道", "多道"};
    const int left[4] = {1, 33, 66, 98};
    for (int i = 0; i < 4; ++i) {
        m_modes[i] = new CColorButton(QString::fromUtf8(captions[i]), this);
        m_modes[i]->setObjectName(QStringLiteral("id%1").arg(1003 + i));
        m_modes[i]->setGeometry(DialogUnits(left[i], 5, 31, 19));
        connect(m_modes[i], &QPushButton::clicked, this,
                [this, i] { m_doc.SetSelectMode(static_cast<SelectMode>(i)); });
    }
    auto* reset = new QPushButton(QStringLiteral("重设"), this);
    reset->setObjectName(QStringLiteral("id1007"));
    reset->setGeometry(DialogUnits(35, 28, 60, 19));
    connect(reset, &QPushButton::clicked, this, [this] { m_doc.ResetEditState(); });
    Recolour();
}

void CAreaEditDlg::Recolour() {
    for (CColorButton* button : m_modes) {
        button->ResetColors();
    }
    const int mode = static_cast<int>(m_doc.GetSelectMode());
    if (mode >= 0 && mode < 4) {
        m_modes[mode]->SetColors(Qt::black, QColor::fromRgb(kActiveModeBackground));
    }
}

} // namespace kvt
