#include "effects/sizing_frame.h"

#include <algorithm>

#include <QMouseEvent>
#include <QPainter>
#include <QVBoxLayout>

namespace zentrava::desktop {

SizingFrame::SizingFrame(QWidget* content, QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("SizingFrame"));
    setMouseTracking(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(kBorder, kBorder, kBorder, kBorder);
    layout->addWidget(content);
}

Qt::Edges SizingFrame::EdgesAt(const QPoint& pos) const {
    Qt::Edges edges;
    if (pos.x() < kBorder) edges |= Qt::LeftEdge;
    if (pos.x() >= width() - kBorder) edges |= Qt::RightEdge;
    if (pos.y() < kBorder) edges |= Qt::TopEdge;
    if (pos.y() >= height() - kBorder) edges |= Qt::BottomEdge;
    return edges;
}

void SizingFrame::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), palette().color(QPalette::Button));
    p.setPen(palette().color(QPalette::Mid));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}

void SizingFrame::mousePressEvent(QMouseEvent* event) {
    dragging_ = EdgesAt(event->position().toPoint());
    pressGlobal_ = event->globalPosition().toPoint();
    if (QWidget* window = parentWidget()) pressGeometry_ = window->geometry();
}

void SizingFrame::mouseMoveEvent(QMouseEvent* event) {
    QWidget* window = parentWidget();
    if (!dragging_ || !(event->buttons() & Qt::LeftButton) || !window) {
        const Qt::Edges edges = EdgesAt(event->position().toPoint());
        const bool diagonal1 = edges == (Qt::LeftEdge | Qt::TopEdge) || edges == (Qt::RightEdge | Qt::BottomEdge);
        const bool diagonal2 = edges == (Qt::RightEdge | Qt::TopEdge) || edges == (Qt::LeftEdge | Qt::BottomEdge);
        if (diagonal1) setCursor(Qt::SizeFDiagCursor);
        else if (diagonal2) setCursor(Qt::SizeBDiagCursor);
        else if (edges & (Qt::LeftEdge | Qt::RightEdge)) setCursor(Qt::SizeHorCursor);
        else if (edges & (Qt::TopEdge | Qt::BottomEdge)) setCursor(Qt::SizeVerCursor);
        else unsetCursor();
        return;
    }
    const QPoint delta = event->globalPosition().toPoint() - pressGlobal_;
    QRect g = pressGeometry_;
    const QSize minimum = window->minimumSize();
    if (dragging_ & Qt::LeftEdge) g.setLeft(std::min(g.left() + delta.x(), g.right() - minimum.width() + 1));
    if (dragging_ & Qt::RightEdge) g.setRight(std::max(g.right() + delta.x(), g.left() + minimum.width() - 1));
    if (dragging_ & Qt::TopEdge) g.setTop(std::min(g.top() + delta.y(), g.bottom() - minimum.height() + 1));
    if (dragging_ & Qt::BottomEdge) g.setBottom(std::max(g.bottom() + delta.y(), g.top() + minimum.height() - 1));
    window->setGeometry(g);
}

void SizingFrame::mouseReleaseEvent(QMouseEvent*) { dragging_ = {}; }

}  // namespace zentrava::desktop
