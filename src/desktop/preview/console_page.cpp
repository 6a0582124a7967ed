#include "console_page.h"

#include <QMetaObject>
#include <QPointer>

namespace zentrava::desktop {

namespace {
constexpr const char* kRecordSlot = "RecordPageMessage(QObject*,int,QString,int,QString)";
constexpr const char* kWaiting = "waitingForUser";

// Counts a dialog of the page on its view for as long as the dialog is open.
class UserWait {
public:
    explicit UserWait(QObject* view) : view_(view) { Step(1); }
    ~UserWait() { Step(-1); }
    UserWait(const UserWait&) = delete;
    UserWait& operator=(const UserWait&) = delete;

private:
    void Step(int by) {
        if (view_) view_->setProperty(kWaiting, view_->property(kWaiting).toInt() + by);
    }
    QPointer<QObject> view_;
};
}  // namespace

ConsolePage::ConsolePage(QObject* view) : QWebEnginePage(view) {}

void ConsolePage::javaScriptAlert(const QUrl& securityOrigin, const QString& message) {
    UserWait wait(parent());
    QWebEnginePage::javaScriptAlert(securityOrigin, message);
}

bool ConsolePage::javaScriptConfirm(const QUrl& securityOrigin, const QString& message) {
    UserWait wait(parent());
    return QWebEnginePage::javaScriptConfirm(securityOrigin, message);
}

bool ConsolePage::javaScriptPrompt(const QUrl& securityOrigin, const QString& message, const QString& defaultValue,
                                   QString* result) {
    UserWait wait(parent());
    return QWebEnginePage::javaScriptPrompt(securityOrigin, message, defaultValue, result);
}

QStringList ConsolePage::chooseFiles(FileSelectionMode mode, const QStringList& oldFiles,
                                     const QStringList& acceptedMimeTypes) {
    UserWait wait(parent());
    return QWebEnginePage::chooseFiles(mode, oldFiles, acceptedMimeTypes);
}

void ConsolePage::javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString& message,
                                           int lineNumber, const QString& sourceID) {
    // Still logged as Qt WebEngine logs it (the "js" category).
    QWebEnginePage::javaScriptConsoleMessage(level, message, lineNumber, sourceID);
    // Looked up at each message: the panel may have replaced the view, and a
    // view outside such a panel passes nothing on.
    QObject* view = parent();
    QObject* panel = view ? view->parent() : nullptr;
    if (!panel || panel->metaObject()->indexOfMethod(kRecordSlot) < 0) return;
    QMetaObject::invokeMethod(panel, "RecordPageMessage", Qt::DirectConnection, Q_ARG(QObject*, view),
                              Q_ARG(int, static_cast<int>(level)), Q_ARG(QString, message), Q_ARG(int, lineNumber),
                              Q_ARG(QString, sourceID));
}

}  // namespace zentrava::desktop
