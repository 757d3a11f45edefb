#include "SideInfoView.h"

#include "CAreaEditDlg.h"
#include "CDelayCorrectDlg.h"
#include "CDirTreeCtrl.h"
#include "COperateOrderDlg.h"
#include "ParseTestDate.h"
#include "document/CKVTDoc.h"
#include "gui/app/CKVTApp.h"
#include "gui/app/DesktopPrompts.h"

#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTreeWidgetItemIterator>

#include <algorithm>
#include <cstdio>

namespace kvt {

namespace {

// The picker shows no date (its special blank text) while the header's text names none.
const QDate kNoDate(1752, 9, 14);

template <class W> W* Control(int id, QWidget* parent) {
    auto* widget = new W(parent);
    widget->setObjectName(QStringLiteral("id%1").arg(id));
    return widget;
}

QLabel* Label(int id, const QString& text, QWidget* parent) {
    QLabel* label = Control<QLabel>(id, parent);
    label->setText(text);
    return label;
}

QGroupBox* Group(int id, const QString& title, QWidget* parent) {
    QGroupBox* group = Control<QGroupBox>(id, parent);
    group->setTitle(title);
    return group;
}

QString Qs(const std::string& text) {
    return QString::fromStdString(text);
}

std::string Std(const QString& text) {
    return text.toStdString();
}

// Where a group's fields start: 118 as drawn, further right when a label (a longer translation) needs
// more than the 100 pixels drawn for it.
template <size_t N> int FieldLeft(QLabel* const (&labels)[N]) {
    int widest = 100;
    for (const QLabel* label : labels) {
        widest = std::max(widest, label->sizeHint().width());
    }
    return 13 + widest + 5;
}

// C's own printf, so halves round as users of the field values have always seen them.
QString Printf(const char* format, double value) {
    char text[64];
    std::snprintf(text, sizeof text, format, value);
    return QString::fromLatin1(text);
}

} // namespace

SideInfoView::SideInfoView(CKVTDoc& doc, DesktopPrompts& prompts, QWidget* parent)
    : QScrollArea(parent), m_doc(doc), m_prompts(prompts), m_page(new QWidget) {
    setObjectName(QStringLiteral("SideInfoView"));
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(false);
    BuildControls();
    setWidget(m_page);
    LayoutPanels();
    ShowRecordInfo();
}

void SideInfoView::BuildControls() {
    QWidget* p = m_page;
    m_toolGroup = Group(1011, tr("功能操作"), p);
    m_operationGroup = Group(1013, tr("操作选择"), p);
    m_fileGroup = Group(1083, tr("文件列表"), p);
    m_projectGroup = Group(1099, tr("工程信息"), p);
    m_acquisitionGroup = Group(1100, tr("采集信息"), p);
    m_operate = new COperateOrderDlg(m_doc, p);
    m_areaEdit = new CAreaEditDlg(m_doc, p);
    m_delay = new CDelayCorrectDlg(m_doc, p);

    m_sortBy = Control<QComboBox>(1012, p);
    m_sortBy->addItems({tr("文件名"), tr("实验日期")});
    m_tree = new CDirTreeCtrl(p);
    m_typeLabel = Label(1036, tr("类型:"), p);
    m_type = Control<QComboBox>(1014, p);
    m_type->addItems({QStringLiteral("*.SRW"), QStringLiteral("*.SEG2"), QStringLiteral("*.SEGY")});
    m_refresh = Control<QPushButton>(1035, p);
    m_refresh->setText(tr("刷新(&R)"));

    m_projectLabels[0] = Label(1065, tr("工程名称:"), p);
    m_projectLabels[1] = Label(1070, tr("检测单位:"), p);
    m_projectLabels[2] = Label(1067, tr("检测人员:"), p);
    m_projectLabels[3] = Label(1068, tr("剖面编号:"), p);
    m_projectLabels[4] = Label(1066, tr("测试日期:"), p);
    m_project = Control<QLineEdit>(1018, p);
    m_company = Control<QLineEdit>(1021, p);
    m_operator = Control<QLineEdit>(1020, p);
    m_profile = Control<QLineEdit>(1049, p);
    m_testDate = Control<QDateEdit>(1023, p);
    m_testDate->setDisplayFormat(QStringLiteral("yyyy/M/d"));
    m_testDate->setCalendarPopup(true);
    m_testDate->setMinimumDate(kNoDate);
    m_testDate->setSpecialValueText(QStringLiteral(" "));

    const int labelIds[4] = {1069, 1071, 1072, 1073};
    const char* labelTexts[4] = {QT_TR_NOOP("偏移距(m):"), QT_TR_NOOP("道间距(m):"), QT_TR_NOOP("采样点数:"),
                                 QT_TR_NOOP("采样率(ms):")};
    const int fieldIds[4] = {1019, 1022, 1024, 1050};
    for (int i = 0; i < 4; ++i) {
        m_acquisitionLabels[i] = Label(labelIds[i], tr(labelTexts[i]), p);
        m_acquisition[i] = Control<QLineEdit>(fieldIds[i], p);
        m_acquisition[i]->setReadOnly(true);
    }

    // The fields show their whole text as a tooltip, for texts longer than the field.
    for (QLineEdit* field : {m_project, m_company, m_operator, m_profile, m_acquisition[0], m_acquisition[1],
                             m_acquisition[2], m_acquisition[3]}) {
        connect(field, &QLineEdit::textChanged, field,
                [field](const QString& text) { field->setToolTip(text); });
    }
    // Enter in any of the panel's own controls commits the project texts.
    for (QWidget* control : std::initializer_list<QWidget*>{m_project, m_company, m_operator, m_profile,
                                                            m_testDate, m_sortBy, m_type, m_tree}) {
        control->installEventFilter(this);
    }

    connect(m_tree, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* current, QTreeWidgetItem*) { OnTreeSelection(current); });
    connect(m_type, &QComboBox::activated, this, &SideInfoView::OnTypeChosen);
    connect(m_refresh, &QPushButton::clicked, this, [this] {
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        RefreshFileTree(true);
        QGuiApplication::restoreOverrideCursor();
    });
    connect(m_testDate, &QDateEdit::dateChanged, this, &SideInfoView::OnDateChanged);

    m_tree->ShowDrives();
    m_tree->SetFileFilter(QStringLiteral("*.SRW"));
}

void SideInfoView::LayoutPanels() {
    horizontalScrollBar()->setValue(0);
    verticalScrollBar()->setValue(0);
    int start = 10;
    switch (m_doc.GetEditTool()) {
    case EditTool::AreaEdit:
    case EditTool::Operation:
        m_toolGroup->setTitle(tr("区域编辑"));
        m_toolGroup->setGeometry(3, 5, 224, 120);
        m_toolGroup->show();
        m_operationGroup->setGeometry(3, 130, 224, 120);
        m_operationGroup->show();
        m_areaEdit->setGeometry(13, 25, 205, 95);
        m_areaEdit->show();
        m_operate->setGeometry(13, 150, 205, 95);
        m_operate->show();
        m_delay->hide();
        start = 255;
        break;
    case EditTool::DelayCorrection:
        m_toolGroup->setTitle(tr("触发修正"));
        m_toolGroup->setGeometry(3, 5, 224, 120);
        m_toolGroup->show();
        m_operationGroup->hide();
        m_areaEdit->hide();
        m_operate->hide();
        m_delay->setGeometry(13, 25, 205, 95);
        m_delay->show();
        start = 130;
        break;
    default:
        m_toolGroup->hide();
        m_operationGroup->hide();
        m_areaEdit->hide();
        m_operate->hide();
        m_delay->hide();
        break;
    }
    PlaceInformation(start);
}

void SideInfoView::PlaceInformation(int s) {
    m_fileGroup->setGeometry(3, s, 224, 300);
    m_sortBy->setGeometry(13, s + 20, 205, 22);
    m_tree->setGeometry(13, s + 45, 205, 227);
    m_typeLabel->setGeometry(13, s + 278, 34, 20);
    m_type->setGeometry(47, s + 275, 68, 22);
    m_refresh->setGeometry(120, s + 275, 97, 22);

    m_projectGroup->setGeometry(3, s + 305, 224, 150);
    QWidget* projectFields[5] = {m_project, m_company, m_operator, m_profile, m_testDate};
    const int projectLeft = FieldLeft(m_projectLabels);
    for (int i = 0, row = s + 320; i < 5; ++i, row += 26) {
        m_projectLabels[i]->setGeometry(13, row + 2, projectLeft - 18, 20);
        projectFields[i]->setGeometry(projectLeft, row, 217 - projectLeft, 22);
    }
    m_acquisitionGroup->setGeometry(3, s + 460, 224, 130);
    const int acquisitionLeft = FieldLeft(m_acquisitionLabels);
    for (int i = 0, row = s + 475; i < 4; ++i, row += 27) {
        m_acquisitionLabels[i]->setGeometry(13, row + 2, acquisitionLeft - 18, 20);
        m_acquisition[i]->setGeometry(acquisitionLeft, row, 217 - acquisitionLeft, 22);
    }
    m_page->setFixedSize(kPanelWidth, s + 595);
    for (QGroupBox* group :
         {m_toolGroup, m_operationGroup, m_fileGroup, m_projectGroup, m_acquisitionGroup}) {
        group->lower(); // the group frames stay behind the controls placed over them
    }
}

void SideInfoView::SetCurrentFile(const QString& path) {
    const qsizetype slash = path.lastIndexOf(QLatin1Char('/'));
    if (slash > 0) {
        m_strCurDir = path.left(slash);
        m_strCurFile = path.mid(slash + 1);
    }
}

void SideInfoView::SelectFileType(int index) {
    m_type->setCurrentIndex(index);
}

void SideInfoView::RefreshFileTree(bool reopen) {
    QString path;
    if (!m_strCurDir.isEmpty()) {
        path = m_strCurDir;
        if (!path.endsWith(QLatin1Char('/')) && !m_strCurFile.isEmpty()) {
            path += QLatin1Char('/');
        }
        path += m_strCurFile;
    }
    static const char* const kFilters[] = {"*.SRW", "*.SEG2|*.SG2|*.DAT", "*.SEGY|*.SGY"};
    const int type = m_type->currentIndex();
    m_tree->SetFileFilter(QString::fromUtf8(type >= 0 && type < 3 ? kFilters[type] : "*.*"));
    {
        // Start from no selection, so choosing the current file again reads it again.
        const QSignalBlocker quiet(m_tree);
        m_tree->setCurrentItem(nullptr);
    }
    m_bSkipReopen = !reopen;
    m_tree->SelectPath(path);
    m_bSkipReopen = false;
    if (QTreeWidgetItem* current = m_tree->currentItem()) {
        m_tree->scrollToItem(current);
    }
    if (m_strCurFile.isEmpty()) {
        emit TitleChanged(QString::fromUtf8(kVersionText));
    }
}

bool SideInfoView::IsCurrentTypeFile(const QString& path) const {
    const QString lower = path.toLower();
    switch (m_doc.GetFileType()) {
    case FileType::Native:
        return lower.contains(QLatin1String(".srw"));
    case FileType::Seg2:
        return lower.contains(QLatin1String(".sg2")) || lower.contains(QLatin1String(".seg2")) ||
               lower.contains(QLatin1String(".dat"));
    case FileType::Segy:
        return lower.contains(QLatin1String(".sgy")) || lower.contains(QLatin1String(".segy"));
    }
    return false;
}

QString SideInfoView::TitleFor(const QString& path) const {
    return QString::fromUtf8(kVersionText) + QStringLiteral("   ") + QDir::toNativeSeparators(path);
}

void SideInfoView::OnTreeSelection(QTreeWidgetItem* item) {
    if (item == nullptr || m_bRestoring) {
        return;
    }
    QString path = m_tree->ItemPath(item);
    while (path.startsWith(QLatin1Char('*'))) {
        path.remove(0, 1);
    }
    while (path.endsWith(QLatin1Char('*'))) {
        path.chop(1);
    }
    if (!IsCurrentTypeFile(path)) {
        return;
    }
    if (m_bSkipReopen && path == Qs(m_doc.GetPathName())) {
        // 打开 has just read this file; reading it a second time would change nothing.
        MarkModified(m_doc.IsDataChanged());
        emit TitleChanged(TitleFor(path));
        return;
    }
    if (m_doc.IsDataChanged()) {
        if (m_prompts.AskSaveChanges(this, false) == Answer::Yes) {
            m_doc.SaveCurrent();
            if (m_doc.IsDataChanged()) {
                // The save failed: opening another file now would lose the edits. The tree goes back
                // to the record still open, with its mark.
                m_bRestoring = true;
                m_tree->SelectPath(Qs(m_doc.GetPathName()));
                m_bRestoring = false;
                MarkModified(true);
                return;
            }
        } else {
            m_doc.SetDataChanged(false);
        }
    }
    for (QTreeWidgetItemIterator it(m_tree); *it != nullptr; ++it) {
        QString text = (*it)->text(0);
        if (*it != item && text.endsWith(QLatin1Char('*'))) {
            text.chop(1);
            (*it)->setText(0, text);
        }
    }
    SetCurrentFile(path);
    m_doc.OpenDocument(Std(path));
    emit TitleChanged(TitleFor(path));
    m_tree->setFocus();
}

void SideInfoView::OnTypeChosen(int index) {
    if (index >= 0 && index <= 2) {
        m_doc.SetFileType(static_cast<FileType>(index));
    }
    RefreshFileTree(true);
}

void SideInfoView::ShowRecordInfo() {
    const ShotHeader& header = m_doc.Header();
    m_bFilling = true;
    m_project->setText(Qs(header.m_strProject));
    m_company->setText(Qs(header.m_strCompany));
    m_operator->setText(Qs(header.m_strOperator));
    m_profile->setText(Qs(header.m_strProfile));
    const QDate date = ParseTestDate(Qs(header.m_strTestDate), QDate::currentDate());
    m_testDate->setDate(date.isValid() ? date : kNoDate);
    m_testDate->setToolTip(m_testDate->text());
    m_acquisition[0]->setText(Printf("%.0f", static_cast<double>(header.m_fOffset)));
    m_acquisition[1]->setText(Printf("%.0f", static_cast<double>(header.m_fTraceSpacing)));
    m_acquisition[2]->setText(QString::number(header.m_nSampleCount));
    m_acquisition[3]->setText(Printf("%.3f", header.m_fSampleInterval / 1000.0));
    // Floating-point samples too small to keep as integers were scaled up on reading: say by how much.
    const int32_t power = m_doc.Record().m_nSampleScalePower;
    m_acquisitionGroup->setTitle(power == 0 ? tr("采集信息") : tr("采集信息 (采样值×10^%1)").arg(power));
    m_bFilling = false;
}

void SideInfoView::MarkModified(bool modified) {
    QTreeWidgetItem* item = m_tree->currentItem();
    if (item == nullptr) {
        return;
    }
    QString text = item->text(0);
    if (!IsCurrentTypeFile(text)) {
        return;
    }
    const bool marked = text.endsWith(QLatin1Char('*'));
    if (modified && !marked) {
        text += QLatin1Char('*');
    } else if (!modified && marked) {
        text.chop(1);
    }
    item->setText(0, text);
}

void SideInfoView::CommitProjectInfo() {
    ProjectInfo info;
    info.m_strProject = Std(m_project->text());
    info.m_strCompany = Std(m_company->text());
    info.m_strOperator = Std(m_operator->text());
    info.m_strProfile = Std(m_profile->text());
    // A picker that shows no date keeps the header's own text rather than wiping it.
    info.m_strTestDate =
        m_testDate->date() == kNoDate ? m_doc.Header().m_strTestDate : Std(m_testDate->text());
    m_doc.CommitProjectInfo(info);
}

void SideInfoView::OnDateChanged() {
    if (m_bFilling || m_testDate->date() == kNoDate) {
        return;
    }
    m_testDate->setToolTip(m_testDate->text());
    m_doc.SetTestDate(Std(m_testDate->text()));
}

void SideInfoView::DocumentChanged(ChangeSet changes) {
    if (changes.Has(Change::Tool) || changes.Has(Change::Record)) {
        LayoutPanels();
        m_areaEdit->Recolour();
        m_operate->UpdateEnabling();
    }
    if (m_doc.GetEditTool() == EditTool::DelayCorrection &&
        (changes.Has(Change::Selection) || changes.Has(Change::Record) || changes.Has(Change::Header))) {
        m_delay->ShowDelay(); // the box follows the dragged blue line
    }
    if (changes.Has(Change::Record) || changes.Has(Change::Header) || changes.Has(Change::Modified)) {
        ShowRecordInfo();
        MarkModified(m_doc.IsDataChanged());
    }
}

bool SideInfoView::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress && m_doc.IsLoaded()) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            CommitProjectInfo();
        }
    }
    return QScrollArea::eventFilter(watched, event);
}

} // namespace kvt
