#include "CWaveViewSetDlg.h"

#include "document/CKVTDoc.h"
#include "gui/controls/DialogLayout.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSlider>

namespace kvt {

namespace {

constexpr int kMinGain = -60;
constexpr int kMaxGain = 60;

} // namespace

CWaveViewSetDlg::CWaveViewSetDlg(CKVTDoc& doc, std::function<void()> repaint, QWidget* parent)
    : QDialog(parent), m_doc(doc), m_repaint(std::move(repaint)) {
    setWindowTitle(tr("波形显示设置"));
    setFixedSize(DialogUnits(0, 0, 229, 166).size());

    PlaceControl(new QGroupBox(tr("波形"), this), 0, DialogUnits(7, 7, 215, 40));
    auto* rangeLabel = PlaceControl(new QLabel(tr("振幅范围:"), this), 0, DialogUnits(37, 25, 36, 8));
    m_range = PlaceControl(new QComboBox(this), 1037, DialogUnits(95, 23, 87, 12));
    FitText(rangeLabel, m_range->x() - 4);
    m_range->addItems({"1", "2", "3", "4", "5"});

    m_gainGroup = PlaceControl(new QGroupBox(this), 1041, DialogUnits(7, 66, 215, 68));
    m_gain = PlaceControl(new QSlider(Qt::Horizontal, this), 1038, DialogUnits(17, 98, 197, 23));
    m_gain->setRange(kMinGain, kMaxGain);
    m_gain->setSingleStep(1);
    m_gain->setPageStep(3);
    m_gain->setTickInterval(3);
    m_gain->setTickPosition(QSlider::TicksBelow);
    PlaceControl(new QLabel(QString::number(kMinGain), this), 1039, DialogUnits(18, 84, 13, 8));
    PlaceControl(new QLabel(QString::number(kMaxGain), this), 1040, DialogUnits(195, 84, 19, 8));

    auto* apply = PlaceControl(new QPushButton(tr("应用"), this), 3, DialogUnits(7, 145, 50, 14));
    auto* ok = PlaceControl(new QPushButton(tr("确定"), this), 1, DialogUnits(117, 145, 50, 14));
    auto* close = PlaceControl(new QPushButton(tr("关闭"), this), 2, DialogUnits(172, 145, 50, 14));
    ok->setDefault(true);

    m_gain->setValue(m_doc.Display().m_nGainDb);
    ShowGainCaption(m_gain->value());
    const int32_t range = m_doc.Display().m_nAmpRange;
    m_range->setCurrentIndex(range >= 1 && range <= 5 ? range - 1 : -1);

    connect(m_gain, &QSlider::valueChanged, this, &CWaveViewSetDlg::ShowGainCaption);
    connect(m_range, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0) {
            DisplaySettings settings = m_doc.Display();
            settings.m_nAmpRange = index + 1;
            m_doc.SetDisplay(settings);
            m_repaint();
        }
    });
    connect(apply, &QPushButton::clicked, this, &CWaveViewSetDlg::ApplyGain);
    connect(ok, &QPushButton::clicked, this, [this] {
        ApplyGain();
        accept();
    });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
}

void CWaveViewSetDlg::ShowGainCaption(int gain) {
    m_gainGroup->setTitle(tr("显示增益(%1dB)").arg(gain));
}

void CWaveViewSetDlg::ApplyGain() {
    DisplaySettings settings = m_doc.Display();
    settings.m_nGainDb = m_gain->value();
    m_doc.SetDisplay(settings);
    m_repaint();
}

} // namespace kvt
