// ChildWindow: the child window of the effect area that hosts an effect form.
#pragma once

#include <functional>

#include <QWidget>

namespace zentrava::desktop {

class TMDIChild;

// The child window that hosts an effect form in the effect area: no title
// bar, fixed size, not movable or resizable by its frame (a welcome form
// keeps a resizable frame). The area holds one form at a time, so a plain
// widget does what an MDI subwindow would, without its title bar, system
// menu and application-wide event filter. It is deleted once closed and
// says so before it goes.
class ChildWindow : public QWidget {
    Q_OBJECT
public:
    explicit ChildWindow(QWidget* area);

    // Takes in the form, made with this window as its parent.
    void SetForm(TMDIChild* form);
    TMDIChild* Form() const { return form_; }

    // Tab and Shift+Tab inside the form go to `handler` (true: forward), so
    // that the focus can leave the form at its ends for the rest of the main
    // window; without a handler they go on as in any other widget.
    void SetTabHandler(std::function<bool(bool)> handler) { tabHandler_ = std::move(handler); }

Q_SIGNALS:
    void closed(ChildWindow* window);

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    TMDIChild* form_ = nullptr;
    QWidget* frame_ = nullptr;  // a welcome form's thick frame, filling the window
    std::function<bool(bool)> tabHandler_;
};

}  // namespace zentrava::desktop
