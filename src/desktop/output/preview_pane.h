// Panel1 of the code window: the frame that holds the embedded browser
// (`WebBrowser`). The browser is Qt WebEngine, kept in the module
// libzentrava-preview.so beside the executable and loaded at the first
// navigation, so that neither Chromium's libraries nor its processes cost
// anything before the first preview.
#pragma once

#include <QFrame>
#include <QList>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <QUrl>

class QLabel;

namespace zentrava::desktop {

class PreviewPane : public QFrame {
    Q_OBJECT
public:
    explicit PreviewPane(QWidget* parent = nullptr);

    // Navigates the browser to a local file (creating it first if needed).
    // A page still busy is stopped first. When the new page has not loaded
    // within StallTimeout() (a script of the previous page that never
    // yields holds the renderer), the busy renderer is ended and a fresh
    // browser shows the page, with a note that the previous page did not
    // finish. A page waiting for its user in a dialog of its own (an alert,
    // a file chooser) is not busy and is never replaced; a replaced view is
    // released only outside any event loop entered since. False, with LoadError() set and a notice shown in the panel,
    // when the browser module cannot be loaded.
    bool Navigate(const QString& file);

    // The browser view, null before the first navigation.
    QWidget* Browser() const { return browser_; }
    QString LoadError() const { return error_; }
    // The note above a fresh browser, null or hidden when there is none.
    QLabel* StallNotice() const { return stallNotice_; }

    // Where the browser module is looked for (default: the executable's folder).
    static QString ModulePath();
    static void SetModulePath(const QString& path);
    // How long a page may take to load before its renderer counts as busy.
    static int StallTimeout();
    static void SetStallTimeout(int milliseconds);

Q_SIGNALS:
    // The browser finished loading a page (forwarded from the view).
    void loadFinished(bool ok);
    // The page in the browser wrote to its console (an uncaught error is an
    // error-level message): level 0 info, 1 warning, 2 error; `line` counts
    // from 1 in `source`, the address of the script's file.
    void pageMessage(int level, const QString& message, int line, const QString& source);

public Q_SLOTS:
    // Called by the browser module's page for each console message; messages
    // of a view this panel no longer shows are dropped.
    void RecordPageMessage(QObject* view, int level, const QString& message, int line, const QString& source);

private Q_SLOTS:
    void BrowserLoadFinished(bool ok);

private:
    bool CreateBrowser();
    void ReplaceStalledBrowser();
    void ReleaseRetired();

    QPointer<QWidget> browser_;
    QLabel* notice_ = nullptr;
    QLabel* stallNotice_ = nullptr;
    QString error_;
    QUrl requested_;
    QTimer stall_;
    bool waitedForUser_ = false;  // the stall timer found the page in a dialog
    int loopLevel_ = 0;           // the event loop level of the last navigation
    QList<QPointer<QWidget>> retired_;  // replaced views not yet released
};

}  // namespace zentrava::desktop
