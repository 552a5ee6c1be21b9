#pragma once
// TApplication: the one application object, Application(). It owns the forms (a form created
// with Application() as owner lives until the application destroys it), knows the main form,
// holds the screen (forms, active form, cursor) and the dialog service through which every
// message box, modal loop, lookup window and progress animation goes, and reports the
// exceptions that reach the dispatch boundary of a user action (HandleException).
//
// Released forms (TCustomForm::Release) are freed when the outermost user action dispatched by
// Dispatch has finished, or by FreeReleasedForms; ProcessMessages does nothing in this model,
// since every call already runs to its end.

#include "platform/core/Exception.h"
#include "platform/core/TComponent.h"
#include "platform/forms/TScreen.h"

#include <QPointer>
#include <exception>
#include <functional>
#include <vector>

namespace ger {

class IDialogService;
class TCustomForm;

using TExceptionEvent = std::function<void(TObject* Sender, const Exception& E)>;

class TApplication : public TComponent {
    Q_OBJECT
public:
    TApplication();
    ~TApplication() override;

    QString ClassName() const override { return QStringLiteral("TApplication"); }

    TCustomForm* MainForm() const { return m_mainForm; }
    void SetMainForm(TCustomForm* form);
    const QString& Title() const { return m_title; }
    void SetTitle(const QString& title) { m_title = title; }

    TScreen& Screen() { return m_screen; }

    // The installed service, or null. Not owned: whoever installs it removes it before it goes.
    IDialogService* DialogService() const { return m_dialogs; }
    void SetDialogService(IDialogService* service) { m_dialogs = service; }
    // The installed service; raises Exception when none is installed.
    IDialogService& Dialogs() const;

    // EAbort: nothing. Any other exception: OnException when assigned, else ShowException.
    void HandleException(const std::exception& e);
    // An error box with the message, a period added when it does not end in one (as the
    // platform does: "Cannot focus a disabled or invisible window.").
    void ShowException(const QString& message);
    TExceptionEvent OnException;

    void ProcessMessages() {}
    bool Terminated() const { return m_terminated; }
    void Terminate();

    // Modal forms, innermost last; Dispatch lets the innermost one end its loop after each
    // user action.
    TCustomForm* ModalForm() const { return m_modal.empty() ? nullptr : m_modal.back(); }
    void CheckModalForms();

    void FreeReleasedForms();
    // Frees every form the application owns (OnDestroy runs), the newest first.
    void DestroyForms();

signals:
    void mainFormChanged();
    void terminated();

private:
    friend class TCustomForm;

    void ScheduleRelease(TCustomForm* form);
    void PushModal(TCustomForm* form) { m_modal.push_back(form); }
    void PopModal(TCustomForm* form);
    void FormDestroyed(TCustomForm* form);

    TScreen m_screen;
    TCustomForm* m_mainForm = nullptr;
    QString m_title;
    IDialogService* m_dialogs = nullptr;
    bool m_terminated = false;
    std::vector<TCustomForm*> m_modal;
    std::vector<QPointer<TCustomForm>> m_released;
};

// The application object; created on first use and never destroyed.
TApplication& Application();

} // namespace ger
