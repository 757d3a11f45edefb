#include "CKVTApp.h"

#include "CMainFrame.h"
#include "DesktopPrompts.h"
#include "ToolbarIcons.h"
#include "UiLanguage.h"
#include "document/CKVTDoc.h"

#include <QCommandLineParser>

#include <cstdio>

namespace kvt {

CKVTApp::CKVTApp(int& argc, char** argv)
    : QApplication(argc, argv), m_strVersion(QString::fromUtf8(kVersionText)) {
    setOrganizationName(QString::fromUtf8(kSettingsOrganization));
    setApplicationName(QString::fromUtf8(kSettingsApplication));
    setApplicationDisplayName(QString::fromUtf8(kSettingsApplication));
    setApplicationVersion(m_strVersion.section(QLatin1Char(' '), 1));
    setWindowIcon(ApplicationIcon());
    // Matches the installed menu entry, so docks and Wayland group the window under it.
    setDesktopFileName(QStringLiteral("org.kvt.KVT"));
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
    const QCommandLineOption language(
        QStringLiteral("lang"),
        QStringLiteral("The interface language, kept for later starts: zh (Simplified Chinese, the default) "
                       "or en (English)."),
        QStringLiteral("zh|en"));
    parser.addOption(language);
    parser.process(arguments());
    if (parser.isSet(language)) {
        const std::optional<UiLanguage> chosen = LanguageFromName(parser.value(language));
        if (!chosen) {
            std::fprintf(stderr, "kvt: --lang takes zh or en, not \"%s\"\n",
                         qPrintable(parser.value(language)));
            return 2;
        }
        StoreLanguage(*chosen);
    }
    InstallLanguage(*this, StoredLanguage());

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
