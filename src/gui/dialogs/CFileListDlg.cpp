#include "CFileListDlg.h"

#include "gui/app/DesktopPrompts.h"

#include <QDropEvent>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QMimeData>
#include <QProgressDialog>
#include <QPushButton>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>

namespace kvt {

namespace {

constexpr int kRowHeight = 30;
// A run shorter than this finishes without a progress window.
constexpr int kProgressDelayMs = 500;
constexpr const char* kAddFilter = "(*.srw)|*.srw;*.SRW;*.Srw||";

// "描述|模式;模式|…||" as Qt's "描述 (模式 模式)" filters; empty patterns between separators are dropped.
QStringList NameFilters(const char* filter) {
    const QStringList parts = QString::fromUtf8(filter).split(u'|');
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size() && !parts[i].isEmpty(); i += 2) {
        const QStringList patterns = parts[i + 1].split(u';', Qt::SkipEmptyParts);
        filters.append(parts[i] + QStringLiteral(" (") + patterns.join(u' ') + u')');
    }
    return filters;
}

QStringList LocalFiles(const QMimeData* data) {
    QStringList files;
    if (data == nullptr) {
        return files;
    }
    for (const QUrl& url : data->urls()) {
        if (url.isLocalFile()) {
            files.append(url.toLocalFile());
        }
    }
    return files;
}

} // namespace

CFileListDlg::CFileListDlg(DocumentHost& host, DesktopPrompts& prompts, const QString& title,
                           const QString& actionText, const QString& closeText, QWidget* parent)
    : QDialog(parent), m_host(host), m_prompts(prompts), m_list(new QTreeWidget(this)),
      m_layout(new QVBoxLayout(this)) {
    setWindowTitle(title);
    m_list->setObjectName(QStringLiteral("id1000"));
    m_list->setColumnCount(1);
    m_list->setHeaderLabels({tr("文件列表")});
    m_list->header()->setStretchLastSection(true);
    m_list->header()->setSectionsMovable(false);
    m_list->setRootIsDecorated(false);
    m_list->setUniformRowHeights(true);
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_list->viewport()->setAcceptDrops(true);
    m_list->viewport()->installEventFilter(this);

    const struct {
        int id;
        const char* caption;
        std::function<void()> handler;
    } listButtons[] = {
        {3, QT_TR_NOOP("添加"), [this] { OnAdd(); }},
        {4, QT_TR_NOOP("删除"), [this] { OnDelete(); }},
        {5, QT_TR_NOOP("删除全部"), [this] { OnDeleteAll(); }},
        {6, QT_TR_NOOP("上移"), [this] { OnMove(true); }},
        {7, QT_TR_NOOP("下移"), [this] { OnMove(false); }},
        {8, QT_TR_NOOP("升序排列"), [this] { OnSort(true); }},
        {9, QT_TR_NOOP("降序排列"), [this] { OnSort(false); }},
    };
    auto* buttonColumn = new QVBoxLayout;
    for (const auto& b : listButtons) {
        if (b.id == 6) {
            // Moving and sorting apart from adding and deleting.
            buttonColumn->addSpacing(12);
        }
        auto* button = new QPushButton(tr(b.caption), this);
        button->setObjectName(QStringLiteral("id%1").arg(b.id));
        button->setAutoDefault(false);
        buttonColumn->addWidget(button);
        connect(button, &QPushButton::clicked, this, b.handler);
        if (b.id >= 6) {
            m_orderButtons.push_back(button);
        }
    }
    buttonColumn->addStretch();

    auto* listRow = new QHBoxLayout;
    listRow->addWidget(m_list, 1);
    listRow->addLayout(buttonColumn);

    auto* action = new QPushButton(actionText, this);
    action->setObjectName(QStringLiteral("id1"));
    action->setDefault(true);
    auto* close = new QPushButton(closeText, this);
    close->setObjectName(QStringLiteral("id2"));
    close->setAutoDefault(false);
    auto* dialogButtons = new QHBoxLayout;
    dialogButtons->addStretch();
    dialogButtons->addWidget(action);
    dialogButtons->addWidget(close);

    m_layout->addLayout(listRow, 1);
    m_layout->addLayout(dialogButtons);
    resize(480, 360);

    connect(action, &QPushButton::clicked, this, [this] { OnAction(); });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);
}

void CFileListDlg::AddSettingsPane(QWidget* pane) {
    m_layout->insertWidget(0, pane);
    m_layout->insertSpacing(1, 8);
    resize(width(), height() + pane->sizeHint().height() + 8);
}

void CFileListDlg::HideOrderButtons() {
    for (QPushButton* button : m_orderButtons) {
        button->hide();
    }
}

void CFileListDlg::RefreshFileList() {
    m_list->clear();
    for (const std::string& path : m_files.Files()) {
        auto* item = new QTreeWidgetItem(m_list);
        item->setText(0, QString::fromStdString(FileListModel::DisplayName(path)));
        item->setToolTip(0, QString::fromStdString(path));
        item->setSizeHint(0, QSize(0, kRowHeight));
    }
}

std::vector<int32_t> CFileListDlg::SelectedRows() const {
    std::vector<int32_t> rows;
    for (const QModelIndex& index : m_list->selectionModel()->selectedRows()) {
        rows.push_back(index.row());
    }
    return rows;
}

void CFileListDlg::AddPaths(const QStringList& paths) {
    bool added = false;
    for (const QString& path : paths) {
        added = m_files.Add(path.toStdString()) || added;
    }
    if (added) {
        RefreshFileList();
    }
}

void CFileListDlg::OnAdd() {
    AddPaths(m_prompts.ChooseFiles(
        this, FileDialogRequest{tr("添加文件至文件列表"), NameFilters(kAddFilter), QString(), false}));
}

void CFileListDlg::OnDelete() {
    m_files.Delete(SelectedRows());
    RefreshFileList();
}

void CFileListDlg::OnDeleteAll() {
    m_files.Clear();
    RefreshFileList();
}

void CFileListDlg::OnMove(bool up) {
    const std::vector<int32_t> rows = SelectedRows();
    const FileListModel::MoveResult result = up ? m_files.MoveUp(rows) : m_files.MoveDown(rows);
    if (result.step == FileListModel::MoveStep::FocusOnly) {
        m_list->setFocus();
        return;
    }
    RefreshFileList();
    if (result.step == FileListModel::MoveStep::Moved) {
        QItemSelectionModel* selection = m_list->selectionModel();
        for (int32_t row : result.selection) {
            selection->select(m_list->model()->index(row, 0),
                              QItemSelectionModel::Select | QItemSelectionModel::Rows);
        }
        selection->setCurrentIndex(m_list->model()->index(result.selection.front(), 0),
                                   QItemSelectionModel::NoUpdate);
        m_list->setFocus();
    }
}

void CFileListDlg::OnSort(bool ascending) {
    if (ascending) {
        m_files.SortAscending();
    } else {
        m_files.SortDescending();
    }
    RefreshFileList();
}

int CFileListDlg::RunWithProgress(const std::function<int(const BatchProgress&)>& work) {
    if (m_progressStep) {
        return work([this](int done, int total, const std::string& file) {
            return m_progressStep(done, total, QString::fromStdString(file));
        });
    }
    QProgressDialog window(this);
    window.setWindowTitle(windowTitle());
    window.setCancelButtonText(tr("取消"));
    // Window-modal: the list and its buttons stay untouched while the run goes through it.
    window.setWindowModality(Qt::WindowModal);
    window.setMinimumDuration(kProgressDelayMs);
    const int result = work([&window](int done, int total, const std::string& file) {
        window.setMaximum(total);
        window.setLabelText(tr("正在处理 %1").arg(QString::fromStdString(FileListModel::DisplayName(file))));
        window.setValue(done);
        return !window.wasCanceled();
    });
    window.reset();
    return result;
}

void CFileListDlg::RunOutputTool(BatchTool tool, const char* filter, OutputTool run) {
    if (m_files.Size() < 2) {
        return;
    }
    const QString folder = QFileInfo(QString::fromStdString(m_files.Files().front())).absolutePath();
    const QString output =
        m_prompts.ChooseFile(this, FileDialogRequest{QString(), NameFilters(filter), folder, true});
    if (output.isEmpty()) {
        return;
    }
    const std::vector<std::string> files = m_files.Files();
    const int used = RunWithProgress(
        [&](const BatchProgress& progress) { return run(files, output.toStdString(), m_host, progress); });
    m_host.ShowMessage(BatchResultMessage(tool, used, files));
}

bool CFileListDlg::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_list->viewport()) {
        return QDialog::eventFilter(watched, event);
    }
    switch (event->type()) {
    case QEvent::DragEnter:
    case QEvent::DragMove: {
        // QDragEnterEvent is a QDragMoveEvent.
        auto* drag = static_cast<QDragMoveEvent*>(event);
        if (LocalFiles(drag->mimeData()).isEmpty()) {
            drag->ignore();
        } else {
            drag->acceptProposedAction();
        }
        return true;
    }
    case QEvent::Drop: {
        auto* drop = static_cast<QDropEvent*>(event);
        const QStringList files = LocalFiles(drop->mimeData());
        if (!files.isEmpty()) {
            drop->acceptProposedAction();
            AddPaths(files);
        }
        return true;
    }
    default:
        return QDialog::eventFilter(watched, event);
    }
}

} // namespace kvt
