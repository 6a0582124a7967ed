// The floor of the start-up and memory benchmarks: an empty Qt Widgets
// window of the main window's size, built with the same compiler, flags and
// Qt as the app, shown centred the same way and left by the same switch.
#include <cstring>

#include <QApplication>
#include <QScreen>
#include <QTimer>
#include <QWidget>

int main(int argc, char** argv) {
    bool quitAfterStartup = false;
    for (int i = 1; i < argc; ++i) quitAfterStartup |= std::strcmp(argv[i], "--quit-after-startup") == 0;
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Empty"));
    window.setFixedSize(708, 501);
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        window.move(screen->availableGeometry().center() - QPoint(354, 250));
    }
    window.show();
    if (quitAfterStartup) QTimer::singleShot(0, &app, &QCoreApplication::quit);
    return QApplication::exec();
}
