#include "app/form_manager.h"

#include <exception>
#include <memory>

#include "app/services.h"
#include "effects/child_window.h"
#include "effects/mdi_child.h"
#include "effects/registry.h"
#include "effects/shell.h"
#include "output/text_codec.h"

namespace zentrava::desktop {

FormManager::FormManager(Shell& shell, QWidget& area, QObject* parent) : QObject(parent), shell_(shell), area_(area) {
    setObjectName(QStringLiteral("FormManager"));
}

TMDIChild* FormManager::CurrentForm() const {
    return current_ ? current_->Form() : nullptr;
}

void FormManager::OpenEffectForm(const Tplugin& entry) {
    try {
        const FormDecl* decl = nullptr;
        try {
            decl = FormForEntry(entry, shell_.ProgramDir());
        } catch (const EngineError& e) {
            shell_.Services().ShowError(shell_.DialogParent(), ApplicationTitle(), ErrorText(e.what()),
                                        FromBytes(e.Reason()));
            return;
        }
        if (!decl) return;
        if (current_) current_->close();  // deleted once the close has been handled
        // The form is made in its window, at its top left in the area.
        std::unique_ptr<ChildWindow> made(new ChildWindow(&area_));
        made->SetForm(new TMDIChild(*decl, shell_, made.get()));
        ChildWindow* window = made.release();
        window->SetTabHandler(tabHandler_);
        connect(window, &ChildWindow::closed, this, &FormManager::Closed);
        current_ = window;
        window->show();
        Q_EMIT currentChanged(true);
    } catch (const std::exception& e) {
        shell_.Services().ShowMessage(shell_.DialogParent(), ApplicationTitle(), FromBytes(e.what()));
    }
}

void FormManager::Closed(ChildWindow* window) {
    if (current_ != window) return;
    current_ = nullptr;
    Q_EMIT currentChanged(false);
}

}  // namespace zentrava::desktop
