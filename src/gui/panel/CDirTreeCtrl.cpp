#include "CDirTreeCtrl.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHeaderView>

#include <algorithm>

namespace kvt {

namespace {

constexpr int kPathRole = Qt::UserRole;

void DeleteChildren(QTreeWidgetItem* item) {
    qDeleteAll(item->takeChildren());
}

// An empty child, so that a folder shows an expand button before it is read.
void AddDummyChild(QTreeWidgetItem* item) {
    new QTreeWidgetItem(item);
}

void SortCaseInsensitive(QStringList& names) {
    std::stable_sort(names.begin(), names.end(), [](const QString& a, const QString& b) {
        return QString::compare(a, b, Qt::CaseInsensitive) < 0;
    });
}

// Keeps the widget from repainting while many items change, and restores the state it found, so
// that nested uses do not turn painting back on too early.
class UpdatesOff {
public:
    explicit UpdatesOff(QWidget& widget) : m_widget(widget), m_bWasEnabled(widget.updatesEnabled()) {
        m_widget.setUpdatesEnabled(false);
    }
    ~UpdatesOff() { m_widget.setUpdatesEnabled(m_bWasEnabled); }
    UpdatesOff(const UpdatesOff&) = delete;
    UpdatesOff& operator=(const UpdatesOff&) = delete;

private:
    QWidget& m_widget;
    bool m_bWasEnabled;
};

class WaitCursor {
public:
    WaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QGuiApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

constexpr QDir::Filters kListed = QDir::Dirs | QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot;

} // namespace

CDirTreeCtrl::CDirTreeCtrl(QWidget* parent) : QTreeWidget(parent) {
    setObjectName(QStringLiteral("id%1").arg(kControlId));
    setColumnCount(1);
    setHeaderHidden(true);
    // Every row is one icon and one line; measuring each row would make large folders slow to scroll to.
    setUniformRowHeights(true);
    // Long names scroll sideways instead of being cut short in the narrow panel.
    header()->setStretchLastSection(false);
    header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    connect(this, &QTreeWidget::itemExpanded, this, &CDirTreeCtrl::OnItemExpanded);
    connect(this, &QTreeWidget::itemCollapsed, this, &CDirTreeCtrl::OnItemCollapsed);
}

void CDirTreeCtrl::ShowDrives() {
    clear();
    m_bShowFiles = true;
    QStringList roots;
    for (const QFileInfo& drive : QDir::drives()) {
        roots.append(drive.absoluteFilePath());
    }
    const QString home = QDir::homePath();
    if (!roots.contains(home)) {
        roots.append(home);
    }
    for (const QString& root : roots) {
        InsertPathItem(nullptr, root);
    }
}

void CDirTreeCtrl::SetFileFilter(const QString& filter) {
    if (!filter.isEmpty()) {
        m_strFilter = filter.toLower();
    }
}

bool CDirTreeCtrl::MatchesFilter(const QString& fileName) const {
    if (m_strFilter == QStringLiteral("*.*")) {
        return true;
    }
    const QString name = fileName.toLower();
    const QStringList patterns = m_strFilter.split(u'|');
    return std::any_of(patterns.begin(), patterns.end(),
                       [&name](const QString& pattern) { return name.endsWith(pattern.mid(1)); });
}

bool CDirTreeCtrl::HasEntries(const QString& path) const {
    // Stops at the first hit: a folder of many thousand files is not read to the end.
    QDirIterator entries(path, kListed);
    while (entries.hasNext()) {
        entries.next();
        const QFileInfo info = entries.fileInfo();
        if (info.isDir() || (m_bShowFiles && !info.isHidden())) {
            return true;
        }
    }
    return false;
}

QString CDirTreeCtrl::ItemPath(const QTreeWidgetItem* item) const {
    return item != nullptr ? item->data(0, kPathRole).toString() : QString();
}

void CDirTreeCtrl::FillFolder(QTreeWidgetItem* item, const QString& path) {
    const WaitCursor wait;
    const QDir folder(path);
    if (!folder.isReadable()) {
        m_strError = tr("无法读取文件夹 %1").arg(QDir::toNativeSeparators(path));
        return;
    }
    QStringList folders;
    QStringList files;
    QDirIterator entries(path, kListed);
    while (entries.hasNext()) {
        entries.next();
        const QFileInfo info = entries.fileInfo();
        if (info.isDir()) {
            folders.append(info.fileName());
        } else if (m_bShowFiles && MatchesFilter(info.fileName())) {
            files.append(info.fileName());
        }
    }
    SortCaseInsensitive(folders);
    SortCaseInsensitive(files);

    // One insertion for the whole listing: item by item, a folder of many files takes far longer.
    QList<QTreeWidgetItem*> items;
    items.reserve(folders.size() + files.size());
    for (const QString& name : std::as_const(folders)) {
        items.append(MakePathItem(folder.filePath(name), name));
    }
    for (const QString& name : std::as_const(files)) {
        items.append(MakePathItem(folder.filePath(name), name));
    }
    const UpdatesOff frozen(*this);
    item->addChildren(items);
}

QTreeWidgetItem* CDirTreeCtrl::InsertPathItem(QTreeWidgetItem* parent, const QString& path) {
    QTreeWidgetItem* item = MakePathItem(path, parent != nullptr ? QFileInfo(path).fileName() : path);
    if (parent != nullptr) {
        parent->addChild(item);
    } else {
        addTopLevelItem(item);
    }
    return item;
}

QTreeWidgetItem* CDirTreeCtrl::MakePathItem(const QString& path, const QString& text) const {
    const QFileInfo info(path);
    auto* item = new QTreeWidgetItem(QStringList(text));
    item->setData(0, kPathRole, path);
    if (info.isRoot()) {
        item->setIcon(0, m_icons.icon(QFileIconProvider::Drive));
    } else {
        item->setIcon(0, m_icons.icon(info.isDir() ? QFileIconProvider::Folder : QFileIconProvider::File));
    }
    if (info.isDir() && HasEntries(path)) {
        AddDummyChild(item);
    }
    return item;
}

QTreeWidgetItem* CDirTreeCtrl::FindChildItem(QTreeWidgetItem* parent, const QString& text) const {
    // Names come from the stored paths: the panel may have marked a file's text with "*".
    for (const Qt::CaseSensitivity sensitivity : {Qt::CaseSensitive, Qt::CaseInsensitive}) {
        for (int i = 0; i < parent->childCount(); ++i) {
            QTreeWidgetItem* child = parent->child(i);
            const QString path = ItemPath(child);
            if (!path.isEmpty() && QFileInfo(path).fileName().compare(text, sensitivity) == 0) {
                return child;
            }
        }
    }
    return nullptr;
}

void CDirTreeCtrl::OnItemExpanded(QTreeWidgetItem* item) {
    DeleteChildren(item);
    FillFolder(item, ItemPath(item));
}

void CDirTreeCtrl::OnItemCollapsed(QTreeWidgetItem* item) {
    DeleteChildren(item);
    AddDummyChild(item);
}

void CDirTreeCtrl::Reopen(QTreeWidgetItem* item) {
    if (item->isExpanded()) {
        collapseItem(item);
    }
    expandItem(item);
}

QTreeWidgetItem* CDirTreeCtrl::RootItemFor(const QString& path) const {
    QTreeWidgetItem* best = nullptr;
    qsizetype bestLength = -1;
    for (int i = 0; i < topLevelItemCount(); ++i) {
        QTreeWidgetItem* root = topLevelItem(i);
        const QString rootPath = ItemPath(root);
        const bool under =
            path == rootPath || path.startsWith(rootPath.endsWith(u'/') ? rootPath : rootPath + u'/');
        if (under && rootPath.size() > bestLength) {
            best = root;
            bestLength = rootPath.size();
        }
    }
    return best;
}

bool CDirTreeCtrl::SelectPath(const QString& path) {
    if (path.isEmpty() || !QFileInfo::exists(path)) {
        return false;
    }
    const QString target = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    QTreeWidgetItem* item = RootItemFor(target);
    if (item == nullptr) {
        return false;
    }
    const UpdatesOff frozen(*this);
    const QStringList names = target.mid(ItemPath(item).size()).split(u'/', Qt::SkipEmptyParts);
    for (const QString& name : names) {
        // Each folder on the way is read again, so files made since it was last opened show.
        Reopen(item);
        item = FindChildItem(item, name);
        if (item == nullptr) {
            return false;
        }
    }
    if (QFileInfo(ItemPath(item)).isDir()) {
        Reopen(item);
    }
    setCurrentItem(item);
    item->setSelected(true);
    // Centred, it stays in view when a scroll bar appears as the tree is laid out again.
    scrollToItem(item, QAbstractItemView::PositionAtCenter);
    return true;
}

} // namespace kvt
