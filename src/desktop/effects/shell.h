// What an effect form needs of the application shell: the current
// entry, the program directory, the page skeleton, the shared dialogs and the
// code window. The main window provides it; tests may provide their own.
#pragma once

#include <string>
#include <vector>

#include "catalogue/plugin.h"
#include "effects/script_lines.h"

class QWidget;

namespace zentrava::desktop {

class UiServices;
struct SharedDialogs;

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
};

}  // namespace zentrava::desktop
