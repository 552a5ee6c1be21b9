#include "framework/ShowAvi.h"

#include "platform/forms/IDialogService.h"
#include "platform/forms/TApplication.h"

#include <QtGlobal>

namespace ger {

void ActiveShowAvi(TCustomForm* form, int kind, const QString& text) {
    Application().Dialogs().ShowProgress(form, kind, text);
}

// Removing the animation must not replace the exception that is on its way out; a service
// that fails here leaves a warning and the animation to the next ActiveShowAvi.
void DeactiveShowAvi() noexcept {
    IDialogService* dialogs = Application().DialogService();
    if (!dialogs)
        return;
    try {
        dialogs->HideProgress();
    } catch (const std::exception& e) {
        qWarning("DeactiveShowAvi: the progress animation could not be removed: %s", e.what());
    }
}

ShowAviScope::ShowAviScope(TCustomForm* form, int kind, const QString& text) {
    ActiveShowAvi(form, kind, text);
}

} // namespace ger
