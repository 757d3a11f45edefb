#include "CFilterShowSetDlg.h"

#include "document/CKVTDoc.h"
#include "gui/controls/CColorButton.h"
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
    setWindowTitle(QStringLiteral("谱曲线显示"));
    setFixedSize(Dlu(0, 0, 176, 128).size());
    const FilterSettings& settings = m_doc.Filter();

    Place(new QLabel(QStringLiteral("谱曲线颜色:"), this), 0, Dlu(10, 12, 52, 8));
    auto* curve = Place(new CColorButton(QString(), this), 1003, Dlu(64, 9, 40, 14));
    Place(new QLabel(QStringLiteral("门曲线颜色:"), this), 0, Dlu(10, 31, 52, 8));
    auto* gate = Place(new CColorButton(QString(), this), 1004, Dlu(64, 28, 40, 14));
    ShowColor(curve, settings.m_crSpectrumCurve);
    ShowColor(gate, settings.m_crGateCurve);

    Place(new QGroupBox(QStringLiteral("可见性"), this), 0, Dlu(7, 50, 88, 70));
    auto* fill = Place(new QCheckBox(QStringLiteral("填充"), this), 1028, Dlu(16, 62, 70, 10));
    auto* showGate = Place(new QCheckBox(QStringLiteral("门"), this), 1029, Dlu(16, 76, 70, 10));
    m_controlPoints = Place(new QCheckBox(QStringLiteral("控件点"), this), 1030, Dlu(16, 90, 70, 10));
    auto* grid = Place(new QCheckBox(QStringLiteral("网格"), this), 1031, Dlu(16, 104, 70, 10));
    fill->setChecked(settings.m_bSpectrumFill);
    showGate->setChecked(settings.m_bShowGate);
    m_controlPoints->setChecked(settings.m_bShowControlPoints);
    m_controlPoints->setEnabled(settings.m_bShowGate);
    grid->setChecked(settings.m_bShowGrid);

    Place(new QGroupBox(QStringLiteral("背景"), this), 0, Dlu(103, 50, 66, 44));
    auto* black = Place(new QRadioButton(QStringLiteral("黑色"), this), 1032, Dlu(112, 62, 50, 10));
    auto* white = Place(new QRadioButton(QStringLiteral("白色"), this), 1033, Dlu(112, 76, 50, 10));
    auto* background = new QButtonGroup(this);
    background->addButton(black);
    background->addButton(white);
    black->setChecked(settings.m_crSpectrumBack == kBlack);
    white->setChecked(settings.m_crSpectrumBack == kWhite);

    auto* close = Place(new QPushButton(QStringLiteral("关闭(&C)"), this), 2, Dlu(112, 104, 57, 14));

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
