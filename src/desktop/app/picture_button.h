// The toolbar's picture buttons: a picture above a caption, 52 x 52, hand
// cursor, hint on hover; the selected category's caption is bold.
#pragma once

#include <QAbstractButton>
#include <QPixmap>

namespace zentrava::desktop {

class PictureButton : public QAbstractButton {
    Q_OBJECT
public:
    // `picture` is a resource path of an SVG picture.
    PictureButton(const QString& caption, const QString& hint, QString picture, QWidget* parent = nullptr);

    void setBold(bool bold);
    bool isBold() const;

    QSize sizeHint() const override { return {52, 52}; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    QString picture_;
    QPixmap rendered_;  // the picture at the size and pixel ratio below
    qreal renderedRatio_ = 0;
    int renderedSize_ = 0;
    bool hovered_ = false;
};

}  // namespace zentrava::desktop
