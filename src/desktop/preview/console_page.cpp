#include "console_page.h"

#include <QMetaObject>

namespace zentrava::desktop {

namespace {
constexpr const char* kRecordSlot = "RecordPageMessage(QObject*,int,QString,int,QString)";
}

ConsolePage::ConsolePage(QObject* view) : QWebEnginePage(view) {}

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
