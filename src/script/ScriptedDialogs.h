#pragma once
// ScriptedDialogs: the dialog service of tests and of the host's script mode. Nothing is shown;
// everything is recorded, and every question must have been answered in advance.
//
//   ScriptedDialogs dialogs;              // installs itself; uninstalls when destroyed
//   dialogs.Answer(mrYes);                // the next question ("Confirma exclusão?") gets Yes
//   dialogs.OnModal([](TCustomForm& f) {  // runs while the next form is shown modally
//       ScriptedUser(f).Click("sbtConfirma");
//   });
//   ... drive the screen ...
//   dialogs.Texts()                       // every message shown, in order
//
// Messages. A message with one button (an error, an information) is recorded and answered with
// that button. A message with several buttons is a question: it takes the next queued answer,
// which must be one of its buttons. A question with no queued answer raises ScriptError.
//
// Modal forms. RunModal takes the next queued script and runs it with the form; the script
// acts through ScriptedUser (each action dispatched) or calls code directly. When the script
// returns, the form must have ended its loop (a button with a ModalResult, Close, ...): a form
// still open, or a modal form with no queued script, raises ScriptError.
//
// Lookups take the next queued choice (rows by index, a row by the text of one of its cells,
// or a cancel) and raise ScriptError when none is queued or the row does not exist.
//
// Progress: ShowProgress and HideProgress are recorded as events; IsProgressShown tells
// whether the animation is up.

#include "platform/forms/IDialogService.h"

#include <deque>
#include <functional>
#include <vector>

namespace ger {

class ScriptedDialogs : public IDialogService {
public:
    struct Message {
        TMsgDlgType type;
        QString text;
        TMsgDlgButtons buttons;
        TModalResult result;
    };
    struct ProgressEvent {
        bool shown;
        QString formName;
        int kind;
        QString text;
    };
    using LookupChoice = std::function<LookupResult(const LookupRequest&)>;

    explicit ScriptedDialogs(bool install = true);
    ~ScriptedDialogs() override;
    ScriptedDialogs(const ScriptedDialogs&) = delete;
    ScriptedDialogs& operator=(const ScriptedDialogs&) = delete;

    void Install();

    void Answer(TModalResult answer);
    void OnModal(std::function<void(TCustomForm&)> script);
    void ChooseLookupRows(std::vector<int> rows);
    // The first row with a cell equal to `value`.
    void ChooseLookupValue(const QString& value);
    // The rows whose first column is one of `keys`, marked as a person marks them in a
    // multi-choice lookup; a single-choice lookup takes one key only. A key not offered is a
    // ScriptError.
    void ChooseLookupKeys(const QStringList& keys);
    void CancelLookup();

    const std::vector<Message>& Messages() const { return m_messages; }
    QStringList Texts() const;
    void ClearMessages() { m_messages.clear(); }
    const std::vector<LookupRequest>& Lookups() const { return m_lookups; }
    const std::vector<ProgressEvent>& Progress() const { return m_progress; }
    bool IsProgressShown() const { return m_progressShown; }
    // Names of the forms shown modally, in order.
    const QStringList& ModalForms() const { return m_modalForms; }
    // Answers, modal scripts and lookup choices queued but not used yet.
    int PendingCount() const;

    TModalResult MessageDlg(const QString& text, TMsgDlgType type, TMsgDlgButtons buttons) override;
    void RunModal(TCustomForm& form) override;
    LookupResult ShowLookup(const LookupRequest& request) override;
    void ShowProgress(TCustomForm* over, int kind, const QString& text) override;
    void HideProgress() override;

private:
    std::deque<TModalResult> m_answers;
    std::deque<std::function<void(TCustomForm&)>> m_modalScripts;
    std::deque<LookupChoice> m_lookupChoices;
    std::vector<Message> m_messages;
    std::vector<LookupRequest> m_lookups;
    std::vector<ProgressEvent> m_progress;
    QStringList m_modalForms;
    bool m_progressShown = false;
};

} // namespace ger
