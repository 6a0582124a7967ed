#include "output/preview_pane.h"

#include <csignal>
#include <utility>

#include <sys/types.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QLabel>
#include <QLibrary>
#include <QOpenGLContext>
#include <QPalette>
#include <QSurfaceFormat>
#include <QThread>
#include <QUrl>
#include <QVBoxLayout>

QT_BEGIN_NAMESPACE
// QtGui's global share context, as Qt WebEngine itself declares them.
Q_GUI_EXPORT QOpenGLContext* qt_gl_global_share_context();
Q_GUI_EXPORT void qt_gl_set_global_share_context(QOpenGLContext* context);
QT_END_NAMESPACE

namespace zentrava::desktop {

namespace {

// Qt WebEngine composites through an OpenGL context shared with the
// application's. Qt makes that context while it creates the application
// object when Qt::AA_ShareOpenGLContexts is set, which loads the OpenGL driver
// at every start (some 55 MB and 40 ms under Mesa). The app sets no such
// attribute; the context is made here instead, before the first preview, as
// Qt would have made it, and the attribute is set for the views that follow.
void EnsureShareContext() {
    if (qt_gl_global_share_context()) return;
    // Qt warns that the attribute comes late; that is the point here.
    static QtMessageHandler previous = nullptr;
    previous = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext& context, const QString& text) {
        if (previous && !text.contains(QLatin1String("AA_ShareOpenGLContexts"))) previous(type, context, text);
    });
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    qInstallMessageHandler(previous);
    auto* context = new QOpenGLContext;  // lives for the rest of the run, as Qt's would
    context->setFormat(QSurfaceFormat::defaultFormat());
    context->create();
    qt_gl_set_global_share_context(context);
}

QString& ModulePathStore() {
    static QString path;
    return path;
}
using CreatePreview = QWidget* (*)(QWidget* parent);

int& StallTimeoutStore() {
    static int milliseconds = 4000;
    return milliseconds;
}

// How often a page that waits for its user, and a view waiting to be
// released, are looked at again.
constexpr int kRecheck = 250;

int LoopLevel() { return QThread::currentThread()->loopLevel(); }
}  // namespace

int PreviewPane::StallTimeout() { return StallTimeoutStore(); }

void PreviewPane::SetStallTimeout(int milliseconds) { StallTimeoutStore() = milliseconds; }

QString PreviewPane::ModulePath() {
    if (!ModulePathStore().isEmpty()) return ModulePathStore();
    return QCoreApplication::applicationDirPath() + QStringLiteral("/libzentrava-preview.so");
}

void PreviewPane::SetModulePath(const QString& path) { ModulePathStore() = path; }

void PreviewPane::RecordPageMessage(QObject* view, int level, const QString& message, int line,
                                    const QString& source) {
    if (!view || view != browser_) return;
    Q_EMIT pageMessage(level, message, line, source);
}

PreviewPane::PreviewPane(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("Panel1"));
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->setSpacing(0);
    stall_.setSingleShot(true);
    connect(&stall_, &QTimer::timeout, this, &PreviewPane::ReplaceStalledBrowser);
}

bool PreviewPane::CreateBrowser() {
    if (browser_) return true;
    if (!error_.isEmpty()) return false;  // the module failed once; it will fail again
    EnsureShareContext();
    // The library stays loaded for the rest of the run (Chromium cannot be unloaded).
    QLibrary library(ModulePath());
    auto create = reinterpret_cast<CreatePreview>(library.resolve("zentrava_create_preview"));
    QWidget* view = create ? create(this) : nullptr;
    if (!view) {
        error_ = library.errorString();
        notice_ = new QLabel(tr("The preview is not available: %1\nUse \"View In Browser\" to see the page.")
                                 .arg(error_),
                             this);
        notice_->setObjectName(QStringLiteral("PreviewNotice"));
        notice_->setWordWrap(true);
        notice_->setAlignment(Qt::AlignCenter);
        layout()->addWidget(notice_);
        return false;
    }
    view->setObjectName(QStringLiteral("WebBrowser"));
    layout()->addWidget(view);
    connect(view, SIGNAL(loadFinished(bool)), this, SLOT(BrowserLoadFinished(bool)));
    browser_ = view;
    return true;
}

bool PreviewPane::Navigate(const QString& file) {
    // A browser's first page has no previous page to wait for (and may wait
    // for the browser itself to start).
    const bool previousPage = browser_ && !requested_.isEmpty();
    if (!CreateBrowser()) return false;
    if (stallNotice_) stallNotice_->hide();
    requested_ = QUrl::fromLocalFile(file);
    waitedForUser_ = false;
    loopLevel_ = LoopLevel();
    // A page still loading (or running) stops; one whose script never
    // yields cannot, and the stall timer deals with it.
    QMetaObject::invokeMethod(browser_, "stop");
    browser_->setProperty("url", requested_);
    if (previousPage) stall_.start(StallTimeout());
    else stall_.stop();
    return true;
}

void PreviewPane::BrowserLoadFinished(bool ok) {
    if (sender() != browser_) return;  // a browser already replaced
    // The end of a stopped load, while the requested page is still on its way.
    QObject* page = browser_->findChild<QObject*>(QStringLiteral("WebPage"));
    if (page && page->property("loading").toBool()) return;
    stall_.stop();
    Q_EMIT loadFinished(ok);
}

void PreviewPane::ReplaceStalledBrowser() {
    if (!browser_) return;
    // A page that shows a dialog of its own (an alert, a file chooser) waits
    // for its user and is not busy; its time starts again once the dialog
    // is gone. Its view runs that dialog's event loop and must live on.
    if (browser_->property("waitingForUser").toInt() > 0) {
        waitedForUser_ = true;
        stall_.start(kRecheck);
        return;
    }
    if (waitedForUser_) {
        waitedForUser_ = false;
        stall_.start(StallTimeout());
        return;
    }
    // The renderer that holds the previous page is ended at once: its
    // script would otherwise keep a processor busy until it finished.
    QWidget* old = browser_;
    browser_ = nullptr;
    if (QObject* page = old->findChild<QObject*>(QStringLiteral("WebPage"))) {
        const qint64 pid = page->property("renderProcessPid").toLongLong();
        if (pid > 0 && pid != static_cast<qint64>(::getpid())) ::kill(static_cast<pid_t>(pid), SIGKILL);
    }
    old->hide();
    layout()->removeWidget(old);
    retired_.append(old);
    ReleaseRetired();
    if (!stallNotice_) {
        stallNotice_ = new QLabel(tr("The previous page did not finish, so it was stopped and the preview "
                                     "started afresh."),
                                  this);
        stallNotice_->setObjectName(QStringLiteral("StallNotice"));
        stallNotice_->setWordWrap(true);
        stallNotice_->setAutoFillBackground(true);
        QPalette pal = stallNotice_->palette();
        pal.setColor(QPalette::Window, QColor(0xFF, 0xF6, 0xEC));
        pal.setColor(QPalette::WindowText, Qt::black);
        stallNotice_->setPalette(pal);
        stallNotice_->setContentsMargins(4, 2, 4, 2);
        qobject_cast<QVBoxLayout*>(layout())->insertWidget(0, stallNotice_);
    }
    stallNotice_->show();
    if (!CreateBrowser()) return;
    // No second replacement for the same page: if even a fresh renderer is
    // kept busy by it, the next preview ends it.
    browser_->setProperty("url", requested_);
}

void PreviewPane::ReleaseRetired() {
    // Inside a nested event loop (a dialog opened since the preview), a view
    // may be on the call stack below: it is released once that loop is left.
    if (LoopLevel() > loopLevel_) {
        QTimer::singleShot(kRecheck, this, &PreviewPane::ReleaseRetired);
        return;
    }
    for (const QPointer<QWidget>& view : std::as_const(retired_))
        if (view) view->deleteLater();
    retired_.clear();
}

}  // namespace zentrava::desktop
