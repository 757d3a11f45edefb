#include "CAboutDlg.h"

#include "gui/controls/CHyperLink.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace kvt {

namespace {

QLabel* Static(int id, const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QStringLiteral("id%1").arg(id));
    return label;
}

} // namespace

CAboutDlg::CAboutDlg(const QString& version, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("id100"));
    setWindowTitle(tr("关于 KVT"));

    auto* icon = new QLabel(this);
    icon->setPixmap(QApplication::windowIcon().pixmap(48, 48));
    icon->setAlignment(Qt::AlignTop);

    auto* link = new CHyperLink(this);
    link->setObjectName(QStringLiteral("id1084"));
    link->SetURL(QString::fromUtf8(kMakerAddress));

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(tr("确定"), QDialogButtonBox::AcceptRole);
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* grid = new QGridLayout(this);
    grid->setHorizontalSpacing(16);
    grid->addWidget(icon, 0, 0, 4, 1);
    grid->addWidget(Static(1079, QStringLiteral("KVT"), this), 0, 1);
    grid->addWidget(Static(1080, QStringLiteral("Version ") + version, this), 1, 1);
    grid->addWidget(link, 2, 1, Qt::AlignLeft);
    grid->addWidget(buttons, 4, 0, 1, 2);
    setFixedSize(sizeHint().expandedTo(QSize(320, 0)));
}

} // namespace kvt
