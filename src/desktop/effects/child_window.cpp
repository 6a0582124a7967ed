#include "effects/child_window.h"

#include <QCloseEvent>

#include "app/interface_font.h"
#include "effects/mdi_child.h"
#include "effects/sizing_frame.h"

namespace zentrava::desktop {

ChildWindow::ChildWindow(TMDIChild* form, QWidget* parent) : QMdiSubWindow(parent), form_(form) {
    setAttribute(Qt::WA_DeleteOnClose);
    setObjectName(form->objectName() + QStringLiteral("Window"));
    // No caption bar in either style (the window style rule of effect forms).
    setWindowFlags(Qt::SubWindow | Qt::FramelessWindowHint);
    if (form->Decl().style == FormStyle::Effect) {
        setWidget(form);
        setFixedSize(Scaled(QSize(TMDIChild::kWidth, TMDIChild::kHeight)));
    } else {
        // A welcome form keeps a thick frame that resizes it.
        form->setMinimumSize(0, 0);
        form->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        setWidget(new SizingFrame(form));
        setMinimumSize(4 * SizingFrame::kBorder, 4 * SizingFrame::kBorder);
        resize(Scaled(QSize(TMDIChild::kWidth, TMDIChild::kHeight)));
    }
}

bool ChildWindow::focusNextPrevChild(bool next) {
    if (tabHandler_) return tabHandler_(next);
    return QMdiSubWindow::focusNextPrevChild(next);
}

void ChildWindow::closeEvent(QCloseEvent* event) {
    QMdiSubWindow::closeEvent(event);
    if (event->isAccepted()) Q_EMIT closed(this);
}

}  // namespace zentrava::desktop
