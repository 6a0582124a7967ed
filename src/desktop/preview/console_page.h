// The preview's page: a QWebEnginePage that passes every console message of
// the page (uncaught errors arrive as error-level messages) to the panel that
// holds its view, through the panel's slot
//   RecordPageMessage(QObject* view, int level, QString message, int line, QString source)
// found by name, so that the app itself links no WebEngine. Levels are
// QWebEnginePage's: 0 info, 1 warning, 2 error.
//
// While the page waits for its user in a dialog of its own (alert, confirm,
// prompt, a file chooser), the view's property `waitingForUser` counts the
// dialogs open: the panel must not take such a page for a busy one, nor end
// the view from inside the dialog's event loop.
#pragma once

#include <QWebEnginePage>

namespace zentrava::desktop {

class ConsolePage : public QWebEnginePage {
    Q_OBJECT
public:
    // `view` is the page's view and its parent; the view's parent is the panel.
    explicit ConsolePage(QObject* view);

    // Runs a script in the page (the live preview puts its scroll position back).
    Q_INVOKABLE void runScript(const QString& script) { runJavaScript(script); }

protected:
    void javaScriptAlert(const QUrl& securityOrigin, const QString& message) override;
    bool javaScriptConfirm(const QUrl& securityOrigin, const QString& message) override;
    bool javaScriptPrompt(const QUrl& securityOrigin, const QString& message, const QString& defaultValue,
                          QString* result) override;
    QStringList chooseFiles(FileSelectionMode mode, const QStringList& oldFiles,
                            const QStringList& acceptedMimeTypes) override;
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel level, const QString& message, int lineNumber,
                                  const QString& sourceID) override;
};

}  // namespace zentrava::desktop
