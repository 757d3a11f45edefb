// The main window and its side panel: menus, toolbar, artwork and keys from the command table, actions
// that follow the document, the questions that keep unsaved edits from being lost, the bars, the
// header's fields, the palettes of the edit tools, and the folder tree that opens records.
#include "GuiTestSupport.h"
#include "document/Messages.h"
#include "gui/app/CMainFrame.h"
#include "gui/app/ToolbarIcons.h"
#include "gui/controls/CColorButton.h"
#include "gui/controls/CViewBar.h"
#include "gui/panel/CDirTreeCtrl.h"
#include "gui/panel/ParseTestDate.h"
#include "gui/panel/SideInfoView.h"

#include <QAction>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QGroupBox>
#include <QLineEdit>
#include <QMenuBar>
#include <QSignalSpy>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

#include <filesystem>
#include <fstream>

namespace kvt {

namespace {

using C = CommandId;
using test::Click;
using test::Find;

// A main window on a fresh document, with the side panel and its two palettes at hand.
struct Frame {
    CKVTDoc doc;
    test::RecordingPrompts prompts;
    CMainFrame frame{doc, prompts};
    SideInfoView& panel = frame.SidePanel();
    QWidget& area = Find(panel, 133);
    QWidget& operate = Find(panel, 135);

    bool Enabled(C id) const { return frame.Action(id)->isEnabled(); }
    bool Checked(C id) const { return frame.Action(id)->isChecked(); }
    void Trigger(C id) { frame.Action(id)->trigger(); }
    QString Field(int id) const { return Find<QLineEdit>(panel, id).text(); }
};

QString WriteRecord(const std::string& path, int32_t value) {
    return test::WriteRecord(path, 4, 64, 250.0f,
                             [value](int32_t t, int32_t i) { return value * (t + 1) * (i % 7 - 3); });
}

// Edits one sample so the record counts as changed and undo has a step.
void Edit(CKVTDoc& doc) {
    doc.SetEditTool(EditTool::Operation);
    doc.SetSelectMode(SelectMode::SingleTrace);
    doc.SetSelTrace(1);
    doc.OperateAmplify();
}

// Menu captions in order, "-" for a separator and "<title>/" before a submenu's items.
QStringList MenuItems(QMenu* menu) {
    QStringList items;
    for (QAction* action : menu->actions()) {
        if (action->isSeparator()) {
            items << QStringLiteral("-");
        } else if (action->menu() != nullptr) {
            for (const QString& item : MenuItems(action->menu())) {
                items << action->text() + QLatin1Char('/') + item;
            }
        } else {
            items << action->text();
        }
    }
    return items;
}

// Pixels that show at all, and those among them in colour rather than grey.
std::pair<int, int> Visible(const QImage& image) {
    int shown = 0, coloured = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor colour = QColor::fromRgba(image.pixel(x, y));
            shown += colour.alpha() > 0 ? 1 : 0;
            coloured += colour.alpha() > 0 && colour.hsvSaturation() > 40 ? 1 : 0;
        }
    }
    return {shown, coloured};
}

QTreeWidgetItem* FileItem(QTreeWidget& tree, const QString& text) {
    const QList<QTreeWidgetItem*> found = tree.findItems(text, Qt::MatchExactly | Qt::MatchRecursive);
    return found.size() == 1 ? found.front() : nullptr;
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

    test::TemporarySettings m_settings;

private slots:
    void theMenusToolbarArtworkAndKeysAreTheCommandTable() {
        Frame f;
        const QStringList expected[] = {
            {"文件(&F)", "打开(&O)...", "保存(&S)", "另存为(&A)...", "单波读取", "单波保存", "-",
             "打印预览(&V)", "打印(&P)...\tCtrl+P", "-", "关闭文档(&C)", "退出(&X)"},
            {"视图(&V)", "主面板(&M)", "工具栏(&T)", "状态栏(&S)"},
            {"显示", "正向填充", "反向填充", "波形", "-", "比例调节/全局最大值", "比例调节/单道最大值",
             "水平拉伸", "水平压缩", "垂直拉伸", "垂直压缩", "-", "设置(&S)..."},
            {"编辑(&E)", "区域编辑", "操作命令", "延迟修正", "炮时修正", "-", "复制(&C)", "粘贴(&P)", "-",
             "撤消(&U)", "恢复(&R)"},
            {"处理", "参数排列...", "重采样...", "-", "垂直叠加...", "批量重采样...", "合并文件...",
             "通道提取...", "滤波...", "归一化", "-", "图像输出...", "-", "频散分析"},
            {"帮助(&H)", "关于 KVT(&A)..."},
        };
        QList<QStringList> menus;
        for (QAction* menu : f.frame.menuBar()->actions()) {
            menus << QStringList{menu->text()} + MenuItems(menu->menu());
        }
        QCOMPARE(menus, QList<QStringList>(std::begin(expected), std::end(expected)));
        // A drawing missing from the resources would show an empty button without any error.
        QStringList buttons;
        for (QAction* action : f.frame.ToolBar().actions()) {
            buttons << (action->isSeparator() ? QStringLiteral("-") : action->iconText());
            for (const QIcon::Mode mode : {QIcon::Normal, QIcon::Disabled}) {
                const auto [shown, coloured] = Visible(action->icon().pixmap(32, mode).toImage());
                QVERIFY2(action->isSeparator() ||
                             (shown > 32 * 32 / 10 && (coloured > 0) == (mode == QIcon::Normal)),
                         qPrintable(action->iconText()));
            }
        }
        QCOMPARE(buttons.join(' '),
                 QStringLiteral("打开 保存 - 参数排列 重采样 - 区域编辑 操作命令 触发修正 炮时修正 归一化 - "
                                "垂直叠加 合并文件 通道提取 滤波 撤消 恢复 图像输出 - 水平拉伸 "
                                "水平压缩 垂直拉伸 垂直压缩 关闭"));
        QVERIFY(ApplicationIcon().availableSizes().contains(QSize(256, 256)));
        // A key bound twice is ambiguous and does nothing. Ctrl+P prints through the standard dialog.
        const std::pair<QKeySequence, C> keys[] = {
            {QKeySequence("Ctrl+O"), C::Open},  {QKeySequence("Ctrl+S"), C::Save},
            {QKeySequence("Ctrl+C"), C::Copy},  {QKeySequence("Ctrl+Ins"), C::Copy},
            {QKeySequence("Ctrl+V"), C::Paste}, {QKeySequence("Shift+Ins"), C::Paste},
            {QKeySequence("Ctrl+Z"), C::Undo},  {QKeySequence("Alt+Backspace"), C::Undo},
            {QKeySequence("Ctrl+R"), C::Redo},  {QKeySequence("Ctrl+P"), C::StandardPrint},
        };
        const QList<QAction*> actions = f.frame.actions();
        for (const auto& [key, id] : keys) {
            const auto bound =
                std::ranges::count_if(actions, [&key](QAction* a) { return a->shortcuts().contains(key); });
            QVERIFY2(bound == 1 && f.frame.Action(id)->shortcuts().contains(key), qPrintable(key.toString()));
        }
    }

    void actionsFollowEachKindOfChange() {
        Frame f;
        for (C id : {C::Save, C::SaveAs, C::CloseDocument, C::AreaEdit, C::StretchH, C::Undo, C::Copy}) {
            QVERIFY(!f.Enabled(id));
        }
        QVERIFY(f.Enabled(C::Open) && f.Enabled(C::Combine) && f.Checked(C::FillPositive));
        test::LoadRecord(f.doc, 4, 64, 250.0f, [](int32_t, int32_t i) { return i; });
        QVERIFY(f.Enabled(C::SaveAs) && f.Enabled(C::CloseDocument) && f.Enabled(C::AreaEdit) &&
                f.Enabled(C::StretchH));
        QVERIFY(!f.Enabled(C::Save) && !f.Enabled(C::CompressH));
        // One tool at a time; its own command turns it off again.
        f.Trigger(C::AreaEdit);
        f.Trigger(C::Operation);
        QVERIFY(f.Checked(C::Operation) && !f.Checked(C::AreaEdit));
        f.Trigger(C::Operation);
        QCOMPARE(f.doc.GetEditTool(), EditTool::None);
        QVERIFY(!f.Checked(C::Operation));
        // Copy and paste need a single-trace selection mode in area edit or operation commands.
        Edit(f.doc);
        QVERIFY(f.Enabled(C::Save) && f.Enabled(C::Undo) && !f.Enabled(C::Redo) && f.Enabled(C::Copy) &&
                f.Enabled(C::Paste));
        f.Trigger(C::Undo);
        QVERIFY(!f.Enabled(C::Undo) && f.Enabled(C::Redo));
        f.Trigger(C::StretchH);
        f.Trigger(C::Wiggle);
        QVERIFY(f.Enabled(C::CompressH) && f.Checked(C::Wiggle) && !f.Checked(C::FillPositive));
    }

    void openingAsksAboutUnsavedEditsAndKeepsThemWhenTheSaveFails() {
        test::TempDir dir;
        const QString first = WriteRecord(dir.File("first.srw"), 1);
        const QString second = WriteRecord(dir.File("second.SRW"), 2);
        Frame f;
        f.prompts.files = {first};
        f.Trigger(C::Open);
        QCOMPARE(QString::fromStdString(f.doc.GetPathName()), first);
        QCOMPARE(f.frame.windowTitle(), QStringLiteral("KVT 1.0.1.1119   ") + first);
        QCOMPARE(f.panel.CurrentFile(), QStringLiteral("first.srw"));
        // 另存为 offers the standard SEG-Y layout other programs read, beside KVT's own.
        const QString standard = QString::fromStdString(dir.File("standard.sgy"));
        f.prompts.files = {standard};
        f.prompts.filters = {QStringLiteral("标准 SEG-Y (*.sgy)")};
        f.Trigger(C::SaveAs);
        CKVTDoc reread;
        QVERIFY(reread.OpenDocument(standard.toStdString()));
        QCOMPARE(reread.GetSegyLayout(), SegyLayout::Standard);
        // No discards the edit and opens the next record.
        Edit(f.doc);
        f.prompts.answers = {Answer::No};
        QVERIFY(f.frame.OpenRecord(second));
        QCOMPARE(f.prompts.questions, std::vector<bool>{false});
        QCOMPARE(f.doc.Traces().TraceAt(0)[0], -6);
        QVERIFY(!f.doc.IsDataChanged());
        // Yes with a save that fails keeps the record and its edit instead of opening the next one.
        Edit(f.doc);
        std::filesystem::remove(second.toStdString());
        std::filesystem::create_directory(second.toStdString());
        f.prompts.answers = {Answer::Yes};
        QVERIFY(!f.frame.OpenRecord(first));
        QVERIFY(f.doc.IsDataChanged());
        QCOMPARE(QString::fromStdString(f.doc.GetPathName()), second);
        QCOMPARE(f.prompts.messages.back().text, SaveFailedMessage().text);
        // A refused file says why; a path that names no record type does nothing.
        f.doc.SetDataChanged(false);
        std::ofstream(dir.File("broken.srw")) << "not a record";
        QVERIFY(!f.frame.OpenRecord(QString::fromStdString(dir.File("broken.srw"))));
        QCOMPARE(f.prompts.messages.back().text, OpenFailedMessage().text);
        QVERIFY(!f.prompts.messages.back().detail.empty());
        const size_t shown = f.prompts.messages.size();
        QVERIFY(!f.frame.OpenRecord(QString::fromStdString(dir.File("notes.txt"))));
        QCOMPARE(f.prompts.messages.size(), shown);
    }

    void closingTheRecordOrTheWindowOffersToSaveAndCancelKeepsEverything() {
        test::TempDir dir;
        const QString path = WriteRecord(dir.File("shot.srw"), 3);
        Frame f;
        QVERIFY(f.frame.OpenRecord(path));
        f.Trigger(C::StretchV);
        Edit(f.doc);
        f.prompts.answers = {Answer::Cancel};
        f.Trigger(C::CloseDocument);
        QVERIFY(f.doc.IsLoaded() && f.doc.IsDataChanged());
        QCOMPARE(f.doc.Display().m_nVStretch, 2);
        QCOMPARE(f.prompts.questions, std::vector<bool>{true});
        // Leaving the program asks the same question; Cancel stays.
        f.prompts.answers = {Answer::Cancel};
        QVERIFY(!f.frame.close());
        QVERIFY(f.doc.IsDataChanged());
        // Yes writes the edit to the record's own file and closes it.
        const int32_t edited = f.doc.Traces().TraceAt(1)[0];
        QVERIFY(edited != -18);
        f.prompts.answers = {Answer::Yes};
        f.Trigger(C::CloseDocument);
        QVERIFY(!f.doc.IsLoaded());
        QCOMPARE(f.frame.windowTitle(), QStringLiteral("KVT 1.0.1.1119"));
        CKVTDoc reread;
        QVERIFY(reread.OpenDocument(path.toStdString()));
        QCOMPARE(reread.Traces().TraceAt(1)[0], edited);
        // Closing with nothing open does nothing and asks nothing.
        f.Trigger(C::CloseDocument);
        QCOMPARE(f.prompts.questions.size(), size_t{3});
        QVERIFY(f.frame.close());
    }

    void theSideBarAndTheStatusBarsPanes() {
        Frame f;
        f.frame.show();
        QVERIFY(QTest::qWaitForWindowExposed(&f.frame));
        CViewBar& bar = f.frame.SideBar();
        // The caption leaves double clicks to the docking bar: one floats it, the next docks it again.
        QWidget* caption = bar.titleBarWidget();
        const QPoint inCaption(caption->width() / 3, caption->height() / 2);
        QTest::mouseDClick(caption, Qt::LeftButton, {}, inCaption);
        QVERIFY(bar.isFloating());
        QTest::mouseDClick(caption, Qt::LeftButton, {}, inCaption);
        QVERIFY(!bar.isFloating());
        // The close button only hides the bar; 主面板 shows it again.
        QTest::mouseClick(caption->findChild<QToolButton*>(), Qt::LeftButton);
        QVERIFY(bar.isHidden() && !f.Checked(C::SidePanel));
        f.Trigger(C::SidePanel);
        QVERIFY(bar.isVisible() && f.Checked(C::SidePanel));
        // Menu prompts go to the first pane only, so the readout stays visible.
        f.frame.SetReadoutText(QStringLiteral("通道:4   时间:2.50ms   数值:7"));
        QStatusTipEvent tip(QStringLiteral("打开现有文档"));
        QCoreApplication::sendEvent(&f.frame, &tip);
        QCOMPARE(f.frame.PromptText(), QStringLiteral("打开现有文档"));
        QCOMPARE(f.frame.ReadoutText(), QStringLiteral("通道:4   时间:2.50ms   数值:7"));
        QStatusTipEvent none{QString()};
        QCoreApplication::sendEvent(&f.frame, &none);
        QCOMPARE(f.frame.PromptText(), QStringLiteral("就绪"));
        f.Trigger(C::StatusBar);
        QVERIFY(!f.frame.statusBar()->isVisible() && !f.Checked(C::StatusBar));
    }

    void theFieldsShowTheHeaderInTheirFormatsAndEnterCommitsTheProjectTexts() {
        const struct {
            float offset, spacing, intervalUs;
            int32_t samples;
            QStringList shown;
        } cases[] = {
            {2.4f, 2.6f, 1000.0f, 1024, {"2", "3", "1024", "1.000"}},
            {-0.4f, 10.5f, 62.5f, 16384, {"-0", "10", "16384", "0.062"}}, // C's rounding of halves
        };
        for (const auto& c : cases) {
            Frame f;
            CShotRecord record;
            record.m_header.m_strPathName = "memory.srw";
            record.m_header.m_fOffset = c.offset;
            record.m_header.m_fTraceSpacing = c.spacing;
            record.m_header.m_fSampleInterval = c.intervalUs;
            record.m_header.m_nSampleCount = c.samples;
            f.doc.AdoptRecord(std::move(record));
            QCOMPARE((QStringList{f.Field(1019), f.Field(1022), f.Field(1024), f.Field(1050)}), c.shown);
            QCOMPARE(Find<QDateEdit>(f.panel, 1023).date(), QDate(2013, 8, 15));
        }
        Frame f;
        auto& company = Find<QLineEdit>(f.panel, 1021);
        company.setText(QStringLiteral("勘察院"));
        QTest::keyClick(&company, Qt::Key_Return);
        QCOMPARE(f.doc.Header().m_strCompany, std::string("MORAVENT")); // nothing open: nothing to commit
        test::LoadRecord(f.doc, 2, 16, 1000.0f, [](int32_t, int32_t) { return 0; });
        Find<QDateEdit>(f.panel, 1023).setDate(QDate(2024, 3, 9));
        QCOMPARE(f.doc.Header().m_strTestDate, std::string("2024/3/9"));
        QVERIFY(!f.doc.IsDataChanged()); // a date alone is no change
        company.setText(QStringLiteral("勘察院"));
        QCOMPARE(f.doc.Header().m_strCompany, std::string("MORAVENT")); // typing alone does not commit
        QTest::keyClick(&Find<QComboBox>(f.panel, 1014), Qt::Key_Enter);
        QCOMPARE(f.doc.Header().m_strCompany, std::string("勘察院"));
        QVERIFY(f.doc.IsDataChanged());
    }

    void thePalettesFollowTheModeAndTheirEditsCanBeUndone() {
        Frame f;
        test::LoadRecord(f.doc, 4, 16, 250.0f,
                         [](int32_t t, int32_t i) { return (i % 2 == 0 ? 8 : -8) * (t + 1); });
        f.Trigger(C::AreaEdit);
        QCOMPARE(Find<QGroupBox>(f.panel, 1011).title(), QStringLiteral("区域编辑"));
        QVERIFY(!f.area.isHidden() && !f.operate.isHidden());
        // 极性反转 keeps its state in single-trace mode, so the order of the modes matters.
        const struct {
            int button;
            SelectMode mode;
            bool swap, polarity;
        } steps[] = {
            {1003, SelectMode::Above, false, false},    {1005, SelectMode::SingleTrace, false, false},
            {1006, SelectMode::MultiTrace, true, true}, {1005, SelectMode::SingleTrace, false, true},
            {1004, SelectMode::Below, false, false},
        };
        for (const auto& step : steps) {
            Click(f.area, step.button);
            QCOMPARE(f.doc.GetSelectMode(), step.mode);
            for (int id = 1003; id <= 1006; ++id) {
                const QColor shown = Find<CColorButton>(f.area, id).BackgroundColor();
                QCOMPARE(shown == QColor(127, 240, 83), id == step.button);
            }
            QCOMPARE(Find(f.operate, 1006).isEnabled(), step.swap);
            QCOMPARE(Find(f.operate, 1007).isEnabled(), step.polarity);
        }
        // 重设 clears the line and the selections and keeps the mode.
        f.doc.AddAreaPoint(1, 5, 0, 0);
        Click(f.area, 1007);
        QVERIFY(f.doc.AreaPoints().empty());
        QCOMPARE(f.doc.GetSelectMode(), SelectMode::Below);
        // Mute above a line picked at sample 4, undo and redo it; swap mirrors a multi-trace selection.
        f.Trigger(C::Operation);
        Click(f.area, 1003);
        QVERIFY(f.doc.AddAreaPoint(0, 4, 0, 0) && f.doc.AddAreaPoint(3, 4, 0, 0));
        Click(f.operate, 1005);
        QCOMPARE(f.doc.Traces().TraceAt(2)[0], 0);
        f.Trigger(C::Undo);
        QCOMPARE(f.doc.Traces().TraceAt(2)[0], 24);
        f.Trigger(C::Redo);
        QCOMPARE(f.doc.Traces().TraceAt(2)[0], 0);
        Click(f.area, 1006);
        QVERIFY(f.doc.AddSelTrace(0) && f.doc.AddSelTrace(3));
        Click(f.operate, 1006);
        QCOMPARE(f.doc.Traces().TraceAt(0)[14], 32);
        // Without a tool the palettes go.
        f.Trigger(C::Operation);
        QVERIFY(f.area.isHidden() && f.operate.isHidden());
    }

    void aTypedDelayMovesEveryTraceAndTheBoxFollowsTheLine() {
        Frame f;
        test::LoadRecord(f.doc, 3, 1000, 250.0f, [](int32_t, int32_t i) { return i + 1; });
        f.Trigger(C::DelayCorrection);
        QCOMPARE(Find<QGroupBox>(f.panel, 1011).title(), QStringLiteral("触发修正"));
        auto& box = Find<QLineEdit>(f.panel, 1002);
        QVERIFY(!box.isHidden() && f.operate.isHidden());
        QCOMPARE(box.text(), QStringLiteral("0.000"));
        f.doc.SetDelaySample(f.doc.DelayRefSample() + 50);
        QCOMPARE(box.text(), QStringLiteral("12.500"));
        box.setText(QStringLiteral("2.5"));
        QTest::keyClick(&box, Qt::Key_Return);
        QCOMPARE(f.doc.Traces().TraceAt(2)[9], 0);
        QCOMPARE(f.doc.Traces().TraceAt(2)[10], 1);
        QCOMPARE(box.text(), QStringLiteral("0.000"));
        f.Trigger(C::Undo);
        QCOMPARE(f.doc.Traces().TraceAt(2)[0], 1);
    }

    void theTreeOpensTheChosenRecordAfterAskingAndMarksTheChangedOne() {
        test::TempDir dir;
        const QString a = WriteRecord(dir.File("a.srw"), 100);
        WriteRecord(dir.File("B.SRW"), 200);
        WriteRecord(dir.File("c.sg2"), 300);
        Frame f;
        QTreeWidget& tree = f.panel.Tree();
        QSignalSpy titles(&f.panel, &SideInfoView::TitleChanged);
        f.panel.SetCurrentFile(a);
        f.panel.RefreshFileTree(true);
        QCOMPARE(QString::fromStdString(f.doc.GetPathName()), a);
        QCOMPARE(titles.last().first().toString(), QStringLiteral("KVT 1.0.1.1119   ") + a);
        QVERIFY(FileItem(tree, "c.sg2") == nullptr);
        f.doc.SetDataChanged(true);
        QVERIFY(FileItem(tree, "a.srw*") != nullptr);
        // Choosing another file asks first; No drops the change, and the mark goes with it.
        f.prompts.answers = {Answer::No};
        tree.setCurrentItem(FileItem(tree, "B.SRW"));
        QCOMPARE(f.prompts.questions, std::vector<bool>{false});
        QCOMPARE(f.doc.Traces().TraceAt(0)[0], -600);
        QVERIFY(FileItem(tree, "a.srw") != nullptr && !f.doc.IsDataChanged());
        // Yes with a save that fails keeps the record, its edit, its mark and the tree on it.
        f.doc.SetDataChanged(true);
        std::filesystem::remove(dir.File("B.SRW"));
        std::filesystem::create_directory(dir.File("B.SRW"));
        f.prompts.answers = {Answer::Yes};
        tree.setCurrentItem(FileItem(tree, "a.srw"));
        QVERIFY(f.doc.IsDataChanged() && f.doc.GetPathName() == dir.File("B.SRW"));
        QCOMPARE(tree.currentItem(), FileItem(tree, "B.SRW*"));
        // Another type lists only its files, instruments' NNNN.dat records among them; 刷新 reads the
        // current file again from disk.
        std::filesystem::copy_file(dir.File("c.sg2"), dir.File("0007.dat"));
        auto& type = Find<QComboBox>(f.panel, 1014);
        type.setCurrentIndex(1);
        emit type.activated(1);
        QVERIFY(FileItem(tree, "c.sg2") != nullptr && FileItem(tree, "a.srw") == nullptr);
        tree.setCurrentItem(FileItem(tree, "0007.dat"));
        QCOMPARE(f.doc.GetPathName(), dir.File("0007.dat"));
        tree.setCurrentItem(FileItem(tree, "c.sg2"));
        QCOMPARE(f.doc.Traces().TraceAt(0)[0], -900);
        WriteRecord(dir.File("c.sg2"), 400);
        Click(f.panel, 1035);
        QCOMPARE(f.doc.Traces().TraceAt(0)[0], -1200);
    }

    void theTreeListsFoldersThenMatchingFilesAndFindsNewOnes() {
        test::TempDir temp;
        const QString root = QString::fromStdString(temp.Path().string());
        for (const char* name :
             {"a.SRW", "c.sg2", "D.SEG2", "e.sgy", ".hidden.sg2", "other/notes.txt", "Zeta/x/"}) {
            const QString path = root + u'/' + QString::fromUtf8(name);
            QDir().mkpath(QFileInfo(path).path());
            QVERIFY(path.endsWith(u'/') || QFile(path).open(QIODevice::WriteOnly));
        }
        const QByteArray home = qgetenv("HOME");
        qputenv("HOME", root.toLocal8Bit());
        CDirTreeCtrl tree;
        tree.ShowDrives();
        qputenv("HOME", home);
        tree.SetFileFilter(QStringLiteral("*.SEG2|*.SG2"));
        // Paths under the home folder are found below its own root, not below "/".
        QVERIFY(tree.SelectPath(root));
        QTreeWidgetItem* item = tree.currentItem();
        QCOMPARE(item, tree.topLevelItem(1));
        QStringList listed;
        for (int i = 0; i < item->childCount(); ++i) {
            listed << item->child(i)->text(0);
        }
        QCOMPARE(listed, QStringList({"other", "Zeta", ".hidden.sg2", "c.sg2", "D.SEG2"}));
        // A file made after the folder was read shows when it is selected; missing paths select nothing.
        QVERIFY(QFile(root + "/f.sg2").open(QIODevice::WriteOnly));
        QVERIFY(tree.SelectPath(root + "/f.sg2"));
        QVERIFY(!tree.SelectPath(root + "/missing.sg2") && !tree.SelectPath(QString()));
        QCOMPARE(tree.currentItem()->text(0), QStringLiteral("f.sg2"));
    }

    void theTestDateTextIsRead() {
        const QDate today(2020, 2, 29), august15(2013, 8, 15), none;
        const std::pair<const char*, QDate> cases[] = {
            {"2013-8-15", august15},
            {"2013.8.15", august15},
            {"2013/8/15", august15},
            {"8/15/2013", august15},
            {"2013年8月15日", august15},
            {"2013年8月15", august15},
            {" 2013- +8- 15", august15},
            {"8/15/13", none},
            {"2013-0-15", none},
            {"2013-8", none},
            {"15/8/2013", none},
            {"", today},
            {"abc", today},
            // Slash numbers below 32 leave what the dashes gave (the year is read as 8).
            {"8/1-8-15", QDate(8, 8, 15)},
        };
        for (const auto& [text, expected] : cases) {
            QVERIFY2(ParseTestDate(QString::fromUtf8(text), today) == expected, text);
        }
    }
};

} // namespace kvt

QTEST_MAIN(kvt::MainWindowTest)
#include "MainWindowTest.moc"
