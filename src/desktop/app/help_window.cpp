#include "app/help_window.h"

#include <QFileInfo>
#include <QVBoxLayout>

#include "app/interface_font.h"
#include "output/preview_pane.h"

namespace zentrava::desktop {

HelpWindow::HelpWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("HelpWindow"));
    setWindowTitle(tr("Zentrava Help"));
    // The run ends when the main window closes, whether or not this is shown.
    setAttribute(Qt::WA_QuitOnClose, false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    pane_ = new PreviewPane(this);
    pane_->setObjectName(QStringLiteral("HelpBrowser"));
    layout->addWidget(pane_);
    resize(Scaled(QSize(640, 480)));
}

bool HelpWindow::ShowGuide(const QString& file) {
    if (!QFileInfo(file).isFile()) return false;
    if (!pane_->Navigate(QFileInfo(file).absoluteFilePath())) return false;
    show();
    raise();
    activateWindow();
    return true;
}

}  // namespace zentrava::desktop
