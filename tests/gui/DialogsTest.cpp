// The processing and output dialogs: the filter dialog (its frequency axis, dragging the corner, 应用
// and its refusal, the display settings), the geometry arrangement and its in-place cell editing, the
// image output and the print dialog.
#include "FileBytes.h"
#include "GuiTestSupport.h"
#include "RecordingHost.h"
#include "SectionRecords.h"
#include "base/ByteSink.h"
#include "document/Messages.h"
#include "formats/BmpFile.h"
#include "gui/controls/CMyEdit.h"
#include "gui/controls/CTipListCtrl.h"
#include "gui/dialogs/CBmpSaveDlg.h"
#include "gui/dialogs/CFilterDlg.h"
#include "gui/dialogs/CFilterShowSetDlg.h"
#include "gui/dialogs/CParamSortDlg.h"
#include "gui/dialogs/CPrintDlg.h"
#include "gui/views/CFilterWaveView.h"
#include "gui/views/CMainFormView.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QRadioButton>
#include <QScrollBar>
#include <QSlider>

#include <cmath>
#include <utility>

namespace kvt {

namespace {

using test::Click;
using test::Find;
using test::Text;
using test::Type;

// 10 Hz and 300 Hz of equal amplitude at 1 kHz sampling.
int32_t TwoTones(int32_t, int32_t i) {
    constexpr double kTwoPi = 6.283185307179586;
    return static_cast<int32_t>(4.0e5 *
                                (std::cos(kTwoPi * 10 * i / 1000) + std::cos(kTwoPi * 300 * i / 1000)));
}

// Traces that swing, so the picture is far from blank.
int32_t Wave(int32_t trace, int32_t sample) {
    return static_cast<int32_t>(10000.0 * std::sin(0.05 * sample + trace));
}

void Mouse(QWidget& widget, QEvent::Type type, QPoint at) {
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, at, widget.mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
    QCoreApplication::sendEvent(&widget, &event);
}

QPoint Centre(const PixelRect& r) {
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

// A shown filter dialog on a record of three traces of TwoTones.
struct FilterSession {
    test::RecordingHost host;
    CKVTDoc doc{host};
    std::unique_ptr<CFilterDlg> dialog;

    FilterSession(int32_t samples, float intervalUs) {
        test::LoadRecord(doc, 3, samples, intervalUs, TwoTones);
        dialog = std::make_unique<CFilterDlg>(doc);
        dialog->show();
        QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    }
    CFilterWaveView& View() { return dialog->SpectrumView(); }
    const QImage& Picture() {
        View().repaint();
        return View().BackBuffer();
    }
    bool Shows(QColor colour) {
        const QImage& image = Picture();
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                if (image.pixelColor(x, y) == colour) {
                    return true;
                }
            }
        }
        return false;
    }
};

// A record whose receivers (channels from 1) are at 5, 9, 13, ... with station numbers 101, 102, ...
void LoadGeometry(CKVTDoc& doc, int32_t receivers) {
    test::LoadRecord(doc, receivers, 16, 10.0f, Wave);
    CShotRecord record = doc.Record();
    for (int32_t i = 0; i < receivers; ++i) {
        record.m_receivers.push_back({i + 1, 5.0f + 4.0f * float(i), 101.0f + float(i)});
    }
    record.m_shot = {12.5f, -3, 2.126f};
    doc.AdoptRecord(std::move(record));
}

// A swinging section on a main view of 320 x 240 client pixels.
struct Section {
    test::RecordingHost host;
    CKVTDoc doc{host};
    CMainFormView view{doc};
    test::RecordingPrompts prompts;
    test::TempDir temp;

    Section() {
        test::LoadRecord(doc, 12, 400, 100.0f, Wave);
        test::ShowWithClient(view, {320, 240});
        host.Clear();
    }
    QString File(const char* name) const { return QString::fromStdString(temp.File(name)); }
    // What the BMP writer makes of the output picture at this size.
    std::vector<uint8_t> ExpectedBmp(int width, int height) {
        const QImage& picture = view.RenderToImage(width, height);
        MemorySink sink;
        WriteBmp(sink, width, height, reinterpret_cast<const uint32_t*>(picture.constBits()),
                 static_cast<size_t>(picture.bytesPerLine()) / 4);
        return sink.bytes;
    }
};

} // namespace

class DialogsTest : public QObject {
    Q_OBJECT

private slots:
    void theFrequencyAxisIsLabelledInStepsThatLeaveFiveAndDrawsOneTickPerLabel() {
        const struct {
            float interval;
            int32_t divisor;
            float fmax;
            const char* unit;
            QStringList labels;
        } cases[] = {
            {1000.0f, 4, 128.0f, "Hz", {"0", "20", "40", "60", "80", "100", "120"}},
            {125.0f, 1, 4096.0f, "kHz", {"0.00", "0.80", "1.60", "2.40", "3.20", "4.00"}},
            // Under 25 Hz no step leaves five; the smallest one is taken.
            {2000.0f, 16, 16.0f, "Hz", {"0", "5", "10", "15"}},
            {1.0e6f, 1, 0.512f, "Hz", {"0.00"}},
        };
        for (const auto& c : cases) {
            const FrequencyAxis axis = MakeFrequencyAxis(c.interval, c.divisor);
            QCOMPARE(axis.fmax, c.fmax);
            QCOMPARE(axis.unitLabel, std::string(c.unit));
            QStringList labels;
            for (int32_t i = 0; i <= axis.majors; ++i) {
                labels << QString::fromStdString(axis.Label(i));
            }
            QCOMPARE(labels, c.labels);
        }
        // On screen, through the 最大显示频率 slider: each major tick is six pixels long, the minor ones
        // three, so the row five pixels under the axis crosses exactly the major ticks.
        for (const auto& c : {cases[0], cases[1]}) {
            FilterSession session(1024, c.interval);
            Find<QSlider>(*session.dialog, 1034).setValue(c.divisor);
            const QImage& picture = session.Picture();
            const PixelRect frame = session.View().Layout().m_rcFrame;
            const FrequencyAxis axis = MakeFrequencyAxis(c.interval, c.divisor);
            QList<int> expected{frame.left}, drawn;
            for (int32_t i = 1; i <= axis.majors; ++i) {
                expected << MajorTickX(axis, i, session.doc.SpectrumLength() / 2, frame.left, frame.Width());
            }
            for (int x = 0; x < picture.width(); ++x) {
                if (picture.pixelColor(x, frame.bottom + 5) == Qt::white) {
                    drawn << x;
                }
            }
            QCOMPARE(drawn, expected);
        }
    }

    void draggingTheControlPointSetsTheTypesCornerWithinTheFrame() {
        // 低通 moves the 高通 edit's value, 高通 the 低通 edit's; the other edit keeps its text.
        const struct {
            int type, movedEdit, keptEdit;
            QString keptText;
        } cases[] = {{0, 1026, 1025, "60.00"}, {1, 1025, 1026, "40.00"}};
        for (const auto& c : cases) {
            FilterSession session(1024, 1000.0f); // fmax 128 Hz
            CFilterDlg& dialog = *session.dialog;
            Type(dialog, 1025, "60");
            Type(dialog, 1026, "40");
            Click(dialog, 4); // 设定: the gates move, nothing is filtered
            QCOMPARE(session.doc.Filter().m_fLowPassHz, 60.0f);
            QVERIFY(!session.doc.IsDataChanged());
            Find<QComboBox>(dialog, 1023).setCurrentIndex(c.type);
            session.Picture();
            CFilterWaveView& view = session.View();
            const PixelRect frame = view.Layout().m_rcFrame;
            Mouse(view, QEvent::MouseButtonPress, Centre(view.Layout().m_rcControlPoints[c.type]));
            const int x = frame.left + 100;
            Mouse(view, QEvent::MouseMove, {x, 50});
            const float expected =
                static_cast<float>(x - frame.left) * 128.0f / static_cast<float>(frame.Width());
            QCOMPARE(session.doc.FilterCornerHz(), expected);
            QCOMPARE(Text(dialog, c.movedEdit), QString::asprintf("%.2f", double(expected)));
            QCOMPARE(Text(dialog, c.keptEdit), c.keptText);
            // Outside the frame the corner stops at its ends.
            Mouse(view, QEvent::MouseMove, {frame.left - 30, 50});
            QCOMPARE(Text(dialog, c.movedEdit), QStringLiteral("0.00"));
            Mouse(view, QEvent::MouseButtonRelease, {frame.right + 30, 50});
            QVERIFY(!view.IsDragging());
            QCOMPARE(Text(dialog, c.movedEdit), QStringLiteral("128.00"));
        }
    }

    void applyFiltersWithTheTypesPassBandAndRefusesACornerOutsideTheBand() {
        FilterSession session(1000, 1000.0f);
        CFilterDlg& dialog = *session.dialog;
        const CTraceMatrix original = session.doc.Traces();
        QCOMPARE((QStringList{Text(dialog, 1025), Text(dialog, 1026)}), (QStringList{"1000.00", "0.00"}));
        // A fresh dialog's 低通 corner is the 高通 edit's 0 Hz; "abc" reads as 0 too, 500 Hz is fs/2.
        const Message refusal{"截止频率必须大于 0 且小于采样频率的一半。", "滤波", MessageIcon::Warning, ""};
        for (const char* text : {"0.00", "abc", "500"}) {
            Type(dialog, 1026, text);
            session.host.Clear();
            Click(dialog, 1);
            QCOMPARE(session.host.messages, std::vector<Message>{refusal});
            QVERIFY(session.doc.Traces() == original && !session.doc.IsDataChanged());
        }
        const struct {
            int type, edit;
            PassBand band;
        } steps[] = {{0, 1026, PassBand::Low}, {1, 1025, PassBand::High}};
        std::vector<int32_t> beforeLast;
        for (const auto& s : steps) {
            Find<QComboBox>(dialog, 1023).setCurrentIndex(s.type);
            Type(dialog, s.edit, "50");
            beforeLast = session.doc.Traces().m_arrTraces[1];
            std::vector<int32_t> expected = beforeLast;
            QVERIFY(CAlgorithm::FilterTrace(1000, expected.data(), 50.0f, 1000.0f, s.band));
            session.host.Clear();
            Click(dialog, 1);
            QVERIFY(session.host.messages.empty() && session.doc.IsDataChanged());
            QVERIFY(session.doc.Traces().m_arrTraces[1] == expected);
            QVERIFY(session.host.AllChanges().Has(Change::Samples)); // the trace view repaints from this
        }
        // Filtering can be undone, and the dialog stays open; reopening shows the last values.
        session.doc.Undo();
        QVERIFY(session.doc.Traces().m_arrTraces[1] == beforeLast);
        QVERIFY(dialog.isVisible());
        CFilterDlg again(session.doc);
        QCOMPARE(Find<QComboBox>(again, 1023).currentIndex(), 1);
        QCOMPARE(Text(again, 1025), QStringLiteral("50.00"));
        QCOMPARE(Find<QSlider>(again, 1034).value(), 4);
    }

    void filterDisplaySettingsTakeEffectAtOnceAndAHiddenGateCannotBeDragged() {
        FilterSession session(1024, 1000.0f);
        session.doc.SetFilterCornerHz(40.0f);
        const FilterSettings& kept = session.doc.Filter();
        const QColor grey(0xDC, 0xDC, 0xDC), green(0, 255, 0), blue(0, 0, 255);
        QVERIFY(session.Shows(grey) && session.Shows(green) && session.Shows(Qt::red));
        // Away from the control point a press starts nothing.
        const PixelRect point = session.View().Layout().m_rcControlPoints[0];
        Mouse(session.View(), QEvent::MouseButtonPress, {point.right + 2, point.top});
        QVERIFY(!session.View().IsDragging());
        std::optional<QColor> choice = blue;
        CFilterShowSetDlg settings(
            session.doc, [&session] { session.View().repaint(); }, session.dialog.get(),
            [&choice](QWidget*) { return std::exchange(choice, std::nullopt); });
        Click(settings, 1003);
        QCOMPARE(kept.m_crSpectrumCurve, 0xFF0000u); // 0x00BBGGRR
        QVERIFY(session.Shows(blue) && !session.Shows(Qt::red));
        Click(settings, 1004); // cancelled: nothing changes
        QCOMPARE(kept.m_crGateCurve, 0x00FF00u);
        Find<QCheckBox>(settings, 1029).click();
        QVERIFY(!kept.m_bShowGate && !Find<QCheckBox>(settings, 1030).isEnabled() && !session.Shows(green));
        Mouse(session.View(), QEvent::MouseButtonPress, Centre(point));
        QVERIFY(!session.View().IsDragging());
        Find<QRadioButton>(settings, 1033).click();
        QCOMPARE(kept.m_crSpectrumBack, 0xFFFFFFu);
        QCOMPARE(session.Picture().pixelColor(0, 0), QColor(Qt::white));
    }

    void geometryDialogShowsTheTableAutoFillStoresAndOkReadsWhatIsTyped() {
        CKVTDoc doc;
        LoadGeometry(doc, 4);
        CParamSortDlg dialog(doc);
        auto& list = Find<CTipListCtrl>(dialog, 1001);
        QCOMPARE((QStringList{list.ItemText(2, 0), list.ItemText(2, 1), list.ItemText(2, 2),
                              Text(dialog, 1002), Text(dialog, 1003), Text(dialog, 1004)}),
                 (QStringList{"3", "13.00", "103.00", "12.50", "-3.00", "2.13"}));
        // 自动填写 continues the first two rows at once and shows the result; 取消 keeps it.
        list.SetItemText(1, 1, QStringLiteral("7"));
        Type(dialog, 1002, QStringLiteral("6.5"));
        Click(dialog, 3);
        QCOMPARE(list.ItemText(3, 1), QStringLiteral("11.00"));
        QCOMPARE(Text(dialog, 1002), QStringLiteral("6.50"));
        Click(dialog, 2);
        QCOMPARE(doc.Record().m_receivers[3].fPosition, 11.0f);
        // 确定 stores the table and the shot as typed.
        CParamSortDlg again(doc);
        Find<CTipListCtrl>(again, 1001).SetItemText(1, 2, QStringLiteral("8.5"));
        Type(again, 1003, QStringLiteral("-4"));
        Click(again, 1);
        QCOMPARE(again.result(), int(QDialog::Accepted));
        QCOMPARE(doc.Record().m_receivers[1], (ReceiverPoint{2, 7, 8.5f}));
        QCOMPARE(doc.Record().m_shot, (ShotPoint{6.5f, -4, 2.13f}));
        QVERIFY(!doc.IsDataChanged()); // the command marks the record changed, after the dialog
    }

    void cellsAreEditedInPlaceOnlyInTheSelectedRowAndKeepWhatIsTyped() {
        CKVTDoc doc;
        LoadGeometry(doc, 40);
        CParamSortDlg dialog(doc);
        test::ShowActive(dialog);
        auto& list = Find<CTipListCtrl>(dialog, 1001);
        const auto click = [&list](int row, int column) {
            QTest::mouseClick(list.viewport(), Qt::LeftButton, {},
                              list.visualRect(list.model()->index(row, column)).center());
        };
        // A row that is not selected is only selected; the channel column never opens an editor.
        click(1, 1);
        click(1, 0);
        QVERIFY(!list.IsEditing());
        click(1, 1);
        QVERIFY(list.Editor() != nullptr && list.Editor()->hasFocus());
        QCOMPARE(list.Editor()->selectedText(), QStringLiteral("9.00"));
        QTest::keyClicks(list.Editor(), QStringLiteral("7.5"));
        QTest::keyClick(list.Editor(), Qt::Key_Return);
        QCOMPARE(list.ItemText(1, 1), QStringLiteral("7.5"));
        // Escape drops the text; neither key reaches the dialog's buttons.
        click(1, 2);
        QTest::keyClicks(list.Editor(), QStringLiteral("99"));
        QTest::keyClick(list.Editor(), Qt::Key_Escape);
        QCOMPARE(list.ItemText(1, 2), QStringLiteral("102.00"));
        QVERIFY(dialog.isVisible() && !list.IsEditing());
        // Losing the focus and scrolling both keep the text.
        click(1, 2);
        QTest::keyClicks(list.Editor(), QStringLiteral("3"));
        Find(dialog, 1003).setFocus();
        click(1, 1);
        QTest::keyClicks(list.Editor(), QStringLiteral("4"));
        list.verticalScrollBar()->setValue(list.verticalScrollBar()->maximum());
        QVERIFY(!list.IsEditing());
        Click(dialog, 1);
        QCOMPARE(doc.Record().m_receivers[1], (ReceiverPoint{2, 4, 3}));
    }

    void imageSizesAreValidatedBeforeTheSaveDialog() {
        Section s;
        CBmpSaveDlg dialog(s.doc, s.view, s.prompts);
        const QString w = QStringLiteral("宽度设置错误"), h = QStringLiteral("高度设置错误");
        const struct {
            int mode;
            QString width, height;
            QStringList messages;
            QString shownWidth, shownHeight; // a refused entry goes back to the last good one
        } cases[] = {
            {1014, "-5", "600", {w}, "1024", "600"},
            {1014, "abc", "0", {w, h}, "1024", "600"},
            {1013, "640", "", {h}, "640", "600"},
            {1014, "300px", "200", {}, "300", "200"},
        };
        for (const auto& c : cases) {
            s.host.Clear();
            s.prompts.requests.clear();
            Find<QRadioButton>(dialog, c.mode).click();
            QCOMPARE(Find(dialog, 1002).isEnabled(), c.mode == 1014);
            Type(dialog, 1002, c.width);
            Type(dialog, 1003, c.height);
            Click(dialog, 1012);
            QCOMPARE(test::Texts(s.host.messages), c.messages);
            QCOMPARE((QStringList{Text(dialog, 1002), Text(dialog, 1003)}),
                     (QStringList{c.shownWidth, c.shownHeight}));
            QCOMPARE(s.prompts.requests.size(), size_t(c.messages.isEmpty() ? 1 : 0));
        }
        QCOMPARE(s.prompts.requests.at(0).nameFilters, (QStringList{"(*.bmp)", "(*.png)"}));
    }

    void imageFilesHoldTheOutputPictureAtTheChosenSize() {
        Section s;
        CBmpSaveDlg dialog(s.doc, s.view, s.prompts);
        test::ShowActive(dialog);
        Find<QRadioButton>(dialog, 1014).click();
        const auto output = [&](int width, int height, const QString& path) {
            Type(dialog, 1002, QString::number(width));
            Type(dialog, 1003, QString::number(height));
            s.prompts.files.push_back(path);
            Click(dialog, 1012);
        };
        output(137, 93, s.File("a.bmp"));
        QCOMPARE(test::ReadBytes(s.temp.File("a.bmp")), s.ExpectedBmp(137, 93));
        QVERIFY(dialog.isVisible()); // open for the next picture
        // A name without an extension becomes a BMP file; .png gives the same picture as PNG.
        output(40, 30, s.File("plain"));
        QCOMPARE(test::ReadBytes(s.temp.File("plain.bmp")), s.ExpectedBmp(40, 30));
        output(64, 48, s.File("pic.png"));
        QCOMPARE(QImage(s.File("pic.png")).convertToFormat(QImage::Format_RGB32),
                 s.view.RenderToImage(64, 48));
        // Screen copy: the main view's client size, whatever the edits say.
        Find<QRadioButton>(dialog, 1013).click();
        output(10, 10, s.File("screen.bmp"));
        QCOMPARE(test::ReadBytes(s.temp.File("screen.bmp")), s.ExpectedBmp(320, 240));
        QVERIFY(s.host.messages.empty());
        // A cancelled save dialog writes nothing; a file that cannot be created says so.
        Click(dialog, 1012);
        QVERIFY(s.host.messages.empty());
        s.prompts.files.push_back(s.File("missing/x.bmp"));
        Click(dialog, 1012);
        QCOMPARE(s.host.messages, std::vector<Message>{BmpWriteFailedMessage()});
        QVERIFY(!QFileInfo::exists(s.File("missing/x.bmp")));
    }

    void printMarginsAreReadUncheckedAndOkPrintsOnePageIntoThePrintableRectangle() {
        Section s;
        s.doc.SetMargins({3, 4, 5, 6}); // left, right, top, bottom
        CPrintDlg dialog(s.doc, s.view);
        const int ids[] = {1019, 1021, 1020, 1005};
        const auto type = [&](const QStringList& texts) {
            for (int i = 0; i < 4; ++i) {
                Type(dialog, ids[i], texts[i]);
            }
        };
        QCOMPARE((QStringList{Text(dialog, ids[0]), Text(dialog, ids[1]), Text(dialog, ids[2]),
                              Text(dialog, ids[3])}),
                 (QStringList{"3", "4", "5", "6"}));
        type({"-7", "x", "12mm", "00000000000000000075"}); // only 19 characters are read
        Click(dialog, 5);
        QCOMPARE(s.doc.Margins(), (PrintMargins{-7, 0, 12, 7}));
        // 确定 reads them too; a cancelled print dialog prints nothing and the dialog stays.
        int asked = 0;
        dialog.SetPrintPrompt([&asked](QPrinter&, QWidget*) { return ++asked == 0; });
        Type(dialog, 1019, QStringLiteral("9"));
        test::ShowActive(dialog);
        Click(dialog, 1);
        QVERIFY(asked == 1 && dialog.isVisible());
        QCOMPARE(Text(CPrintDlg(s.doc, s.view), 1019), QStringLiteral("9"));
        const QString pdf = s.File("section.pdf");
        dialog.SetPrintPrompt([&pdf](QPrinter& printer, QWidget*) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            printer.setResolution(96);
            printer.setPageSize(QPageSize(QPageSize::A4));
            printer.setPageMargins(QMarginsF(5, 5, 5, 5), QPageLayout::Millimeter);
            return true;
        });
        type({"2", "15", "20", "10"}); // the left one inside the printer's border
        Click(dialog, 1);
        QVERIFY(dialog.isVisible());
        QFile file(pdf);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll().count("/Type /Page\n"), 1);
        // Margins from the paper's edge in printer pixels, the unprintable border as the minimum.
        const QRect paper = dialog.Printer().paperRect(QPrinter::DevicePixel).toRect();
        const QRect area = dialog.Printer().pageRect(QPrinter::DevicePixel).toRect();
        const int border = area.left() - paper.left();
        QVERIFY(border > int(2 * 96 / 25.4f));
        const PixelRect expected{0, int(20 * 96 / 25.4f) - border,
                                 area.width() + border - int(15 * 96 / 25.4f),
                                 area.height() + border - int(10 * 96 / 25.4f)};
        QVERIFY(s.view.PrintRect() == expected);
        // The page as the printer gets it: the section inside that rectangle, and not blank.
        QImage sheet = test::WhiteImage(area.width(), area.height());
        QPainter painter(&sheet);
        s.view.RenderOutput(painter, s.view.PrintRect());
        painter.end();
        const QRect inside(expected.left, expected.top, expected.Width(), expected.Height());
        QVERIFY(sheet.copy(inside) != test::WhiteImage(inside.width(), inside.height()));
        QPainter(&sheet).fillRect(inside, Qt::white);
        QCOMPARE(sheet, test::WhiteImage(area.width(), area.height()));
    }
};

} // namespace kvt

QTEST_MAIN(kvt::DialogsTest)
#include "DialogsTest.moc"
