#include "app/form_manager.h"

#include <exception>

#include <QMdiArea>

#include "app/services.h"
#include "effects/mdi_child.h"
#include "effects/registry.h"
#include "effects/shell.h"
#include "output/text_codec.h"

namespace zentrava::desktop {

FormManager::FormManager(Shell& shell, QMdiArea& area, QObject* parent)
    : QObject(parent), shell_(shell), area_(area) {
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
        auto* form = new TMDIChild(*decl, shell_);
        auto* window = new ChildWindow(form);
        window->SetTabHandler(tabHandler_);
        connect(window, &ChildWindow::closed, this, &FormManager::Closed);
        area_.addSubWindow(window);
        window->move(0, 0);
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
