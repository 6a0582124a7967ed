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
    // The frame, outside the control: a blue line of kWidth - 1 pixels and,
    // next to the control, a white one, so that the frame stands out from a
    // control of any colour (a blue swatch) as from the form round it.
    static constexpr int kWidth = 3;
    static QColor Color() { return QColor(0x1E, 0x64, 0xC8); }
    static QColor InnerColor() { return Qt::white; }

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
