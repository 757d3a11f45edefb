// The application: its version text, where its settings live, and the start-up that shows the main
// window (maximised the first time, as the user left it afterwards) and opens a record named on the
// command line.
#pragma once

#include "base/Version.h"

#include <QApplication>

namespace kvt {

inline constexpr const char* kSettingsOrganization = "应用程序向导生成的本地应用程序";
inline constexpr const char* kSettingsApplication = "KVT";
inline constexpr int kRecentFileCount = 4;

class CKVTApp : public QApplication {
    Q_OBJECT
public:
    CKVTApp(int& argc, char** argv);

    // Runs the program until the main window closes; the exit code.
    int Run();

    const QString m_strVersion;
};

} // namespace kvt
