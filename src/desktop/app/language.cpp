#include "app/language.h"

#include <memory>

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QSettings>
#include <QTranslator>

namespace zentrava::desktop {

namespace {

constexpr const char* kSettingsKey = "interface/language";

struct Installed {
    QString code = QStringLiteral("en");
    std::unique_ptr<QTranslator> ours, qt;
};

Installed& Current() {
    static Installed installed;
    return installed;
}

bool Known(const QString& code) {
    for (const char* known : kLanguageCodes) {
        if (code == QLatin1String(known)) return true;
    }
    return false;
}

}  // namespace

QString LanguageName(const QString& code) {
    if (code == QLatin1String("zh_CN")) return QStringLiteral("简体中文");
    if (code == QLatin1String("zh_TW")) return QStringLiteral("繁體中文");
    return QStringLiteral("English");
}

QString LanguageForLocale(const QString& locale) {
    // "language_TERRITORY.codeset@modifier"; '-' as in BCP 47 tags too.
    QString name = locale.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
    name.replace(QLatin1Char('-'), QLatin1Char('_'));
    const QStringList parts = name.split(QLatin1Char('_'));
    const QString language = parts.front().toLower();
    if (language == QLatin1String("en")) return QStringLiteral("en");
    if (language != QLatin1String("zh")) return QString();
    // Traditional characters: a Hant script, or Taiwan, Hong Kong and Macao.
    for (qsizetype i = 1; i < parts.size(); ++i) {
        const QString part = parts[i].toUpper();
        if (part == QLatin1String("HANT") || part == QLatin1String("TW") || part == QLatin1String("HK") ||
            part == QLatin1String("MO")) {
            return QStringLiteral("zh_TW");
        }
    }
    return QStringLiteral("zh_CN");
}

QString LanguageFromEnvironment() {
    auto variable = [](const char* name) { return qEnvironmentVariable(name); };
    QString locale = variable("LC_ALL");
    if (locale.isEmpty()) locale = variable("LC_MESSAGES");
    if (locale.isEmpty()) locale = variable("LANG");
    // LANGUAGE is a list of preferences, and counts only where a locale is set.
    if (!locale.isEmpty() && locale != QLatin1String("C") && locale != QLatin1String("POSIX")) {
        for (const QString& wanted : variable("LANGUAGE").split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
            const QString code = LanguageForLocale(wanted);
            if (!code.isEmpty()) return code;
        }
    }
    const QString code = LanguageForLocale(locale);
    return code.isEmpty() ? QStringLiteral("en") : code;
}

QString RememberedLanguage() {
    const QString code = QSettings().value(QLatin1String(kSettingsKey)).toString();
    return Known(code) ? code : QString();
}

void RememberLanguage(const QString& code) {
    if (Known(code)) QSettings().setValue(QLatin1String(kSettingsKey), code);
}

QString StartLanguage(const QString& requested) {
    const QString asked = LanguageForLocale(requested);
    if (!asked.isEmpty()) return asked;
    const QString remembered = RememberedLanguage();
    return remembered.isEmpty() ? LanguageFromEnvironment() : remembered;
}

QString& FolderStore() {
    static QString folder;
    return folder;
}

QString TranslationsFolder() {
    if (FolderStore().isEmpty()) return QCoreApplication::applicationDirPath() + QStringLiteral("/translations");
    return FolderStore();
}

void SetTranslationsFolder(const QString& folder) { FolderStore() = folder; }

std::unique_ptr<QTranslator> LoadTranslation(const QString& code) {
    auto translator = std::make_unique<QTranslator>();
    if (code == QLatin1String("en") || !Known(code)) return nullptr;
    if (!translator->load(QStringLiteral("zentrava_") + code, TranslationsFolder())) return nullptr;
    return translator;
}

bool SetInterfaceLanguage(const QString& code) {
    Installed& current = Current();
    std::unique_ptr<QTranslator> ours = LoadTranslation(code);
    auto qt = std::make_unique<QTranslator>();
    bool loaded = true;
    if (code != QLatin1String("en")) {
        loaded = ours != nullptr;
        // Qt's own texts (the buttons of message boxes, the file and colour dialogs).
        if (loaded) (void)qt->load(QStringLiteral("qtbase_") + code, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    }
    if (current.ours) QCoreApplication::removeTranslator(current.ours.get());
    if (current.qt) QCoreApplication::removeTranslator(current.qt.get());
    current.ours.reset();
    current.qt.reset();
    current.code = QStringLiteral("en");
    if (!loaded || code == QLatin1String("en")) return loaded;
    if (!qt->isEmpty()) QCoreApplication::installTranslator(qt.get());
    QCoreApplication::installTranslator(ours.get());
    current.ours = std::move(ours);
    current.qt = std::move(qt);
    current.code = code;
    return true;
}

QString InterfaceLanguage() { return Current().code; }

NameScript InterfaceNameScript() {
    return ParseNameScript(Current().code.toStdString()).value_or(NameScript::English);
}


QString FormText(const std::string& text) {
    if (text.empty()) return QString();
    return QCoreApplication::translate("Form", text.c_str());
}

}  // namespace zentrava::desktop
