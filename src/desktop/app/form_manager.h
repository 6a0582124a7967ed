// TFormManager: opens the effect form that a catalogue entry names,
// in the effect area, closing the one open before.
#pragma once

#include <functional>
#include <string>

#include <QObject>

#include "catalogue/plugin.h"
#include <QPointer>

class QWidget;

namespace zentrava::desktop {

class ChildWindow;
class Shell;
class TMDIChild;

class FormManager : public QObject {
    Q_OBJECT
public:
    FormManager(Shell& shell, QWidget& area, QObject* parent = nullptr);

    // OpenEffectForm: looks the entry's form class up (letter case ignored);
    // an unknown name does nothing. Otherwise closes the current form and
    // opens a new instance in the effect area. A form declared by the entry's
    // script file that cannot be read (a faulty parameter block) is named, with
    // its file and line, in an error box; other errors in a plain message box.
    void OpenEffectForm(const Tplugin& entry);

    // The current effect form, null when none is open.
    TMDIChild* CurrentForm() const;
    ChildWindow* CurrentWindow() const { return current_; }

    // What Tab and Shift+Tab do inside the forms opened from now on.
    void SetTabHandler(std::function<bool(bool)> handler) { tabHandler_ = std::move(handler); }

Q_SIGNALS:
    // A form was opened, or the current one closed (`open` false: none is open).
    void currentChanged(bool open);

private:
    void Closed(ChildWindow* window);

    Shell& shell_;
    QWidget& area_;
    QPointer<ChildWindow> current_;
    std::function<bool(bool)> tabHandler_;
};

}  // namespace zentrava::desktop
