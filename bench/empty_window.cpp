// The floor of the start-up and memory benchmarks: the window the app shows,
// empty. A top-level widget with the app's font (the desktop's own, as the
// app takes it) and the app's size (the classic 708 x 501 scaled by the
// factor worked out from that font, with the app's own code), built with the
// same compiler, flags and Qt as the app, shown centred the same way and left
// by the same switches. It draws nothing: what the app does beyond it is the
// toolbar, the list, the form and their text.
#include <cstring>

#include <QApplication>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include "app/first_paint.h"
#include "app/interface_font.h"

int main(int argc, char** argv) {
    using namespace zentrava::desktop;
    bool quitAfterStartup = false, quitAfterFirstPaint = false;
    for (int i = 1; i < argc; ++i) {
        quitAfterStartup |= std::strcmp(argv[i], "--quit-after-startup") == 0;
        quitAfterFirstPaint |= std::strcmp(argv[i], "--quit-after-first-paint") == 0;
    }
    QApplication app(argc, argv);
    QWidget window(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                                Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    window.setWindowTitle(QStringLiteral("Empty"));
    window.setFont(InterfaceFont());
    window.setFixedSize(Scaled(QSize(708, 501)));
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        window.move(screen->availableGeometry().center() - QPoint(window.width() / 2, window.height() / 2));
    }
    window.show();
    if (quitAfterStartup) QTimer::singleShot(0, &app, &QCoreApplication::quit);
    if (quitAfterFirstPaint) new QuitAfterFirstPaint(&window);
    return QApplication::exec();
}
