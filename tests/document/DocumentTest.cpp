#include "FileBytes.h"
#include "TempDir.h"
#include "TestRecord.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace kvt {
namespace {

using test::RecordingHost;
using test::TestRecord;

TEST(Document, StartsWithTheDefaultSettingsAndAnEmptyRecord) {
    RecordingHost host;
    const CKVTDoc doc(host);
    EXPECT_EQ(doc.m_nFilterType, 0);
    EXPECT_EQ(doc.m_fLowPassHz, 1000.0f);
    EXPECT_EQ(doc.m_fHighPassHz, 0.0f);
    EXPECT_EQ(doc.m_nSpectrumLength, 1024);
    EXPECT_EQ(doc.m_nFreqDivisor, 4);
    EXPECT_EQ(doc.m_crSpectrumBack, 0u);
    EXPECT_EQ(doc.m_crSpectrumCurve, 0x0000FFu);
    EXPECT_EQ(doc.m_crGateCurve, 0x00FF00u);
    EXPECT_TRUE(doc.m_bSpectrumFill && doc.m_bShowGate && doc.m_bShowGrid && doc.m_bShowControlPoints);
    EXPECT_EQ(doc.m_nAmpRange, 2);
    EXPECT_EQ(doc.m_nHStretch, 1);
    EXPECT_EQ(doc.m_nVStretch, 1);
    EXPECT_EQ(doc.m_nSelTrace, -1);
    EXPECT_EQ(doc.m_nCopiedTrace, -1);
    EXPECT_EQ(doc.m_nShiftTrace, -1);
    // One fifth of the default 1024 samples.
    EXPECT_EQ(doc.m_nDelayRefSample, 204);
    EXPECT_EQ(doc.m_nDelaySample, 204);
    EXPECT_EQ(doc.m_nFileType, kFileNative);
    EXPECT_FALSE(doc.m_bDataChanged);
    EXPECT_FALSE(doc.IsLoaded());
    EXPECT_EQ(doc.Header().m_strTestDate, "2013-8-15");
    EXPECT_EQ(doc.Header().m_nTraceCount, 12);
    EXPECT_EQ(doc.Traces().TraceAt(0), nullptr);
    EXPECT_TRUE(host.messages.empty());
}

TEST(Document, TheFirstRecordExtensionFoundAnywhereInThePathChoosesTheFormat) {
    EXPECT_EQ(FileTypeOfPath("/data/A.SRW"), kFileNative);
    EXPECT_EQ(FileTypeOfPath("/data/a.SeG2"), kFileSeg2);
    EXPECT_EQ(FileTypeOfPath("/data/a.sg2"), kFileSeg2);
    EXPECT_EQ(FileTypeOfPath("/data/a.Sgy"), kFileSegy);
    EXPECT_EQ(FileTypeOfPath("/data/a.segy"), kFileSegy);
    EXPECT_EQ(FileTypeOfPath("/data/x.srw/b.sgy"), kFileNative) << "the folder name matches first";
    EXPECT_EQ(FileTypeOfPath("/data/a.sgy.seg2"), kFileSeg2) << ".seg2 is searched before .sgy";
    EXPECT_EQ(FileTypeOfPath("/data/a.dat"), -1);
    EXPECT_EQ(FileTypeOfPath("/data/a.point"), -1);

    TestRecord r;
    EXPECT_FALSE(r.doc.OpenByPath("/nowhere/a.dat"));
    EXPECT_FALSE(r.doc.SaveByPath("/nowhere/a.dat"));
    EXPECT_TRUE(r.host.messages.empty()) << "an unknown extension fails silently";
}

TEST(Document, OpeningCopiesTheFileAndFailingLeavesTheRecordAlone) {
    test::TempDir dir;
    TestRecord r(3, 16, 125.0f);
    r.doc.Header().m_strProject = "P1";
    r.doc.Traces().TraceAt(2)[5] = -90000;
    ASSERT_TRUE(r.doc.SaveSrw(dir.File("a.srw")));
    ASSERT_TRUE(r.doc.SaveSeg2(dir.File("a.sg2")));

    RecordingHost host;
    CKVTDoc doc(host);
    doc.m_nFileType = kFileSegy;
    doc.PushSnapshot();
    ASSERT_TRUE(doc.OpenByPath(dir.File("a.srw")));
    EXPECT_EQ(doc.GetPathName(), dir.File("a.srw"));
    EXPECT_EQ(doc.Header().m_strProject, "P1");
    EXPECT_EQ(doc.Header().m_nTraceCount, 3);
    EXPECT_EQ(doc.Traces().TraceAt(2)[5], -90000);
    EXPECT_EQ(doc.m_record.m_nMaxAbs, 90000);
    // Opening leaves the file type, the history and the data-changed flag to its callers.
    EXPECT_EQ(doc.m_nFileType, kFileSegy);
    EXPECT_EQ(doc.m_nUndoPos, 1);
    EXPECT_FALSE(doc.m_bDataChanged);

    // SEG-2 carries no texts: the record keeps the ones it had.
    doc.ResetDocument();
    doc.Header().m_strOperator = "kept";
    ASSERT_TRUE(doc.OpenSeg2(dir.File("a.sg2")));
    EXPECT_EQ(doc.Header().m_strOperator, "kept");
    EXPECT_EQ(doc.Header().m_strProject, "MORAVENT");
    EXPECT_EQ(doc.Header().m_nSampleCount, 16);
    EXPECT_TRUE(host.messages.empty());

    const CTraceMatrix before = doc.Traces();
    test::WriteBytes(dir.File("bad.srw"), {'n', 'o', 't'});
    EXPECT_FALSE(doc.OpenByPath(dir.File("bad.srw")));
    EXPECT_FALSE(doc.OpenByPath(dir.File("missing.sgy")));
    ASSERT_EQ(host.messages.size(), 2u);
    EXPECT_EQ(host.messages[0], OpenFailedMessage());
    EXPECT_EQ(host.messages[0].text, "文件打开失败");
    EXPECT_EQ(host.messages[0].caption, "Error");
    EXPECT_EQ(host.messages[0].icon, MessageIcon::Error);
    EXPECT_EQ(doc.Traces(), before);
    EXPECT_EQ(doc.GetPathName(), dir.File("a.sg2"));
}

TEST(Document, SavingAsKeepsThePathTheFlagAndTheHistory) {
    test::TempDir dir;
    TestRecord r;
    r.doc.Header().m_strPathName = dir.File("a.srw");
    r.Edit(7);
    ASSERT_TRUE(r.doc.SaveByPath(dir.File("b.segy")));
    EXPECT_EQ(r.doc.GetPathName(), dir.File("a.srw"));
    EXPECT_TRUE(r.doc.m_bDataChanged);
    EXPECT_EQ(r.doc.m_nUndoPos, 1);
    EXPECT_FALSE(std::filesystem::exists(dir.File("a.srw")));

    // "保存" writes to the file the record came from, in that file's format.
    r.doc.SaveCurrent();
    EXPECT_TRUE(std::filesystem::exists(dir.File("a.srw")));
    EXPECT_FALSE(r.doc.m_bDataChanged);
    EXPECT_EQ(r.doc.m_nUndoPos, 0);

    EXPECT_FALSE(r.doc.SaveSrw(dir.File("no/such/folder/c.srw")));
    ASSERT_EQ(r.host.messages.size(), 1u);
    EXPECT_EQ(r.host.messages[0], (Message{"保存文件失败", "Error", MessageIcon::Error}));
}

TEST(Document, SaveWritesNothingUnlessTheDataChanged) {
    test::TempDir dir;
    TestRecord r;
    r.doc.Header().m_strPathName = dir.File("a.srw");
    r.doc.SaveCurrent();
    EXPECT_FALSE(std::filesystem::exists(dir.File("a.srw")));

    // A record that was never opened has no path: nothing is written and nothing is said.
    r.doc.Header().m_strPathName.clear();
    r.Edit(3);
    r.doc.SaveCurrent();
    EXPECT_TRUE(r.doc.m_bDataChanged);
    EXPECT_EQ(r.doc.m_nUndoPos, 1);
    EXPECT_TRUE(r.host.messages.empty());
}

TEST(Document, ResetKeepsGeometryAndSettingsAndRestartsTheEditState) {
    TestRecord r(4, 1000);
    CKVTDoc& doc = r.doc;
    doc.m_record.m_receivers = {{1, 5.0f, 1.0f}};
    doc.m_record.m_shot = {3.0f, 4.0f, 5.0f};
    doc.m_record.m_nMaxAbs = 99;
    doc.m_nFileType = kFileSeg2;
    doc.m_fLowPassHz = 50.0f;
    doc.m_nMarginTop = 7;
    doc.m_nGainDb = 6;
    doc.m_nScaleMode = 1;
    doc.m_nFillMode = 2;
    doc.m_nEditTool = 3;
    doc.m_nSelectMode = 2;
    doc.m_nSelTrace = 1;
    doc.m_nAnchorTrace = 2;
    doc.m_nCopiedTrace = 1;
    doc.m_nShiftTrace = 2;
    doc.m_nShiftStartSample = 10;
    doc.m_nShiftSample = 20;
    doc.m_arrSelTraces = {0, 1};
    doc.AddAreaPoint(0, 5, 0, 0);
    r.Edit(4);

    doc.ResetDocument();
    EXPECT_EQ(doc.m_record.m_receivers.size(), 1u);
    EXPECT_EQ(doc.m_record.m_shot.fY, 5.0f);
    EXPECT_EQ(doc.m_record.m_nMaxAbs, 99);
    EXPECT_EQ(doc.m_nFileType, kFileSeg2);
    EXPECT_EQ(doc.m_fLowPassHz, 50.0f);
    EXPECT_EQ(doc.m_nMarginTop, 7);
    EXPECT_EQ(doc.m_nGainDb, 6);
    EXPECT_EQ(doc.m_nScaleMode, 1);
    EXPECT_EQ(doc.m_nFillMode, 2);
    EXPECT_EQ(doc.m_nEditTool, 3);

    EXPECT_EQ(doc.m_nSelectMode, 0);
    EXPECT_EQ(doc.m_nSelTrace, -1);
    EXPECT_EQ(doc.m_nAnchorTrace, 0);
    EXPECT_EQ(doc.m_nCopiedTrace, -1);
    EXPECT_EQ(doc.m_nShiftTrace, -1);
    EXPECT_EQ(doc.m_nShiftStartSample, 0);
    EXPECT_EQ(doc.m_nShiftSample, 0);
    EXPECT_TRUE(doc.m_arrSelTraces.empty());
    EXPECT_TRUE(doc.m_arrAreaPoints.empty());
    EXPECT_EQ(doc.m_nUndoPos, 0);
    EXPECT_TRUE(doc.m_arrHistory.empty());
    EXPECT_FALSE(doc.m_bDataChanged);
    // The delay lines start at one fifth of the record as it was before the reset.
    EXPECT_EQ(doc.m_nDelayRefSample, 200);
    EXPECT_EQ(doc.m_nDelaySample, 200);
    EXPECT_EQ(doc.Header().m_nSampleCount, 1024);
    EXPECT_EQ(doc.Header().m_strPathName, "");
    EXPECT_EQ(doc.Traces().TraceCount(), 0);
}

} // namespace
} // namespace kvt
