// Panel1 of the code window: the frame that holds the embedded browser
// (`WebBrowser`). The browser is Qt WebEngine, kept in the module
// libzentrava-preview.so beside the executable and loaded at the first
// navigation, so that neither Chromium's libraries nor its processes cost
// anything before the first preview.
#pragma once

#include <QFrame>
#include <QPointer>
#include <QString>

class QLabel;

namespace zentrava::desktop {

class PreviewPane : public QFrame {
    Q_OBJECT
public:
    explicit PreviewPane(QWidget* parent = nullptr);

    // Navigates the browser to a local file (creating it first if needed).
    // False, with LoadError() set and a notice shown in the panel, when the
    // browser module cannot be loaded.
    bool Navigate(const QString& file);

    // The browser view, null before the first navigation.
    QWidget* Browser() const { return browser_; }
    QString LoadError() const { return error_; }

    // Where the browser module is looked for (default: the executable's folder).
    static QString ModulePath();
    static void SetModulePath(const QString& path);

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

private:
    bool CreateBrowser();

    QPointer<QWidget> browser_;
    QLabel* notice_ = nullptr;
    QString error_;
};

}  // namespace zentrava::desktop
