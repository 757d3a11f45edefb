#include "CPrintDlg.h"

#include "base/NumberText.h"
#include "base/Truncate.h"
#include "document/CKVTDoc.h"
#include "gui/views/CMainFormView.h"

#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPushButton>
#include <QVBoxLayout>

namespace kvt {

namespace {

// Millimetres per inch as the preview has always converted them.
constexpr double kPreviewMmPerInch = 25.40005111694336;
// Only this many leading characters of a margin are read.
constexpr int kMarginChars = 19;

template <class Widget> Widget* WithId(Widget* widget, int id) {
    widget->setObjectName(QStringLiteral("id%1").arg(id));
    return widget;
}

int32_t ReadMargin(const QLineEdit& edit) {
    return ParseLeadingInt(edit.text().left(kMarginChars).toStdString());
}

// The record always prints on one page.
bool RunPrintDialog(QPrinter& printer, QWidget* owner) {
    QPrintDialog dialog(&printer, owner);
    dialog.setMinMax(1, 1);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, true);
    printer.setPrintRange(QPrinter::PageRange);
    printer.setFromTo(1, 1);
    return dialog.exec() == QDialog::Accepted;
}

bool RunPageSetup(QPrinter& printer, QWidget* owner) {
    QPageSetupDialog dialog(&printer, owner);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace

CPrintDlg::CPrintDlg(CKVTDoc& doc, CMainFormView& view, QWidget* parent)
    : QDialog(parent), m_doc(doc), m_view(view), m_printPrompt(RunPrintDialog), m_setupPrompt(RunPageSetup),
      m_left(WithId(new QLineEdit(this), 1019)), m_top(WithId(new QLineEdit(this), 1020)),
      m_right(WithId(new QLineEdit(this), 1021)), m_bottom(WithId(new QLineEdit(this), 1005)),
      m_preview(WithId(new QGroupBox(tr("预览"), this), 1018)), m_canvas(new QWidget(m_preview)) {
    setWindowTitle(tr("打印"));

    auto* margins = new QGroupBox(tr("页边距(毫米)"), this);
    auto* marginLayout = new QGridLayout(margins);
    marginLayout->addWidget(new QLabel(tr("左:"), margins), 0, 0);
    marginLayout->addWidget(m_left, 0, 1);
    marginLayout->addWidget(new QLabel(tr("上:"), margins), 0, 2);
    marginLayout->addWidget(m_top, 0, 3);
    marginLayout->addWidget(new QLabel(tr("右:"), margins), 1, 0);
    marginLayout->addWidget(m_right, 1, 1);
    marginLayout->addWidget(new QLabel(tr("下:"), margins), 1, 2);
    marginLayout->addWidget(m_bottom, 1, 3);
    marginLayout->setColumnMinimumWidth(2, 40);
    marginLayout->setColumnStretch(4, 1);
    for (QLineEdit* edit : {m_left, m_top, m_right, m_bottom}) {
        edit->setFixedWidth(70);
    }

    // The page in the preview has roughly the shape of a portrait A4 sheet.
    m_preview->setFixedSize(2 * kPreviewInset + 210, 2 * kPreviewInset + 297);
    m_canvas->setGeometry(m_preview->rect());
    m_canvas->installEventFilter(this);

    auto* refresh = WithId(new QPushButton(tr("刷新"), this), 5);
    auto* setup = WithId(new QPushButton(tr("打印机设置"), this), 4);
    auto* ok = WithId(new QPushButton(tr("确定"), this), 1);
    auto* cancel = WithId(new QPushButton(tr("取消"), this), 2);
    ok->setDefault(true);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(refresh);
    buttons->addWidget(setup);
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto* left = new QVBoxLayout;
    left->addWidget(margins);
    left->addWidget(m_preview);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(refresh, &QPushButton::clicked, this, &CPrintDlg::Refresh);
    connect(setup, &QPushButton::clicked, this, &CPrintDlg::PrinterSetup);
    connect(ok, &QPushButton::clicked, this, &CPrintDlg::PrintSection);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    const PrintMargins& stored = m_doc.Margins();
    m_left->setText(QString::number(stored.m_nMarginLeft));
    m_top->setText(QString::number(stored.m_nMarginTop));
    m_right->setText(QString::number(stored.m_nMarginRight));
    m_bottom->setText(QString::number(stored.m_nMarginBottom));
}

void CPrintDlg::ReadMargins() {
    PrintMargins margins;
    margins.m_nMarginLeft = ReadMargin(*m_left);
    margins.m_nMarginRight = ReadMargin(*m_right);
    margins.m_nMarginTop = ReadMargin(*m_top);
    margins.m_nMarginBottom = ReadMargin(*m_bottom);
    m_doc.SetMargins(margins);
}

void CPrintDlg::Refresh() {
    ReadMargins();
    m_canvas->update(PreviewPage().translated(-m_preview->pos()));
}

void CPrintDlg::PrinterSetup() {
    m_setupPrompt(m_printer, this);
}

void CPrintDlg::PrintSection() {
    ReadMargins();
    if (m_printPrompt(m_printer, this)) {
        m_view.Print(m_printer);
    }
}

QRect CPrintDlg::PreviewPage() const {
    return m_preview->geometry().adjusted(kPreviewInset, kPreviewInset, -kPreviewInset, -kPreviewInset);
}

int CPrintDlg::PreviewMargin(int32_t millimetres, int dpi) const {
    const int pixels = TruncateToInt32(static_cast<double>(millimetres) * dpi / kPreviewMmPerInch);
    return pixels <= 0 ? 1 : pixels;
}

QRect CPrintDlg::PreviewPicture() const {
    const PrintMargins& margins = m_doc.Margins();
    const int left = PreviewMargin(margins.m_nMarginLeft, logicalDpiX());
    const int right = PreviewMargin(margins.m_nMarginRight, logicalDpiX());
    const int top = PreviewMargin(margins.m_nMarginTop, logicalDpiY());
    const int bottom = PreviewMargin(margins.m_nMarginBottom, logicalDpiY());
    const QRect page = PreviewPage();
    // In 64 bits: margins of any size only make the picture empty.
    const int64_t width = static_cast<int64_t>(page.width()) - left - right;
    const int64_t height = static_cast<int64_t>(page.height()) - top - bottom;
    if (width <= 0 || height <= 0) {
        return {};
    }
    return {page.left() + left, page.top() + top, static_cast<int>(width), static_cast<int>(height)};
}

bool CPrintDlg::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_canvas && event->type() == QEvent::Paint) {
        DrawPreview();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void CPrintDlg::DrawPreview() {
    QPainter painter(m_canvas);
    // The canvas covers the group box exactly: dialog coordinates less the box's position.
    painter.translate(-m_preview->pos());
    const QRect page = PreviewPage();
    painter.fillRect(page.translated(kShadowOffset, kShadowOffset), QColor(0x80, 0x80, 0x80));
    painter.setPen(Qt::black);
    painter.setBrush(Qt::white);
    painter.drawRect(page.adjusted(0, 0, -1, -1));
    const QRect picture = PreviewPicture();
    if (!picture.isEmpty()) {
        painter.drawImage(picture.topLeft(), m_view.RenderToImage(picture.width(), picture.height()));
    }
}

} // namespace kvt
