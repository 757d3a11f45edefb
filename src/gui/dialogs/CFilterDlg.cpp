#include "CFilterDlg.h"

#include "CFilterShowSetDlg.h"
#include "base/NumberText.h"
#include "document/CKVTDoc.h"
#include "gui/views/CFilterWaveView.h"

#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>

#include <cstdio>

namespace kvt {

namespace {

// Dialog units of an 8-point dialog font in pixels: a quarter of the average character width (6) and
// an eighth of the character height (13).
QRect Dlu(int x, int y, int w, int h) {
    return {x * 6 / 4, y * 13 / 8, w * 6 / 4, h * 13 / 8};
}

template <class Widget> Widget* Place(Widget* widget, int id, const QRect& geometry) {
    if (id != 0) {
        widget->setObjectName(QStringLiteral("id%1").arg(id));
    }
    widget->setGeometry(geometry);
    return widget;
}

// C's rounding of "%.2f", which QString::number does not promise.
QString TwoDecimals(float value) {
    char text[64];
    std::snprintf(text, sizeof text, "%.2f", static_cast<double>(value));
    return QString::fromLatin1(text);
}

float ReadNumber(const QLineEdit* edit) {
    return static_cast<float>(ParseLeadingFloat(edit->text().toStdString()));
}

} // namespace

CFilterDlg::CFilterDlg(CKVTDoc& doc, QWidget* parent) : QDialog(parent), m_doc(doc) {
    setWindowTitle(QStringLiteral("滤波"));
    setFixedSize(Dlu(0, 0, 364, 222).size());

    // The view covers the frame exactly.
    auto* frame = Place(new QFrame(this), 1024, Dlu(7, 7, 256, 186));
    m_view = new CFilterWaveView(doc, this);
    m_view->setGeometry(frame->geometry());

    const int x = 272;
    const int w = 85;
    Place(new QLabel(QStringLiteral("滤波器:"), this), 0, Dlu(x, 9, w, 8));
    auto* design = Place(new QComboBox(this), 1014, Dlu(x, 19, w, 13));
    design->addItem(QStringLiteral("巴特沃斯"));
    Place(new QLabel(QStringLiteral("类型:"), this), 0, Dlu(x, 38, w, 8));
    auto* type = Place(new QComboBox(this), 1023, Dlu(x, 48, w, 13));
    type->addItems({QStringLiteral("低通"), QStringLiteral("高通")});
    type->setCurrentIndex(static_cast<int>(m_doc.Filter().m_nFilterType));
    Place(new QLabel(QStringLiteral("低通(Hz):"), this), 0, Dlu(x, 67, w, 8));
    m_lowPass = Place(new QLineEdit(this), 1025, Dlu(x, 77, w, 13));
    Place(new QLabel(QStringLiteral("高通(Hz):"), this), 0, Dlu(x, 96, w, 8));
    m_highPass = Place(new QLineEdit(this), 1026, Dlu(x, 106, w, 13));
    // The slopes are kept and read back but shape nothing, so they stay out of sight.
    Place(new QLabel(QStringLiteral("低徒值(dB/Oct):"), this), 0, Dlu(x, 125, w, 8))->hide();
    m_lowSlope = Place(new QLineEdit(this), 1027, Dlu(x, 135, w, 13));
    m_lowSlope->hide();
    Place(new QLabel(QStringLiteral("高徒值(dB/Oct):"), this), 0, Dlu(x, 154, w, 8))->hide();
    m_highSlope = Place(new QLineEdit(this), 1005, Dlu(x, 164, w, 13));
    m_highSlope->hide();

    auto* set = Place(new QPushButton(QStringLiteral("设定(&S)"), this), 4, Dlu(x, 126, w, 14));
    auto* display = Place(new QPushButton(QStringLiteral("显示(&D)..."), this), 3, Dlu(x, 144, w, 14));
    auto* apply = Place(new QPushButton(QStringLiteral("应用(&A)"), this), 1, Dlu(x, 181, w, 14));
    auto* close = Place(new QPushButton(QStringLiteral("关闭(&C)"), this), 2, Dlu(x, 200, w, 14));
    apply->setDefault(true);

    auto* picture = Place(new QComboBox(this), 1022, Dlu(7, 200, 62, 13));
    picture->addItem(QStringLiteral("频谱图"));
    Place(new QLabel(QStringLiteral("最大显示频率:"), this), 0, Dlu(80, 202, 56, 8));
    auto* divisor = Place(new QSlider(Qt::Horizontal, this), 1034, Dlu(138, 199, 125, 15));
    divisor->setRange(1, 16);
    divisor->setPageStep(1);
    divisor->setValue(m_doc.Filter().m_nFreqDivisor);

    ShowEdits();

    connect(type, &QComboBox::currentIndexChanged, this, [this](int index) {
        FilterSettings settings = m_doc.Filter();
        settings.m_nFilterType = static_cast<FilterType>(index);
        m_doc.SetFilter(settings);
        m_view->update();
    });
    connect(divisor, &QSlider::valueChanged, this, [this](int value) {
        FilterSettings settings = m_doc.Filter();
        settings.m_nFreqDivisor = value;
        m_doc.SetFilter(settings);
        m_view->update();
    });
    connect(display, &QPushButton::clicked, this, &CFilterDlg::ShowDisplaySettings);
    connect(apply, &QPushButton::clicked, this, &CFilterDlg::Apply);
    connect(set, &QPushButton::clicked, this, [this] {
        ReadEdits();
        m_view->update();
    });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_view, &CFilterWaveView::CornerDragged, this, &CFilterDlg::ShowEdits);
}

void CFilterDlg::ShowEdits() {
    const FilterSettings& settings = m_doc.Filter();
    m_lowPass->setText(TwoDecimals(settings.m_fLowPassHz));
    m_highPass->setText(TwoDecimals(settings.m_fHighPassHz));
    m_lowSlope->setText(TwoDecimals(settings.m_fLowSlope));
    m_highSlope->setText(TwoDecimals(settings.m_fHighSlope));
}

void CFilterDlg::ReadEdits() {
    FilterSettings settings = m_doc.Filter();
    settings.m_fLowPassHz = ReadNumber(m_lowPass);
    settings.m_fHighPassHz = ReadNumber(m_highPass);
    settings.m_fLowSlope = ReadNumber(m_lowSlope);
    settings.m_fHighSlope = ReadNumber(m_highSlope);
    m_doc.SetFilter(settings);
}

void CFilterDlg::Apply() {
    ReadEdits();
    // The trace view repaints from the document's report of the changed samples; a corner the filter
    // cannot use is refused by the document with a message through its host.
    m_doc.ApplyFilter();
    m_view->update();
}

void CFilterDlg::ShowDisplaySettings() {
    CFilterShowSetDlg settings(
        m_doc, [this] { m_view->update(); }, this);
    settings.exec();
}

} // namespace kvt
