#include "CAreaEditDlg.h"

#include "PaletteLayout.h"
#include "document/CKVTDoc.h"
#include "gui/controls/CColorButton.h"

namespace kvt {

CAreaEditDlg::CAreaEditDlg(CKVTDoc& doc, QWidget* parent) : QWidget(parent), m_doc(doc) {
    setObjectName(QStringLiteral("id%1").arg(kTemplateId));
    const char* captions[4] = {QT_TR_NOOP("上方"), QT_TR_NOOP("下方"), QT_TR_NOOP("单道"),
                               QT_TR_NOOP("多道")};
    const int left[4] = {1, 33, 66, 98};
    for (int i = 0; i < 4; ++i) {
        m_modes[i] = new CColorButton(tr(captions[i]), this);
        m_modes[i]->setObjectName(QStringLiteral("id%1").arg(1003 + i));
        m_modes[i]->setGeometry(DialogUnits(left[i], 5, 31, 19));
        connect(m_modes[i], &QPushButton::clicked, this,
                [this, i] { m_doc.SetSelectMode(static_cast<SelectMode>(i)); });
    }
    auto* reset = new QPushButton(tr("重设"), this);
    reset->setObjectName(QStringLiteral("id1007"));
    reset->setGeometry(DialogUnits(35, 28, 60, 19));
    connect(reset, &QPushButton::clicked, this, [this] { m_doc.ResetEditState(); });
    FitButtonRow({m_modes[0], m_modes[1], m_modes[2], m_modes[3]}, kPaletteWidth);
    FitButtonRow({reset}, kPaletteWidth);
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
