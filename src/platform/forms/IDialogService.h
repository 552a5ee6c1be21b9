#pragma once
// IDialogService: everything that stops and asks the person at the screen. The Qt renderer
// implements it with real dialogs; ScriptedDialogs (src/script) answers from a script in tests
// and in the host's script mode. Install one with Application().SetDialogService.
//
// MessageDlg shows a message box and returns the modal result of the button chosen.
//
// RunModal runs a modal loop for a form that ShowModal has just shown, and returns once the
// form has emitted modalLoopEnded(): after each user action (Dispatch) the application runs the
// close handling of the innermost modal form whose ModalResult is set, and the form emits
// modalLoopEnded() when that handling accepts the close. ShowModal then hides the form and
// returns its ModalResult. The window's own close button is UserInput::CloseForm.
//
// ShowLookup presents the rows of a lookup window (the framework's Pesquisar and PesquisaLista
// build the request from their dataset) and returns the rows chosen, or accepted = false when
// the person cancels. The framework shows its own "nothing to choose" message for an empty
// list; the service is not called then.
//
// ShowProgress / HideProgress put up and take down the modeless progress animation of the
// framework (ActiveShowAvi / DeactiveShowAvi) over a form: `kind` is the framework's animation
// number, `text` the optional caption. Calls pair up; a second ShowProgress replaces the first.

#include "platform/forms/DialogTypes.h"

#include <QString>
#include <QStringList>
#include <vector>

namespace ger {

class TCustomForm;

struct LookupRequest {
    QString title;
    QStringList columnTitles;
    std::vector<QStringList> rows; // one string per column
    bool multiSelect = false;
};

struct LookupResult {
    bool accepted = false;
    std::vector<int> rows; // indexes into LookupRequest::rows
};

class IDialogService {
public:
    virtual ~IDialogService() = default;

    virtual TModalResult MessageDlg(const QString& text, TMsgDlgType type,
                                    TMsgDlgButtons buttons) = 0;
    virtual void RunModal(TCustomForm& form) = 0;
    virtual LookupResult ShowLookup(const LookupRequest& request) = 0;
    virtual void ShowProgress(TCustomForm* over, int kind, const QString& text) = 0;
    virtual void HideProgress() = 0;
};

} // namespace ger
