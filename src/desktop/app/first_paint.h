// --quit-after-first-paint: the run ends once the window has been painted
// for the first time (every child included), so that start-up can be
// measured to what the user first sees. The app and the empty window of the
// start-up benchmark leave the same way.
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace zentrava::desktop {

class QuitAfterFirstPaint : public QObject {
public:
    // A window that is never painted (no screen shows it) ends the run after
    // `timeoutMs` with status 1.
    explicit QuitAfterFirstPaint(QWidget* window, int timeoutMs = 10000) : QObject(window) {
        window->installEventFilter(this);
        QTimer::singleShot(timeoutMs, this, [] { QCoreApplication::exit(1); });
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !painted_) {
            painted_ = true;
            // The children are painted after their window, in the same pass;
            // the run ends once that pass is over.
            QTimer::singleShot(0, qApp, &QCoreApplication::quit);
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool painted_ = false;
};

}  // namespace zentrava::desktop
