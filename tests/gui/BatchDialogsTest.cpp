// The resample dialogs and the four file-list dialogs: start values and the live length, the
// validation order, adding and dropping files, what each action writes and says, and
// a cancelled run.
#include "GuiTestSupport.h"
#include "RecordingHost.h"
#include "formats/CSrwFile.h"
#include "gui/dialogs/CBatchResampleDlg.h"
#include "gui/dialogs/CChannelCollectDlg.h"
#include "gui/dialogs/CCombineFileDlg.h"
#include "gui/dialogs/CResampleDlg.h"
#include "gui/dialogs/CVerticalAddDlg.h"

#include <QDir>
#include <QLineEdit>
#include <QMimeData>
#include <QTreeWidget>

#include <fstream>
#include <memory>

namespace kvt {

namespace {

using test::Click;
using test::Text;
using test::Type;

QTreeWidget& List(QWidget& dialog) {
    return test::Find<QTreeWidget>(dialog, 1000);
}
QStringList Rows(QWidget& dialog) {
    QStringList rows;
    for (int i = 0; i < List(dialog).topLevelItemCount(); ++i) {
        rows.append(List(dialog).topLevelItem(i)->text(0));
    }
    return rows;
}

enum class Kind { BatchResample, Combine, Extract, Stack };

// A document, recording host and prompts, a folder of record files, and the dialogs over them.
struct Desk {
    test::RecordingHost host;
    test::RecordingPrompts prompts;
    CKVTDoc doc{host};
    test::TempDir temp;
    QDir dir{QString::fromStdString(temp.Path().string())};

    QString Path(const QString& name) const { return dir.filePath(name); }
    // A native record of `traces` traces whose every sample is `value`.
    QString Record(const char* name, int32_t traces, float intervalUs, int32_t value) {
        return test::WriteRecord(temp.File(name), traces, 1024, intervalUs,
                                 [value](int32_t, int32_t) { return value; });
    }
    QString Junk(const char* name) {
        std::ofstream(temp.File(name)) << "not a record";
        return Path(name);
    }
    // Hidden ones too: a half-written output would be a hidden temporary file.
    QStringList Files() const { return dir.entryList(QDir::Files | QDir::Hidden, QDir::Name); }
    QStringList Messages() const { return test::Texts(host.messages); }
    // A shown dialog holding `files`, added through 添加.
    std::unique_ptr<CFileListDlg> Dialog(Kind kind, const QStringList& files = {}) {
        std::unique_ptr<CFileListDlg> dialog;
        switch (kind) {
        case Kind::BatchResample:
            dialog = std::make_unique<CBatchResampleDlg>(doc, host, prompts, nullptr);
            break;
        case Kind::Combine:
            dialog = std::make_unique<CCombineFileDlg>(host, prompts, nullptr);
            break;
        case Kind::Extract:
            dialog = std::make_unique<CChannelCollectDlg>(host, prompts, nullptr);
            break;
        case Kind::Stack:
            dialog = std::make_unique<CVerticalAddDlg>(host, prompts, nullptr);
            break;
        }
        dialog->show();
        if (!files.isEmpty()) {
            prompts.fileLists.push_back(files);
            Click(*dialog, 3);
            prompts.requests.clear();
        }
        return dialog;
    }
};

} // namespace

class BatchDialogsTest : public QObject {
    Q_OBJECT

private slots:
    void resampleEditsStartFromTheRecordAndTheNewLengthFollowsTheTyping() {
        Desk desk;
        test::LoadRecord(desk.doc, 2, 1024, 62.5f, [](int32_t, int32_t) { return 0; });
        CResampleDlg single(desk.doc, nullptr);
        std::unique_ptr<CFileListDlg> batch = desk.Dialog(Kind::BatchResample);
        for (QDialog* dialog : {static_cast<QDialog*>(&single), static_cast<QDialog*>(batch.get())}) {
            // The record's own length, not the product of the rounded interval text.
            const std::pair<int, const char*> start[] = {{1008, "0.063"}, {1009, "0.063"}, {1010, "1024"},
                                                         {1007, "1024"},  {1005, "64.00"}, {1006, "64.00"}};
            for (const auto& [id, text] : start) {
                QCOMPARE(Text(*dialog, id), QString::fromLatin1(text));
                QCOMPARE(test::Find<QLineEdit>(*dialog, id).isReadOnly(), id != 1009 && id != 1007);
            }
            Type(*dialog, 1007, "2048");
            QCOMPARE(Text(*dialog, 1006), QStringLiteral("129.02"));
            Type(*dialog, 1009, "0.5");
            QCOMPARE(Text(*dialog, 1006), QStringLiteral("1024.00"));
            Type(*dialog, 1009, "abc");
            QCOMPARE(Text(*dialog, 1006), QStringLiteral("0.00"));
        }
    }

    void resampleSettingsAreRefusedIntervalFirstInBothDialogs() {
        const QString interval = QStringLiteral("采样间隔应在0.001-100 ms之间！");
        const QString count = QStringLiteral("采样长度应在512-16384 之间！");
        // The bounds themselves are the core's; here each refusal is shown and stops both dialogs.
        const QString rows[][3] = {{"100", "16384", ""},
                                   {"abc", "1024", interval},
                                   {"0.25", "16385", count},
                                   {"200", "20", interval}};
        for (const auto& [intervalText, countText, refusal] : rows) {
            const bool accepted = refusal.isEmpty();
            Desk desk;
            test::LoadRecord(desk.doc, 1, 1024, 250.0f, [](int32_t, int32_t) { return 1; });
            CResampleDlg single(desk.doc, nullptr);
            single.show();
            Type(single, 1009, intervalText);
            Type(single, 1007, countText);
            Click(single, 1);
            QCOMPARE(desk.Messages(), accepted ? QStringList() : QStringList{refusal});
            QCOMPARE(single.isVisible(), !accepted);
            QCOMPARE(desk.doc.Header().m_nSampleCount, accepted ? countText.toInt() : 1024);
            // The batch dialog refuses the same settings before it reads any file.
            desk.host.Clear();
            std::unique_ptr<CFileListDlg> batch =
                desk.Dialog(Kind::BatchResample, {desk.Record("a.srw", 1, 250, 1)});
            Type(*batch, 1009, intervalText);
            Type(*batch, 1007, countText);
            Click(*batch, 1);
            QCOMPARE(desk.Messages(), QStringList{accepted ? QStringLiteral("成功重采样1个文件") : refusal});
            QCOMPARE(desk.Files().contains("a_rs.srw"), accepted);
        }
    }

    void singleResamplePadsEveryTraceAndForgetsTheUndoHistory() {
        Desk desk;
        test::LoadRecord(desk.doc, 2, 1024, 250.0f, [](int32_t t, int32_t i) { return t * 10000 + i + 1; });
        desk.doc.ApplyDelayCorrection(0);
        desk.doc.SetDataChanged(false);
        QVERIFY(desk.doc.CanUndo());
        CResampleDlg dialog(desk.doc, nullptr);
        Type(dialog, 1007, "2048");
        Click(dialog, 1);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QCOMPARE(desk.doc.Traces().TraceAt(1)[1023], 11024);
        QCOMPARE(desk.doc.Traces().m_nSamples, 2048);
        QVERIFY(desk.doc.IsDataChanged() && !desk.doc.CanUndo());
        // The same values again: nothing changes, and the dialog still closes.
        desk.doc.SetDataChanged(false);
        desk.host.Clear();
        CResampleDlg again(desk.doc, nullptr);
        Click(again, 1);
        QCOMPARE(again.result(), int(QDialog::Accepted));
        QVERIFY(!desk.doc.IsDataChanged() && desk.host.changes.empty());
    }

    void batchResampleListsTheWrittenFilesAndStaysOpen() {
        Desk desk;
        Click(*desk.Dialog(Kind::BatchResample), 1);
        QVERIFY(desk.host.messages.empty()); // nothing listed, nothing done
        const QString bad = desk.Junk("bad.srw");
        std::unique_ptr<CFileListDlg> dialog = desk.Dialog(
            Kind::BatchResample, {desk.Record("a.srw", 2, 250, 5), bad, desk.Record("c.srw", 2, 250, 7)});
        Type(*dialog, 1007, "2048");
        Type(*dialog, 1009, "0.5");
        Click(*dialog, 1);
        QCOMPARE(desk.Messages(), QStringList({"文件打开失败", "成功重采样2个文件"}));
        QCOMPARE(desk.host.messages[1].caption, std::string("批量重采样"));
        QCOMPARE(Rows(*dialog), QStringList({"a_rs.srw", "bad.srw", "c_rs.srw"}));
        QVERIFY(dialog->isVisible());
        CSrwFile written;
        QCOMPARE(written.Read(desk.Path("c_rs.srw").toStdString()), ReadError::None);
        QCOMPARE(written.m_arrTraces[1].size(), size_t{2048});
        // The list now names the outputs, so a second run resamples those.
        Click(*dialog, 1);
        QVERIFY(desk.Files().contains("a_rs_rs.srw"));
        desk.host.Clear();
        Click(*desk.Dialog(Kind::BatchResample, {bad}), 1);
        QCOMPARE(desk.Messages(), QStringList({"文件打开失败", "批量重采样失败"}));
    }

    void addingAndDroppingKeepOneEntryPerNativePath() {
        Desk desk;
        std::unique_ptr<CFileListDlg> dialog =
            desk.Dialog(Kind::Stack, {"/d/A.SRW", "/d/a.srw", "/d/a.srw", "/d/x.sgy"});
        // Files dropped from a file manager go through the rule of 添加; other drops are refused.
        QMimeData files;
        files.setUrls({QUrl::fromLocalFile("/d/z.srw"), QUrl::fromLocalFile("/d/y.sg2"),
                       QUrl::fromLocalFile("/d/a.srw"), QUrl("http://example.invalid/w.srw")});
        QMimeData text;
        text.setText("/d/q.srw");
        for (QMimeData* data : {&files, &text}) {
            QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(List(*dialog).viewport(), &enter);
            QCOMPARE(enter.isAccepted(), data == &files);
            QDropEvent drop(QPointF(5, 5), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(List(*dialog).viewport(), &drop);
        }
        QCOMPARE(Rows(*dialog), QStringList({"A.SRW", "a.srw", "z.srw"}));
    }

    void combineExtractAndStackReportWhatTheyUsed() {
        Desk desk;
        const QStringList inputs{desk.Record("a.srw", 4, 250, 3), desk.Record("b.srw", 4, 500, 100),
                                 desk.Record("c.srw", 4, 250, 4)};
        const QString note = ",有1个文件与\r\n" + inputs[0] + " 采样参数不一致,未参与";
        const QString sg2 = "(*.sg2) (*.sg2 *.SG2 *seg2 *SEG2)";
        const struct {
            Kind kind;
            const char* output;
            QStringList filters;
            QString message;
        } cases[] = {
            {Kind::Combine,
             "out.sgy",
             {"(*.sgy) (*sgy *.SGY *segy *.SEGY)", sg2},
             "成功合并2个文件" + note + "合并"},
            {Kind::Extract, "line.sg2", {sg2}, "成功提取2个文件" + note + "提取"},
            {Kind::Stack, "mean.srw", {"(*.srw) (*.srw *.SRW *.Srw)"}, "成功垂直叠加2个文件" + note + "叠加"},
        };
        for (const auto& c : cases) {
            desk.host.Clear();
            std::unique_ptr<CFileListDlg> dialog = desk.Dialog(c.kind, inputs);
            desk.prompts.files.push_back(desk.Path(c.output));
            Click(*dialog, 1);
            QVERIFY(desk.prompts.requests.size() == 1 && desk.prompts.requests[0].save);
            QCOMPARE(desk.prompts.requests[0].nameFilters, c.filters);
            QCOMPARE(desk.Messages(), QStringList{c.message});
            QCOMPARE(Rows(*dialog), QStringList({"a.srw", "b.srw", "c.srw"}));
        }
        QCOMPARE(desk.Files(), QStringList({"a.srw", "b.srw", "c.srw", "line_CH1.sg2", "line_CH2.sg2",
                                            "line_CH3.sg2", "line_CH4.sg2", "mean.srw", "out.sgy"}));
        CSrwFile mean;
        QCOMPARE(mean.Read(desk.Path("mean.srw").toStdString()), ReadError::None);
        QCOMPARE(mean.m_arrTraces[3][100], 3); // (3 + 4) / 2, truncated
    }

    void outputToolsRefuseWithoutWritingAnything() {
        Desk desk;
        const QString a = desk.Record("a.srw", 2, 250, 1);
        const QString bad = desk.Junk("bad.srw");
        const struct {
            Kind kind;
            QStringList files;
            const char* output; // "" cancels the save dialog
            QStringList messages;
        } cases[] = {
            {Kind::Combine, {a}, "out.sgy", {}}, // one file: the action does nothing
            {Kind::Combine, {a, bad}, "", {}},
            {Kind::Combine, {a, bad}, "out.srw", {"合并文件失败"}},
            {Kind::Extract,
             {bad, bad + ".srw"},
             "line.sg2",
             {"文件打开失败", "文件打开失败", "通道提取失败"}},
            // The stack refuses the output before it reads any input.
            {Kind::Stack, {bad, a}, "mean.sgy", {"垂直叠加失败"}},
        };
        for (const auto& c : cases) {
            desk.host.Clear();
            desk.prompts.files = {*c.output ? desk.Path(c.output) : QString()};
            Click(*desk.Dialog(c.kind, c.files), 1);
            QCOMPARE(desk.prompts.requests.size(), c.files.size() > 1 ? size_t{1} : size_t{0});
            QCOMPARE(desk.Messages(), c.messages);
            QCOMPARE(desk.Files(), QStringList({"a.srw", "bad.srw"}));
        }
    }

    void aCancelledRunStopsBeforeTheNextFileAndWritesNoHalfFile() {
        const struct {
            Kind kind;
            const char* output;
            const char* message;
            QStringList written;
        } cases[] = {
            {Kind::BatchResample, "", "成功重采样1个文件", {"a_rs.srw"}},
            {Kind::Combine, "out.sgy", "合并文件失败", {}},
            {Kind::Extract, "line.sg2", "通道提取失败", {}},
            {Kind::Stack, "mean.srw", "垂直叠加失败", {}},
        };
        for (const auto& c : cases) {
            Desk desk;
            std::unique_ptr<CFileListDlg> dialog =
                desk.Dialog(c.kind, {desk.Record("a.srw", 2, 250, 1), desk.Record("b.srw", 2, 250, 2),
                                     desk.Record("d.srw", 2, 250, 3)});
            QStringList steps;
            dialog->SetProgressStep([&](int done, int total, const QString& file) {
                steps.append(QStringLiteral("%1/%2 %3").arg(done).arg(total).arg(QFileInfo(file).fileName()));
                return done < 1;
            });
            desk.prompts.files.push_back(desk.Path(c.output));
            Click(*dialog, 1);
            QCOMPARE(steps, QStringList({"0/3 a.srw", "1/3 b.srw"}));
            QCOMPARE(desk.Messages(), QStringList{c.message});
            QStringList expected = QStringList({"a.srw", "b.srw", "d.srw"}) + c.written;
            expected.sort();
            QCOMPARE(desk.Files(), expected);
        }
    }
};

} // namespace kvt

QTEST_MAIN(kvt::BatchDialogsTest)
#include "BatchDialogsTest.moc"
