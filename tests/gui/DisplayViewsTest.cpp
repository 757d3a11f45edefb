// The trace display widget, the main view that stretches and scrolls it, and the settings dialog.
#include "SectionRecords.h"
#include "TempDir.h"
#include "display/CMainFormView.h"
#include "display/CWaveViewSetDlg.h"
#include "display/PrintableRect.h"

#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QScrollBar>
#include <QSlider>
#include <QtTest>

namespace kvt {

class DisplayViewsTest : public QObject {
    Q_OBJECT

private:
    // A main view whose client area is exactly width x height pixels, shown.
    static void ShowWithClient(CMainFormView& view, int width, int height) {
        view.resize(width, height);
        view.show();
        QVERIFY(QTest::qWaitForWindowExposed(&view));
        const QSize frame = view.size() - view.viewport()->size();
        view.resize(width + frame.width(), height + frame.height());
        QCoreApplication::processEvents();
        QCOMPARE(view.viewport()->size(), QSize(width, height));
    }

    static bool OnlyBlackAndWhite(const QImage& image) {
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                const QRgb p = image.pixel(x, y);
                if (p != qRgb(0, 0, 0) && p != qRgb(255, 255, 255)) {
                    return false;
                }
            }
        }
        return true;
    }

private slots:
    void stretchSizesTheDisplayAndScrollingMovesItByTheStretchedExcess() {
        CKVTDoc doc;
        test::LoadTraces(doc, test::ZeroTraces(6, 1000));
        CMainFormView view(doc);
        ShowWithClient(view, 800, 600);
        QCOMPARE(view.TraceView().geometry(), QRect(0, 0, 800, 600));

        view.RunCommand(DisplayCommand::StretchH);
        view.RunCommand(DisplayCommand::StretchH);
        QCOMPARE(view.TraceView().size(), QSize(2400, 600));
        QScrollBar& bar = *view.horizontalScrollBar();
        QCOMPARE(bar.maximum(), 1601); // one pixel more than the display, so there is always a bar
        bar.setValue(bar.maximum());
        QCOMPARE(view.ScrollX(), 1600);
        QCOMPARE(view.TraceView().pos(), QPoint(-1600, 0));
        bar.setValue(800);
        QCOMPARE(view.ScrollX(), 800 * 2 * 800 / 1601);
        bar.setValue(bar.value() + bar.singleStep());
        QCOMPARE(view.ScrollX(), 800 * 2 * 801 / 1601);

        // Without vertical stretch the bar moves but the display stays.
        view.verticalScrollBar()->setValue(view.verticalScrollBar()->maximum());
        QCOMPARE(view.ScrollY(), 0);

        // Any resize puts both positions back at 0.
        bar.setValue(1000);
        view.resize(view.size() + QSize(10, 10));
        QCoreApplication::processEvents();
        QCOMPARE(view.ScrollX(), 0);
        QCOMPARE(bar.value(), 0);
        QCOMPARE(view.TraceView().pos(), QPoint(0, 0));
        QCOMPARE(view.TraceView().width(), 810 * 3);
    }

    void aFiveByFiveStretchKeepsOnlyTheVisiblePartInMemory() {
        CKVTDoc doc;
        test::LoadTraces(doc, test::ZeroTraces(24, 2048));
        CMainFormView view(doc);
        ShowWithClient(view, 1920, 1080);
        for (int i = 0; i < 4; ++i) {
            view.RunCommand(DisplayCommand::StretchH);
            view.RunCommand(DisplayCommand::StretchV);
        }
        view.TraceView().Repaint();
        QCOMPARE(view.TraceView().size(), QSize(9600, 5400));
        QVERIFY(view.TraceView().BackBuffer().width() <= 1920);
        QVERIFY(view.TraceView().BackBuffer().height() <= 1080);

        // Scrolled to the far corner, the buffer follows the visible part.
        view.horizontalScrollBar()->setValue(view.horizontalScrollBar()->maximum());
        view.verticalScrollBar()->setValue(view.verticalScrollBar()->maximum());
        view.TraceView().repaint();
        QCOMPARE(view.TraceView().BackBufferArea(), QRect(7680, 4320, 1920, 1080));
        QCOMPARE(view.TraceView().Layout().m_rcPlot.right,
                 9600 - (view.TraceView().Layout().m_rcPlot.left / 5));
    }

    void movingTheDelayLineLeavesThePictureAFullRenderWouldDraw() {
        CKVTDoc doc;
        test::LoadTraces(doc, {{0, 300, -300, 0, 100, 0, 0, 0}, {0, 0, 50, 0, 0, -200, 0, 0}});
        doc.m_nEditTool = 2;
        doc.m_nDelayRefSample = 1;
        doc.m_nDelaySample = 1;
        CMainFormView view(doc);
        ShowWithClient(view, 400, 300);
        CBaseView& trace = view.TraceView();
        trace.Repaint();
        for (int32_t next : {3, 6, 2, 1, 7}) {
            const int32_t previous = doc.m_nDelaySample;
            doc.m_nDelaySample = next;
            trace.MoveDelayLine(previous);
        }
        const QImage moved = trace.BackBuffer().copy();
        trace.Repaint();
        QCOMPARE(moved, trace.BackBuffer());
    }

    void aDraggedTraceIsRedrawnInItsStrip() {
        CKVTDoc doc;
        test::LoadTraces(doc, {{0, 300, -300, 0, 100, 0, 0, 0}, {0, 0, 50, 0, 0, -200, 0, 0}});
        doc.m_nEditTool = 4;
        CMainFormView view(doc);
        ShowWithClient(view, 400, 300);
        CBaseView& trace = view.TraceView();
        trace.Repaint();
        trace.Layout().m_bDragging = true;
        doc.m_nShiftTrace = 1;
        doc.m_nShiftStartSample = doc.m_nShiftSample = 2;
        trace.ShowShiftLines();
        doc.m_nShiftSample = 5;
        trace.MoveShiftLine(2);
        const PixelRect cell = trace.Layout().m_arrTraceRects[1];
        const int widen = cell.Width() * (doc.m_nAmpRange - 1) / 2;
        const QRect strip(cell.left - widen, cell.top, cell.Width() + 2 * widen, cell.Height());
        trace.RepaintArea(strip);
        const QImage dragged = trace.BackBuffer().copy(strip);
        trace.Repaint();
        QCOMPARE(dragged, trace.BackBuffer().copy(strip));
    }

    void theOutputPictureHasNoOverlaysAndItsOwnLayout() {
        CKVTDoc doc;
        test::LoadTraces(doc, {{0, 300, -300, 0, 100, 0, 0, 0}, {0, 0, 50, 0, 0, -200, 0, 0}});
        CMainFormView view(doc);
        ShowWithClient(view, 400, 300);
        const PixelRect screenPlot = view.TraceView().Layout().m_rcPlot;
        doc.m_nEditTool = 3;
        doc.m_nSelectMode = 2;
        doc.m_nSelTrace = 0;
        view.TraceView().Repaint();
        QVERIFY(!OnlyBlackAndWhite(view.TraceView().BackBuffer()));
        const QImage plain = view.RenderToImage(640, 480);
        QCOMPARE(plain.size(), QSize(640, 480));
        QVERIFY(OnlyBlackAndWhite(plain));
        QCOMPARE(view.TraceView().Layout().m_rcPlot, screenPlot);
        QCOMPARE(view.OutputLayout().m_rcPlot.bottom, 480 - (view.OutputLayout().m_rcPlot.left / 5));

        // A trace being dragged on screen is not dragged in the output.
        doc.m_nEditTool = 4;
        doc.m_nShiftTrace = 0;
        doc.m_nShiftSample = 4;
        view.TraceView().Layout().m_bDragging = true;
        const QImage whileDragging = view.RenderToImage(640, 480);
        view.TraceView().Layout().m_bDragging = false;
        QCOMPARE(whileDragging, plain);
        QVERIFY(view.RenderToImage(0, 10).isNull());
    }

    void printingPutsOnePageInsideTheMargins() {
        CKVTDoc doc;
        test::LoadTraces(doc, test::ZeroTraces(4, 1000));
        doc.m_nMarginLeft = 10;
        doc.m_nMarginTop = 15;
        CMainFormView view(doc);
        test::TempDir dir;
        const QString path = QString::fromStdString(dir.File("page.pdf"));
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        view.Print(printer);
        const int dpi = printer.logicalDpiX();
        const int offset = static_cast<int>(printer.pageRect(QPrinter::DevicePixel).left() -
                                            printer.paperRect(QPrinter::DevicePixel).left());
        QCOMPARE(view.PrintRect().left,
                 std::max(static_cast<int>(static_cast<float>(dpi * 10) / 25.4f), offset) - offset);
        QCOMPARE(view.OutputLayout().m_arrTraceRects.size(), size_t{4});
        QFile pdf(path);
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        const QByteArray bytes = pdf.readAll();
        QCOMPARE(bytes.count("/Type /Page\n") + bytes.count("/Type /Page\r") + bytes.count("/Type /Page>") +
                     bytes.count("/Type /Page "),
                 1);
    }

    void theSettingsDialogAppliesGainOnlyOnApplyAndRangeAtOnce() {
        CKVTDoc doc;
        doc.m_nGainDb = -9;
        doc.m_nAmpRange = 2;
        int repaints = 0;
        CWaveViewSetDlg dialog(doc, [&repaints] { ++repaints; });
        QCOMPARE(dialog.windowTitle(), QStringLiteral("波形显示设置"));
        auto* range = dialog.findChild<QComboBox*>("id1037");
        auto* slider = dialog.findChild<QSlider*>("id1038");
        auto* group = dialog.findChild<QGroupBox*>("id1041");
        QVERIFY(range && slider && group);
        QCOMPARE(range->count(), 5);
        QCOMPARE(range->currentIndex(), 1);
        QCOMPARE(slider->minimum(), -60);
        QCOMPARE(slider->maximum(), 60);
        QCOMPARE(slider->pageStep(), 3);
        QCOMPARE(slider->tickInterval(), 3);
        QCOMPARE(slider->value(), -9);
        QCOMPARE(dialog.findChild<QLabel*>("id1039")->text(), QStringLiteral("-60"));
        QCOMPARE(dialog.findChild<QLabel*>("id1040")->text(), QStringLiteral("60"));
        QCOMPARE(group->title(), QStringLiteral("显示增益(-9dB)"));
        QCOMPARE(repaints, 0);

        // The caption follows the slider; the gain waits for 应用.
        slider->setValue(12);
        QCOMPARE(group->title(), QStringLiteral("显示增益(12dB)"));
        QCOMPARE(doc.m_nGainDb, -9);
        range->setCurrentIndex(3);
        QCOMPARE(doc.m_nAmpRange, 4);
        QCOMPARE(repaints, 1);
        dialog.findChild<QPushButton*>("id3")->click();
        QCOMPARE(doc.m_nGainDb, 12);
        QCOMPARE(repaints, 2);

        // 关闭 drops a gain that was not applied, the chosen range stays.
        slider->setValue(30);
        dialog.findChild<QPushButton*>("id2")->click();
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(doc.m_nGainDb, 12);
        QCOMPARE(doc.m_nAmpRange, 4);

        CWaveViewSetDlg again(doc, [&repaints] { ++repaints; });
        QCOMPARE(again.findChild<QSlider*>("id1038")->value(), 12);
        QCOMPARE(again.findChild<QComboBox*>("id1037")->currentIndex(), 3);
        again.findChild<QSlider*>("id1038")->setValue(-60);
        auto* ok = again.findChild<QPushButton*>("id1");
        QVERIFY(ok->isDefault());
        ok->click();
        QCOMPARE(again.result(), int(QDialog::Accepted));
        QCOMPARE(doc.m_nGainDb, -60);
    }
};

} // namespace kvt

QTEST_MAIN(kvt::DisplayViewsTest)
#include "DisplayViewsTest.moc"
