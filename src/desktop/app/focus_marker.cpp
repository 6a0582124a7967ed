#include "app/focus_marker.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QPainter>

namespace zentrava::desktop {

FocusFrame::FocusFrame(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("FocusFrame"));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void FocusFrame::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setBrush(Qt::NoBrush);
    constexpr int outer = kWidth - 1;
    p.setPen(QPen(Color(), outer, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    const qreal half = outer / 2.0;
    p.drawRect(QRectF(rect()).adjusted(half, half, -half, -half));
    p.setPen(QPen(InnerColor(), 1, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.drawRect(QRectF(rect()).adjusted(outer + 0.5, outer + 0.5, -outer - 0.5, -outer - 0.5));
}

FocusMarker::FocusMarker(QObject* parent) : QObject(parent) {
    connect(qApp, &QApplication::focusChanged, this, &FocusMarker::FocusChanged);
}

void FocusMarker::Watch(QWidget* window) { windows_.append(window); }

QWidget* FocusMarker::Marked() const { return frame_ && frame_->isVisible() ? marked_.data() : nullptr; }

bool FocusMarker::Watched(const QWidget* widget) const {
    for (const QPointer<QWidget>& window : windows_) {
        if (window && (window == widget || window->isAncestorOf(widget))) return true;
    }
    return false;
}

void FocusMarker::FocusChanged(QWidget*, QWidget* now) {
    QWidget* target = now;
    // The text box inside a spin edit or an editable combo box: frame the whole control.
    while (target && target->parentWidget() &&
           (qobject_cast<QAbstractSpinBox*>(target->parentWidget()) || qobject_cast<QComboBox*>(target->parentWidget()))) {
        target = target->parentWidget();
    }
    // The widget that takes the keys for another (the page inside the
    // preview's browser view): frame the other.
    while (target && target->parentWidget() && target->parentWidget()->focusProxy() == target) {
        target = target->parentWidget();
    }
    // A control that fills its parent (the preview's view fills its pane,
    // the pane the code window's pages) leaves no room for the frame there:
    // frame the parent instead.
    auto framed = [](const QWidget* w) {
        return w->geometry().adjusted(-FocusFrame::kWidth, -FocusFrame::kWidth, FocusFrame::kWidth, FocusFrame::kWidth);
    };
    while (target && target->parentWidget() && !target->parentWidget()->isWindow() &&
           framed(target).contains(target->parentWidget()->rect())) {
        target = target->parentWidget();
    }
    if (!target || target->isWindow() || !Watched(target)) {
        if (frame_) frame_->hide();
        marked_ = nullptr;
        return;
    }
    // The frame stands beside the control, inside the control's parent. It
    // goes when that parent goes (a closed form), and is made again then.
    if (!frame_) frame_ = new FocusFrame;
    frame_->setParent(target->parentWidget());
    frame_->setGeometry(framed(target));
    frame_->raise();
    frame_->show();
    marked_ = target;
}

}  // namespace zentrava::desktop
