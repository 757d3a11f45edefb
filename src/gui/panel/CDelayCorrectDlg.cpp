#include "CDelayCorrectDlg.h"

#include "PaletteLayout.h"
#include "base/NumberText.h"
#include "base/Truncate.h"
#include "document/CKVTDoc.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <cstdio>

namespace kvt {

CDelayCorrectDlg::CDelayCorrectDlg(CKVTDoc& doc, QWidget* parent) : QWidget(parent), m_doc(doc) {
    setObjectName(QStringLiteral("id%1").arg(kTemplateId));
    auto* label = new QLabel(tr("触发延时修正(ms)"), this);
    label->setGeometry(4, 14, 112, 22);
    m_delay = new QLineEdit(this);
    m_delay->setObjectName(QStringLiteral("id1002"));
    m_delay->setGeometry(DialogUnits(79, 9, 49, 14).adjusted(0, 0, 0, 1));
    auto* apply = new QPushButton(tr("应用"), this);
    apply->setObjectName(QStringLiteral("id1003"));
    apply->setGeometry(DialogUnits(35, 28, 60, 19));
    connect(apply, &QPushButton::clicked, this, &CDelayCorrectDlg::Apply);
    m_delay->installEventFilter(this);
    apply->installEventFilter(this);
    ShowDelay();
}

void CDelayCorrectDlg::ShowDelay() {
    char text[64];
    std::snprintf(text, sizeof text, "%.3f", static_cast<double>(m_doc.DelayMilliseconds()));
    m_delay->setText(QString::fromLatin1(text));
}

void CDelayCorrectDlg::Apply() {
    const auto delayMs = static_cast<float>(ParseLeadingFloat(m_delay->text().toStdString()));
    const float interval = m_doc.Header().m_fSampleInterval;
    const int32_t shift = interval > 0.0f ? TruncateToInt32(delayMs * 1000.0f / interval) : 0;
    m_doc.ApplyDelayCorrection(shift);
    m_doc.ResetDelayLines();
    ShowDelay();
}

bool CDelayCorrectDlg::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && m_doc.IsLoaded()) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            Apply();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace kvt
