#include "UiLanguage.h"

#include "CKVTApp.h"

#include <QCoreApplication>
#include <QSettings>
#include <QTranslator>

namespace kvt {

namespace {

const QString kLanguageKey = QStringLiteral("Settings/Language");
// The English catalogue is embedded, so an installed program finds it wherever it lives.
const QString kEnglishCatalogue = QStringLiteral(":/i18n/kvt_en.qm");
const char* const kTranslatorName = "kvt_translator";

QSettings Settings() {
    return QSettings(QString::fromUtf8(kSettingsOrganization), QString::fromUtf8(kSettingsApplication));
}

} // namespace

std::optional<UiLanguage> LanguageFromName(const QString& name) {
    if (name == QLatin1String("zh")) {
        return UiLanguage::Chinese;
    }
    if (name == QLatin1String("en")) {
        return UiLanguage::English;
    }
    return std::nullopt;
}

QString LanguageName(UiLanguage language) {
    return language == UiLanguage::English ? QStringLiteral("en") : QStringLiteral("zh");
}

UiLanguage StoredLanguage() {
    return LanguageFromName(Settings().value(kLanguageKey).toString()).value_or(UiLanguage::Chinese);
}

void StoreLanguage(UiLanguage language) {
    Settings().setValue(kLanguageKey, LanguageName(language));
}

bool InstallLanguage(QCoreApplication& app, UiLanguage language) {
    if (auto* previous =
            app.findChild<QTranslator*>(QLatin1String(kTranslatorName), Qt::FindDirectChildrenOnly)) {
        QCoreApplication::removeTranslator(previous);
        delete previous;
    }
    if (language == UiLanguage::Chinese) {
        return true;
    }
    auto* translator = new QTranslator(&app);
    translator->setObjectName(QLatin1String(kTranslatorName));
    if (!translator->load(kEnglishCatalogue)) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    return true;
}

} // namespace kvt
