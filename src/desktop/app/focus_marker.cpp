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
    p.setPen(QPen(Color(), kWidth, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.setBrush(Qt::NoBrush);
    const qreal half = kWidth / 2.0;
    p.drawRect(QRectF(rect()).adjusted(half, half, -half, -half));
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
    if (!target || target->isWindow() || !Watched(target)) {
        if (frame_) frame_->hide();
        marked_ = nullptr;
        return;
    }
    // The frame stands beside the control, inside the control's parent. It
    // goes when that parent goes (a closed form), and is made again then.
    if (!frame_) frame_ = new FocusFrame;
    frame_->setParent(target->parentWidget());
    frame_->setGeometry(target->geometry().adjusted(-FocusFrame::kWidth, -FocusFrame::kWidth, FocusFrame::kWidth,
                                                    FocusFrame::kWidth));
    frame_->raise();
    frame_->show();
    marked_ = target;
}

}  // namespace zentrava::desktop
