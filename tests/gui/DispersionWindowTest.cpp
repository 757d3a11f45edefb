// The dispersion window on a synthetic gather: the image and its peak picks, picking by mouse, the
// picks' CSV, following edits, undo and another record, the refusal of a bad range and the picture.
#include "GuiTestSupport.h"
#include "SyntheticGather.h"
#include "gui/dispersion/CDispersionDlg.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QLabel>
#include <QMouseEvent>

#include <cmath>

namespace kvt {

namespace {

struct Session {
    test::TempDir dir;
    test::ForwardingHost host;
    CKVTDoc doc{host};
    test::RecordingPrompts prompts;
    CDispersionDlg window{doc, prompts};

    explicit Session(uint32_t seed = 1) {
        host.forward = [this](ChangeSet changes) { window.DocumentChanged(changes); };
        Open(seed);
        window.show();
    }
    void Open(uint32_t seed) {
        const std::string path = dir.File("gather" + std::to_string(seed) + ".srw");
        QVERIFY(synth::MakeGather({.seed = seed}).Write(path) && doc.OpenDocument(path));
    }
    template <class Widget = QWidget> Widget& Get(const char* name) {
        return test::Find<Widget>(window, QString::fromLatin1(name));
    }
    void Click(Qt::MouseButton button, const DispersionPick& at) {
        QTest::mouseClick(&Get("canvas"), button, {}, window.Layout().PointOf(at).toPoint());
    }
};

// Phase velocity of the synthetic gather's surface wave.
double SyntheticVelocity(double f) {
    return 180.0 + 420.0 * std::exp(-f / 12.0);
}

} // namespace

class DispersionWindowTest : public QObject {
    Q_OBJECT
private slots:
    void peakPicksFollowTheSurfaceWaveAndTheMouseEditsThem() {
        Session s;
        QCOMPARE(s.window.windowTitle(), QStringLiteral("频散分析"));
        QVERIFY(!s.window.Image().frequencies.empty());
        QVERIFY(s.Get<QLabel>("status").isHidden());
        QVERIFY(QTest::qWaitForWindowExposed(&s.window));

        s.Get<QPushButton>("pickPeaks").click();
        QCOMPARE(s.window.Picks().size(), s.window.Image().frequencies.size());
        for (const DispersionPick& pick : s.window.Picks()) {
            if (pick.frequency >= 10.0 && pick.frequency <= 30.0) {
                QVERIFY2(std::abs(pick.velocity - SyntheticVelocity(pick.frequency)) < 25.0,
                         qPrintable(QString::number(pick.frequency)));
            }
        }
        // A click at a picked frequency moves that pick; a right click removes the nearest one.
        const size_t count = s.window.Picks().size();
        s.Click(Qt::LeftButton, {30.0, 600.0});
        QCOMPARE(s.window.Picks().size(), count);
        const auto at30 = std::find_if(s.window.Picks().begin(), s.window.Picks().end(),
                                       [](const DispersionPick& p) { return p.frequency == 30.0; });
        QVERIFY(at30 != s.window.Picks().end() && std::abs(at30->velocity - 600.0) < 3.0);
        s.Click(Qt::RightButton, {30.2, 590.0});
        QCOMPARE(s.window.Picks().size(), count - 1);

        s.Get<QPushButton>("clearPicks").click();
        s.Click(Qt::LeftButton, {20.0, 300.0});
        s.Click(Qt::LeftButton, {12.0, 400.0});
        s.prompts.files.push_back(QString::fromStdString(s.dir.File("picks")));
        s.Get<QPushButton>("exportPicks").click();
        QFile csv(QString::fromStdString(s.dir.File("picks.csv")));
        QVERIFY(csv.open(QIODevice::ReadOnly));
        // One row per pick in frequency order; the wavelength is the velocity over the frequency.
        const QStringList lines = QString::fromUtf8(csv.readAll()).split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.value(0), QStringLiteral("frequency_hz,velocity_m_s,wavelength_m"));
        QCOMPARE(lines.size(), 3);
        for (int i = 1; i < 3; ++i) {
            const QStringList cells = lines[i].split(u',');
            QCOMPARE(cells.size(), 3);
            QCOMPARE(cells[0], i == 1 ? QStringLiteral("12.00") : QStringLiteral("20.00"));
            QCOMPARE(cells[2], QString::number(cells[1].toDouble() / cells[0].toDouble(), 'f', 2));
        }
    }

    void editsUndoSelectionAndAnotherRecordRecompute() {
        Session s;
        const std::vector<float> original = s.window.Image().power;
        s.doc.SetEditTool(EditTool::Operation);
        s.doc.SetSelectMode(SelectMode::SingleTrace);
        s.doc.SetSelTrace(5);
        s.doc.OperatePolarity();
        QVERIFY(s.window.Image().power != original);
        s.doc.Undo();
        QVERIFY(s.window.Image().power == original);

        auto& useSelection = s.Get<QCheckBox>("useSelection");
        QVERIFY(!useSelection.isEnabled());
        s.doc.SetSelectMode(SelectMode::MultiTrace);
        for (int32_t trace = 0; trace < 8; ++trace) {
            s.doc.AddSelTrace(trace);
        }
        QVERIFY(useSelection.isEnabled());
        useSelection.setChecked(true);
        QVERIFY(s.window.Image().power != original);

        s.Get<QPushButton>("pickPeaks").click();
        s.Open(2);
        QVERIFY(s.window.Picks().empty());
        QVERIFY(!useSelection.isEnabled());
    }

    void aBadRangeIsRefusedInTheWindowAndAPictureIsWritten() {
        Session s;
        s.Get<QDoubleSpinBox>("fMin").setValue(200.0);
        s.Get<QDoubleSpinBox>("fMax").setValue(100.0);
        auto& status = s.Get<QLabel>("status");
        QTRY_VERIFY(!status.isHidden());
        QCOMPARE(status.text(), QString::fromUtf8(DispersionErrorText(DispersionError::FrequencyRange)));
        QVERIFY(s.window.Image().frequencies.empty());
        QVERIFY(!s.Get<QPushButton>("exportPicture").isEnabled());

        s.Get<QDoubleSpinBox>("fMin").setValue(5.0);
        QTRY_VERIFY(status.isHidden());
        QVERIFY(!s.window.Image().frequencies.empty());
        const QString path = QString::fromStdString(s.dir.File("image.png"));
        s.prompts.files.push_back(path);
        s.Get<QPushButton>("exportPicture").click();
        const QImage picture(path, "PNG");
        QVERIFY(picture.width() >= s.Get("canvas").width() && picture.height() > 100);
        QVERIFY(s.prompts.messages.empty());
    }
};

} // namespace kvt

QTEST_MAIN(kvt::DispersionWindowTest)
#include "DispersionWindowTest.moc"
