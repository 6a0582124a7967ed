// SizingFrame: the resizable frame of a welcome form.
#pragma once

#include <QWidget>

namespace zentrava::desktop {

// The thick frame of a welcome form: a border that resizes the subwindow
// when dragged, as the toolkit's own frame would.
class SizingFrame : public QWidget {
    Q_OBJECT
public:
    static constexpr int kBorder = 4;
    explicit SizingFrame(QWidget* content, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    Qt::Edges EdgesAt(const QPoint& pos) const;

    Qt::Edges dragging_;
    QPoint pressGlobal_;
    QRect pressGeometry_;
};

}  // namespace zentrava::desktop
