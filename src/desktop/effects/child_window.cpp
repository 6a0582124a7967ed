#include "effects/child_window.h"

#include <QCloseEvent>

#include "app/interface_font.h"
#include "effects/mdi_child.h"
#include "effects/sizing_frame.h"

namespace zentrava::desktop {

// A subwindow: the form's own keys (Alt+G of its Generate button) answer only
// while the focus is inside it, so that the main window's keys stay its own.
ChildWindow::ChildWindow(QWidget* area) : QWidget(area, Qt::SubWindow) { setAttribute(Qt::WA_DeleteOnClose); }

void ChildWindow::SetForm(TMDIChild* form) {
    form_ = form;
    setObjectName(form->objectName() + QStringLiteral("Window"));
    if (form->Decl().style == FormStyle::Effect) {
        form->move(0, 0);
        setFixedSize(Scaled(QSize(TMDIChild::kWidth, TMDIChild::kHeight)));
    } else {
        // A welcome form keeps a thick frame that resizes it.
        form->setMinimumSize(0, 0);
        form->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
        frame_ = new SizingFrame(form, this);
        setMinimumSize(4 * SizingFrame::kBorder, 4 * SizingFrame::kBorder);
        resize(Scaled(QSize(TMDIChild::kWidth, TMDIChild::kHeight)));
        frame_->setGeometry(rect());
    }
}

void ChildWindow::resizeEvent(QResizeEvent* event) {
    if (frame_) frame_->setGeometry(rect());
    QWidget::resizeEvent(event);
}

bool ChildWindow::focusNextPrevChild(bool next) {
    if (tabHandler_) return tabHandler_(next);
    return QWidget::focusNextPrevChild(next);
}

void ChildWindow::closeEvent(QCloseEvent* event) {
    // The form is asked first, as the window's content.
    if (form_ && !form_->close()) {
        event->ignore();
        return;
    }
    event->accept();
    Q_EMIT closed(this);
}

}  // namespace zentrava::desktop
