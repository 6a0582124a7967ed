// zentrava: the desktop application (start-up).
#include <cstring>

#include <QApplication>
#include <QProxyStyle>
#include <QTimer>

#include "app/environment.h"
#include "app/main_window.h"
#include "app/services.h"
#include "heap.h"
#include "output/system_colors.h"

namespace {

// The effect forms' child windows have no caption bar, so the title-bar
// pictures are never drawn; loading them would make Qt probe every image
// plugin while the first form opens.
class NoTitleBarIconsStyle : public QProxyStyle {
public:
    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option, const QWidget* widget) const override {
        if (icon >= SP_TitleBarMenuButton && icon <= SP_TitleBarContextHelpButton) return QIcon();
        return QProxyStyle::standardIcon(icon, option, widget);
    }
};

}  // namespace

int main(int argc, char** argv) {
    using namespace zentrava::desktop;
    // --quit-after-startup: leave the message loop as soon as it has run
    // once, after start-up (for start-up time and memory measurements).
    bool quitAfterStartup = false;
    for (int i = 1; i < argc; ++i) quitAfterStartup |= std::strcmp(argv[i], "--quit-after-startup") == 0;

    zentrava::KeepFreedMemoryForReuse();
    PrepareEnvironment();
    // 1. The application object and its title.
    QApplication app(argc, argv);
    QApplication::setStyle(new NoTitleBarIconsStyle);
    QApplication::setApplicationName(QStringLiteral("zentrava"));
    QGuiApplication::setDesktopFileName(QStringLiteral("zentrava"));
    SetApplicationTitle(QStringLiteral("Zentrava XP 2.1"));
    InstallSystemColorResolver();

    DesktopServices services;
    int status = 0;
    {
        // 2. The main window (its creation reads "mouse.ini" and shows it).
        MainWindow mainWindow(QCoreApplication::applicationDirPath(), services);
        // 3-6. The hidden code window, the welcome panel hidden, entry 0's form.
        mainWindow.FinishStartUp();
        // 7. The message loop.
        if (quitAfterStartup) QTimer::singleShot(0, &app, &QCoreApplication::quit);
        status = QApplication::exec();
    }
    zentrava::SetSystemColorResolver(nullptr);
    return status;
}
