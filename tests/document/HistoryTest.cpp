#include "TempDir.h"
#include "TestRecord.h"

#include <gtest/gtest.h>

namespace kvt {
namespace {

using test::TestRecord;

void ExpectPosition(const CKVTDoc& doc, int32_t undoPos, int32_t redoCount, size_t length) {
    EXPECT_EQ(doc.m_nUndoPos, undoPos);
    EXPECT_EQ(doc.m_nRedoCount, redoCount);
    EXPECT_EQ(doc.m_arrHistory.size(), length);
    EXPECT_EQ(doc.CanUndo(), undoPos > 0);
    EXPECT_EQ(doc.CanRedo(), redoCount > 0);
}

TEST(History, TwoEditsUndoneAndRedone) {
    TestRecord r;
    const int32_t s0 = r.Mark();
    r.Edit(1); // pushes S0
    r.Edit(2); // pushes S1 (mark 1); current C has mark 2
    ExpectPosition(r.doc, 2, 0, 2);

    r.doc.Undo(); // pushes C, restores S1
    EXPECT_EQ(r.Mark(), 1);
    ExpectPosition(r.doc, 1, 1, 3);
    r.doc.Undo(); // restores S0
    EXPECT_EQ(r.Mark(), s0);
    ExpectPosition(r.doc, 0, 2, 3);
    r.doc.Undo(); // nothing left to undo
    EXPECT_EQ(r.Mark(), s0);
    ExpectPosition(r.doc, 0, 2, 3);

    r.doc.Redo();
    EXPECT_EQ(r.Mark(), 1);
    ExpectPosition(r.doc, 1, 1, 3);
    r.doc.Redo();
    EXPECT_EQ(r.Mark(), 2);
    ExpectPosition(r.doc, 2, 0, 3);
    r.doc.Redo();
    EXPECT_EQ(r.Mark(), 2);
    EXPECT_EQ(r.Trace(1), r.OriginalTrace(1));
}

TEST(History, UndoAndRedoMarkTheRecordChangedButKeepItsPeak) {
    TestRecord r;
    r.doc.m_record.m_nMaxAbs = 77;
    r.Edit(5);
    r.doc.SetDataChanged(false);
    const int before = r.host.infoChanges;
    r.doc.Undo();
    EXPECT_TRUE(r.doc.m_bDataChanged);
    r.doc.SetDataChanged(false);
    r.doc.Redo();
    EXPECT_TRUE(r.doc.m_bDataChanged);
    EXPECT_EQ(r.host.infoChanges, before + 3);
    EXPECT_EQ(r.doc.m_record.m_nMaxAbs, 77);
    // With nothing to undo or redo, nothing is marked.
    TestRecord fresh;
    fresh.doc.Undo();
    fresh.doc.Redo();
    EXPECT_FALSE(fresh.doc.m_bDataChanged);
    EXPECT_EQ(fresh.host.infoChanges, 0);
}

TEST(History, AnEditAfterAnUndoDiscardsTheRedoStates) {
    TestRecord r;
    r.Edit(1);
    r.Edit(2);
    r.doc.Undo(); // current mark 1, history S0 S1 C
    r.Edit(3);    // truncates to S0, pushes the state with mark 1
    ExpectPosition(r.doc, 2, 0, 2);
    EXPECT_EQ(r.doc.m_arrHistory[1].TraceAt(0)[0], 1);
    r.doc.Redo();
    EXPECT_EQ(r.Mark(), 3);
    r.doc.Undo();
    EXPECT_EQ(r.Mark(), 1);
    r.doc.Undo();
    EXPECT_EQ(r.Mark(), test::Original(0, 0));
}

TEST(History, KeepsTheLastTwentyStates) {
    TestRecord r;
    for (int32_t i = 1; i <= 25; ++i) {
        r.Edit(i); // the snapshot holds the mark before edit i: i - 1 (0 stands for the original)
    }
    ExpectPosition(r.doc, 20, 0, 20);
    EXPECT_EQ(r.doc.m_arrHistory.front().TraceAt(0)[0], 5);
    EXPECT_EQ(r.doc.m_arrHistory.back().TraceAt(0)[0], 24);

    // The first undo pushes the current state and drops the oldest: nineteen undos remain possible.
    int undos = 0;
    while (r.doc.CanUndo()) {
        r.doc.Undo();
        ++undos;
    }
    EXPECT_EQ(undos, 19);
    EXPECT_EQ(r.Mark(), 6);
    ExpectPosition(r.doc, 0, 19, 20);
    while (r.doc.CanRedo()) {
        r.doc.Redo();
    }
    EXPECT_EQ(r.Mark(), 25);
}

TEST(History, FirstUndoOfAFullHistoryRestoresTheNineteenthEntry) {
    TestRecord r;
    for (int32_t i = 1; i <= 20; ++i) {
        r.Edit(i);
    }
    r.doc.Undo();
    EXPECT_EQ(r.Mark(), 19);
    ExpectPosition(r.doc, 18, 1, 20);
    EXPECT_EQ(r.doc.m_arrHistory.front().TraceAt(0)[0], 1);
}

TEST(History, ClearedByResetAndBySave) {
    test::TempDir dir;
    TestRecord r;
    r.doc.Header().m_strPathName = dir.File("a.srw");
    r.Edit(1);
    r.doc.SaveCurrent();
    ExpectPosition(r.doc, 0, 0, 0);
    EXPECT_FALSE(r.doc.m_bDataChanged);

    r.Edit(2);
    r.doc.ResetDocument();
    ExpectPosition(r.doc, 0, 0, 0);
}

} // namespace
} // namespace kvt
