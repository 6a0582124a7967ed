// libzentrava-preview.so: the embedded browser of the code window, kept out of
// the executable so that Qt WebEngine loads only when a preview is shown.
// The app finds one C function here; it drives the view through Qt's
// meta-object system (the `url` property, the `stop` slot, the
// `loadFinished` signal, and the page's `renderProcessPid`: the page is the
// view's child "WebPage"); the page reports its console messages to the
// panel the same way.
#include <QWebEnginePage>
#include <QWebEngineSettings>
#include <QWebEngineView>

#include "console_page.h"

// The app makes Qt's global OpenGL share context before it loads this module
// (see PreviewPane), as Qt WebEngine requires.
extern "C" Q_DECL_EXPORT QWidget* zentrava_create_preview(QWidget* parent) {
    auto* view = new QWebEngineView(parent);
    // The page passes its console messages to the panel (see ConsolePage).
    auto* page = new zentrava::desktop::ConsolePage(view);
    page->setObjectName(QStringLiteral("WebPage"));
    view->setPage(page);
    QWebEngineSettings* settings = view->settings();
    // The preview is a local file; its pictures are local files beside it.
    settings->setAttribute(QWebEngineSettings::LocalContentCanAccessFileUrls, true);
    settings->setAttribute(QWebEngineSettings::JavascriptEnabled, true);
    return view;
}
