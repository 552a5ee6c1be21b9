#include "framework/MensErro.h"

#include "platform/core/Exception.h"
#include "platform/forms/IDialogService.h"
#include "platform/forms/TApplication.h"

namespace ger {

void MensErro(const QString& text, bool showMessage) {
    if (showMessage)
        Application().Dialogs().MessageDlg(text, mtError, TMsgDlgButtons(mbOK));
    Abort();
}

} // namespace ger
