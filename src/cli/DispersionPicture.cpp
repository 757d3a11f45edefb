// The dispersion picture through the renderer's plot. Drawing text needs a QGuiApplication but no
// display: the offscreen platform is used.
#include "DispersionPicture.h"
#include "render/DispersionPlot.h"

#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>

namespace kvt::cli {

namespace {

// Qt's own notes (no runtime folder, font substitutions) are not kvt-cli's messages; only a fatal
// error is reported.
void QuietQtMessages(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "kvt-cli dispersion: %s\n", text.toLocal8Bit().constData());
        std::abort();
    }
}

} // namespace

bool CanDrawDispersion() {
    return true;
}

bool WriteDispersionPicture(const DispersionImage& image, const std::string& path) {
    static char program[] = "kvt-cli";
    static char platformOption[] = "-platform";
    static char platform[] = "offscreen";
    static char* argv[] = {program, platformOption, platform, nullptr};
    int argc = 3;
    qInstallMessageHandler(QuietQtMessages);
    QGuiApplication application(argc, argv);
    return SaveDispersionPicture(image, DispersionPlotOptions{}, QSize(1024, 768), path);
}

} // namespace kvt::cli
