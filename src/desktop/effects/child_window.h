// ChildWindow: the MDI subwindow that hosts an effect form.
#pragma once

#include <functional>

#include <QMdiSubWindow>

namespace zentrava::desktop {

class TMDIChild;

// The MDI subwindow that hosts an effect form: no title bar, fixed size,
// not movable or resizable by its frame (a welcome form keeps a resizable
// frame). It is deleted once closed and says so before it goes.
class ChildWindow : public QMdiSubWindow {
    Q_OBJECT
public:
    ChildWindow(TMDIChild* form, QWidget* parent = nullptr);

    TMDIChild* Form() const { return form_; }

    // Tab and Shift+Tab inside the form go to `handler` (true: forward), so
    // that the focus can leave the form at its ends for the rest of the main
    // window; without a handler they stay inside the form.
    void SetTabHandler(std::function<bool(bool)> handler) { tabHandler_ = std::move(handler); }

Q_SIGNALS:
    void closed(ChildWindow* window);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool focusNextPrevChild(bool next) override;

private:
    TMDIChild* form_;
    std::function<bool(bool)> tabHandler_;
};

}  // namespace zentrava::desktop
