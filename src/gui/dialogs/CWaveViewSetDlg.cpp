#include "CWaveViewSetDlg.h"

#include "document/CKVTDoc.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSlider>

namespace kvt {

namespace {

constexpr int kMinGain = -60;
constexpr int kMaxGain = 60;

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

} // namespace

CWaveViewSetDlg::CWaveViewSetDlg(CKVTDoc& doc, std::function<void()> repaint, QWidget* parent)
    : QDialog(parent), m_doc(doc), m_repaint(std::move(repaint)) {
    setWindowTitle(QStringLiteral("波形显示设置"));
    setFixedSize(Dlu(0, 0, 229, 166).size());

    Place(new QGroupBox(QStringLiteral("波形"), this), 0, Dlu(7, 7, 215, 40));
    Place(new QLabel(QStringLiteral("振幅范围:"), this), 0, Dlu(37, 25, 36, 8));
    m_range = Place(new QComboBox(this), 1037, Dlu(95, 23, 87, 12));
    m_range->addItems({"1", "2", "3", "4", "5"});

    m_gainGroup = Place(new QGroupBox(this), 1041, Dlu(7, 66, 215, 68));
    m_gain = Place(new QSlider(Qt::Horizontal, this), 1038, Dlu(17, 98, 197, 23));
    m_gain->setRange(kMinGain, kMaxGain);
    m_gain->setSingleStep(1);
    m_gain->setPageStep(3);
    m_gain->setTickInterval(3);
    m_gain->setTickPosition(QSlider::TicksBelow);
    Place(new QLabel(QString::number(kMinGain), this), 1039, Dlu(18, 84, 13, 8));
    Place(new QLabel(QString::number(kMaxGain), this), 1040, Dlu(195, 84, 19, 8));

    auto* apply = Place(new QPushButton(QStringLiteral("应用"), this), 3, Dlu(7, 145, 50, 14));
    auto* ok = Place(new QPushButton(QStringLiteral("确定"), this), 1, Dlu(117, 145, 50, 14));
    auto* close = Place(new QPushButton(QStringLiteral("关闭"), this), 2, Dlu(172, 145, 50, 14));
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
    m_gainGroup->setTitle(QString::asprintf("显示增益(%ddB)", gain));
}

void CWaveViewSetDlg::ApplyGain() {
    DisplaySettings settings = m_doc.Display();
    settings.m_nGainDb = m_gain->value();
    m_doc.SetDisplay(settings);
    m_repaint();
}

} // namespace kvt
