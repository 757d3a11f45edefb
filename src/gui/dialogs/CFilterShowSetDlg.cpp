#include "CFilterShowSetDlg.h"

#include "document/CKVTDoc.h"
#include "gui/controls/CColorButton.h"
#include "gui/controls/DialogLayout.h"
#include "render/SpectrumPlot.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QColorDialog>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace kvt {

namespace {

constexpr uint32_t kBlack = 0x000000;
constexpr uint32_t kWhite = 0xFFFFFF;

std::optional<QColor> StandardColorDialog(QWidget* owner) {
    const QColor color = QColorDialog::getColor(Qt::black, owner);
    return color.isValid() ? std::optional<QColor>(color) : std::nullopt;
}

// The button shows the colour as its face.
void ShowColor(CColorButton* button, uint32_t ref) {
    const QColor color = ColorFromRef(ref);
    button->SetColors(color.lightness() < 128 ? Qt::white : Qt::black, color);
}

} // namespace

CFilterShowSetDlg::CFilterShowSetDlg(CKVTDoc& doc, std::function<void()> repaint, QWidget* parent,
                                     ColorChooser chooser)
    : QDialog(parent), m_doc(doc), m_repaint(std::move(repaint)),
      m_chooser(chooser ? std::move(chooser) : StandardColorDialog) {
    setWindowTitle(tr("谱曲线显示"));
    setFixedSize(DialogUnits(0, 0, 176, 128).size());
    const FilterSettings& settings = m_doc.Filter();

    PlaceControl(new QLabel(tr("谱曲线颜色:"), this), 0, DialogUnits(10, 12, 52, 8));
    auto* curve = PlaceControl(new CColorButton(QString(), this), 1003, DialogUnits(64, 9, 40, 14));
    PlaceControl(new QLabel(tr("门曲线颜色:"), this), 0, DialogUnits(10, 31, 52, 8));
    auto* gate = PlaceControl(new CColorButton(QString(), this), 1004, DialogUnits(64, 28, 40, 14));
    ShowColor(curve, settings.m_crSpectrumCurve);
    ShowColor(gate, settings.m_crGateCurve);

    PlaceControl(new QGroupBox(tr("可见性"), this), 0, DialogUnits(7, 50, 88, 70));
    auto* fill = PlaceControl(new QCheckBox(tr("填充"), this), 1028, DialogUnits(16, 62, 70, 10));
    auto* showGate = PlaceControl(new QCheckBox(tr("门"), this), 1029, DialogUnits(16, 76, 70, 10));
    m_controlPoints = PlaceControl(new QCheckBox(tr("控件点"), this), 1030, DialogUnits(16, 90, 70, 10));
    auto* grid = PlaceControl(new QCheckBox(tr("网格"), this), 1031, DialogUnits(16, 104, 70, 10));
    fill->setChecked(settings.m_bSpectrumFill);
    showGate->setChecked(settings.m_bShowGate);
    m_controlPoints->setChecked(settings.m_bShowControlPoints);
    m_controlPoints->setEnabled(settings.m_bShowGate);
    grid->setChecked(settings.m_bShowGrid);

    PlaceControl(new QGroupBox(tr("背景"), this), 0, DialogUnits(103, 50, 66, 44));
    auto* black = PlaceControl(new QRadioButton(tr("黑色"), this), 1032, DialogUnits(112, 62, 50, 10));
    auto* white = PlaceControl(new QRadioButton(tr("白色"), this), 1033, DialogUnits(112, 76, 50, 10));
    auto* background = new QButtonGroup(this);
    background->addButton(black);
    background->addButton(white);
    black->setChecked(settings.m_crSpectrumBack == kBlack);
    white->setChecked(settings.m_crSpectrumBack == kWhite);

    auto* close = PlaceControl(new QPushButton(tr("关闭(&C)"), this), 2, DialogUnits(112, 104, 57, 14));

    connect(curve, &QPushButton::clicked, this,
            [this, curve] { ChooseColor(curve, &FilterSettings::m_crSpectrumCurve); });
    connect(gate, &QPushButton::clicked, this,
            [this, gate] { ChooseColor(gate, &FilterSettings::m_crGateCurve); });
    connect(fill, &QCheckBox::toggled, this,
            [this](bool on) { Change([on](FilterSettings& s) { s.m_bSpectrumFill = on; }); });
    connect(showGate, &QCheckBox::toggled, this, [this](bool on) {
        m_controlPoints->setEnabled(on);
        Change([on](FilterSettings& s) { s.m_bShowGate = on; });
    });
    connect(m_controlPoints, &QCheckBox::toggled, this,
            [this](bool on) { Change([on](FilterSettings& s) { s.m_bShowControlPoints = on; }); });
    connect(grid, &QCheckBox::toggled, this,
            [this](bool on) { Change([on](FilterSettings& s) { s.m_bShowGrid = on; }); });
    connect(black, &QRadioButton::clicked, this,
            [this] { Change([](FilterSettings& s) { s.m_crSpectrumBack = kBlack; }); });
    connect(white, &QRadioButton::clicked, this,
            [this] { Change([](FilterSettings& s) { s.m_crSpectrumBack = kWhite; }); });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
}

void CFilterShowSetDlg::Change(const std::function<void(FilterSettings&)>& edit) {
    FilterSettings settings = m_doc.Filter();
    edit(settings);
    m_doc.SetFilter(settings);
    m_repaint();
}

void CFilterShowSetDlg::ChooseColor(CColorButton* button, uint32_t FilterSettings::*member) {
    const std::optional<QColor> color = m_chooser(this);
    if (!color) {
        return;
    }
    const uint32_t ref = RefFromColor(*color);
    ShowColor(button, ref);
    Change([member, ref](FilterSettings& s) { s.*member = ref; });
}

} // namespace kvt
