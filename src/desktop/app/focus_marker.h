// The focus mark: a frame drawn round the control that has the keyboard
// focus in the watched windows, the same for every kind of control and
// whatever the widget style draws (or does not draw) itself.
#pragma once

#include <QList>
#include <QObject>
#include <QPointer>
#include <QWidget>

namespace zentrava::desktop {

class FocusFrame : public QWidget {
    Q_OBJECT
public:
    static constexpr int kWidth = 2;  // the frame's lines, outside the control
    static QColor Color() { return QColor(0x1E, 0x64, 0xC8); }

    explicit FocusFrame(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

class FocusMarker : public QObject {
    Q_OBJECT
public:
    explicit FocusMarker(QObject* parent = nullptr);

    // Marks the focused controls of `window` and its child widgets.
    void Watch(QWidget* window);

    // The control framed now (a composite control such as a spin edit or a
    // combo box, not its inner text box), or null.
    QWidget* Marked() const;
    // The frame, null before the first mark.
    QWidget* Frame() const { return frame_; }

private:
    void FocusChanged(QWidget* old, QWidget* now);
    bool Watched(const QWidget* widget) const;

    QList<QPointer<QWidget>> windows_;
    QPointer<FocusFrame> frame_;
    QPointer<QWidget> marked_;
};

}  // namespace zentrava::desktop
