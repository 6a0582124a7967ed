#include "output/preview_pane.h"

#include <QCoreApplication>
#include <QLabel>
#include <QLibrary>
#include <QUrl>
#include <QVBoxLayout>

namespace zentrava::desktop {

namespace {
QString& ModulePathStore() {
    static QString path;
    return path;
}
using CreatePreview = QWidget* (*)(QWidget* parent);
}  // namespace

QString PreviewPane::ModulePath() {
    if (!ModulePathStore().isEmpty()) return ModulePathStore();
    return QCoreApplication::applicationDirPath() + QStringLiteral("/libzentrava-preview.so");
}

void PreviewPane::SetModulePath(const QString& path) { ModulePathStore() = path; }

PreviewPane::PreviewPane(QWidget* parent) : QFrame(parent) {
    setObjectName(QStringLiteral("Panel1"));
    setFrameStyle(QFrame::Box | QFrame::Plain);
    setLineWidth(1);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->setSpacing(0);
}

bool PreviewPane::CreateBrowser() {
    if (browser_) return true;
    if (!error_.isEmpty()) return false;  // the module failed once; it will fail again
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
    connect(view, SIGNAL(loadFinished(bool)), this, SIGNAL(loadFinished(bool)));
    browser_ = view;
    return true;
}

bool PreviewPane::Navigate(const QString& file) {
    if (!CreateBrowser()) return false;
    browser_->setProperty("url", QUrl::fromLocalFile(file));
    return true;
}

}  // namespace zentrava::desktop
