// The interface language: English (the texts in the code), simplified or
// traditional Chinese (the translations compiled from translations/*.ts into
// the program directory's translations/ folder).
#pragma once

#include <memory>

#include <QString>
#include <QStringList>

#include "catalogue/plugin.h"

class QTranslator;

namespace zentrava::desktop {

// The language codes, in the order the "Language" choice lists them.
inline constexpr const char* kLanguageCodes[] = {"en", "zh_CN", "zh_TW"};

// The name of a language in that language ("English", "简体中文", "繁體中文").
QString LanguageName(const QString& code);

// The interface language for a locale name ("zh_CN.UTF-8", "zh_HK", "zh",
// "zh_Hant_TW", "en_GB"): one of kLanguageCodes, empty for a locale that
// names no Chinese and no English ("C", "de_DE").
QString LanguageForLocale(const QString& locale);

// The language the desktop asks for: the first of LANGUAGE's list that we
// have (unless the locale is "C"), else LC_ALL, LC_MESSAGES, LANG; English
// when none of them names one.
QString LanguageFromEnvironment();

// The language to start in: `requested` (--lang) when it names one, else the
// one remembered from the last choice, else the environment's.
QString StartLanguage(const QString& requested);

// The language the user chose last (empty when never chosen), and remembering one.
QString RememberedLanguage();
void RememberLanguage(const QString& code);

// Switches the application's translations (ours and Qt's own dialogs'):
// every widget gets a LanguageChange event and retranslates itself. False
// when the translation file is missing, in which case the interface is English.
bool SetInterfaceLanguage(const QString& code);
QString InterfaceLanguage();  // "en" until set
NameScript InterfaceNameScript();

// Where the compiled translations (zentrava_<code>.qm) are: the folder
// "translations" beside the executable unless set otherwise.
QString TranslationsFolder();
void SetTranslationsFolder(const QString& folder);

// Our translation of a language; null for English or when it is missing.
std::unique_ptr<QTranslator> LoadTranslation(const QString& code);

// A caption or label of an effect form, in the interface language.
QString FormText(const std::string& text);

}  // namespace zentrava::desktop
