// The Qt application a picture command needs for drawing text, on the offscreen platform so that no
// display is required.
#pragma once

#include <QGuiApplication>

namespace kvt::cli {

class OffscreenGui {
public:
    // `command` names the command in the one Qt message that is shown: a fatal error.
    explicit OffscreenGui(const char* command);

private:
    // Installs the quiet message handler; a member before the application, so that even its start-up
    // notes are quiet.
    struct QuietMessages {
        explicit QuietMessages(const char* command);
    };

    QuietMessages m_quiet;
    QGuiApplication m_application;
};

} // namespace kvt::cli
