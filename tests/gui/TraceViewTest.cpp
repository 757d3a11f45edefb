// The trace display and the main view around it: stretching and scrolling, the readout, selecting
// with the edit tools, dragging the delay and shot-time lines, which change reports render the section
// again, and the output picture.
#include "GuiTestSupport.h"
#include "gui/views/CMainFormView.h"

#include <QPaintEvent>
#include <QScrollBar>

namespace kvt {

namespace {

// Every sample tells its trace and index; the sign flips every 50 samples so the traces swing.
int32_t Value(int32_t trace, int32_t sample) {
    return ((sample / 50) % 2 == 0 ? 1 : -1) * ((trace + 1) * 10000 + sample);
}

// Collects what a widget is asked to paint.
struct PaintedRegion : QObject {
    QRegion region;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            region += static_cast<QPaintEvent*>(event)->region();
        }
        return false;
    }
};

// Eight traces of Value samples, 10 µs apart, on a shown main view of 800 x 700 client pixels.
struct Section {
    test::ForwardingHost host;
    CKVTDoc doc{host};
    CMainFormView view{doc};
    CBaseView& trace = view.TraceView();
    QString readout;

    explicit Section(int32_t samples = 500) {
        host.forward = [this](ChangeSet changes) { trace.DocumentChanged(changes); };
        QObject::connect(&trace, &CBaseView::ReadoutChanged, [this](const QString& text) { readout = text; });
        test::LoadRecord(doc, 8, samples, 10.0f, Value);
        test::ShowWithClient(view, {800, 700});
    }
    const PixelRect& Cell(int32_t index) const { return trace.Layout().m_arrTraceRects.at(size_t(index)); }
    const PixelRect& Plot() const { return trace.Layout().m_rcPlot; }
    // The centre of a cell on the first row that reads `sample` (rows count from 40).
    QPoint At(int32_t index, int32_t sample) const {
        const PixelRect& c = Cell(index);
        const int64_t count = doc.Header().m_nSampleCount;
        return {c.left + c.Width() / 2, int(40 + (sample * int64_t{c.Height()} + count - 1) / count)};
    }
    // A column of the plot between two cells.
    int32_t GapColumn() const {
        int32_t x = Plot().left;
        for (int32_t sample = 0; trace.HitTest(QPoint(x, Plot().top), sample) >= 0;) {
            ++x;
        }
        return x;
    }
    QRgb Pixel(QPoint point) const {
        return trace.BackBuffer().pixel(point - trace.BackBufferArea().topLeft());
    }
    // What the back buffer holds now equals what a full render draws.
    bool MatchesFullRender() {
        const QImage shown = trace.BackBuffer().copy();
        trace.Repaint();
        return shown == trace.BackBuffer();
    }
};

} // namespace

class TraceViewTest : public QObject {
    Q_OBJECT

private slots:
    void stretchSizesTheDisplayScrollsItByTheExcessAndBuffersOnlyTheVisiblePart() {
        Section s;
        s.view.RunCommand(DisplayCommand::StretchH);
        s.view.RunCommand(DisplayCommand::StretchH);
        QCOMPARE(s.trace.size(), QSize(2400, 700));
        QScrollBar& bar = *s.view.horizontalScrollBar();
        bar.setValue(bar.maximum());
        QCOMPARE(s.trace.pos(), QPoint(-1600, 0));
        // Five times the window each way: the buffer holds the visible part and follows it.
        for (int i = 0; i < 4; ++i) {
            s.view.RunCommand(DisplayCommand::StretchH);
            s.view.RunCommand(DisplayCommand::StretchV);
        }
        bar.setValue(bar.maximum());
        s.view.verticalScrollBar()->setValue(s.view.verticalScrollBar()->maximum());
        s.trace.repaint();
        QCOMPARE(s.trace.BackBufferArea(), QRect(800 * 4, 700 * 4, 800, 700));
    }

    void theReadoutShowsChannelTimeAndValueOfTheClampedSample() {
        enum class Where { Sample250, TopRow, BottomRow };
        const struct {
            int32_t samples, index;
            Where where;
            const char* expected;
        } rows[] = {
            {500, 3, Where::Sample250, "通道:4   时间:2.50ms   数值:-40250"},
            {500, 0, Where::TopRow, "通道:1   时间:0.00ms   数值:10000"}, // above row 40: clamped
            {80, 7, Where::BottomRow, "通道:8   时间:0.79ms   数值:-80079"},
        };
        for (const auto& row : rows) {
            Section s(row.samples);
            const PixelRect& cell = s.Cell(row.index);
            const QPoint middle = s.At(row.index, 250);
            const QPoint point(middle.x(), row.where == Where::TopRow      ? cell.top
                                           : row.where == Where::BottomRow ? cell.bottom - 1
                                                                           : middle.y());
            QTest::mouseMove(&s.trace, point);
            QCOMPARE(s.readout, QString::fromUtf8(row.expected));
            // Above the plot and between cells the readout keeps its last value.
            s.readout.clear();
            QTest::mouseMove(&s.trace, QPoint(cell.left, s.Plot().top - 1));
            QTest::mouseMove(&s.trace, QPoint(s.GapColumn(), cell.top + 10));
            QVERIFY(s.readout.isEmpty());
        }
    }

    void clicksSelectByTheSelectMode() {
        // Clicks at sample 100 of the traces named: "S" holds Shift, "R" is the right button.
        const struct {
            EditTool tool;
            SelectMode mode;
            const char* clicks;
            std::vector<int32_t> selected;
            int32_t anchor, single;
        } rows[] = {
            {EditTool::Operation, SelectMode::MultiTrace, "5 2", {5, 2}, 2, -1},
            {EditTool::AreaEdit, SelectMode::MultiTrace, "2 5 2", {2, 5}, 5, -1}, // already selected
            {EditTool::AreaEdit, SelectMode::MultiTrace, "S3", {0, 1, 2, 3}, 0, -1},
            {EditTool::Operation, SelectMode::MultiTrace, "5 S3", {5, 3, 4}, 5, -1},
            {EditTool::AreaEdit, SelectMode::MultiTrace, "2 5 R2", {5}, 5, -1},
            {EditTool::Operation, SelectMode::SingleTrace, "4 6 R6", {}, 0, 6},
            {EditTool::None, SelectMode::MultiTrace, "2", {}, 0, -1},
        };
        for (const auto& row : rows) {
            Section s;
            s.doc.SetEditTool(row.tool);
            s.doc.SetSelectMode(row.mode);
            for (const QString& click : QString::fromLatin1(row.clicks).split(' ')) {
                QTest::mouseClick(&s.trace, click.startsWith('R') ? Qt::RightButton : Qt::LeftButton,
                                  click.startsWith('S') ? Qt::ShiftModifier : Qt::NoModifier,
                                  s.At(click.right(1).toInt(), 100));
            }
            QVERIFY2(s.doc.SelTraces() == row.selected, row.clicks);
            QVERIFY2(s.doc.AnchorTrace() == row.anchor && s.doc.SelTrace() == row.single, row.clicks);
            // The red marks show at once, without waiting for the event loop.
            for (int32_t t = 0; t < 8; ++t) {
                const bool marked = std::ranges::find(row.selected, t) != row.selected.end();
                QVERIFY2((s.Pixel(s.At(t, 250)) == qRgb(255, 0, 0)) == marked, row.clicks);
            }
        }
    }

    void rightClickRemovesAPickedAreaPointButNotAnInterpolatedOne() {
        Section s;
        s.doc.SetEditTool(EditTool::AreaEdit);
        s.doc.SetSelectMode(SelectMode::Below);
        QTest::mouseClick(&s.trace, Qt::LeftButton, {}, s.At(1, 100));
        QTest::mouseClick(&s.trace, Qt::LeftButton, {}, s.At(5, 300));
        QCOMPARE(s.doc.AreaPoints().size(), size_t{5}); // traces 2 to 4 interpolated
        QTest::mouseClick(&s.trace, Qt::RightButton, {}, s.At(3, 200));
        QCOMPARE(s.doc.AreaPoints().size(), size_t{5});
        QTest::mouseClick(&s.trace, Qt::RightButton, {}, s.At(5, 40));
        QCOMPARE(s.doc.AreaPoints().size(), size_t{1});
        QCOMPARE(s.doc.AreaPoints()[0].nTrace, 1);
    }

    void aDelayDragRepaintsOnlyTheLineStripsAndTheReleaseSetsTheRawSample() {
        Section s;
        s.doc.SetEditTool(EditTool::DelayCorrection);
        s.doc.ResetDelayLines();
        s.trace.Repaint();
        const PixelRect& plot = s.Plot();
        const CTraceRenderer lines(s.doc, s.trace.Layout());
        QRegion strips;
        for (int32_t sample : {100, 300, 280, 281, 283}) {
            strips += QRect(plot.left, lines.LineY(sample) - 1, plot.Width(), 2);
        }
        QTest::mousePress(&s.trace, Qt::LeftButton, {}, s.At(2, 250));
        QCOMPARE(s.doc.DelaySample(), 100); // one fifth of the record; the press moves nothing
        PaintedRegion painted;
        s.trace.installEventFilter(&painted);
        // Lines a pixel apart overlap: the inverting draw must still leave what a full render draws.
        for (int32_t sample : {300, 280, 281, 283}) {
            QTest::mouseMove(&s.trace, s.At(6, sample));
        }
        QCoreApplication::processEvents();
        QCOMPARE(s.doc.DelaySample(), 283);
        QVERIFY(!painted.region.isEmpty());
        QVERIFY((painted.region - strips).isEmpty());
        QVERIFY(s.MatchesFullRender());
        // Not clamped: -1 outside the plot (outside the window too: the held button still sends the
        // release here), 0 between cells. Without a drag a move leaves the line where it is.
        const struct {
            QPoint point;
            int32_t delay;
        } releases[] = {{{plot.left + 10, plot.bottom + 3}, -1},
                        {{-30, -30}, -1},
                        {{s.GapColumn(), plot.top + 50}, 0},
                        {s.At(4, 123), 123}};
        for (const auto& release : releases) {
            QTest::mousePress(&s.trace, Qt::LeftButton, {}, s.At(2, 100));
            QTest::mouseRelease(&s.trace, Qt::LeftButton, {}, release.point);
            QTest::mouseMove(&s.trace, s.At(1, release.delay + 50));
            QCOMPARE(s.doc.DelaySample(), release.delay);
        }
    }

    void aShotTimeDragShowsTheTraceWhereItIsAndShiftsOnlyItsSamples() {
        Section s;
        s.doc.SetEditTool(EditTool::ShotTime);
        s.doc.SetDisplay({.m_nGainDb = 18}); // the dragged trace swings as far as the clip lets it
        const CTraceMatrix original = s.doc.Traces();
        QTest::mousePress(&s.trace, Qt::LeftButton, {}, s.At(2, 100));
        QTest::mouseMove(&s.trace, s.At(2, 180));
        QTest::mouseMove(&s.trace, s.At(5, 130)); // the row counts, not the trace under the mouse
        QVERIFY(s.MatchesFullRender());
        QTest::mouseRelease(&s.trace, Qt::LeftButton, {}, s.At(5, 130));
        CTraceMatrix expected = original;
        auto& moved = expected.m_arrTraces[2];
        std::shift_right(moved.begin(), moved.end(), 30);
        std::fill_n(moved.begin(), 30, 0);
        QVERIFY(s.doc.Traces() == expected);
    }

    void theSectionRendersAgainOnlyForChangesItShows() {
        Section s;
        const Change shown[] = {Change::Record, Change::Samples, Change::Selection, Change::Tool,
                                Change::Display};
        for (Change change :
             {Change::Record, Change::Samples, Change::Header, Change::Selection, Change::Tool,
              Change::Display, Change::Filter, Change::Margins, Change::Modified, Change::History}) {
            // The fill flips without a report; only the report below can bring it to the screen.
            const auto forward = std::exchange(s.host.forward, nullptr);
            const bool positive = s.doc.Display().m_nFillMode == FillMode::Positive;
            s.doc.SetDisplay({.m_nFillMode = positive ? FillMode::Negative : FillMode::Positive});
            s.host.forward = forward;
            const QImage before = s.trace.BackBuffer().copy();
            s.trace.DocumentChanged(change);
            QCoreApplication::processEvents();
            QVERIFY2((s.trace.BackBuffer() != before) ==
                         (std::ranges::find(shown, change) != std::end(shown)),
                     qPrintable(QString::number(uint32_t(change))));
            s.trace.Repaint();
        }
    }

    void theOutputPictureHasItsOwnLayoutAndNoneOfTheScreensOverlays() {
        Section s;
        const PixelRect screenPlot = s.Plot();
        const QImage plain = s.view.RenderToImage(640, 480).copy();
        QCOMPARE(s.Plot(), screenPlot);
        // Neither the delay lines, a selection nor a trace dragged on screen shows in the picture.
        s.doc.SetEditTool(EditTool::DelayCorrection);
        s.doc.ResetDelayLines();
        QCOMPARE(s.view.RenderToImage(640, 480), plain);
        s.doc.SetEditTool(EditTool::Operation);
        s.doc.SetSelectMode(SelectMode::SingleTrace);
        s.doc.SetSelTrace(0);
        QCOMPARE(s.view.RenderToImage(640, 480), plain);
        s.doc.SetEditTool(EditTool::ShotTime);
        s.doc.BeginShotTimeShift(0, 0);
        s.doc.SetShiftSample(40);
        s.trace.Layout().m_bDragging = true;
        QCOMPARE(s.view.RenderToImage(640, 480), plain);
        QVERIFY(s.view.RenderToImage(0, 10).isNull());
    }
};

} // namespace kvt

QTEST_MAIN(kvt::TraceViewTest)
#include "TraceViewTest.moc"
