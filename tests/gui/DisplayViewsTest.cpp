// The trace display widget, the main view that stretches and scrolls it, and the settings dialog.
#include "SectionRecords.h"
#include "gui/dialogs/CWaveViewSetDlg.h"
#include "gui/views/CMainFormView.h"

#include <QComboBox>
#include <QGroupBox>
#include <QPaintEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QSlider>
#include <QtTest>

namespace kvt {

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

class DisplayViewsTest : public QObject {
    Q_OBJECT

private:
    // A main view whose client area is exactly width x height pixels, shown.
    static void Show(CMainFormView& view, int width = 400, int height = 300) {
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        const QSize frame = view.size() - view.viewport()->size();
        view.resize(width + frame.width(), height + frame.height());
        QCoreApplication::processEvents();
        QCOMPARE(view.viewport()->size(), QSize(width, height));
    }

private slots:
    void stretchSizesTheDisplayScrollsItByTheExcessAndBuffersOnlyTheVisiblePart() {
        CKVTDoc doc;
        test::LoadTraces(doc, test::ZeroTraces(24, 2048));
        CMainFormView view(doc);
        Show(view, 800, 600);
        view.RunCommand(DisplayCommand::StretchH);
        view.RunCommand(DisplayCommand::StretchH);
        QCOMPARE(view.TraceView().size(), QSize(2400, 600));
        QScrollBar& bar = *view.horizontalScrollBar();
        QCOMPARE(bar.maximum(), 1601); // one pixel more than the display, so there is always a bar
        bar.setValue(bar.maximum());
        QCOMPARE(view.TraceView().pos(), QPoint(-1600, 0));
        bar.setValue(800);
        QCOMPARE(view.ScrollX(), 800 * 2 * 800 / 1601);
        // Any resize puts both positions back at 0.
        view.resize(view.size() + QSize(10, 10));
        QCoreApplication::processEvents();
        QCOMPARE(bar.value(), 0);
        QCOMPARE(view.TraceView().geometry(), QRect(0, 0, 810 * 3, 610));

        // Five times the window each way: the buffer holds the visible part and follows it.
        for (int i = 0; i < 4; ++i) {
            view.RunCommand(DisplayCommand::StretchH);
            view.RunCommand(DisplayCommand::StretchV);
        }
        bar.setValue(bar.maximum());
        view.verticalScrollBar()->setValue(view.verticalScrollBar()->maximum());
        view.TraceView().repaint();
        QCOMPARE(view.TraceView().BackBufferArea(), QRect(810 * 4, 610 * 4, 810, 610));
        const PixelRect plot = view.TraceView().Layout().m_rcPlot;
        QCOMPARE(plot.right, 810 * 5 - plot.left / 5);
    }

    void aMovedLineRepaintsOnlyItsStripsAndTheOutputHasNoOverlaysAndItsOwnLayout() {
        CKVTDoc doc;
        test::LoadTraces(doc, {{0, 300, -300, 0, 100, 0, 0, 0}, {0, 0, 50, 0, 0, -200, 0, 0}});
        CMainFormView view(doc);
        Show(view);
        doc.SetEditTool(EditTool::DelayCorrection);
        doc.ResetDelayLines(); // both at sample 1
        CBaseView& trace = view.TraceView();
        trace.Repaint();
        const CTraceRenderer lines(doc, trace.Layout());
        const PixelRect plot = trace.Layout().m_rcPlot;
        PaintedRegion painted;
        trace.installEventFilter(&painted);
        doc.SetDelaySample(6);
        trace.MoveDelayLine(1); // two-pixel lines: the row above each y and its own repainted
        QCOMPARE(painted.region, QRegion(plot.left, lines.LineY(1) - 1, plot.Width(), 2) +
                                     QRect(plot.left, lines.LineY(6) - 1, plot.Width(), 2));
        for (int32_t next : {3, 2, 1, 7}) {
            const int32_t previous = doc.DelaySample();
            doc.SetDelaySample(next);
            trace.MoveDelayLine(previous);
        }
        const QImage moved = trace.BackBuffer().copy();
        trace.Repaint();
        QCOMPARE(moved, trace.BackBuffer());

        // Neither the lines, a selection nor a trace dragged on screen shows in the output picture,
        // which has a layout of its own.
        const PixelRect screenPlot = trace.Layout().m_rcPlot;
        const QImage plain = view.RenderToImage(640, 480).copy();
        QCOMPARE(trace.Layout().m_rcPlot, screenPlot);
        QCOMPARE(view.OutputLayout().m_rcPlot.bottom, 480 - view.OutputLayout().m_rcPlot.left / 5);
        doc.SetEditTool(EditTool::Operation);
        doc.SetSelectMode(SelectMode::SingleTrace);
        doc.SetSelTrace(0);
        QCOMPARE(view.RenderToImage(640, 480), plain);
        doc.SetEditTool(EditTool::ShotTime);
        doc.BeginShotTimeShift(0, 0);
        doc.SetShiftSample(4);
        trace.Layout().m_bDragging = true;
        QCOMPARE(view.RenderToImage(640, 480), plain);
        QVERIFY(view.RenderToImage(0, 10).isNull());
    }

    void theSettingsDialogAppliesTheRangeAtOnceAndTheGainOnApplyOrOk() {
        CKVTDoc doc;
        doc.SetDisplay({.m_nGainDb = -9});
        int repaints = 0;
        CWaveViewSetDlg dialog(doc, [&repaints] { ++repaints; });
        auto* range = dialog.findChild<QComboBox*>("id1037");
        auto* slider = dialog.findChild<QSlider*>("id1038");
        auto* group = dialog.findChild<QGroupBox*>("id1041");
        QVERIFY(range && slider && group);
        // The caption follows the slider; the gain waits for 应用, the range does not.
        slider->setValue(12);
        QCOMPARE(group->title(), QStringLiteral("显示增益(12dB)"));
        range->setCurrentIndex(3);
        QCOMPARE(doc.Display(), (DisplaySettings{.m_nGainDb = -9, .m_nAmpRange = 4}));
        dialog.findChild<QPushButton*>("id3")->click();
        QCOMPARE(doc.Display().m_nGainDb, 12);
        QCOMPARE(repaints, 2);
        // 关闭 drops a gain that was not applied.
        slider->setValue(30);
        dialog.findChild<QPushButton*>("id2")->click();
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(doc.Display(), (DisplaySettings{.m_nGainDb = 12, .m_nAmpRange = 4}));
        // A new dialog starts from the document; 确定, the default button, applies the gain.
        CWaveViewSetDlg again(doc, [] {});
        QCOMPARE(again.findChild<QSlider*>("id1038")->value(), 12);
        again.findChild<QSlider*>("id1038")->setValue(-60);
        auto* ok = again.findChild<QPushButton*>("id1");
        QVERIFY(ok->isDefault());
        ok->click();
        QCOMPARE(doc.Display().m_nGainDb, -60);
    }
};

} // namespace kvt

QTEST_MAIN(kvt::DisplayViewsTest)
#include "DisplayViewsTest.moc"
