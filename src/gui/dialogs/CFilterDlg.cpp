#include "CFilterDlg.h"

#include "CFilterShowSetDlg.h"
#include "base/NumberText.h"
#include "document/CKVTDoc.h"
#include "gui/controls/DialogLayout.h"
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
    setWindowTitle(tr("滤波"));
    setFixedSize(DialogUnits(0, 0, 364, 222).size());

    // The view covers the frame exactly.
    auto* frame = PlaceControl(new QFrame(this), 1024, DialogUnits(7, 7, 256, 186));
    m_view = new CFilterWaveView(doc, this);
    m_view->setGeometry(frame->geometry());

    const int x = 272;
    const int w = 85;
    PlaceControl(new QLabel(tr("滤波器:"), this), 0, DialogUnits(x, 9, w, 8));
    auto* design = PlaceControl(new QComboBox(this), 1014, DialogUnits(x, 19, w, 13));
    design->addItem(tr("巴特沃斯"));
    PlaceControl(new QLabel(tr("类型:"), this), 0, DialogUnits(x, 38, w, 8));
    auto* type = PlaceControl(new QComboBox(this), 1023, DialogUnits(x, 48, w, 13));
    type->addItems({tr("低通"), tr("高通")});
    type->setCurrentIndex(static_cast<int>(m_doc.Filter().m_nFilterType));
    PlaceControl(new QLabel(tr("低通(Hz):"), this), 0, DialogUnits(x, 67, w, 8));
    m_lowPass = PlaceControl(new QLineEdit(this), 1025, DialogUnits(x, 77, w, 13));
    PlaceControl(new QLabel(tr("高通(Hz):"), this), 0, DialogUnits(x, 96, w, 8));
    m_highPass = PlaceControl(new QLineEdit(this), 1026, DialogUnits(x, 106, w, 13));
    // The slopes are kept and read back but shape nothing, so they stay out of sight.
    PlaceControl(new QLabel(tr("低徒值(dB/Oct):"), this), 0, DialogUnits(x, 125, w, 8))->hide();
    m_lowSlope = PlaceControl(new QLineEdit(this), 1027, DialogUnits(x, 135, w, 13));
    m_lowSlope->hide();
    PlaceControl(new QLabel(tr("高徒值(dB/Oct):"), this), 0, DialogUnits(x, 154, w, 8))->hide();
    m_highSlope = PlaceControl(new QLineEdit(this), 1005, DialogUnits(x, 164, w, 13));
    m_highSlope->hide();

    auto* set = PlaceControl(new QPushButton(tr("设定(&S)"), this), 4, DialogUnits(x, 126, w, 14));
    auto* display = PlaceControl(new QPushButton(tr("显示(&D)..."), this), 3, DialogUnits(x, 144, w, 14));
    auto* apply = PlaceControl(new QPushButton(tr("应用(&A)"), this), 1, DialogUnits(x, 181, w, 14));
    auto* close = PlaceControl(new QPushButton(tr("关闭(&C)"), this), 2, DialogUnits(x, 200, w, 14));
    apply->setDefault(true);

    auto* picture = PlaceControl(new QComboBox(this), 1022, DialogUnits(7, 200, 62, 13));
    picture->addItem(tr("频谱图"));
    PlaceControl(new QLabel(tr("最大显示频率:"), this), 0, DialogUnits(80, 202, 56, 8));
    auto* divisor = PlaceControl(new QSlider(Qt::Horizontal, this), 1034, DialogUnits(138, 199, 125, 15));
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
