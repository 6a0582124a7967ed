// What an effect form needs of the application shell: the current
// entry, the program directory, the page skeleton, the shared dialogs and the
// code window. The main window provides it; tests may provide their own.
#pragma once

#include <string>
#include <vector>

#include "catalogue/plugin.h"
#include "effects/script_lines.h"
#include "output/insert_effect.h"

class QWidget;

namespace zentrava::desktop {

class UiServices;
struct SharedDialogs;

// What the code window's "Insert into Page..." puts into a page: the effect
// as it was generated last, and the page and block it came from when the
// form was opened from a page (the next insertion into that page replaces
// that block).
struct InsertSource {
    ChosenEffect effect;
    std::string page;   // full file name; empty when the form was not opened from a page
    std::string block;  // the block's name in that page
};

class Shell {
public:
    virtual ~Shell() = default;

    // The entry selected last (an empty record before any).
    virtual const Tplugin& CurrentEntry() const = 0;
    // The program directory, as a file name for the engine.
    virtual std::string ProgramDir() const = 0;
    // The page skeleton that Generate rebuilds.
    virtual std::vector<std::string>& PageSkeleton() = 0;
    virtual UiServices& Services() = 0;
    virtual SharedDialogs& Dialogs() = 0;
    // The window that dialogs and message boxes belong to.
    virtual QWidget* DialogParent() = 0;
    // Generate's last step: show the code window for these script lines.
    virtual void ShowCodeWindow(TScriptCodeStrings& lines) = 0;
    // Generate tells what it generated, before it shows the code window, for
    // the code window to insert into a page. A shell without one ignores it.
    virtual void OfferInsertion(const InsertSource& source) { (void)source; }
};

}  // namespace zentrava::desktop
