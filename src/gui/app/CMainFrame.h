// The main window: menu, toolbar and status bar built from the command table, the section in the
// middle, the side panel docked on the left. It is the document's host: messages become boxes and
// change reports reach the section, the panel and the actions, each only for what concerns it.
#pragma once

#include "CommandTable.h"
#include "document/DocumentHost.h"
#include "document/DocumentModes.h"

#include <QMainWindow>
#include <QPointer>

#include <map>

class QAction;
class QLabel;
class QToolBar;

namespace kvt {

class CKVTDoc;
class CDispersionDlg;
class CMainFormView;
class CViewBar;
class DesktopPrompts;
class SideInfoView;

class CMainFrame : public QMainWindow, public DocumentHost {
    Q_OBJECT
public:
    static constexpr QSize kMinimumSize{1000, 600};

    CMainFrame(CKVTDoc& doc, DesktopPrompts& prompts, QWidget* parent = nullptr);
    ~CMainFrame() override;

    // Shows the window as it was left last time, maximised the first time.
    void ShowAsLastTime();
    // Opens a record as 打开 does after its dialog; false when nothing was opened.
    bool OpenRecord(const QString& path);

    QAction* Action(CommandId id) const;
    CMainFormView& FormView() { return *m_pFormView; }
    SideInfoView& SidePanel() { return *m_pSidePanel; }
    CViewBar& SideBar() { return *m_wndSideBar; }
    QToolBar& ToolBar() { return *m_wndToolBar; }
    // The readout pane of the status bar.
    void SetReadoutText(const QString& text);
    QString ReadoutText() const;
    QString PromptText() const;

    void ShowMessage(const Message& message) override;
    void Changed(ChangeSet changes) override;
    // Enables and ticks every command from the document.
    void UpdateActions();

protected:
    bool event(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void CreateActions();
    void CreateMenus();
    void CreateToolBar();
    void CreateStatusBar();
    void CreateSideBar();
    void ConnectCommands();
    void On(CommandId id, void (CMainFrame::*handler)());

    void OnOpen();
    void OnSaveAs();
    void OnReadPoint();
    void OnSavePoint();
    void OnPrintPreview();
    void OnStandardPrint();
    void OnCloseDocument();
    void OnToggleStatusBar();
    void OnAbout();
    void ToggleTool(EditTool tool);

    // Asks about unsaved changes; false when the user cancelled or the save failed, so the caller
    // must not go on and lose the edits.
    bool SettleUnsavedChanges(bool withCancel);
    QString DialogFolder() const;
    void RememberDialogFolder(const QString& path);
    void AddRecentFile(const QString& path);
    void SaveWindowSettings() const;

    CKVTDoc& m_doc;
    DesktopPrompts& m_prompts;
    CMainFormView* m_pFormView;
    SideInfoView* m_pSidePanel = nullptr;
    CViewBar* m_wndSideBar = nullptr;
    QToolBar* m_wndToolBar = nullptr;
    QLabel* m_prompt = nullptr;
    QLabel* m_readout = nullptr;
    // Made on first use and kept (hidden when closed), so its picks last the session.
    QPointer<CDispersionDlg> m_dispersion;
    std::map<CommandId, QAction*> m_actions;
    int32_t m_nLastHStretch = 1;
    int32_t m_nLastVStretch = 1;
};

} // namespace kvt
