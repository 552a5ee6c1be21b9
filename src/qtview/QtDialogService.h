#pragma once
// QtDialogService: the model's IDialogService with real windows.
//
//   QtDialogService dialogs;            // installs itself in Application(); uninstalls when gone
//
// MessageDlg: a QMessageBox with the type's icon and Portuguese title and buttons ("Sim",
// "Não", "OK", "Cancelar"...), the text as given; Enter takes OK (or Yes), Escape and the
// window's close button take Cancel (or No, or OK). Returns the button's modal result.
// RunModal: the form's view in a modal QDialog, with a local event loop that ends when the form
// emits modalLoopEnded() (or is destroyed); the window's close button is the form's Close.
// ShowLookup: QtLookupDialog. ShowProgress / HideProgress: QtProgressWindow over the form's view.
// The screen cursor follows TScreen: the hourglass sets Qt's wait cursor as the application's
// override cursor, the default cursor removes it.

#include "platform/forms/IDialogService.h"
#include "qtview/QtProgressWindow.h"

#include <QPointer>
#include <memory>

namespace ger {

class QtScreenCursor;

class QtDialogService : public IDialogService {
public:
    explicit QtDialogService(bool install = true);
    ~QtDialogService() override;
    QtDialogService(const QtDialogService&) = delete;
    QtDialogService& operator=(const QtDialogService&) = delete;

    void Install();

    TModalResult MessageDlg(const QString& text, TMsgDlgType type, TMsgDlgButtons buttons) override;
    void RunModal(TCustomForm& form) override;
    LookupResult ShowLookup(const LookupRequest& request) override;
    void ShowProgress(TCustomForm* over, int kind, const QString& text) override;
    void HideProgress() override;

    // The progress window while it is up, or null.
    QtProgressWindow* ProgressWindow() const { return m_progress; }

    // The Portuguese caption of a message dialog button and the title of a dialog type.
    static QString ButtonText(TMsgDlgBtn button);
    static QString TitleOf(TMsgDlgType type);

private:
    std::unique_ptr<QtScreenCursor> m_cursor;
    QPointer<QtProgressWindow> m_progress;
    // The window the animation stands over. Some window systems (the offscreen one) give the
    // activation to the animation however it is flagged; when it goes, its owner gets the
    // activation, and with it the keyboard, back.
    QPointer<QWidget> m_progressOwner;
};

} // namespace ger
