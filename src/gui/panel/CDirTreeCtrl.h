// The folder tree of the side panel: the file-system roots, folders filled lazily when expanded, and
// the record files that match the type filter. Folder and file lists are sorted case-insensitively.
#pragma once

#include <QFileIconProvider>
#include <QString>
#include <QTreeWidget>

namespace kvt {

class CDirTreeCtrl : public QTreeWidget {
    Q_OBJECT
public:
    static constexpr int kControlId = 1001;

    explicit CDirTreeCtrl(QWidget* parent = nullptr);

    // Empties the tree and lists the roots (the file-system root and the user's home folder), each
    // with a dummy child when it has entries.
    void ShowDrives();
    // '|'-separated patterns such as "*.SEG2|*.SG2", kept in lower case; "*.*" matches every file and
    // an empty text is ignored.
    void SetFileFilter(const QString& filter);
    const QString& FileFilter() const { return m_strFilter; }
    // Expands the tree down to an existing file or folder and selects it; false (and nothing
    // selected) when the path does not exist or lies under no root.
    bool SelectPath(const QString& path);
    // The full path of an item (a "*" mark on a file item is not part of it).
    QString ItemPath(const QTreeWidgetItem* item) const;
    bool MatchesFilter(const QString& fileName) const;
    // A folder that holds a subfolder or, while files are shown, a file that is not hidden.
    bool HasEntries(const QString& path) const;
    const QString& LastError() const { return m_strError; }

private:
    void FillFolder(QTreeWidgetItem* item, const QString& path);
    QTreeWidgetItem* InsertPathItem(QTreeWidgetItem* parent, const QString& path);
    QTreeWidgetItem* MakePathItem(const QString& path, const QString& text) const;
    QTreeWidgetItem* FindChildItem(QTreeWidgetItem* parent, const QString& text) const;
    void OnItemExpanded(QTreeWidgetItem* item);
    void OnItemCollapsed(QTreeWidgetItem* item);
    // Reads a folder item's listing again by collapsing and expanding it.
    void Reopen(QTreeWidgetItem* item);
    QTreeWidgetItem* RootItemFor(const QString& path) const;

    QFileIconProvider m_icons;

    bool m_bShowFiles = false;
    QString m_strError;
    QString m_strFilter = QStringLiteral("*.*");
};

} // namespace kvt
