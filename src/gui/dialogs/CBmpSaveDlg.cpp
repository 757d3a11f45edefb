#include "CBmpSaveDlg.h"

#include "base/NumberText.h"
#include "document/CKVTDoc.h"
#include "document/Messages.h"
#include "formats/BmpFile.h"
#include "gui/app/DesktopPrompts.h"
#include "gui/views/CMainFormView.h"

#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace kvt {

namespace {

template <class Widget> Widget* WithId(Widget* widget, int id) {
    widget->setObjectName(QStringLiteral("id%1").arg(id));
    return widget;
}

int32_t ReadInt(const QLineEdit& edit) {
    return ParseLeadingInt(edit.text().toStdString());
}

} // namespace

CBmpSaveDlg::CBmpSaveDlg(CKVTDoc& doc, CMainFormView& view, DesktopPrompts& prompts, QWidget* parent)
    : QDialog(parent), m_doc(doc), m_view(view), m_prompts(prompts),
      m_screenCopy(WithId(new QRadioButton(tr(" 屏幕拷贝"), this), 1013)),
      m_definedSize(WithId(new QRadioButton(tr(" 定义尺寸"), this), 1014)),
      m_sizeGroup(WithId(new QGroupBox(tr("图像尺寸"), this), 1017)),
      m_widthLabel(WithId(new QLabel(QStringLiteral("Width:"), m_sizeGroup), 1015)),
      m_heightLabel(WithId(new QLabel(QStringLiteral("Height:"), m_sizeGroup), 1016)),
      m_width(WithId(new QLineEdit(m_sizeGroup), 1002)), m_height(WithId(new QLineEdit(m_sizeGroup), 1003)) {
    setWindowTitle(tr("图像输出"));

    auto* sizeLayout = new QGridLayout(m_sizeGroup);
    sizeLayout->addWidget(m_widthLabel, 0, 0);
    sizeLayout->addWidget(m_width, 0, 1);
    sizeLayout->addWidget(m_heightLabel, 1, 0);
    sizeLayout->addWidget(m_height, 1, 1);
    m_width->setMinimumWidth(90);
    m_height->setMinimumWidth(90);

    auto* output = WithId(new QPushButton(tr("输出BMP"), this), 1012);
    auto* cancel = WithId(new QPushButton(tr("取消"), this), 2);
    output->setDefault(true);

    auto* choices = new QVBoxLayout;
    choices->addWidget(m_screenCopy);
    choices->addWidget(m_definedSize);
    choices->addWidget(m_sizeGroup);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(output);
    buttons->addWidget(cancel);
    buttons->addStretch(1);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(choices);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_screenCopy, &QRadioButton::clicked, this, [this] { SetOutputMode(0); });
    connect(m_definedSize, &QRadioButton::clicked, this, [this] { SetOutputMode(1); });
    connect(output, &QPushButton::clicked, this, &CBmpSaveDlg::OutputPicture);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    m_screenCopy->setChecked(true);
    SetOutputMode(0);
}

void CBmpSaveDlg::SetOutputMode(int32_t mode) {
    m_nOutputMode = mode;
    UpdateControls();
}

void CBmpSaveDlg::UpdateControls() {
    m_width->setText(QString::number(m_nWidth));
    m_height->setText(QString::number(m_nHeight));
    const bool defined = m_nOutputMode == 1;
    for (QWidget* widget :
         std::initializer_list<QWidget*>{m_width, m_height, m_widthLabel, m_heightLabel, m_sizeGroup}) {
        widget->setEnabled(defined);
    }
}

bool CBmpSaveDlg::ValidateSize() {
    bool valid = true;
    const int32_t width = ReadInt(*m_width);
    if (width > 0) {
        m_nWidth = width;
    } else {
        m_doc.Host().ShowMessage(ImageWidthInvalidMessage());
        valid = false;
    }
    const int32_t height = ReadInt(*m_height);
    if (height > 0) {
        m_nHeight = height;
    } else {
        m_doc.Host().ShowMessage(ImageHeightInvalidMessage());
        valid = false;
    }
    // A rejected entry goes back to the last accepted one.
    m_width->setText(QString::number(m_nWidth));
    m_height->setText(QString::number(m_nHeight));
    return valid;
}

void CBmpSaveDlg::OutputPicture() {
    if (!ValidateSize()) {
        return;
    }
    FileDialogRequest request;
    request.nameFilters = {QStringLiteral("(*.bmp)"), QStringLiteral("(*.png)")};
    // A bare name: the dialog starts in the current folder with this name filled in.
    request.folder = tr("面波图形");
    request.save = true;
    QString path = m_prompts.ChooseFile(this, request);
    if (path.isEmpty()) {
        return;
    }
    const QString suffix = QFileInfo(path).suffix();
    if (suffix.isEmpty()) {
        path += QStringLiteral(".bmp");
    }

    const QSize size = m_nOutputMode == 1 ? QSize(m_nWidth, m_nHeight) : m_view.viewport()->size();
    const QImage& picture = m_view.RenderToImage(size.width(), size.height());
    bool written = false;
    if (!picture.isNull()) {
        if (suffix.compare(QStringLiteral("png"), Qt::CaseInsensitive) == 0) {
            written = picture.save(path, "PNG");
        } else {
            written = WriteBmpFile(QFile::encodeName(path).toStdString(), picture.width(), picture.height(),
                                   reinterpret_cast<const uint32_t*>(picture.constBits()),
                                   static_cast<size_t>(picture.bytesPerLine()) / sizeof(uint32_t));
        }
    }
    if (!written) {
        m_doc.Host().ShowMessage(BmpWriteFailedMessage());
    }
}

} // namespace kvt
