// The document as a whole: opening, saving and resetting it, what every operation tells its host it
// changed, and the batch tools' result messages.
#include "FileBytes.h"
#include "LoadedRecord.h"
#include "RecordingHost.h"
#include "TempDir.h"
#include "document/GeometryArrangement.h"
#include "document/Messages.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <tuple>

namespace kvt {
namespace {

using test::RecordingHost;

const ChangeSet kEdit = Change::Samples | Change::Modified | Change::Header | Change::History;
const ChangeSet kEditWithoutSnapshot = Change::Samples | Change::Modified | Change::Header;
const ChangeSet kNewRecord = Change::Record | Change::Samples | Change::Header | Change::Selection |
                             Change::Tool | Change::Modified | Change::History;

// Three traces of sixteen samples with texts, receivers and a shot point; one sample of -90000.
CShotRecord SmallRecord(const std::string& path) {
    CShotRecord record;
    ShotHeader& h = record.m_header;
    h.m_strPathName = path;
    h.m_strProject = "P1";
    h.m_nTraceCount = 3;
    h.m_nSampleCount = 16;
    h.m_fSampleInterval = 125.0f;
    record.m_traces.Allocate(3, 16);
    record.m_traces.TraceAt(2)[5] = -90000;
    record.m_receivers = {{1, 5.0f, 1.0f}, {2, 9.0f, 1.0f}, {3, 13.0f, 1.0f}};
    record.m_shot = {3.0f, 4.0f, 5.0f};
    return record;
}

TEST(Document, TheFirstRecordExtensionFoundAnywhereInThePathChoosesTheFormat) {
    // A folder name can decide, and ".seg2" is searched before ".sgy".
    const std::pair<const char*, std::optional<FileType>> cases[] = {
        {"/d/A.SRW", FileType::Native},    {"/d/a.SeG2", FileType::Seg2},
        {"/d/a.sg2", FileType::Seg2},      {"/d/a.Sgy", FileType::Segy},
        {"/d/a.segy", FileType::Segy},     {"/d/x.srw/b.sgy", FileType::Native},
        {"/d/a.sgy.seg2", FileType::Seg2}, {"/d/a.dat", std::nullopt},
        {"/d/a.point", std::nullopt}};
    for (const auto& [path, type] : cases) {
        EXPECT_EQ(FileTypeOfPath(path), type) << path;
    }
}

TEST(Document, OpeningReadsTheFileAndOnlyTheNativeFormatCarriesTexts) {
    test::TempDir dir;
    CKVTDoc source;
    source.AdoptRecord(SmallRecord("x.srw"));
    // SEG-2 and SEG-Y carry no texts: the record keeps the reset's.
    const std::tuple<const char*, FileType, const char*> cases[] = {{"a.srw", FileType::Native, "P1"},
                                                                    {"a.sg2", FileType::Seg2, "MORAVENT"},
                                                                    {"a.sgy", FileType::Segy, "MORAVENT"}};
    for (const auto& [name, type, project] : cases) {
        SCOPED_TRACE(name);
        ASSERT_TRUE(source.SaveByPath(dir.File(name)));
        RecordingHost host;
        CKVTDoc doc(host);
        test::LoadRecord(doc, 2, 8, 250.0f, [](int32_t, int32_t i) { return i; });
        doc.ApplyDelayCorrection(1); // a record with history, which opening discards
        host.Clear();
        ASSERT_TRUE(doc.OpenDocument(dir.File(name)));
        EXPECT_EQ(doc.GetPathName(), dir.File(name));
        EXPECT_EQ(doc.GetFileType(), type);
        EXPECT_EQ(doc.Header().m_strProject, project);
        EXPECT_EQ(doc.Traces().TraceAt(2)[5], -90000);
        EXPECT_EQ(doc.Record().m_nMaxAbs, 90000);
        EXPECT_FALSE(doc.IsDataChanged() || doc.CanUndo());
        EXPECT_EQ(host.AllChanges(), kNewRecord);
        EXPECT_TRUE(host.messages.empty());
    }
}

TEST(Document, AFileThatCannotBeOpenedIsReportedWithItsReasonAndLeavesTheDocumentEmpty) {
    test::TempDir dir;
    test::WriteBytes(dir.File("short.srw"), {'D', 'L', 'Q'});
    test::WriteBytes(dir.File("other.srw"), std::vector<uint8_t>(512, 'x'));
    test::WriteBytes(dir.File("a.dat"), std::vector<uint8_t>(512, 0));
    struct Case {
        const char* name;
        ReadError reason;
        const char* detail;
    } cases[] = {
        {"missing.srw", ReadError::CannotOpen, "文件不存在或无法读取"},
        {"short.srw", ReadError::Truncated, "文件不完整，数据被截断"},
        {"other.srw", ReadError::WrongSignature, "文件标识不符，不是该格式的记录"},
        {"a.dat", ReadError::UnknownFileType, "无法从文件名识别记录格式"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RecordingHost host;
        CKVTDoc doc(host);
        test::LoadRecord(doc, 2, 8, 250.0f, [](int32_t, int32_t i) { return i; });
        doc.ApplyDelayCorrection(1);
        EXPECT_FALSE(doc.OpenDocument(dir.File(c.name)));
        EXPECT_EQ(host.messages, std::vector<Message>{OpenFailedMessage(c.reason)});
        EXPECT_EQ(OpenFailedMessage(c.reason),
                  (Message{"文件打开失败", "Error", MessageIcon::Error, c.detail}));
        EXPECT_FALSE(doc.IsLoaded());
        EXPECT_EQ(doc.Traces().TraceCount(), 0);
        EXPECT_FALSE(doc.IsDataChanged() || doc.CanUndo());
    }
}

TEST(Document, SaveWritesOnlyAChangedRecordAndSavingAsKeepsThePathFlagAndHistory) {
    test::TempDir dir;
    RecordingHost host;
    CKVTDoc doc(host);
    doc.AdoptRecord(SmallRecord(dir.File("a.srw")));
    doc.SaveCurrent();
    EXPECT_FALSE(std::filesystem::exists(dir.File("a.srw")));

    doc.ApplyDelayCorrection(1);
    host.Clear();
    ASSERT_TRUE(doc.SaveByPath(dir.File("b.segy")));
    EXPECT_EQ(doc.GetPathName(), dir.File("a.srw"));
    EXPECT_TRUE(doc.IsDataChanged() && doc.CanUndo());
    EXPECT_TRUE(host.changes.empty());

    // "保存" writes to the file the record came from, in that file's format.
    doc.SaveCurrent();
    EXPECT_TRUE(std::filesystem::exists(dir.File("a.srw")));
    EXPECT_FALSE(doc.IsDataChanged() || doc.CanUndo());
    EXPECT_EQ(host.AllChanges(), Change::Modified | Change::Header | Change::History);

    // A record never opened, or a path that names no format: nothing is written and nothing said.
    doc.AdoptRecord(SmallRecord(""));
    doc.ApplyDelayCorrection(1);
    doc.SaveCurrent();
    EXPECT_TRUE(doc.IsDataChanged() && doc.CanUndo());
    EXPECT_FALSE(doc.SaveByPath(dir.File("c.dat")));
    EXPECT_TRUE(host.messages.empty());
    EXPECT_FALSE(doc.SaveByPath(dir.File("no/such/folder/c.srw")));
    EXPECT_EQ(host.messages,
              std::vector<Message>{(Message{"保存文件失败", "Error", MessageIcon::Error, ""})});
}

TEST(Document, ResetKeepsGeometryAndSettingsAndRestartsTheEditState) {
    CKVTDoc doc;
    EXPECT_EQ(doc.DelayRefSample(), 204) << "a fifth of the default 1024 samples";
    CShotRecord record = SmallRecord("/records/a.srw");
    record.m_header.m_nSampleCount = 1000;
    record.m_traces.Allocate(3, 1000);
    record.m_traces.TraceAt(0)[0] = 99;
    doc.AdoptRecord(std::move(record));
    const DisplaySettings display{FillMode::Wiggle, ScaleMode::Trace, 6, 3, 2, 4};
    doc.SetDisplay(display);
    doc.SetFileType(FileType::Seg2);
    doc.SetEditTool(EditTool::Operation);
    doc.SetSelectMode(SelectMode::MultiTrace);
    doc.SetSelTrace(1);
    doc.AddSelTrace(0);
    doc.AddAreaPoint(0, 5, 0, 0);
    doc.BeginShotTimeShift(2, 10);
    doc.ApplyDelayCorrection(1);

    doc.ResetDocument();
    EXPECT_EQ(doc.Record().m_receivers.size(), 3u);
    EXPECT_EQ(doc.Record().m_nMaxAbs, 99);
    EXPECT_EQ(doc.GetFileType(), FileType::Seg2);
    EXPECT_EQ(doc.Display(), display);
    EXPECT_EQ(doc.GetEditTool(), EditTool::Operation);

    EXPECT_EQ(doc.GetSelectMode(), SelectMode::Above);
    EXPECT_EQ(std::tuple(doc.SelTrace(), doc.ShiftTrace(), doc.ShiftStartSample()), std::tuple(-1, -1, 0));
    EXPECT_TRUE(doc.SelTraces().empty() && doc.AreaPoints().empty());
    EXPECT_FALSE(doc.CanUndo() || doc.IsDataChanged() || doc.IsLoaded());
    EXPECT_EQ(doc.Traces().TraceCount(), 0);
    // The delay lines start at one fifth of the record as it was before the reset.
    EXPECT_EQ(doc.DelayRefSample(), 200);
    EXPECT_EQ(doc.DelaySample(), 200);
}

TEST(Document, EachOperationReportsExactlyWhatItChanged) {
    struct Case {
        const char* what;
        std::function<void(CKVTDoc&)> prepare;
        std::function<void(CKVTDoc&)> act;
        ChangeSet expected;
    };
    const auto none = [](CKVTDoc&) {};
    const Case cases[] = {
        {"operation command", none, [](CKVTDoc& d) { d.OperateAmplify(); }, kEdit},
        {"operation on nothing selected", [](CKVTDoc& d) { d.SetSelTrace(-1); },
         [](CKVTDoc& d) { d.OperateCut(); }, kEditWithoutSnapshot},
        {"swap of one selected trace",
         [](CKVTDoc& d) { d.SetSelectMode(SelectMode::MultiTrace); },
         [](CKVTDoc& d) { d.OperateSwap(); },
         {}},
        {"filter", none, [](CKVTDoc& d) { d.ApplyFilter(); }, kEdit},
        {"refused filter",
         [](CKVTDoc& d) { d.SetFilterCornerHz(2000.0f); },
         [](CKVTDoc& d) { d.ApplyFilter(); },
         {}},
        {"delay correction", none, [](CKVTDoc& d) { d.ApplyDelayCorrection(3); }, kEdit},
        {"undo", [](CKVTDoc& d) { d.OperateAmplify(); }, [](CKVTDoc& d) { d.Undo(); }, kEdit},
        {"undo of nothing", none, [](CKVTDoc& d) { d.Undo(); }, {}},
        {"resample", none, [](CKVTDoc& d) { d.ResampleRecord(128, 250.0f); }, kEdit},
        {"resample to the same", none, [](CKVTDoc& d) { d.ResampleRecord(64, 250.0f); }, {}},
        {"equal display", none, [](CKVTDoc& d) { d.SetDisplay(DisplaySettings{}); }, {}},
        {"display", none, [](CKVTDoc& d) { d.SetDisplay({FillMode::Wiggle}); }, Change::Display},
        {"filter corner", none, [](CKVTDoc& d) { d.SetFilterCornerHz(50.0f); }, Change::Filter},
        {"margins", none, [](CKVTDoc& d) { d.SetMargins({5}); }, Change::Margins},
        {"edit tool", none, [](CKVTDoc& d) { d.SetEditTool(EditTool::AreaEdit); }, Change::Tool},
        {"select mode", none, [](CKVTDoc& d) { d.SetSelectMode(SelectMode::MultiTrace); }, Change::Tool},
        {"selected trace", none, [](CKVTDoc& d) { d.AddSelTrace(2); }, Change::Selection},
        {"trace outside the record", none, [](CKVTDoc& d) { d.AddSelTrace(9); }, {}},
        {"area point", none, [](CKVTDoc& d) { d.AddAreaPoint(1, 5, 0, 0); }, Change::Selection},
        {"delay line", none, [](CKVTDoc& d) { d.SetDelaySample(30); }, Change::Selection},
        {"geometry", none, [](CKVTDoc& d) { d.StoreGeometry(d.GeometryAsTexts()); }, Change::Header},
        {"file type", none, [](CKVTDoc& d) { d.SetFileType(FileType::Seg2); }, Change::Header},
        {"data-changed flag", none, [](CKVTDoc& d) { d.SetDataChanged(true); },
         Change::Modified | Change::Header},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        RecordingHost host;
        CKVTDoc doc(host);
        test::LoadRecord(doc, 4, 64, 250.0f, [](int32_t t, int32_t i) { return (t + 1) * (i % 9 - 4); });
        doc.SetEditTool(EditTool::Operation);
        doc.SetSelectMode(SelectMode::SingleTrace);
        doc.SetSelTrace(0);
        doc.AddSelTrace(1);
        doc.SetFilterCornerHz(20.0f);
        c.prepare(doc);
        host.Clear();
        c.act(doc);
        EXPECT_EQ(host.AllChanges(), c.expected);
    }
}

TEST(BatchResultMessage, SuccessFailureAndTheNoteNamingTheFirstEntry) {
    // Each tool's caption and texts are pinned end to end by kvt-cli; here the counts' edge cases.
    const std::vector<std::string> three = {"/d/first.srw", "/d/b.srw", "/d/c.srw"};
    const std::pair<int, std::string> cases[] = {
        {3, "成功合并3个文件"},
        {2, "成功合并2个文件,有1个文件与\r\n/d/first.srw 采样参数不一致,未参与合并"},
        {0, "合并文件失败"},
        {-1, "合并文件失败"}};
    for (const auto& [used, text] : cases) {
        EXPECT_EQ(BatchResultMessage(BatchTool::Combine, used, three),
                  (Message{text, "合并文件", MessageIcon::None, ""}));
    }
}

} // namespace
} // namespace kvt
