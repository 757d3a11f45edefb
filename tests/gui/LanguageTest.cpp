// The interface language: English only when the settings say "en", Chinese otherwise, whatever the
// process locale (this test runs under LANG=en_US.UTF-8). Menus, a dialog, the status prompt and the
// document's messages (plain, with a reason, and composed with numbers and a path) all follow it.
#include "GuiTestSupport.h"
#include "document/Messages.h"
#include "gui/app/CKVTApp.h"
#include "gui/app/CMainFrame.h"
#include "gui/app/UiLanguage.h"
#include "gui/dialogs/CFilterDlg.h"

#include <QAction>
#include <QLocale>
#include <QMenuBar>
#include <QToolBar>

namespace kvt {

namespace {

using C = CommandId;

// What the main window and a dialog show, in the order compared.
QStringList ShownTexts(CKVTDoc& doc, CMainFrame& frame) {
    QStringList texts;
    for (QAction* menu : frame.menuBar()->actions()) {
        texts << menu->text();
    }
    texts << frame.Action(C::Open)->text() << frame.Action(C::Geometry)->iconText()
          << frame.Action(C::Open)->statusTip() << frame.PromptText();
    CFilterDlg filter(doc, &frame);
    texts << filter.windowTitle() << test::Find<QPushButton>(filter, 1).text();
    return texts;
}

} // namespace

class LanguageTest : public QObject {
    Q_OBJECT

    test::TemporarySettings m_settings;

private slots:
    void cleanup() { InstallLanguage(*QCoreApplication::instance(), UiLanguage::Chinese); }

    void theStoredSettingAloneChoosesTheLanguage_data() {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<QStringList>("messages");
        const QStringList english = {"&File",    "&View",    "&Display",
                                     "&Edit",    "&Process", "&Help",
                                     "&Open...", "Geometry", "Open an existing record",
                                     "Ready",    "Filter",   "&Apply"};
        const QStringList chinese = {"文件(&F)",     "视图(&V)", "显示",        "编辑(&E)",
                                     "处理",         "帮助(&H)", "打开(&O)...", "参数排列",
                                     "打开现有文档", "就绪",     "滤波",        "应用(&A)"};
        const QStringList englishMessages = {
            "Opening the file failed",
            "The file does not exist or cannot be read",
            "Error",
            "Combined 2 files, 1 file differs in sampling from\r\n/d/first.srw: not combined",
            "Combine Files",
            "Resampled 1 file"};
        const QStringList chineseMessages = {
            "文件打开失败", "文件不存在或无法读取",
            "Error",        "成功合并2个文件,有1个文件与\r\n/d/first.srw 采样参数不一致,未参与合并",
            "合并文件",     "成功重采样1个文件"};
        QTest::newRow("en") << "en" << english << englishMessages;
        QTest::newRow("none") << "" << chinese << chineseMessages;
        QTest::newRow("zh") << "zh" << chinese << chineseMessages;
        QTest::newRow("unknown") << "fr" << chinese << chineseMessages;
    }

    void theStoredSettingAloneChoosesTheLanguage() {
        QFETCH(QString, stored);
        QFETCH(QStringList, shown);
        QFETCH(QStringList, messages);
        // The premise: the process asks for English by its locale.
        QCOMPARE(QLocale::system().name(), QStringLiteral("en_US"));
        QSettings settings(QString::fromUtf8(kSettingsOrganization), QString::fromUtf8(kSettingsApplication));
        settings.remove(QStringLiteral("Settings/Language"));
        if (!stored.isEmpty()) {
            settings.setValue(QStringLiteral("Settings/Language"), stored);
        }
        settings.sync();
        QVERIFY(InstallLanguage(*QCoreApplication::instance(), StoredLanguage()));

        CKVTDoc doc;
        test::RecordingPrompts prompts;
        CMainFrame frame(doc, prompts);
        QCOMPARE(ShownTexts(doc, frame), shown);

        test::TempDir dir;
        QVERIFY(!frame.OpenRecord(QString::fromStdString(dir.File("missing.srw"))));
        frame.ShowMessage(
            BatchResultMessage(BatchTool::Combine, 2, {"/d/first.srw", "/d/b.srw", "/d/c.srw"}));
        frame.ShowMessage(ResampleResultMessage(1));
        QCOMPARE(prompts.messages.size(), size_t(3));
        const QStringList boxes = {QString::fromStdString(prompts.messages[0].text),
                                   QString::fromStdString(prompts.messages[0].detail),
                                   QString::fromStdString(prompts.messages[0].caption),
                                   QString::fromStdString(prompts.messages[1].text),
                                   QString::fromStdString(prompts.messages[1].caption),
                                   QString::fromStdString(prompts.messages[2].text)};
        QCOMPARE(boxes, messages);
    }
};

} // namespace kvt

QTEST_MAIN(kvt::LanguageTest)
#include "LanguageTest.moc"
