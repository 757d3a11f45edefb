#include "OffscreenGui.h"

#include <cstdio>
#include <cstdlib>

namespace kvt::cli {

namespace {

const char* g_command = "";

// Qt's own notes (no runtime folder, font substitutions) are not kvt-cli's messages; only a fatal
// error is reported.
void QuietQtMessages(QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "kvt-cli %s: %s\n", g_command, text.toLocal8Bit().constData());
        std::abort();
    }
}

char g_program[] = "kvt-cli";
char g_platformOption[] = "-platform";
char g_platform[] = "offscreen";
char* g_argv[] = {g_program, g_platformOption, g_platform, nullptr};
int g_argc = 3;

} // namespace

OffscreenGui::QuietMessages::QuietMessages(const char* command) {
    g_command = command;
    qInstallMessageHandler(QuietQtMessages);
}

OffscreenGui::OffscreenGui(const char* command) : m_quiet(command), m_application(g_argc, g_argv) {}

} // namespace kvt::cli
