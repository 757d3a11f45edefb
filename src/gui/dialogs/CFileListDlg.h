// What the batch resample, combine, channel extraction and vertical stack dialogs share: the list of
// native record files (added through the file dialog or dropped from a file manager, deleted, moved,
// sorted), the action and close buttons, and a progress window with 取消 while a run goes through the
// list. The list starts empty with every dialog and never touches the open record.
#pragma once

#include "batch/BatchTools.h"
#include "batch/FileListModel.h"
#include "document/Messages.h"

#include <QDialog>

#include <functional>
#include <vector>

class QPushButton;
class QTreeWidget;
class QVBoxLayout;

namespace kvt {

class DesktopPrompts;

class CFileListDlg : public QDialog {
    Q_OBJECT
public:
    // Before each file of a run: the files done, the total and the next file; false cancels the run.
    using ProgressStep = std::function<bool(int done, int total, const QString& file)>;

    const FileListModel& FileList() const { return m_files; }
    // Takes the place of the progress window, for a caller that shows progress its own way.
    void SetProgressStep(ProgressStep step) { m_progressStep = std::move(step); }

protected:
    CFileListDlg(DocumentHost& host, DesktopPrompts& prompts, const QString& title, const QString& actionText,
                 const QString& closeText, QWidget* parent);

    // What the action button (id 1) does.
    virtual void OnAction() = 0;

    // Puts the operation's own settings above the list.
    void AddSettingsPane(QWidget* pane);
    // Hides the move and sort buttons: the list can then only be added to and deleted from.
    void HideOrderButtons();
    void RefreshFileList();
    // Runs `work` with a progress callback that shows a window once the run lasts, and cancels when the
    // user presses its 取消. Returns what `work` returns.
    int RunWithProgress(const std::function<int(const BatchProgress&)>& work);

    using OutputTool = int (*)(std::vector<std::string>, const std::string&, DocumentHost&,
                               const BatchProgress&);
    // The combine, extract and stack action: with at least two files, the output chosen in the save
    // dialog (filter in the "描述|模式;模式||" form), the tool run on a copy of the list, the result
    // message. The dialog stays open.
    void RunOutputTool(BatchTool tool, const char* filter, OutputTool run);

    bool eventFilter(QObject* watched, QEvent* event) override;

    DocumentHost& m_host;
    DesktopPrompts& m_prompts;
    FileListModel m_files;

private:
    void OnAdd();
    void OnDelete();
    void OnDeleteAll();
    void OnMove(bool up);
    void OnSort(bool ascending);
    void AddPaths(const QStringList& paths);
    std::vector<int32_t> SelectedRows() const;

    QTreeWidget* m_list;
    QVBoxLayout* m_layout;
    std::vector<QPushButton*> m_orderButtons;
    ProgressStep m_progressStep;
};

} // namespace kvt
