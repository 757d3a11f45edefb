// The editing tools (the area-edit line and the trace selection, the operation commands, the
// trigger-delay and shot-time corrections), the undo history, the one-trace clipboard and the
// single-trace point files.
#include "FileBytes.h"
#include "LoadedRecord.h"
#include "RecordingHost.h"
#include "TempDir.h"
#include "document/DelayArithmetic.h"
#include "document/Messages.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <limits>
#include <string>
#include <utility>
#include <vector>

namespace kvt::test {
namespace {

using Samples = std::vector<int32_t>;

// Sample j of trace i before any edit.
int32_t Original(int32_t trace, int32_t sample) {
    return 1000 * (trace + 1) + sample;
}

struct TestRecord {
    RecordingHost host;
    CKVTDoc doc{host};

    explicit TestRecord(int32_t traces = 4, int32_t samples = 8, float interval = 250.0f) {
        LoadRecord(doc, traces, samples, interval, Original, "/records/a.srw");
        host.Clear();
    }
    // Traces given sample by sample, all of one length.
    explicit TestRecord(const std::vector<Samples>& traces) {
        LoadRecord(
            doc, static_cast<int32_t>(traces.size()), static_cast<int32_t>(traces[0].size()), 250.0f,
            [&](int32_t t, int32_t i) { return traces[static_cast<size_t>(t)][static_cast<size_t>(i)]; });
        host.Clear();
    }

    // The multi-trace mode with these traces selected, in this order.
    void SelectTraces(std::initializer_list<int32_t> traces) {
        doc.SetSelectMode(SelectMode::MultiTrace);
        for (const int32_t t : traces) {
            doc.AddSelTrace(t);
        }
    }
    // Picks of the area-edit line as (trace, sample).
    void Pick(std::initializer_list<std::pair<int32_t, int32_t>> points) {
        for (const auto& [trace, sample] : points) {
            doc.AddAreaPoint(trace, sample, 0, 0);
        }
    }

    Samples Trace(int32_t i) const {
        const int32_t* samples = doc.Traces().TraceAt(i);
        return {samples, samples + doc.Header().m_nSampleCount};
    }
    Samples OriginalTrace(int32_t i) const {
        Samples samples;
        for (int32_t j = 0; j < doc.Header().m_nSampleCount; ++j) {
            samples.push_back(Original(i, j));
        }
        return samples;
    }
    bool Untouched() const {
        for (int32_t i = 0; i < doc.Header().m_nTraceCount; ++i) {
            if (Trace(i) != OriginalTrace(i)) {
                return false;
            }
        }
        return true;
    }
};

constexpr int32_t kMin = std::numeric_limits<int32_t>::min();
constexpr int32_t kMax = std::numeric_limits<int32_t>::max();

// The line as "trace:sample" per point, picks marked with '*'.
std::string Line(const CKVTDoc& doc) {
    std::string line;
    for (const AreaPoint& p : doc.AreaPoints()) {
        line += (line.empty() ? "" : " ") + std::to_string(p.nTrace) + ":" + std::to_string(p.nSample) +
                (p.bPicked ? "*" : "");
    }
    return line;
}

TEST(AreaLine, GrowsTowardsEachNewPickOnATruncatedStaircase) {
    TestRecord r(24, 1024);
    EXPECT_TRUE(r.doc.AddAreaPoint(5, 300, 50, 60));
    EXPECT_TRUE(r.doc.AddAreaPoint(9, 340, 90, 70));
    EXPECT_EQ(Line(r.doc), "5:300* 6:310 7:320 8:330 9:340*");
    // Interpolated points carry the mouse position of the pick that made them.
    EXPECT_EQ(r.doc.AreaPoints()[1].nX, 90);
    EXPECT_EQ(r.doc.AreaPoints()[1].nY, 70);
    r.Pick({{2, 100}});
    EXPECT_EQ(Line(r.doc), "2:100* 3:166 4:232 5:300* 6:310 7:320 8:330 9:340*");

    // The truncated step falls short of the straight line and jumps at the pick.
    TestRecord stair(24, 1024);
    stair.Pick({{0, 100}, {4, 103}});
    EXPECT_EQ(Line(stair.doc), "0:100* 1:100 2:100 3:100 4:103*");
}

TEST(AreaLine, PickingATraceOnTheLineReinterpolatesItsSegments) {
    TestRecord r(24, 1024);
    r.Pick({{0, 0}, {8, 80}, {4, 0}});
    EXPECT_EQ(Line(r.doc), "0:0* 1:0 2:0 3:0 4:0* 5:20 6:40 7:60 8:80*");
    // Moving the first pick re-spaces the segment up to the next pick only; the last, back to the
    // previous pick.
    EXPECT_TRUE(r.doc.AddAreaPoint(0, 40, 0, 0));
    EXPECT_EQ(Line(r.doc), "0:40* 1:30 2:20 3:10 4:0* 5:20 6:40 7:60 8:80*");
    EXPECT_TRUE(r.doc.AddAreaPoint(8, 0, 0, 0));
    EXPECT_EQ(Line(r.doc), "0:40* 1:30 2:20 3:10 4:0* 5:0 6:0 7:0 8:0*");
}

TEST(AreaLine, RemovingPicksShortensOrReinterpolates) {
    TestRecord r(24, 1024);
    r.Pick({{5, 100}, {9, 140}, {12, 200}});
    EXPECT_FALSE(r.doc.RemoveAreaPoint(0, 7)); // interpolated, not picked
    EXPECT_FALSE(r.doc.RemoveAreaPoint(0, 3)); // not on the line
    EXPECT_TRUE(r.doc.RemoveAreaPoint(0, 5));
    EXPECT_EQ(Line(r.doc), "9:140* 10:160 11:180 12:200*");

    r.Pick({{5, 100}});
    EXPECT_TRUE(r.doc.RemoveAreaPoint(0, 9)); // an inner pick: 5 to 12 re-interpolated
    EXPECT_EQ(Line(r.doc), "5:100* 6:114 7:128 8:142 9:156 10:170 11:184 12:200*");
    EXPECT_TRUE(r.doc.RemoveAreaPoint(0, 12));
    EXPECT_EQ(Line(r.doc), "5:100*");
    EXPECT_TRUE(r.doc.RemoveAreaPoint(1024, 5));
    EXPECT_EQ(Line(r.doc), "");
}

TEST(Selection, TheAreaLineAndTheTraceListRefuseWhatLiesOutsideTheRecord) {
    TestRecord r(4, 100);
    for (const auto& [trace, sample] : {std::pair{-1, 0}, {4, 0}, {0, -1}, {0, 101}, {0, kMax}}) {
        EXPECT_FALSE(r.doc.AddAreaPoint(trace, sample, 0, 0)) << trace << " " << sample;
    }
    EXPECT_TRUE(r.doc.AddAreaPoint(3, 100, 0, 0)); // the sample count itself is accepted
    EXPECT_FALSE(r.doc.RemoveAreaPoint(101, 3));
    EXPECT_FALSE(r.doc.RemoveAreaPoint(0, 4));
    EXPECT_EQ(Line(r.doc), "3:100*");

    // Each trace once, in the order of selection.
    r.SelectTraces({3, 3, 0, 2, 4, -1});
    EXPECT_EQ(r.doc.SelTraces(), (std::vector<int32_t>{3, 0, 2}));
    EXPECT_FALSE(r.doc.RemoveSelTrace(1));
    EXPECT_TRUE(r.doc.RemoveSelTrace(0));
    EXPECT_EQ(r.doc.SelTraces(), (std::vector<int32_t>{3, 2}));
}

using Operation = void (CKVTDoc::*)();
const Operation kEveryOperation[] = {&CKVTDoc::OperateAmplify, &CKVTDoc::OperateAttenuate,
                                     &CKVTDoc::OperateCut, &CKVTDoc::OperatePolarity};

TEST(Operations, EachSavesOneSnapshotWhenSomethingIsSelectedAndTouchesNothingOutsideTheRecord) {
    for (const Operation op : kEveryOperation) {
        // Nothing selected, in any mode: no snapshot, yet the record is marked.
        for (const SelectMode mode :
             {SelectMode::Above, SelectMode::Below, SelectMode::SingleTrace, SelectMode::MultiTrace}) {
            TestRecord r;
            r.doc.SetSelectMode(mode);
            (r.doc.*op)();
            EXPECT_FALSE(r.doc.CanUndo());
            EXPECT_TRUE(r.doc.IsDataChanged());
            EXPECT_TRUE(r.Untouched());
        }
        TestRecord r(4, 16);
        r.Pick({{0, 12}, {3, 9}});
        (r.doc.*op)();
        r.doc.Undo();
        EXPECT_FALSE(r.doc.CanUndo());
        EXPECT_TRUE(r.Untouched());
        EXPECT_EQ(r.doc.AreaPoints().size(), 4u) << "the line survives the command and its undo";

        // A selected trace the record does not hold, and a line picked before the record was
        // shortened: below it there is nothing.
        r.doc.SetSelectMode(SelectMode::SingleTrace);
        r.doc.SetSelTrace(4);
        (r.doc.*op)();
        EXPECT_FALSE(r.doc.CanUndo());
        r.doc.ResampleRecord(8, 250.0f);
        r.doc.SetSelectMode(SelectMode::Below);
        (r.doc.*op)();
        EXPECT_TRUE(r.Untouched());
    }
}

TEST(Operations, AmplifyDoublesEachRegionUnlessItsOwnPeakIsTooLargeAndAttenuateHalves) {
    TestRecord r({{-1, 2, 100000001, 4, 5, 6, 7, 8}, {1, 2, 100000000, 4, 5, 6, 7, 8}});
    r.Pick({{0, 3}, {1, 3}});
    r.doc.OperateAmplify(); // above the line: trace 0's region holds a peak beyond 10^8
    EXPECT_EQ(r.Trace(0), (Samples{-1, 2, 100000001, 4, 5, 6, 7, 8}));
    EXPECT_EQ(r.Trace(1), (Samples{2, 4, 200000000, 4, 5, 6, 7, 8}));
    r.doc.SetSelectMode(SelectMode::Below);
    r.doc.OperateAmplify();
    EXPECT_EQ(r.Trace(0), (Samples{-1, 2, 100000001, 8, 10, 12, 14, 16}));
    r.doc.SetSelectMode(SelectMode::Above);
    r.doc.OperateAttenuate();
    EXPECT_EQ(r.Trace(0), (Samples{0, 1, 50000000, 8, 10, 12, 14, 16})) << "halved towards zero";
}

TEST(Operations, PolarityNegatesTheRegions) {
    TestRecord r({{1, -2, 3, -4}, {5, 6, kMin, 8}});
    r.Pick({{0, 0}, {1, 3}}); // above sample 0: nothing
    r.doc.OperatePolarity();
    EXPECT_EQ(r.Trace(0), (Samples{1, -2, 3, -4}));
    EXPECT_EQ(r.Trace(1), (Samples{-5, -6, kMax, 8})) << "-INT32_MIN stops at INT32_MAX";
}

TEST(Operations, CutTapersTheHalfCycleAtTheLineAndMutesBeyondIt) {
    // A half-cycle from 40 to 60 peaking at 50, negative neighbours, 100 samples.
    Samples halfCycle(100);
    for (int32_t j = 0; j < 100; ++j) {
        halfCycle[static_cast<size_t>(j)] = (j >= 40 && j <= 60) ? 100 - 4 * std::abs(j - 50) : -(j + 1);
    }
    const auto tapered = [&](size_t j) { return j == 50 ? halfCycle[j] / 4 : halfCycle[j] / 2; };

    TestRecord above({halfCycle, halfCycle});
    above.Pick({{0, 50}, {1, 100}}); // at the sample count: the whole trace
    above.doc.OperateCut();
    for (size_t j = 0; j < 100; ++j) {
        EXPECT_EQ(above.Trace(0)[j], j < 39 ? 0 : (j >= 40 && j <= 60) ? tapered(j) : halfCycle[j]) << j;
    }
    EXPECT_EQ(above.Trace(1), Samples(100, 0));

    TestRecord below({halfCycle, halfCycle, halfCycle});
    below.doc.SetSelectMode(SelectMode::Below);
    below.Pick({{0, 50}, {1, 0}, {2, 100}}); // the whole trace 1, nothing of trace 2
    below.doc.OperateCut();
    for (size_t j = 0; j < 100; ++j) {
        EXPECT_EQ(below.Trace(0)[j], j > 60 ? 0 : j >= 40 ? tapered(j) : halfCycle[j]) << j;
    }
    EXPECT_EQ(below.Trace(1), Samples(100, 0));
    EXPECT_EQ(below.Trace(2), halfCycle);
}

TEST(Operations, SwapMirrorsTheSortedSelection) {
    TestRecord r(10, 8);
    r.SelectTraces({9, 2, 5});
    r.doc.OperateSwap();
    EXPECT_EQ(r.doc.SelTraces(), (std::vector<int32_t>{2, 5, 9}));
    EXPECT_EQ(r.Trace(2), r.OriginalTrace(9));
    EXPECT_EQ(r.Trace(9), r.OriginalTrace(2));
    EXPECT_EQ(r.Trace(5), r.OriginalTrace(5));
    r.SelectTraces({0});
    r.doc.OperateSwap(); // 0 2 5 9: 0 with 9, 2 with 5
    EXPECT_EQ(r.Trace(0), r.OriginalTrace(2));
    EXPECT_EQ(r.Trace(2), r.OriginalTrace(5));
}

TEST(DelayCorrection, MovesEveryTraceAndEmptiesThemWhenTheShiftPassesTheEnd) {
    TestRecord r(3, 40);
    r.doc.SetDelaySample(20);
    EXPECT_TRUE(r.doc.ApplyDelayCorrection(DelayShiftSamples(ParseDelay("2.5"), 250.0f)));
    for (int32_t i = 0; i < 3; ++i) {
        EXPECT_EQ(r.Trace(i)[9], 0);
        EXPECT_EQ(r.Trace(i)[10], Original(i, 0));
        EXPECT_EQ(r.Trace(i)[39], Original(i, 29));
    }
    r.doc.ResetDelayLines();
    EXPECT_EQ(r.doc.DelayRefSample(), 8);
    EXPECT_EQ(r.doc.DelaySample(), 8);
    r.doc.Undo();
    EXPECT_TRUE(r.Untouched());

    r.doc.ApplyDelayCorrection(-35);
    EXPECT_EQ(r.Trace(1)[4], Original(1, 39));
    EXPECT_EQ(r.Trace(1)[5], 0);
    for (const int32_t shift : {40, -40, kMax, kMin}) {
        r.doc.Undo();
        r.doc.ApplyDelayCorrection(shift);
        EXPECT_EQ(r.Trace(0), Samples(40, 0)) << shift;
    }

    // The palette's arithmetic: no undefined conversion for a zero interval or an absurd delay.
    EXPECT_EQ(FormatDelay(DelayMilliseconds(10.0f, 154, 204)), "-0.500");
    EXPECT_EQ(DelayShiftSamples(ParseDelay(" -2.6ms"), 250.0f), -10);
    EXPECT_EQ(DelayShiftSamples(ParseDelay("-0.1"), 250.0f), 0); // -0.4 samples truncate to 0
    EXPECT_EQ(DelayShiftSamples(1.0f, 0.0f), 0);
    EXPECT_EQ(DelayShiftSamples(1e30f, 10.0f), kMax);
    EXPECT_EQ(FormatDelay(DelayMilliseconds(10.0f, kMax, kMin)), "42949672.000");
}

TEST(ShotTimeShift, MovesTheDraggedTraceOnly) {
    TestRecord r(8, 400);
    r.doc.BeginShotTimeShift(7, 300);
    r.doc.SetShiftSample(280);
    r.doc.ApplyShotTimeShift();
    EXPECT_EQ(r.Trace(7)[0], Original(7, 20));
    EXPECT_EQ(r.Trace(7)[380], 0);
    EXPECT_EQ(r.Trace(6), r.OriginalTrace(6));
    r.doc.Undo();
    EXPECT_TRUE(r.Untouched());

    // A release far outside the trace empties it; the distance does not overflow.
    r.doc.BeginShotTimeShift(7, kMin);
    r.doc.SetShiftSample(kMax);
    r.doc.ApplyShotTimeShift();
    EXPECT_EQ(r.Trace(7), Samples(400, 0));

    TestRecord outside(8, 16);
    for (const int32_t trace : {-1, 8, kMax}) {
        outside.doc.BeginShotTimeShift(trace, 0);
        outside.doc.SetShiftSample(3);
        outside.doc.ApplyShotTimeShift();
    }
    EXPECT_FALSE(outside.doc.CanUndo() || outside.doc.IsDataChanged());
}

// A record whose edits are one-sample delay corrections, so the samples tell how many edits they hold.
struct EditedRecord : TestRecord {
    EditedRecord() : TestRecord(2, 64) {}
    void Edit() { doc.ApplyDelayCorrection(1); }
    int32_t Edits() const { return Original(0, 63) - Trace(0)[63]; }
};

TEST(History, UndoAndRedoRestoreTheSamplesAndANewEditDiscardsTheRedoStates) {
    EditedRecord r;
    const int32_t peak = r.doc.Record().m_nMaxAbs;
    r.Edit();
    r.Edit();
    r.doc.SetDataChanged(false);
    r.doc.Undo();
    EXPECT_EQ(r.Edits(), 1);
    EXPECT_TRUE(r.doc.CanUndo() && r.doc.CanRedo());
    EXPECT_TRUE(r.doc.IsDataChanged());
    r.doc.Undo();
    r.doc.Undo(); // nothing left to undo
    EXPECT_EQ(r.Edits(), 0);
    EXPECT_FALSE(r.doc.CanUndo());
    r.doc.Redo();
    r.doc.Redo();
    r.doc.Redo(); // nothing left to redo
    EXPECT_EQ(r.Edits(), 2);
    EXPECT_EQ(r.Trace(1)[2], Original(1, 0)) << "every trace is restored";
    EXPECT_EQ(r.doc.Record().m_nMaxAbs, peak) << "the display's scale stays that of the file as opened";

    r.doc.Undo();
    r.Edit();
    EXPECT_FALSE(r.doc.CanRedo());
    r.doc.Undo();
    r.doc.Undo();
    EXPECT_EQ(r.Edits(), 0);
    EXPECT_FALSE(r.doc.CanUndo());
}

TEST(History, KeepsTheLastTwentyStates) {
    EditedRecord r;
    for (int32_t i = 0; i < 25; ++i) {
        r.Edit();
    }
    // The first undo saves the current state and drops the oldest: nineteen undos remain possible.
    int32_t undos = 0;
    for (; r.doc.CanUndo(); ++undos) {
        r.doc.Undo();
    }
    EXPECT_EQ(undos, 19);
    EXPECT_EQ(r.Edits(), 6);
    while (r.doc.CanRedo()) {
        r.doc.Redo();
    }
    EXPECT_EQ(r.Edits(), 25);

    EditedRecord full;
    for (int32_t i = 0; i < CKVTDoc::kHistoryLimit; ++i) {
        full.Edit();
    }
    full.doc.Undo();
    EXPECT_EQ(full.Edits(), 19);
}

TEST(History, EditsOfSingleTracesUndoAndRedoOneStateAtATime) {
    // Edits of different traces and of one trace twice: stepping back and forth restores every state
    // whole, the traces an edit did not touch included.
    TestRecord r;
    r.doc.SetEditTool(EditTool::Operation);
    r.doc.SetSelectMode(SelectMode::SingleTrace);
    auto all = [&r] { return std::vector<Samples>{r.Trace(0), r.Trace(1), r.Trace(2), r.Trace(3)}; };
    std::vector<std::vector<Samples>> states = {all()};
    for (const int32_t trace : {2, 0, 2, 3}) {
        r.doc.SetSelTrace(trace);
        r.doc.OperateAmplify();
        states.push_back(all());
    }
    for (size_t k = states.size() - 1; k-- > 0;) {
        r.doc.Undo();
        EXPECT_EQ(all(), states[k]) << "undone to state " << k;
    }
    EXPECT_FALSE(r.doc.CanUndo());
    for (size_t k = 1; k < states.size(); ++k) {
        r.doc.Redo();
        EXPECT_EQ(all(), states[k]) << "redone to state " << k;
    }
    EXPECT_FALSE(r.doc.CanRedo());
}

const Message kIntervalDiffers{"采样间隔不同，无法加载", "Error", MessageIcon::Error, ""};
const Message kLengthDiffers{"采样长度不同，无法加载", "Error", MessageIcon::Error, ""};

// A record in the operation tool's single-trace mode whose clipboard lives in a test folder.
struct ClipboardRecord : TestRecord {
    explicit ClipboardRecord(const TempDir& dir, int32_t samples = 8, float interval = 250.0f)
        : TestRecord(4, samples, interval) {
        doc.SetClipboardFolder(dir.Path());
        doc.SetEditTool(EditTool::Operation);
        doc.SetSelectMode(SelectMode::SingleTrace);
    }
};

TEST(Clipboard, CopyThenPasteReplacesOnlyTheSelectedTraceAndCanBeUndone) {
    EXPECT_EQ(CKVTDoc().ClipboardPath(), std::filesystem::temp_directory_path() / "DLQKVT_COPY_DATA.POINT");
    TempDir dir;
    ClipboardRecord r(dir);
    r.doc.SetSelTrace(1);
    EXPECT_FALSE(r.doc.PasteTrace()) << "nothing copied yet: the paste fails without a word";
    r.doc.CopyTrace();
    EXPECT_EQ(r.doc.CopiedTrace(), 1);
    EXPECT_FALSE(r.doc.CanUndo() || r.doc.IsDataChanged());
    EXPECT_TRUE(std::filesystem::exists(dir.File("DLQKVT_COPY_DATA.POINT")));

    r.doc.SetSelTrace(3);
    EXPECT_TRUE(r.doc.PasteTrace());
    EXPECT_EQ(r.Trace(3), r.OriginalTrace(1));
    EXPECT_EQ(r.Trace(2), r.OriginalTrace(2));
    EXPECT_TRUE(r.doc.IsDataChanged());
    EXPECT_TRUE(r.host.messages.empty());
    r.doc.Undo();
    EXPECT_TRUE(r.Untouched());
    r.doc.SetEditTool(EditTool::DelayCorrection);
    EXPECT_FALSE(r.doc.PasteTrace()) << "only the area-edit and operation tools paste";
}

TEST(Clipboard, RefusesARecordOfAnotherIntervalOrLength) {
    TempDir dir;
    ClipboardRecord source(dir, 8, 125.0000076f);
    source.doc.SetSelTrace(0);
    source.doc.CopyTrace();

    // Exact comparison of the interval: 125.0000076 us is not 125 us.
    ClipboardRecord exact(dir, 8, 125.0f);
    ClipboardRecord longer(dir, 16, 125.0000076f);
    for (auto [r, refusal] : {std::pair{&exact, kIntervalDiffers}, {&longer, kLengthDiffers}}) {
        r->doc.SetSelTrace(0);
        EXPECT_FALSE(r->doc.PasteTrace());
        EXPECT_EQ(r->host.messages, std::vector<Message>{refusal});
        EXPECT_TRUE(r->Untouched());
        EXPECT_FALSE(r->doc.CanUndo() || r->doc.IsDataChanged());
    }
}

TEST(PointFileTrace, FileErrorsAreReportedOnlyWhenAskedAndTracesNotHeldAreRefused) {
    TempDir dir;
    TestRecord r;
    r.doc.SetSelTrace(0);
    for (const bool report : {false, true}) {
        EXPECT_FALSE(r.doc.LoadTraceFromPoint(dir.File("missing.point"), report));
        EXPECT_FALSE(r.doc.SaveTraceToPoint(dir.File("no/such/folder/t.point"), report));
    }
    EXPECT_EQ(r.host.messages,
              (std::vector<Message>{OpenFailedMessage(ReadError::CannotOpen), SaveFailedMessage()}));
    EXPECT_EQ(r.host.messages[0].detail, "文件不存在或无法读取");

    ASSERT_TRUE(r.doc.SaveTraceToPoint(dir.File("t.point"), true));
    for (const int32_t trace : {-1, 4, 1000}) {
        r.doc.SetSelTrace(trace);
        EXPECT_FALSE(r.doc.LoadTraceFromPoint(dir.File("t.point"), true)) << trace;
        EXPECT_FALSE(r.doc.SaveTraceToPoint(dir.File("u.point"), true)) << trace;
    }
    EXPECT_FALSE(std::filesystem::exists(dir.File("u.point")));
    EXPECT_TRUE(r.Untouched());
    EXPECT_FALSE(r.doc.CanUndo());
    EXPECT_EQ(r.host.messages.size(), 2u);
}

} // namespace
} // namespace kvt::test
