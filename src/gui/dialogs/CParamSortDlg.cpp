#include "CParamSortDlg.h"

#include "document/CKVTDoc.h"
#include "document/GeometryArrangement.h"
#include "gui/controls/CHeaderCtrlEx.h"
#include "gui/controls/CTipListCtrl.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace kvt {

namespace {

template <class Widget> Widget* WithId(Widget* widget, int id) {
    widget->setObjectName(QStringLiteral("id%1").arg(id));
    return widget;
}

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

std::string Text(const QString& text) {
    return text.toStdString();
}

} // namespace

CParamSortDlg::CParamSortDlg(CKVTDoc& doc, QWidget* parent)
    : QDialog(parent), m_doc(doc), m_list(WithId(new CTipListCtrl(this), 1001)),
      m_shotNumber(WithId(new QLineEdit(this), 1002)), m_shotX(WithId(new QLineEdit(this), 1003)),
      m_shotY(WithId(new QLineEdit(this), 1004)) {
    setWindowTitle(tr("参数排列"));

    m_list->SetRowHeight(kRowHeight);
    m_list->setColumnCount(3);
    m_list->setHorizontalHeaderLabels({tr("序号"), tr("位置"), tr("测点号")});
    m_list->setColumnWidth(0, 50);
    m_list->setColumnWidth(1, 70);
    // The station numbers take the rest of the list's width.
    m_list->HeaderCtrl().setStretchLastSection(true);
    m_list->SetReadOnlyColumn(0);
    m_list->setMinimumSize(280, 300);

    // Y is shown, never typed into: it cannot take the focus, so it never shows a caret.
    m_shotY->setReadOnly(true);
    m_shotY->setFocusPolicy(Qt::NoFocus);

    auto* receivers = new QGroupBox(tr("检波点"), this);
    auto* receiversLayout = new QVBoxLayout(receivers);
    receiversLayout->addWidget(m_list);

    auto* shot = new QGroupBox(tr("炮点"), this);
    auto* shotLayout = new QFormLayout(shot);
    shotLayout->addRow(tr("炮号:"), m_shotNumber);
    shotLayout->addRow(QStringLiteral("X:"), m_shotX);
    shotLayout->addRow(QStringLiteral("Y:"), m_shotY);
    for (QLineEdit* edit : {m_shotNumber, m_shotX, m_shotY}) {
        edit->setMinimumWidth(100);
    }

    auto* autoFill = WithId(new QPushButton(tr("自动填写"), this), 3);
    auto* ok = WithId(new QPushButton(tr("确定"), this), 1);
    auto* cancel = WithId(new QPushButton(tr("取消"), this), 2);
    ok->setDefault(true);

    auto* side = new QVBoxLayout;
    side->addWidget(shot);
    side->addStretch(1);
    side->addWidget(autoFill);
    side->addSpacing(12);
    side->addWidget(ok);
    side->addWidget(cancel);

    auto* layout = new QHBoxLayout(this);
    layout->addWidget(receivers, 1);
    layout->addLayout(side);

    connect(autoFill, &QPushButton::clicked, this, &CParamSortDlg::AutoFill);
    connect(ok, &QPushButton::clicked, this, [this] {
        StoreGeometry();
        accept();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    FillGeometry();
}

void CParamSortDlg::FillGeometry() {
    m_list->EndEdit(false);
    m_list->setRowCount(0);
    const GeometryTexts texts = m_doc.GeometryAsTexts();
    for (size_t i = 0; i < texts.rows.size(); ++i) {
        const GeometryTexts::Row& row = texts.rows[i];
        m_list->InsertRow(static_cast<int>(i), {Text(row.channel), Text(row.position), Text(row.cdp)});
    }
    m_shotNumber->setText(Text(texts.shotNumber));
    m_shotX->setText(Text(texts.shotX));
    m_shotY->setText(Text(texts.shotY));
}

GeometryTexts CParamSortDlg::ListedGeometry() const {
    GeometryTexts texts;
    for (int row = 0; row < m_list->rowCount(); ++row) {
        texts.rows.push_back(
            {Text(m_list->ItemText(row, 0)), Text(m_list->ItemText(row, 1)), Text(m_list->ItemText(row, 2))});
    }
    texts.shotNumber = Text(m_shotNumber->text());
    texts.shotX = Text(m_shotX->text());
    texts.shotY = Text(m_shotY->text());
    return texts;
}

void CParamSortDlg::StoreGeometry() {
    // A cell still being edited counts with what has been typed so far.
    m_list->EndEdit(true);
    m_doc.StoreGeometry(ListedGeometry());
}

void CParamSortDlg::AutoFill() {
    m_list->EndEdit(true);
    m_doc.AutoFillGeometry(ListedGeometry());
    FillGeometry();
}

} // namespace kvt
