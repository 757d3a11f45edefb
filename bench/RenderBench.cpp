// The section in the desktop program's view, on a 96 x 16384 record: the memory a 5 x 5 stretch of a
// 1920 x 1080 view takes, and the repaint of one step of a dragged delay line. The section's own
// drawing time is kvt_bench_section's.
#include "SyntheticGather.h"
#include "document/CKVTDoc.h"
#include "gui/views/CMainFormView.h"

#include <QApplication>
#include <QPaintEvent>
#include <QScrollBar>
#include <QWindow>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

using namespace kvt;
using Clock = std::chrono::steady_clock;

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;
constexpr int kRounds = 9;

double Milliseconds(Clock::duration d) {
    return std::chrono::duration<double, std::milli>(d).count();
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

template <class Work> double MedianMs(Work work) {
    std::vector<double> times;
    for (int i = 0; i < kRounds; ++i) {
        const auto start = Clock::now();
        work();
        times.push_back(Milliseconds(Clock::now() - start));
    }
    return Median(times);
}

// Peak resident memory of this process so far, in MiB (VmHWM).
double PeakMiB() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmHWM:", 0) == 0) {
            return std::stod(line.substr(6)) / 1024.0;
        }
    }
    return 0.0;
}

bool LoadGather(CKVTDoc& doc, int32_t channels, int32_t samples) {
    synth::GatherShape shape;
    shape.channels = channels;
    shape.samples = samples;
    const auto path = std::filesystem::temp_directory_path() / "kvt-bench-render.srw";
    const bool ok = synth::MakeGather(shape).Write(path.string()) && doc.OpenDocument(path.string());
    std::filesystem::remove(path);
    return ok;
}

// Shows the view with a client area of kWidth x kHeight and waits until it is on screen.
void ShowView(CMainFormView& view) {
    view.resize(kWidth, kHeight);
    view.show();
    const QSize frame = view.size() - view.viewport()->size();
    view.resize(kWidth + frame.width(), kHeight + frame.height());
    while (view.windowHandle() == nullptr || !view.windowHandle()->isExposed()) {
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
    }
    QApplication::processEvents();
}

void StretchMemory(CKVTDoc& doc) {
    const double before = PeakMiB();
    CMainFormView view(doc);
    ShowView(view);
    for (int i = 0; i < 4; ++i) {
        view.RunCommand(DisplayCommand::StretchH);
        view.RunCommand(DisplayCommand::StretchV);
    }
    const auto start = Clock::now();
    view.TraceView().Repaint();
    const double firstMs = Milliseconds(Clock::now() - start);
    for (int step = 1; step <= 4; ++step) {
        view.horizontalScrollBar()->setValue(view.horizontalScrollBar()->maximum() * step / 4);
        view.verticalScrollBar()->setValue(view.verticalScrollBar()->maximum() * step / 4);
        view.TraceView().repaint();
    }
    const QSize display = view.TraceView().size();
    const QSize buffer = view.TraceView().BackBuffer().size();
    std::printf("stretch 5 x 5 of a %d x %d view: display %d x %d, back buffer %d x %d (%.1f MiB); "
                "peak resident %.1f MiB (%.1f MiB before the view); a full-size bitmap alone would be "
                "%.1f MiB; repaint of the visible part %.1f ms\n",
                kWidth, kHeight, display.width(), display.height(), buffer.width(), buffer.height(),
                buffer.width() * buffer.height() * 4 / 1048576.0, PeakMiB(), before,
                display.width() * static_cast<double>(display.height()) * 4 / 1048576.0, firstMs);
    DisplaySettings settings = doc.Display();
    settings.m_nHStretch = 1;
    settings.m_nVStretch = 1;
    doc.SetDisplay(settings);
}

// Counts the paint events of a widget and the pixels they asked for.
class PaintCounter : public QObject {
public:
    int64_t events = 0;
    int64_t pixels = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            ++events;
            for (const QRect& r : static_cast<QPaintEvent*>(event)->region()) {
                pixels += static_cast<int64_t>(r.width()) * r.height();
            }
        }
        return false;
    }
};

void DragRepaint(CKVTDoc& doc) {
    doc.SetEditTool(EditTool::DelayCorrection);
    CMainFormView view(doc);
    ShowView(view);
    view.TraceView().Repaint();
    const auto fullStart = Clock::now();
    view.TraceView().Repaint();
    const double fullMs = Milliseconds(Clock::now() - fullStart);
    PaintCounter counter;
    view.TraceView().installEventFilter(&counter);
    std::vector<double> steps;
    const int32_t count = doc.Header().m_nSampleCount;
    for (int32_t i = 0; i < 400; ++i) {
        const int32_t previous = doc.DelaySample();
        doc.SetDelaySample((count / 10 + i * 37) % count);
        const auto start = Clock::now();
        view.TraceView().MoveDelayLine(previous);
        steps.push_back(Milliseconds(Clock::now() - start));
    }
    const double worst = *std::max_element(steps.begin(), steps.end());
    std::printf("dragging the delay line at %d x %d: %.3f ms per step (median), %.3f ms worst, %.1f paint "
                "events and %.0f pixels repainted per step; a full re-render and repaint takes %.1f ms\n",
                kWidth, kHeight, Median(steps), worst,
                static_cast<double>(counter.events) / static_cast<double>(steps.size()),
                static_cast<double>(counter.pixels) / static_cast<double>(steps.size()), fullMs);
    doc.SetEditTool(EditTool::None);
}

} // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    CKVTDoc doc;
    if (!LoadGather(doc, 96, 16384)) {
        std::fprintf(stderr, "cannot make the benchmark record\n");
        return 1;
    }
    // Memory first, while the peak is still that of the record alone.
    StretchMemory(doc);
    DragRepaint(doc);
    return 0;
}
