#include "CMainFrame.h"

#include "CKVTApp.h"
#include "DesktopPrompts.h"
#include "ToolbarIcons.h"
#include "document/CKVTDoc.h"
#include "formats/FileType.h"
#include "gui/controls/CViewBar.h"
#include "gui/dialogs/CAboutDlg.h"
#include "gui/dialogs/CBatchResampleDlg.h"
#include "gui/dialogs/CBmpSaveDlg.h"
#include "gui/dialogs/CChannelCollectDlg.h"
#include "gui/dialogs/CCombineFileDlg.h"
#include "gui/dialogs/CFilterDlg.h"
#include "gui/dialogs/CParamSortDlg.h"
#include "gui/dialogs/CPrintDlg.h"
#include "gui/dialogs/CResampleDlg.h"
#include "gui/dialogs/CVerticalAddDlg.h"
#include "gui/dispersion/CDispersionDlg.h"
#include "gui/panel/SideInfoView.h"
#include "gui/views/CMainFormView.h"
#include "render/DisplayCommands.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QSettings>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QToolBar>
#include <QToolButton>

namespace kvt {

namespace {

QSettings Settings() {
    return QSettings(QString::fromUtf8(kSettingsOrganization), QString::fromUtf8(kSettingsApplication));
}

const QStringList& RecordFilters() {
    static const QStringList filters = {
        QStringLiteral("(*.srw) (*.srw *.SRW *.Srw)"),
        QStringLiteral("(*.sgy) (*.sgy *.SGY *.segy *.SEGY)"),
        QStringLiteral("(*.sg2) (*.sg2 *.SG2 *.seg2 *.SEG2 *.dat *.DAT)"),
    };
    return filters;
}

// Saving also offers the standard SEG-Y layout that other programs read.
QString StandardSegyFilter() {
    return CMainFrame::tr("标准 SEG-Y (*.sgy)");
}

const QStringList& PointFilters() {
    static const QStringList filters = {QStringLiteral("(*.point) (*.point *.POINT *.Point)")};
    return filters;
}

// The status text of a prompt is its first line, the tooltip and button text its second.
QString PromptLine(const char* prompt, int line) {
    return CommandText(prompt).section(QLatin1Char('\n'), line, line);
}

} // namespace

CMainFrame::CMainFrame(CKVTDoc& doc, DesktopPrompts& prompts, QWidget* parent)
    : QMainWindow(parent), m_doc(doc), m_prompts(prompts), m_pFormView(new CMainFormView(doc, this)) {
    setObjectName(QStringLiteral("CMainFrame"));
    setWindowTitle(QString::fromUtf8(kVersionText));
    setMinimumSize(kMinimumSize);
    setCentralWidget(m_pFormView);
    CreateActions();
    CreateMenus();
    CreateToolBar();
    CreateStatusBar();
    CreateSideBar();
    ConnectCommands();
    m_doc.SetHost(*this);
    UpdateActions();
}

CMainFrame::~CMainFrame() {
    static SilentHost silent;
    m_doc.SetHost(silent);
    // The bars report being hidden while the window takes them down; nothing here listens any more.
    disconnect(m_wndSideBar, &QDockWidget::visibilityChanged, nullptr, nullptr);
    disconnect(m_wndToolBar, &QToolBar::visibilityChanged, nullptr, nullptr);
}

void CMainFrame::CreateActions() {
    for (const CommandRow& row : Commands()) {
        auto* action = new QAction(CommandText(row.caption), this);
        action->setObjectName(QStringLiteral("id%1").arg(static_cast<int>(row.id)));
        action->setStatusTip(PromptLine(row.prompt, 0));
        const QString shortText = PromptLine(row.prompt, 1);
        if (!shortText.isEmpty()) {
            action->setIconText(shortText);
            action->setToolTip(shortText);
        }
        action->setCheckable(row.checkable);
        action->setShortcuts(row.keys);
        if (*row.artwork != '\0') {
            action->setIcon(ToolbarIcon(QString::fromUtf8(row.artwork)));
        }
        addAction(action); // keys work whether or not a menu or button shows the command
        m_actions[row.id] = action;
    }
}

void CMainFrame::CreateMenus() {
    QMenu* menu = nullptr;
    QMenu* submenu = nullptr;
    QString menuTitle;
    for (const CommandRow& row : Commands()) {
        if (*row.menu == '\0') {
            continue;
        }
        if (menu == nullptr || menuTitle != CommandText(row.menu)) {
            menuTitle = CommandText(row.menu);
            menu = menuBar()->addMenu(menuTitle);
            connect(menu, &QMenu::aboutToShow, this, &CMainFrame::UpdateActions);
            submenu = nullptr;
        }
        QMenu* target = menu;
        if (*row.submenu != '\0') {
            if (submenu == nullptr) {
                submenu = menu->addMenu(CommandText(row.submenu));
            }
            target = submenu;
        } else {
            submenu = nullptr;
        }
        target->addAction(Action(row.id));
        if (row.separatorAfter) {
            target->addSeparator();
        }
    }
}

void CMainFrame::CreateToolBar() {
    m_wndToolBar = new QToolBar(tr("工具栏"), this);
    m_wndToolBar->setObjectName(QStringLiteral("id59392"));
    m_wndToolBar->setIconSize(QSize(32, 32));
    m_wndToolBar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    for (int id : ToolbarLayout()) {
        if (id == 0) {
            m_wndToolBar->addSeparator();
            continue;
        }
        QAction* action = Action(static_cast<CommandId>(id));
        m_wndToolBar->addAction(action);
        if (QWidget* button = m_wndToolBar->widgetForAction(action)) {
            button->setMinimumSize(55, 55);
        }
    }
    addToolBar(Qt::TopToolBarArea, m_wndToolBar);
}

void CMainFrame::CreateStatusBar() {
    m_prompt = new QLabel(tr("就绪"), this);
    m_prompt->setObjectName(QStringLiteral("StatusPrompt"));
    m_prompt->setFixedWidth(260);
    m_readout = new QLabel(QStringLiteral("info"), this);
    m_readout->setObjectName(QStringLiteral("StatusReadout"));
    m_readout->setMinimumWidth(200);
    statusBar()->setObjectName(QStringLiteral("id59393"));
    statusBar()->addWidget(m_prompt);
    statusBar()->addWidget(m_readout, 1);
    connect(&m_pFormView->TraceView(), &CBaseView::ReadoutChanged, this, &CMainFrame::SetReadoutText);
}

void CMainFrame::CreateSideBar() {
    m_pSidePanel = new SideInfoView(m_doc, m_prompts);
    m_wndSideBar = new CViewBar(tr("信息栏"), m_pSidePanel, this);
    addDockWidget(Qt::LeftDockWidgetArea, m_wndSideBar);
    resizeDocks({m_wndSideBar}, {260}, Qt::Horizontal);
    connect(m_pSidePanel, &SideInfoView::TitleChanged, this, &QWidget::setWindowTitle);
}

void CMainFrame::On(CommandId id, void (CMainFrame::*handler)()) {
    connect(Action(id), &QAction::triggered, this, handler);
}

void CMainFrame::ConnectCommands() {
    using C = CommandId;
    On(C::Open, &CMainFrame::OnOpen);
    connect(Action(C::Save), &QAction::triggered, this, [this] { m_doc.SaveCurrent(); });
    On(C::SaveAs, &CMainFrame::OnSaveAs);
    On(C::ReadPoint, &CMainFrame::OnReadPoint);
    On(C::SavePoint, &CMainFrame::OnSavePoint);
    On(C::PrintPreview, &CMainFrame::OnPrintPreview);
    connect(Action(C::PrintDialog), &QAction::triggered, this, [this] {
        CPrintDlg(m_doc, *m_pFormView, this).exec();
        m_pFormView->TraceView().Repaint();
    });
    On(C::StandardPrint, &CMainFrame::OnStandardPrint);
    On(C::CloseDocument, &CMainFrame::OnCloseDocument);
    connect(Action(C::Exit), &QAction::triggered, this, &QWidget::close);

    // The bars keep their own ticks: the dock's and toolbar's view actions carry the commands.
    QAction* panel = Action(C::SidePanel);
    connect(panel, &QAction::triggered, m_wndSideBar, &QWidget::setVisible);
    connect(m_wndSideBar, &QDockWidget::visibilityChanged, panel,
            [bar = m_wndSideBar, panel] { panel->setChecked(!bar->isHidden()); });
    QAction* toolbar = Action(C::ToolBar);
    connect(toolbar, &QAction::triggered, m_wndToolBar, &QWidget::setVisible);
    connect(m_wndToolBar, &QToolBar::visibilityChanged, toolbar, &QAction::setChecked);
    On(C::StatusBar, &CMainFrame::OnToggleStatusBar);
    panel->setChecked(true);
    toolbar->setChecked(true);
    Action(C::StatusBar)->setChecked(true);

    for (const C id : {C::FillPositive, C::FillNegative, C::Wiggle, C::ScaleGlobal, C::ScaleTrace,
                       C::StretchH, C::CompressH, C::StretchV, C::CompressV, C::Normalize}) {
        connect(Action(id), &QAction::triggered, this,
                [this, id] { m_pFormView->RunCommand(static_cast<DisplayCommand>(id)); });
    }
    connect(Action(C::WaveSettings), &QAction::triggered, m_pFormView, &CMainFormView::ShowWaveViewSettings);

    const std::pair<C, EditTool> tools[] = {{C::AreaEdit, EditTool::AreaEdit},
                                            {C::Operation, EditTool::Operation},
                                            {C::DelayCorrection, EditTool::DelayCorrection},
                                            {C::ShotTime, EditTool::ShotTime}};
    for (const auto& [id, tool] : tools) {
        connect(Action(id), &QAction::triggered, this, [this, tool = tool] { ToggleTool(tool); });
    }
    connect(Action(C::Copy), &QAction::triggered, this, [this] { m_doc.CopyTrace(); });
    connect(Action(C::Paste), &QAction::triggered, this, [this] { m_doc.PasteTrace(); });
    connect(Action(C::Undo), &QAction::triggered, this, [this] { m_doc.Undo(); });
    connect(Action(C::Redo), &QAction::triggered, this, [this] { m_doc.Redo(); });
    On(C::About, &CMainFrame::OnAbout);
    connect(Action(C::Geometry), &QAction::triggered, this, [this] {
        if (CParamSortDlg(m_doc, this).exec() == QDialog::Accepted) {
            m_pFormView->TraceView().Repaint();
            m_doc.SetDataChanged(true);
        }
    });
    connect(Action(C::ImageOutput), &QAction::triggered, this,
            [this] { CBmpSaveDlg(m_doc, *m_pFormView, m_prompts, this).exec(); });
    connect(Action(C::Filter), &QAction::triggered, this, [this] { CFilterDlg(m_doc, this).exec(); });
    connect(Action(C::Resample), &QAction::triggered, this, [this] { CResampleDlg(m_doc, this).exec(); });
    connect(Action(C::Dispersion), &QAction::triggered, this,
            [this] { m_dispersion = CDispersionDlg::Show(m_doc, m_prompts, this); });
    connect(Action(C::BatchResample), &QAction::triggered, this,
            [this] { CBatchResampleDlg(m_doc, *this, m_prompts, this).exec(); });
    connect(Action(C::Combine), &QAction::triggered, this,
            [this] { CCombineFileDlg(*this, m_prompts, this).exec(); });
    connect(Action(C::Extract), &QAction::triggered, this,
            [this] { CChannelCollectDlg(*this, m_prompts, this).exec(); });
    connect(Action(C::VerticalStack), &QAction::triggered, this,
            [this] { CVerticalAddDlg(*this, m_prompts, this).exec(); });

    const std::pair<C, SelectMode> modes[] = {{C::SelectAbove, SelectMode::Above},
                                              {C::SelectBelow, SelectMode::Below},
                                              {C::SelectSingle, SelectMode::SingleTrace},
                                              {C::SelectMulti, SelectMode::MultiTrace}};
    for (const auto& [id, mode] : modes) {
        connect(Action(id), &QAction::triggered, this, [this, mode = mode] { m_doc.SetSelectMode(mode); });
    }
    // Plain functions rather than member pointers: GCC's optimiser misreads member pointers in slots.
    using Operation = void (*)(CKVTDoc&);
    const std::pair<C, Operation> operations[] = {{C::ResetSelection, [](CKVTDoc& d) { d.ResetEditState(); }},
                                                  {C::Amplify, [](CKVTDoc& d) { d.OperateAmplify(); }},
                                                  {C::Attenuate, [](CKVTDoc& d) { d.OperateAttenuate(); }},
                                                  {C::Cut, [](CKVTDoc& d) { d.OperateCut(); }},
                                                  {C::Swap, [](CKVTDoc& d) { d.OperateSwap(); }},
                                                  {C::Polarity, [](CKVTDoc& d) { d.OperatePolarity(); }}};
    for (const auto& [id, operation] : operations) {
        connect(Action(id), &QAction::triggered, this, [this, op = operation] { op(m_doc); });
    }
}

QAction* CMainFrame::Action(CommandId id) const {
    return m_actions.at(id);
}

void CMainFrame::UpdateActions() {
    for (const auto& [id, action] : m_actions) {
        if (!FollowsDocument(id)) {
            continue;
        }
        const CommandState state = StateOfCommand(id, m_doc);
        action->setEnabled(state.enabled);
        if (action->isCheckable()) {
            action->setChecked(state.checked);
        }
    }
}

void CMainFrame::SetReadoutText(const QString& text) {
    m_readout->setText(text);
    m_readout->repaint();
}

QString CMainFrame::ReadoutText() const {
    return m_readout->text();
}

QString CMainFrame::PromptText() const {
    return m_prompt->text();
}

void CMainFrame::ShowMessage(const Message& message) {
    m_prompts.Show(this, TranslatedMessage(message));
}

void CMainFrame::Changed(ChangeSet changes) {
    m_pFormView->TraceView().DocumentChanged(changes);
    m_pSidePanel->DocumentChanged(changes);
    if (m_dispersion) {
        m_dispersion->DocumentChanged(changes);
    }
    const DisplaySettings& display = m_doc.Display();
    if (display.m_nHStretch != m_nLastHStretch || display.m_nVStretch != m_nLastVStretch) {
        m_nLastHStretch = display.m_nHStretch;
        m_nLastVStretch = display.m_nVStretch;
        m_pFormView->Relayout();
    }
    UpdateActions();
}

bool CMainFrame::event(QEvent* event) {
    if (event->type() == QEvent::StatusTip) {
        // Prompts go to the first pane only, so the readout stays visible while menus are open.
        const QString tip = static_cast<QStatusTipEvent*>(event)->tip();
        m_prompt->setText(tip.isEmpty() ? tr("就绪") : tip);
        return true;
    }
    return QMainWindow::event(event);
}

bool CMainFrame::SettleUnsavedChanges(bool withCancel) {
    if (!m_doc.IsDataChanged()) {
        return true;
    }
    switch (m_prompts.AskSaveChanges(this, withCancel)) {
    case Answer::Yes:
        m_doc.SaveCurrent();
        return !m_doc.IsDataChanged();
    case Answer::No:
        m_doc.SetDataChanged(false);
        return true;
    case Answer::Cancel:
        break;
    }
    return false;
}

bool CMainFrame::OpenRecord(const QString& path) {
    const QString full = QFileInfo(path).absoluteFilePath();
    // A path without a record extension opens only when its first bytes name a record (an
    // instrument's NNNN.dat); anything else is left alone without a word.
    FileType type = FileType::Native;
    if (RecordFileType(full.toStdString(), type) != ReadError::None || !SettleUnsavedChanges(false)) {
        return false;
    }
    if (!m_doc.OpenDocument(full.toStdString())) {
        return false;
    }
    m_pSidePanel->SetCurrentFile(full);
    m_pSidePanel->SelectFileType(static_cast<int>(type));
    m_pSidePanel->RefreshFileTree(false);
    setWindowTitle(QString::fromUtf8(kVersionText) + QStringLiteral("   ") + QDir::toNativeSeparators(full));
    AddRecentFile(full);
    return true;
}

void CMainFrame::OnOpen() {
    QStringList filters = RecordFilters();
    filters << tr("所有记录 (*.srw *.SRW *.Srw *.sgy *.SGY *.segy *.SEGY *.sg2 *.SG2 *.seg2 *.SEG2)");
    const QString path = m_prompts.ChooseFile(this, {QString(), filters, DialogFolder(), false});
    if (path.isEmpty()) {
        return;
    }
    RememberDialogFolder(path);
    OpenRecord(path);
}

void CMainFrame::OnSaveAs() {
    FileDialogRequest request{QString(), RecordFilters(), DialogFolder(), true};
    request.nameFilters << StandardSegyFilter();
    const QString path = m_prompts.ChooseFile(this, request);
    if (path.isEmpty() || !FileTypeOfPath(path.toStdString())) {
        return;
    }
    RememberDialogFolder(path);
    if (request.chosenFilter == StandardSegyFilter()) {
        const QString lower = path.toLower();
        if (lower.contains(QLatin1String(".sgy")) || lower.contains(QLatin1String(".segy"))) {
            m_doc.SaveStandardSegy(path.toStdString());
        }
        return;
    }
    m_doc.SaveByPath(path.toStdString());
}

void CMainFrame::OnReadPoint() {
    const QString path = m_prompts.ChooseFile(this, {tr("单波读取"), PointFilters(), DialogFolder(), false});
    if (path.toLower().contains(QLatin1String(".point"))) {
        RememberDialogFolder(path);
        m_doc.LoadTraceFromPoint(path.toStdString(), true);
    }
}

void CMainFrame::OnSavePoint() {
    const QString path = m_prompts.ChooseFile(this, {tr("单波保存"), PointFilters(), DialogFolder(), true});
    if (path.toLower().contains(QLatin1String(".point"))) {
        RememberDialogFolder(path);
        m_doc.SaveTraceToPoint(path.toStdString(), true);
    }
}

void CMainFrame::OnPrintPreview() {
    QPrinter printer;
    QPrintPreviewDialog preview(&printer, this);
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter* target) { m_pFormView->Print(*target); });
    preview.exec();
}

void CMainFrame::OnStandardPrint() {
    QPrinter printer;
    QPrintDialog dialog(&printer, this);
    // The record always fits one page.
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setMinMax(1, 1);
    if (dialog.exec() == QDialog::Accepted) {
        m_pFormView->Print(printer);
    }
}

void CMainFrame::OnCloseDocument() {
    if (!m_doc.IsLoaded() || !SettleUnsavedChanges(true)) {
        return;
    }
    m_doc.ResetDisplayAndTool();
    m_doc.ResetDocument();
    m_pSidePanel->LayoutPanels();
    m_pSidePanel->ClearCurrentFile();
    m_pSidePanel->RefreshFileTree(false);
    m_pSidePanel->ShowRecordInfo();
    m_pSidePanel->MarkModified(m_doc.IsDataChanged());
    m_pFormView->Relayout();
}

void CMainFrame::OnToggleStatusBar() {
    statusBar()->setVisible(!statusBar()->isVisible());
    Action(CommandId::StatusBar)->setChecked(statusBar()->isVisible());
}

void CMainFrame::ToggleTool(EditTool tool) {
    m_doc.SetEditTool(m_doc.GetEditTool() == tool ? EditTool::None : tool);
}

void CMainFrame::OnAbout() {
    CAboutDlg(QString::fromUtf8(kVersionText), this).exec();
}

QString CMainFrame::DialogFolder() const {
    return Settings().value(QStringLiteral("Settings/DialogFolder")).toString();
}

void CMainFrame::RememberDialogFolder(const QString& path) {
    Settings().setValue(QStringLiteral("Settings/DialogFolder"), QFileInfo(path).absolutePath());
}

void CMainFrame::AddRecentFile(const QString& path) {
    QSettings settings = Settings();
    QStringList recent;
    for (int i = 1; i <= kRecentFileCount; ++i) {
        const QString entry = settings.value(QStringLiteral("Recent File List/File%1").arg(i)).toString();
        if (!entry.isEmpty() && entry != path) {
            recent << entry;
        }
    }
    recent.prepend(path);
    for (int i = 1; i <= kRecentFileCount; ++i) {
        settings.setValue(QStringLiteral("Recent File List/File%1").arg(i), recent.value(i - 1));
    }
}

void CMainFrame::ShowAsLastTime() {
    const QSettings settings = Settings();
    const QByteArray geometry = settings.value(QStringLiteral("Settings/Geometry")).toByteArray();
    restoreState(settings.value(QStringLiteral("Settings/State")).toByteArray());
    const QString folder = settings.value(QStringLiteral("Settings/TreeFolder")).toString();
    if (!folder.isEmpty() && QFileInfo(folder).isDir()) {
        m_pSidePanel->SetCurrentFile(folder + QLatin1Char('/'));
        m_pSidePanel->RefreshFileTree(false);
    }
    if (geometry.isEmpty() || !restoreGeometry(geometry)) {
        showMaximized();
    } else {
        show();
    }
    Action(CommandId::StatusBar)->setChecked(statusBar()->isVisible());
}

void CMainFrame::SaveWindowSettings() const {
    QSettings settings = Settings();
    settings.setValue(QStringLiteral("Settings/Geometry"), saveGeometry());
    settings.setValue(QStringLiteral("Settings/State"), saveState());
    settings.setValue(QStringLiteral("Settings/TreeFolder"), m_pSidePanel->CurrentFolder());
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    // Leaving the program must not lose edits: the same question as closing the record.
    if (!SettleUnsavedChanges(true)) {
        event->ignore();
        return;
    }
    SaveWindowSettings();
    event->accept();
}

} // namespace kvt
