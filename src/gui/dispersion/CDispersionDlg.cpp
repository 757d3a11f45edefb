#include "CDispersionDlg.h"

#include "document/CKVTDoc.h"
#include "document/DocumentModes.h"
#include "gui/app/DesktopPrompts.h"
#include "gui/views/PrinterArea.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSaveFile>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace kvt {

namespace {

constexpr int kDebounceMs = 150;
// Exported pictures are at least this wide, so a small window still gives a usable figure.
constexpr int kMinPictureWidth = 1200;

template <class Widget> Widget* Named(Widget* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QDoubleSpinBox* SpinBox(QWidget* parent, const char* name, double value, double top, int decimals,
                        double step) {
    auto* box = Named(new QDoubleSpinBox(parent), name);
    box->setRange(0.0, top);
    box->setDecimals(decimals);
    box->setSingleStep(step);
    box->setValue(value);
    box->setAlignment(Qt::AlignRight);
    return box;
}

bool RunPrintDialog(QPrinter& printer, QWidget* owner) {
    QPrintDialog dialog(&printer, owner);
    return dialog.exec() == QDialog::Accepted;
}

// The index of the grid value nearest `value` in an ascending grid.
size_t Nearest(const std::vector<double>& grid, double value) {
    const auto it = std::lower_bound(grid.begin(), grid.end(), value);
    if (it == grid.end()) {
        return grid.size() - 1;
    }
    if (it != grid.begin() && value - *(it - 1) < *it - value) {
        return static_cast<size_t>(it - grid.begin()) - 1;
    }
    return static_cast<size_t>(it - grid.begin());
}

QString PickRow(const DispersionPick& pick) {
    char row[128];
    std::snprintf(row, sizeof row, "%.2f,%.2f,%.2f\n", pick.frequency, pick.velocity,
                  pick.velocity / pick.frequency);
    return QString::fromLatin1(row);
}

// Beside the record, named after it.
QString SuggestedPath(const CKVTDoc& doc, const QString& suffix) {
    if (!doc.IsLoaded()) {
        return QStringLiteral("dispersion") + suffix;
    }
    const QFileInfo record(QString::fromStdString(doc.GetPathName()));
    return record.dir().filePath(record.completeBaseName() + QStringLiteral("_dispersion") + suffix);
}

} // namespace

CDispersionDlg* CDispersionDlg::Show(CKVTDoc& doc, DesktopPrompts& prompts, QWidget* parent) {
    CDispersionDlg* window = parent != nullptr
                                 ? parent->findChild<CDispersionDlg*>(QString(), Qt::FindDirectChildrenOnly)
                                 : nullptr;
    if (window == nullptr) {
        window = new CDispersionDlg(doc, prompts, parent);
        if (parent == nullptr) {
            window->setAttribute(Qt::WA_DeleteOnClose);
        }
    }
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

CDispersionDlg::CDispersionDlg(CKVTDoc& doc, DesktopPrompts& prompts, QWidget* parent)
    : QDialog(parent), m_doc(doc), m_prompts(prompts), m_printPrompt(RunPrintDialog) {
    setWindowTitle(tr("频散分析"));
    setModal(false);
    setWindowFlag(Qt::WindowMaximizeButtonHint, true);
    setWindowFlag(Qt::WindowMinimizeButtonHint, true);
    BuildControls();
    resize(900, 640);
    setMinimumSize(720, 480);

    m_debounce = new QTimer(this);
    m_debounce->setSingleShot(true);
    m_debounce->setInterval(kDebounceMs);
    connect(m_debounce, &QTimer::timeout, this, &CDispersionDlg::Recompute);

    FitFrequencyRange();
    UpdateSelectionChoice();
    m_stale = true;
    UpdateButtons();
}

void CDispersionDlg::BuildControls() {
    const DispersionRange defaults;
    m_fMin = SpinBox(this, "fMin", defaults.fMin, 100000.0, 2, 1.0);
    m_fMax = SpinBox(this, "fMax", defaults.fMax, 100000.0, 2, 1.0);
    m_fStep = SpinBox(this, "fStep", defaults.fStep, 1000.0, 2, 0.1);
    m_vMin = SpinBox(this, "vMin", defaults.vMin, 100000.0, 1, 10.0);
    m_vMax = SpinBox(this, "vMax", defaults.vMax, 100000.0, 1, 10.0);
    m_vStep = SpinBox(this, "vStep", defaults.vStep, 10000.0, 2, 1.0);

    auto* frequency = new QGroupBox(tr("频率 (Hz)"), this);
    auto* frequencyForm = new QFormLayout(frequency);
    frequencyForm->addRow(tr("最小"), m_fMin);
    frequencyForm->addRow(tr("最大"), m_fMax);
    frequencyForm->addRow(tr("步长"), m_fStep);
    auto* velocity = new QGroupBox(tr("相速度 (m/s)"), this);
    auto* velocityForm = new QFormLayout(velocity);
    velocityForm->addRow(tr("最小"), m_vMin);
    velocityForm->addRow(tr("最大"), m_vMax);
    velocityForm->addRow(tr("步长"), m_vStep);

    m_normalise = Named(new QCheckBox(tr("按频率归一化"), this), "normalise");
    m_useSelection = Named(new QCheckBox(tr("使用所选道"), this), "useSelection");
    m_showPeaks = Named(new QCheckBox(tr("显示峰值曲线"), this), "showPeaks");
    m_showPeaks->setChecked(true);

    auto* picking = new QGroupBox(tr("拾取"), this);
    auto* hint = new QLabel(tr("左键添加或移动，右键删除"), picking);
    hint->setWordWrap(true);
    m_pickCount = Named(new QLabel(picking), "pickCount");
    m_pickPeaks = Named(new QPushButton(tr("拾取峰值"), picking), "pickPeaks");
    m_clearPicks = Named(new QPushButton(tr("清除拾取"), picking), "clearPicks");
    auto* pickButtons = new QHBoxLayout;
    pickButtons->addWidget(m_pickPeaks);
    pickButtons->addWidget(m_clearPicks);
    auto* pickLayout = new QVBoxLayout(picking);
    pickLayout->addWidget(hint);
    pickLayout->addWidget(m_pickCount);
    pickLayout->addLayout(pickButtons);

    m_exportPicks = Named(new QPushButton(tr("导出拾取…"), this), "exportPicks");
    m_exportPicture = Named(new QPushButton(tr("导出图片…"), this), "exportPicture");
    m_print = Named(new QPushButton(tr("打印…"), this), "print");
    auto* close = Named(new QPushButton(tr("关闭"), this), "close");
    // Enter in a range box must not press a button.
    for (QPushButton* button : {m_pickPeaks, m_clearPicks, m_exportPicks, m_exportPicture, m_print, close}) {
        button->setAutoDefault(false);
    }

    auto* controls = new QVBoxLayout;
    controls->addWidget(frequency);
    controls->addWidget(velocity);
    controls->addWidget(m_normalise);
    controls->addWidget(m_useSelection);
    controls->addWidget(m_showPeaks);
    controls->addWidget(picking);
    controls->addStretch(1);
    controls->addWidget(m_exportPicks);
    controls->addWidget(m_exportPicture);
    controls->addWidget(m_print);
    controls->addWidget(close);

    m_status = Named(new QLabel(this), "status");
    m_status->setStyleSheet(QStringLiteral("color: #B00020; font-weight: bold;"));
    m_status->setWordWrap(true);
    m_status->hide();
    m_canvas = Named(new QWidget(this), "canvas");
    m_canvas->setMouseTracking(true);
    m_canvas->setCursor(Qt::CrossCursor);
    m_canvas->setAttribute(Qt::WA_OpaquePaintEvent);
    m_canvas->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    m_canvas->installEventFilter(this);
    m_readout = Named(new QLabel(this), "readout");
    m_readout->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* view = new QVBoxLayout;
    view->addWidget(m_status);
    view->addWidget(m_canvas, 1);
    view->addWidget(m_readout);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(controls);
    layout->addLayout(view, 1);

    QWidget* order[] = {m_fMin,       m_fMax,        m_fStep,         m_vMin,      m_vMax,
                        m_vStep,      m_normalise,   m_useSelection,  m_showPeaks, m_pickPeaks,
                        m_clearPicks, m_exportPicks, m_exportPicture, m_print,     close};
    for (size_t i = 1; i < std::size(order); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }

    for (QDoubleSpinBox* box : {m_fMin, m_fMax, m_fStep, m_vMin, m_vMax, m_vStep}) {
        connect(box, &QDoubleSpinBox::valueChanged, this, [this] { m_debounce->start(); });
    }
    connect(m_normalise, &QCheckBox::toggled, this, &CDispersionDlg::Recompute);
    connect(m_useSelection, &QCheckBox::toggled, this, &CDispersionDlg::Recompute);
    connect(m_showPeaks, &QCheckBox::toggled, m_canvas, qOverload<>(&QWidget::update));
    connect(m_pickPeaks, &QPushButton::clicked, this, &CDispersionDlg::PickPeaks);
    connect(m_clearPicks, &QPushButton::clicked, this, &CDispersionDlg::ClearPicks);
    connect(m_exportPicks, &QPushButton::clicked, this, &CDispersionDlg::ExportPicks);
    connect(m_exportPicture, &QPushButton::clicked, this, &CDispersionDlg::ExportPicture);
    connect(m_print, &QPushButton::clicked, this, &CDispersionDlg::PrintPicture);
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
}

void CDispersionDlg::FitFrequencyRange() {
    const float interval = m_doc.Header().m_fSampleInterval;
    if (!(interval > 0.0f)) {
        return;
    }
    const double nyquist = std::floor(0.5e6 / interval);
    if (m_fMax->value() > nyquist) {
        const QSignalBlocker blockMax(m_fMax);
        const QSignalBlocker blockMin(m_fMin);
        m_fMax->setValue(nyquist);
        if (m_fMin->value() >= nyquist) {
            m_fMin->setValue(DispersionRange{}.fMin);
        }
    }
}

DispersionOptions CDispersionDlg::ReadOptions() const {
    DispersionOptions options;
    options.range = {m_fMin->value(), m_fMax->value(), m_fStep->value(),
                     m_vMin->value(), m_vMax->value(), m_vStep->value()};
    options.normalise = m_normalise->isChecked();
    if (m_useSelection->isEnabled() && m_useSelection->isChecked()) {
        options.traces.assign(m_doc.SelTraces().begin(), m_doc.SelTraces().end());
    }
    return options;
}

void CDispersionDlg::Recompute() {
    m_debounce->stop();
    if (!isVisible()) {
        m_stale = true;
        return;
    }
    m_stale = false;
    const DispersionError error = ComputeDispersion(m_doc.Record(), ReadOptions(), m_image);
    if (error != DispersionError::None) {
        m_image = {};
        // The core's refusals are marked in the "Messages" context.
        m_status->setText(QCoreApplication::translate("Messages", DispersionErrorText(error)));
    }
    m_status->setVisible(error != DispersionError::None);
    m_readout->clear();
    UpdateButtons();
    m_canvas->update();
}

void CDispersionDlg::UpdateSelectionChoice() {
    const size_t selected = m_doc.SelTraces().size();
    const bool available = m_doc.GetSelectMode() == SelectMode::MultiTrace && selected >= 2;
    m_useSelection->setEnabled(available);
    m_useSelection->setText(available ? tr("使用所选道 (%1 道)").arg(selected) : tr("使用所选道"));
}

void CDispersionDlg::UpdateButtons() {
    const bool hasImage = !m_image.frequencies.empty();
    m_pickPeaks->setEnabled(hasImage);
    m_clearPicks->setEnabled(!m_picks.empty());
    m_exportPicks->setEnabled(!m_picks.empty());
    m_exportPicture->setEnabled(hasImage);
    m_print->setEnabled(hasImage);
    m_pickCount->setText(tr("已拾取 %1 点").arg(m_picks.size()));
}

void CDispersionDlg::DocumentChanged(const ChangeSet& changes) {
    if (changes.Has(Change::Record)) {
        m_picks.clear();
        FitFrequencyRange();
    }
    bool recompute =
        changes.Has(Change::Record) || changes.Has(Change::Samples) || changes.Has(Change::Header);
    if (changes.Has(Change::Record) || changes.Has(Change::Selection) || changes.Has(Change::Tool)) {
        const bool wasUsed = m_useSelection->isEnabled() && m_useSelection->isChecked();
        UpdateSelectionChoice();
        recompute = recompute || wasUsed || (m_useSelection->isEnabled() && m_useSelection->isChecked());
    }
    if (recompute) {
        Recompute();
    }
}

void CDispersionDlg::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (m_stale) {
        Recompute();
    }
}

bool CDispersionDlg::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_canvas) {
        return QDialog::eventFilter(watched, event);
    }
    switch (event->type()) {
    case QEvent::Paint:
        PaintCanvas();
        return true;
    case QEvent::MouseMove:
        MouseMoved(static_cast<QMouseEvent*>(event)->position().toPoint());
        return true;
    case QEvent::MouseButtonPress: {
        const auto* mouse = static_cast<QMouseEvent*>(event);
        MousePressed(mouse->position().toPoint(), mouse->button());
        return true;
    }
    case QEvent::Leave:
        m_readout->clear();
        return false;
    default:
        return QDialog::eventFilter(watched, event);
    }
}

void CDispersionDlg::PaintCanvas() {
    QPainter painter(m_canvas);
    DispersionPlotOptions options;
    options.showPeaks = m_showPeaks->isChecked();
    options.picks = m_picks;
    m_layout = PaintDispersion(painter, m_canvas->rect(), m_image, options);
}

void CDispersionDlg::MouseMoved(QPoint at) {
    if (m_image.frequencies.empty() || !m_layout.Contains(at)) {
        m_readout->clear();
        return;
    }
    const DispersionPick pick = m_layout.PickAt(at);
    const size_t f = Nearest(m_image.frequencies, pick.frequency);
    const size_t v = Nearest(m_image.velocities, pick.velocity);
    m_readout->setText(tr("频率 %1 Hz    相速度 %2 m/s    功率 %3")
                           .arg(pick.frequency, 0, 'f', 2)
                           .arg(pick.velocity, 0, 'f', 1)
                           .arg(static_cast<double>(m_image.At(f, v)), 0, 'f', 3));
}

void CDispersionDlg::MousePressed(QPoint at, Qt::MouseButton button) {
    if (m_image.frequencies.empty()) {
        return;
    }
    if (button == Qt::LeftButton && m_layout.Contains(at)) {
        AddPick(m_layout.PickAt(at));
    } else if (button == Qt::RightButton) {
        RemoveNearestPick(at);
    }
}

void CDispersionDlg::AddPick(const DispersionPick& pick) {
    // One point per frequency of the grid: the curve is a function of frequency.
    const double frequency = m_image.frequencies[Nearest(m_image.frequencies, pick.frequency)];
    const double velocity = std::clamp(pick.velocity, m_image.velocities.front(), m_image.velocities.back());
    const auto it = std::lower_bound(m_picks.begin(), m_picks.end(), frequency,
                                     [](const DispersionPick& p, double f) { return p.frequency < f; });
    if (it != m_picks.end() && it->frequency == frequency) {
        it->velocity = velocity;
    } else {
        m_picks.insert(it, {frequency, velocity});
    }
    UpdateButtons();
    m_canvas->update();
}

void CDispersionDlg::RemoveNearestPick(QPoint at) {
    if (m_picks.empty()) {
        return;
    }
    const auto distance = [&](const DispersionPick& p) {
        const QPointF d = m_layout.PointOf(p) - QPointF(at);
        return d.x() * d.x() + d.y() * d.y();
    };
    m_picks.erase(std::min_element(m_picks.begin(), m_picks.end(),
                                   [&](const auto& a, const auto& b) { return distance(a) < distance(b); }));
    UpdateButtons();
    m_canvas->update();
}

void CDispersionDlg::PickPeaks() {
    m_picks = PeakPicks(m_image);
    std::sort(m_picks.begin(), m_picks.end(),
              [](const DispersionPick& a, const DispersionPick& b) { return a.frequency < b.frequency; });
    UpdateButtons();
    m_canvas->update();
}

void CDispersionDlg::ClearPicks() {
    m_picks.clear();
    UpdateButtons();
    m_canvas->update();
}

void CDispersionDlg::ShowError(const QString& text) {
    m_prompts.Show(this, Message{text.toStdString(), tr("频散分析").toStdString(), MessageIcon::Error, {}});
}

void CDispersionDlg::ExportPicks() {
    if (m_picks.empty()) {
        return;
    }
    FileDialogRequest request;
    request.title = tr("导出拾取");
    request.nameFilters = {tr("CSV 文件 (*.csv)")};
    request.folder = SuggestedPath(m_doc, QStringLiteral(".csv"));
    request.save = true;
    QString path = m_prompts.ChooseFile(this, request);
    if (path.isEmpty()) {
        return;
    }
    if (QFileInfo(path).suffix().isEmpty()) {
        path += QStringLiteral(".csv");
    }
    QString text = QStringLiteral("frequency_hz,velocity_m_s,wavelength_m\n");
    for (const DispersionPick& pick : m_picks) {
        text += PickRow(pick);
    }
    QSaveFile file(path);
    const QByteArray bytes = text.toUtf8();
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        ShowError(tr("无法写入文件 %1").arg(path));
    }
}

void CDispersionDlg::ExportPicture() {
    FileDialogRequest request;
    request.title = tr("导出图片");
    request.nameFilters = {tr("PNG 图像 (*.png)"), tr("BMP 图像 (*.bmp)")};
    request.folder = SuggestedPath(m_doc, QStringLiteral(".png"));
    request.save = true;
    QString path = m_prompts.ChooseFile(this, request);
    if (path.isEmpty()) {
        return;
    }
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix.isEmpty()) {
        path += request.chosenFilter.contains(QStringLiteral("*.bmp")) ? QStringLiteral(".bmp")
                                                                       : QStringLiteral(".png");
    } else if (suffix != QStringLiteral("png") && suffix != QStringLiteral("bmp")) {
        ShowError(tr("图片只能保存为 PNG 或 BMP 文件：%1").arg(path));
        return;
    }
    QSize size = m_canvas->size();
    if (size.width() < kMinPictureWidth && size.width() > 0) {
        size = QSize(kMinPictureWidth, size.height() * kMinPictureWidth / size.width());
    }
    DispersionPlotOptions options;
    options.showPeaks = m_showPeaks->isChecked();
    options.picks = m_picks;
    if (!SaveDispersionPicture(m_image, options, size, path.toStdString())) {
        ShowError(tr("无法写入文件 %1").arg(path));
    }
}

void CDispersionDlg::PrintPicture() {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(QPageLayout::Landscape);
    if (!m_printPrompt(printer, this)) {
        return;
    }
    // The document's print margins, as the section is printed.
    const PixelRect area = PrinterArea(m_doc, printer);
    QPainter painter;
    if (area.right <= area.left || area.bottom <= area.top || !painter.begin(&printer)) {
        ShowError(tr("无法打印"));
        return;
    }
    DispersionPlotOptions options;
    options.showPeaks = m_showPeaks->isChecked();
    options.picks = m_picks;
    PaintDispersion(painter, QRect(area.left, area.top, area.right - area.left, area.bottom - area.top),
                    m_image, options);
}

} // namespace kvt
