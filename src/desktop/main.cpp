// zentrava: the desktop application (start-up).
#include <cstdio>
#include <cstring>

#include <QApplication>
#include <QTimer>

#include "app/environment.h"
#include "app/first_paint.h"
#include "app/language.h"
#include "app/main_window.h"
#include "app/services.h"
#include "heap.h"
#include "output/system_colors.h"

int main(int argc, char** argv) {
    using namespace zentrava::desktop;
    // --quit-after-startup: leave the message loop as soon as it has run
    // once, after start-up; --quit-after-first-paint: leave it once the main
    // window has been painted for the first time (for start-up time and
    // memory measurements).
    bool quitAfterStartup = false, quitAfterFirstPaint = false;
    // --lang CODE (en, zh_CN, zh_TW): the interface language for this run only.
    QString requestedLanguage;
    for (int i = 1; i < argc; ++i) {
        quitAfterStartup |= std::strcmp(argv[i], "--quit-after-startup") == 0;
        quitAfterFirstPaint |= std::strcmp(argv[i], "--quit-after-first-paint") == 0;
        if (std::strcmp(argv[i], "--lang") == 0 && i + 1 < argc) requestedLanguage = QString::fromLocal8Bit(argv[++i]);
        else if (std::strncmp(argv[i], "--lang=", 7) == 0) requestedLanguage = QString::fromLocal8Bit(argv[i] + 7);
    }

    zentrava::KeepFreedMemoryForReuse();
    PrepareEnvironment();
    // 1. The application object and its title.
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("zentrava"));
    QApplication::setOrganizationName(QStringLiteral("zentrava"));
    QGuiApplication::setDesktopFileName(QStringLiteral("zentrava"));
    SetApplicationTitle(QStringLiteral("Zentrava XP 2.1"));
    InstallSystemColorResolver();
    if (!requestedLanguage.isEmpty() && LanguageForLocale(requestedLanguage).isEmpty()) {
        std::fprintf(stderr, "zentrava: --lang takes en, zh_CN or zh_TW, not '%s'\n", qPrintable(requestedLanguage));
    }
    const QString language = StartLanguage(requestedLanguage);
    if (!SetInterfaceLanguage(language)) {
        std::fprintf(stderr, "zentrava: no %s translation in %s; the interface is in English\n", qPrintable(language),
                     qPrintable(TranslationsFolder()));
    }

    DesktopServices services;
    int status = 0;
    {
        // 2. The main window (its creation reads "mouse.ini" and shows it).
        MainWindow mainWindow(QCoreApplication::applicationDirPath(), services);
        // 3-6. The hidden code window, the welcome panel hidden, entry 0's form.
        mainWindow.FinishStartUp();
        // 7. The message loop.
        if (quitAfterStartup) QTimer::singleShot(0, &app, &QCoreApplication::quit);
        if (quitAfterFirstPaint) new QuitAfterFirstPaint(&mainWindow);
        status = QApplication::exec();
    }
    zentrava::SetSystemColorResolver(nullptr);
    return status;
}
