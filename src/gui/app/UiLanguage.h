// The language of the desktop program's interface. Its texts are written in Simplified Chinese, which
// stays the language unless English was chosen with `kvt --lang en`; the choice is kept in the
// settings for every later start, and the process locale never changes it.
#pragma once

#include <QString>

#include <optional>

class QCoreApplication;

namespace kvt {

enum class UiLanguage { Chinese, English };

// "zh" or "en"; std::nullopt for anything else.
std::optional<UiLanguage> LanguageFromName(const QString& name);
QString LanguageName(UiLanguage language);

// The language kept in the settings: Chinese when none (or an unknown one) is kept.
UiLanguage StoredLanguage();
void StoreLanguage(UiLanguage language);

// Makes `app` show `language` from now on, replacing what an earlier call installed; false when the
// catalogue could not be loaded (the texts then stay Chinese). Chinese needs no catalogue, and Qt's
// own texts keep their built-in English in both languages.
bool InstallLanguage(QCoreApplication& app, UiLanguage language);

} // namespace kvt
