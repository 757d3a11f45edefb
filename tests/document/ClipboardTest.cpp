#include "FileBytes.h"
#include "TempDir.h"
#include "TestRecord.h"
#include "formats/CPointFile.h"

#include <filesystem>
#include <gtest/gtest.h>

namespace kvt {
namespace {

using test::TestRecord;

const Message kIntervalDiffers{"采样间隔不同，无法加载", "Error", MessageIcon::Error};
const Message kLengthDiffers{"采样长度不同，无法加载", "Error", MessageIcon::Error};

// A record in the operation tool's single-trace mode whose clipboard lives in a test folder.
struct ClipboardRecord : TestRecord {
    explicit ClipboardRecord(const test::TempDir& dir, int32_t samples = 8, float interval = 250.0f)
        : TestRecord(4, samples, interval) {
        doc.SetClipboardFolder(dir.Path());
        doc.m_nEditTool = 3;
        doc.m_nSelectMode = 2;
    }
};

TEST(Clipboard, PathIsTheFixedNameInTheTemporaryFolder) {
    CKVTDoc doc;
    EXPECT_EQ(doc.ClipboardPath(), std::filesystem::temp_directory_path() / "DLQKVT_COPY_DATA.POINT");
    doc.SetClipboardFolder("/some/folder");
    EXPECT_EQ(doc.ClipboardPath(), std::filesystem::path("/some/folder/DLQKVT_COPY_DATA.POINT"));
}

TEST(Clipboard, EnabledOnlyForOneTraceOfTheAreaOrOperationTool) {
    CKVTDoc doc;
    for (int32_t tool = 0; tool <= 4; ++tool) {
        for (int32_t mode = 0; mode <= 3; ++mode) {
            doc.m_nEditTool = tool;
            doc.m_nSelectMode = mode;
            EXPECT_EQ(doc.CanCopyPaste(), (tool == 1 || tool == 3) && mode == 2) << tool << mode;
            doc.m_nSelTrace = 0;
            EXPECT_EQ(doc.CanUsePointFile(), tool == 1 && mode == 2) << tool << mode;
            doc.m_nSelTrace = -1;
            EXPECT_FALSE(doc.CanUsePointFile());
        }
    }
}

TEST(Clipboard, CopyThenPasteReplacesOnlyTheSelectedTraceAndCanBeUndone) {
    test::TempDir dir;
    ClipboardRecord r(dir);
    r.doc.m_nSelTrace = 1;
    r.doc.CopyTrace();
    EXPECT_EQ(r.doc.m_nCopiedTrace, 1);
    EXPECT_EQ(r.doc.m_arrHistory.size(), 0u);
    EXPECT_FALSE(r.doc.m_bDataChanged);
    EXPECT_EQ(test::ReadBytes(dir.File("DLQKVT_COPY_DATA.POINT")).size(), 72u + 4 * 8);

    r.doc.m_nSelTrace = 3;
    EXPECT_TRUE(r.doc.PasteTrace());
    EXPECT_EQ(r.Trace(3), r.OriginalTrace(1));
    for (int32_t i = 0; i < 3; ++i) {
        EXPECT_EQ(r.Trace(i), r.OriginalTrace(i));
    }
    EXPECT_TRUE(r.doc.m_bDataChanged);
    EXPECT_TRUE(r.host.messages.empty());
    r.doc.Undo();
    EXPECT_EQ(r.Trace(3), r.OriginalTrace(3));
}

TEST(Clipboard, RefusesARecordOfAnotherIntervalOrLength) {
    test::TempDir dir;
    ClipboardRecord source(dir, 8, 125.0000076f);
    source.doc.m_nSelTrace = 0;
    source.doc.CopyTrace();

    ClipboardRecord exact(dir, 8, 125.0f);
    exact.doc.m_nSelTrace = 0;
    EXPECT_FALSE(exact.doc.PasteTrace());
    EXPECT_EQ(exact.host.messages, std::vector<Message>{kIntervalDiffers});

    ClipboardRecord longer(dir, 16, 125.0000076f);
    longer.doc.m_nSelTrace = 0;
    EXPECT_FALSE(longer.doc.PasteTrace());
    EXPECT_EQ(longer.host.messages, std::vector<Message>{kLengthDiffers});

    for (const ClipboardRecord* r : {&exact, &longer}) {
        EXPECT_EQ(r->Trace(0), r->OriginalTrace(0));
        EXPECT_FALSE(r->doc.CanUndo());
        EXPECT_FALSE(r->doc.m_bDataChanged);
    }
}

TEST(Clipboard, DoesNothingWithoutASelectedTraceOrOutsideTheTools) {
    test::TempDir dir;
    ClipboardRecord r(dir);
    const std::string clip = dir.File("DLQKVT_COPY_DATA.POINT");
    r.doc.m_nSelTrace = -1;
    r.doc.CopyTrace();
    r.doc.m_nSelTrace = 4; // one past the last trace
    r.doc.CopyTrace();
    EXPECT_FALSE(std::filesystem::exists(clip));
    EXPECT_EQ(r.doc.m_nCopiedTrace, -1);

    r.doc.m_nSelTrace = 0;
    r.doc.m_nSelectMode = 3;
    r.doc.CopyTrace();
    EXPECT_FALSE(std::filesystem::exists(clip));

    // Nothing copied yet: the paste fails without a word.
    r.doc.m_nSelectMode = 2;
    EXPECT_FALSE(r.doc.PasteTrace());
    EXPECT_TRUE(r.host.messages.empty());

    r.doc.CopyTrace();
    r.doc.m_nEditTool = 2;
    EXPECT_FALSE(r.doc.PasteTrace());
    r.doc.m_nEditTool = 1;
    r.doc.m_nSelTrace = 7;
    EXPECT_FALSE(r.doc.PasteTrace());
    EXPECT_FALSE(r.doc.CanUndo());
    EXPECT_FALSE(r.doc.m_bDataChanged);
}

TEST(PointFileTrace, SavedAndLoadedBackStillCountsAsAnEdit) {
    test::TempDir dir;
    TestRecord r(4, 1024, 125.0f);
    r.doc.m_nSelTrace = 2;
    ASSERT_TRUE(r.doc.SaveTraceToPoint(dir.File("t.point"), true));
    EXPECT_FALSE(r.doc.m_bDataChanged);
    CPointFile file;
    ASSERT_TRUE(file.Read(dir.File("t.point")));
    EXPECT_EQ(file.m_fSampleInterval, 125.0f);
    EXPECT_EQ(file.m_samples, r.OriginalTrace(2));

    r.doc.m_nSelTrace = 0;
    ASSERT_TRUE(r.doc.LoadTraceFromPoint(dir.File("t.point"), true));
    EXPECT_EQ(r.Trace(0), r.OriginalTrace(2));
    EXPECT_EQ(r.doc.m_nUndoPos, 1);
    EXPECT_TRUE(r.doc.m_bDataChanged);

    TestRecord longer(4, 2048, 125.0f);
    longer.doc.m_nSelTrace = 0;
    EXPECT_FALSE(longer.doc.LoadTraceFromPoint(dir.File("t.point"), false));
    EXPECT_EQ(longer.host.messages, std::vector<Message>{kLengthDiffers});
}

TEST(PointFileTrace, FileErrorsAreReportedOnlyWhenAsked) {
    test::TempDir dir;
    TestRecord r;
    r.doc.m_nSelTrace = 0;
    EXPECT_FALSE(r.doc.LoadTraceFromPoint(dir.File("missing.point"), false));
    EXPECT_FALSE(r.doc.SaveTraceToPoint(dir.File("no/such/folder/t.point"), false));
    EXPECT_TRUE(r.host.messages.empty());

    EXPECT_FALSE(r.doc.LoadTraceFromPoint(dir.File("missing.point"), true));
    EXPECT_FALSE(r.doc.SaveTraceToPoint(dir.File("no/such/folder/t.point"), true));
    EXPECT_EQ(r.host.messages, (std::vector<Message>{OpenFailedMessage(), SaveFailedMessage()}));
    EXPECT_EQ(r.Trace(0), r.OriginalTrace(0));
    EXPECT_FALSE(r.doc.CanUndo());
}

TEST(PointFileTrace, RefusesATraceTheRecordDoesNotHold) {
    test::TempDir dir;
    TestRecord r;
    r.doc.m_nSelTrace = 0;
    ASSERT_TRUE(r.doc.SaveTraceToPoint(dir.File("t.point"), true));
    for (const int32_t trace : {-1, 4, 1000}) {
        r.doc.m_nSelTrace = trace;
        EXPECT_FALSE(r.doc.LoadTraceFromPoint(dir.File("t.point"), true));
        EXPECT_FALSE(r.doc.SaveTraceToPoint(dir.File("u.point"), true));
    }
    // A new document declares twelve traces but holds none.
    CKVTDoc empty;
    empty.m_nSelTrace = 0;
    EXPECT_FALSE(empty.SaveTraceToPoint(dir.File("u.point"), true));
    EXPECT_FALSE(std::filesystem::exists(dir.File("u.point")));
    EXPECT_FALSE(r.doc.CanUndo());
}

} // namespace
} // namespace kvt
