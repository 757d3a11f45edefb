// The side panel: the palette area of the active edit tool, the folder tree of the record files of one
// type (choosing a file opens it, after asking about unsaved changes), the project texts of the record
// (committed to the header with Enter) and its acquisition values (read only).
#pragma once

#include "document/ChangeSet.h"

#include <QScrollArea>
#include <QString>

class QComboBox;
class QDateEdit;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidgetItem;

namespace kvt {

class CAreaEditDlg;
class CDelayCorrectDlg;
class CDirTreeCtrl;
class CKVTDoc;
class COperateOrderDlg;
class DesktopPrompts;

class SideInfoView : public QScrollArea {
    Q_OBJECT
public:
    static constexpr int kPanelWidth = 230;

    SideInfoView(CKVTDoc& doc, DesktopPrompts& prompts, QWidget* parent = nullptr);

    // Shows the groups of the active edit tool and places every control below them.
    void LayoutPanels();
    // Lists the folder again with the type's filter and selects the current file; `reopen` reads
    // the current file again from disk, as 刷新 does.
    void RefreshFileTree(bool reopen);
    void ShowRecordInfo();
    void MarkModified(bool modified);
    // Copies the project fields into the header and marks the record changed.
    void CommitProjectInfo();
    void DocumentChanged(ChangeSet changes);

    // The record file last opened (through 打开, the tree or the command line); an empty file name
    // when there is none.
    void SetCurrentFile(const QString& path);
    void ClearCurrentFile() { m_strCurFile.clear(); }
    const QString& CurrentFolder() const { return m_strCurDir; }
    const QString& CurrentFile() const { return m_strCurFile; }
    void SelectFileType(int index);
    CDirTreeCtrl& Tree() { return *m_tree; }
    CDelayCorrectDlg& DelayPalette() { return *m_delay; }

signals:
    void TitleChanged(const QString& title);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls();
    void PlaceInformation(int start);
    void OnTreeSelection(QTreeWidgetItem* item);
    void OnTypeChosen(int index);
    void OnDateChanged();
    bool IsCurrentTypeFile(const QString& path) const;
    QString TitleFor(const QString& path) const;

    CKVTDoc& m_doc;
    DesktopPrompts& m_prompts;
    QWidget* m_page;
    CAreaEditDlg* m_areaEdit;
    COperateOrderDlg* m_operate;
    CDelayCorrectDlg* m_delay;
    QGroupBox* m_toolGroup;
    QGroupBox* m_operationGroup;
    QGroupBox* m_fileGroup;
    QComboBox* m_sortBy;
    CDirTreeCtrl* m_tree;
    QLabel* m_typeLabel;
    QComboBox* m_type;
    QPushButton* m_refresh;
    QGroupBox* m_projectGroup;
    QGroupBox* m_acquisitionGroup;
    QLabel* m_projectLabels[5];
    QLineEdit* m_project;
    QLineEdit* m_company;
    QLineEdit* m_operator;
    QLineEdit* m_profile;
    QDateEdit* m_testDate;
    QLabel* m_acquisitionLabels[4];
    QLineEdit* m_acquisition[4];
    QTreeWidgetItem* m_hPrevItem = nullptr;
    QString m_strCurDir;
    QString m_strCurFile;
    bool m_bSkipReopen = false;
    bool m_bRestoring = false; // the tree goes back to the open record without opening anything
    bool m_bFilling = false;
};

} // namespace kvt
