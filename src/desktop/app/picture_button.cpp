#include "app/picture_button.h"

#include <QPainter>
#include <QPainterPath>
#include <QIcon>

#include "app/interface_font.h"

namespace zentrava::desktop {

namespace {
constexpr int kPicture = 28;  // picture size in pixels
}

PictureButton::PictureButton(const QString& caption, const QString& hint, QString picture, QWidget* parent)
    : QAbstractButton(parent), picture_(std::move(picture)) {
    setText(caption);
    setToolTip(hint);
    setAccessibleName(caption);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
    // Drawn in the window's interface font, bold while its category is shown.
}

void PictureButton::setBold(bool bold) {
    QFont f = font();
    f.setBold(bold);
    setFont(f);
    update();
}

bool PictureButton::isBold() const { return font().bold(); }

void PictureButton::enterEvent(QEnterEvent* event) {
    hovered_ = true;
    update();
    QAbstractButton::enterEvent(event);
}

void PictureButton::leaveEvent(QEvent* event) {
    hovered_ = false;
    update();
    QAbstractButton::leaveEvent(event);
}

void PictureButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF box = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    if (isDown() || hovered_ || isBold() || hasFocus()) {
        QColor fill = isDown() ? QColor(0xCC, 0xE0, 0xF5) : hovered_ ? QColor(0xE5, 0xF0, 0xFB) : QColor(0xF0, 0xF5, 0xFA);
        QColor edge = hovered_ || isDown() || hasFocus() ? QColor(0x7D, 0xA2, 0xCE) : QColor(0xD5, 0xDF, 0xEA);
        QPainterPath path;
        path.addRoundedRect(box, 4, 4);
        p.fillPath(path, fill);
        p.setPen(edge);
        p.drawPath(path);
    }
    const qreal dpr = devicePixelRatioF();
    const int picture = Scaled(kPicture);
    if (rendered_.isNull() || renderedRatio_ != dpr || renderedSize_ != picture) {
        // The icon engine, a plug-in, is loaded at the first paint, not while
        // the window is being made.
        rendered_ = QIcon(picture_).pixmap(QSize(picture, picture), dpr);
        renderedRatio_ = dpr;
        renderedSize_ = picture;
    }
    const int shift = isDown() ? 1 : 0;
    p.drawPixmap((width() - picture) / 2 + shift, Scaled(4) + shift, rendered_);
    p.setPen(Qt::black);
    p.setFont(font());
    p.drawText(QRect(0 + shift, Scaled(33) + shift, width(), Scaled(49) - Scaled(33)), Qt::AlignHCenter | Qt::AlignTop, text());
}

}  // namespace zentrava::desktop
