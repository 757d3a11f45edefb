#include "CResampleDlg.h"

#include "ResampleParamsPane.h"
#include "document/CKVTDoc.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace kvt {

CResampleDlg::CResampleDlg(CKVTDoc& doc, QWidget* parent)
    : QDialog(parent), m_doc(doc), m_params(new ResampleParamsPane(this)) {
    setWindowTitle(tr("重采样"));
    auto* ok = new QPushButton(tr("确定"), this);
    ok->setObjectName(QStringLiteral("id1"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(tr("取消"), this);
    cancel->setObjectName(QStringLiteral("id2"));

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_params);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    m_params->ShowRecord(m_doc.Header());
    ok->setFocus();
    connect(ok, &QPushButton::clicked, this, &CResampleDlg::OnOK);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

void CResampleDlg::OnOK() {
    const ResampleSettings settings = m_params->Settings();
    if (const std::optional<Message> refusal = ValidateResample(settings)) {
        m_doc.Host().ShowMessage(*refusal);
        return;
    }
    // The document reports the new samples, so the side panel and the section redraw themselves.
    m_doc.ResampleRecord(settings.sampleCount, settings.IntervalMicroseconds());
    accept();
}

} // namespace kvt
