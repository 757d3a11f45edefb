// The section on a 1920 x 1080 picture with positive fill, against its floor: filling the picture and
// drawing one polyline vertex per sample, the least any wiggle section of these traces costs.
//
//   kvt_bench_section RECORD.sgy [PICTURE.png]
#include "BenchTiming.h"

#include "document/CKVTDoc.h"
#include "render/CTraceRenderer.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstdio>
#include <vector>

namespace {

using namespace kvt;
using namespace kvt::bench;

constexpr int kWidth = 1920;
constexpr int kHeight = 1080;
constexpr int kRounds = 9;

} // namespace

int main(int argc, char** argv) {
    if (argc < 2 || argc > 3) {
        std::fprintf(stderr, "usage: kvt_bench_section RECORD.sgy [PICTURE.png]\n");
        return 2;
    }
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication application(argc, argv);
    CKVTDoc doc;
    if (!doc.OpenDocument(argv[1])) {
        std::fprintf(stderr, "cannot open %s\n", argv[1]);
        return 1;
    }
    DisplaySettings display = doc.Display();
    display.m_nFillMode = FillMode::Positive;
    doc.SetDisplay(display);

    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    TraceLayout layout;
    CTraceRenderer renderer(doc, layout);
    auto render = [&] {
        QPainter painter(&image);
        renderer.DrawRecord(painter, PixelRect{0, 0, kWidth, kHeight}, false);
    };
    render();
    if (argc == 3) {
        image.save(argv[2]);
    }
    // One vertex per sample, computed once outside the timing.
    std::vector<std::vector<QPoint>> wiggles;
    for (size_t i = 0; i < layout.m_arrTraceRects.size(); ++i) {
        wiggles.push_back(renderer.WigglePoints(static_cast<int32_t>(i), layout.m_arrTraceRects[i]));
    }
    auto floor = [&] {
        QPainter painter(&image);
        painter.fillRect(image.rect(), Qt::white);
        painter.setPen(QPen(Qt::black, 1, Qt::SolidLine, Qt::FlatCap));
        for (const auto& points : wiggles) {
            painter.drawPolyline(points.data(), static_cast<int>(points.size()));
        }
    };
    Report("section_floor", MedianMs(kRounds, floor));
    Report("section", MedianMs(kRounds, render));
    return 0;
}
