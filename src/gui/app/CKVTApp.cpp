#include "CKVTApp.h"

#include "CMainFrame.h"
#include "DesktopPrompts.h"
#include "ToolbarIcons.h"
#include "document/CKVTDoc.h"

#include <QCommandLineParser>

namespace kvt {

CKVTApp::CKVTApp(int& argc, char** argv)
    : QApplication(argc, argv), m_strVersion(QString::fromUtf8(kVersionText)) {
    setOrganizationName(QString::fromUtf8(kSettingsOrganization));
    setApplicationName(QString::fromUtf8(kSettingsApplication));
    setApplicationDisplayName(QString::fromUtf8(kSettingsApplication));
    setApplicationVersion(m_strVersion.section(QLatin1Char(' '), 1));
    setWindowIcon(ApplicationIcon());
}

int CKVTApp::Run() {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("KVT: preprocessing of surface-wave seismic shot records."));
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addPositionalArgument(QStringLiteral("record"),
                                 QStringLiteral("A record to open (.srw, .sg2, .sgy)"),
                                 QStringLiteral("[record]"));
    parser.process(arguments());

    QtPrompts prompts;
    CKVTDoc doc;
    CMainFrame frame(doc, prompts);
    frame.ShowAsLastTime();
    if (!parser.positionalArguments().isEmpty()) {
        frame.OpenRecord(parser.positionalArguments().first());
    }
    return exec();
}

} // namespace kvt
