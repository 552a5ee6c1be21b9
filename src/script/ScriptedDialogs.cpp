#include "script/ScriptedDialogs.h"

#include "platform/forms/Dispatch.h"
#include "platform/forms/TApplication.h"
#include "platform/forms/TCustomForm.h"
#include "script/ScriptError.h"

namespace ger {

ScriptedDialogs::ScriptedDialogs(bool install) {
    if (install)
        Install();
}

ScriptedDialogs::~ScriptedDialogs() {
    if (Application().DialogService() == this)
        Application().SetDialogService(nullptr);
}

void ScriptedDialogs::Install() {
    Application().SetDialogService(this);
}

void ScriptedDialogs::Answer(TModalResult answer) {
    m_answers.push_back(answer);
}

void ScriptedDialogs::OnModal(std::function<void(TCustomForm&)> script) {
    m_modalScripts.push_back(std::move(script));
}

void ScriptedDialogs::ChooseLookupRows(std::vector<int> rows) {
    m_lookupChoices.push_back([rows = std::move(rows)](const LookupRequest& request) {
        for (int row : rows)
            if (row < 0 || row >= static_cast<int>(request.rows.size()))
                throw ScriptError(QStringLiteral("Lookup '%1' has no row %2 (it has %3)")
                                      .arg(request.title)
                                      .arg(row)
                                      .arg(request.rows.size()));
        return LookupResult{true, rows};
    });
}

void ScriptedDialogs::ChooseLookupValue(const QString& value) {
    m_lookupChoices.push_back([value](const LookupRequest& request) {
        for (size_t i = 0; i < request.rows.size(); ++i)
            if (request.rows[i].contains(value))
                return LookupResult{true, {static_cast<int>(i)}};
        throw ScriptError(
            QStringLiteral("Lookup '%1' has no row showing '%2'").arg(request.title, value));
    });
}

void ScriptedDialogs::ChooseLookupKeys(const QStringList& keys) {
    m_lookupChoices.push_back([keys](const LookupRequest& request) {
        if (keys.size() > 1 && !request.multiSelect)
            throw ScriptError(QStringLiteral("Lookup '%1' takes one row, not %2")
                                  .arg(request.title)
                                  .arg(keys.size()));
        LookupResult result{true, {}};
        for (const QString& key : keys) {
            const auto row =
                std::find_if(request.rows.begin(), request.rows.end(),
                             [&key](const QStringList& r) { return r.value(0) == key; });
            if (row == request.rows.end())
                throw ScriptError(
                    QStringLiteral("Lookup '%1' has no row with key '%2'").arg(request.title, key));
            result.rows.push_back(static_cast<int>(row - request.rows.begin()));
        }
        std::sort(result.rows.begin(), result.rows.end());
        result.rows.erase(std::unique(result.rows.begin(), result.rows.end()), result.rows.end());
        return result;
    });
}

void ScriptedDialogs::CancelLookup() {
    m_lookupChoices.push_back([](const LookupRequest&) { return LookupResult{}; });
}

QStringList ScriptedDialogs::Texts() const {
    QStringList texts;
    for (const Message& m : m_messages)
        texts.append(m.text);
    return texts;
}

int ScriptedDialogs::PendingCount() const {
    return static_cast<int>(m_answers.size() + m_modalScripts.size() + m_lookupChoices.size());
}

TModalResult ScriptedDialogs::MessageDlg(const QString& text, TMsgDlgType type,
                                         TMsgDlgButtons buttons) {
    const QList<TMsgDlgBtn> offered = ButtonsOf(buttons & ~TMsgDlgButtons(mbHelp));
    TModalResult result = mrNone;
    if (offered.size() == 1) {
        result = ModalResultOf(offered.front());
    } else {
        if (m_answers.empty())
            throw ScriptError(QStringLiteral("Unexpected question with no queued answer: %1 \"%2\"")
                                  .arg(MsgDlgTypeName(type), text));
        result = m_answers.front();
        m_answers.pop_front();
        bool allowed = false;
        for (TMsgDlgBtn b : offered)
            allowed = allowed || ModalResultOf(b) == result;
        if (!allowed)
            throw ScriptError(
                QStringLiteral("Queued answer %1 is not a button of \"%2\"").arg(result).arg(text));
    }
    m_messages.push_back(Message{type, text, buttons, result});
    return result;
}

void ScriptedDialogs::RunModal(TCustomForm& form) {
    m_modalForms.append(form.Name());
    if (m_modalScripts.empty())
        throw ScriptError(
            QStringLiteral("Form %1 shown modally with no queued script").arg(form.Name()));
    auto script = std::move(m_modalScripts.front());
    m_modalScripts.pop_front();
    script(form);
    if (form.IsModal() && !form.IsModalLoopDone())
        Dispatch([] { Application().CheckModalForms(); });
    if (form.IsModal() && !form.IsModalLoopDone())
        throw ScriptError(
            QStringLiteral("Modal form %1 is still open after its script").arg(form.Name()));
}

LookupResult ScriptedDialogs::ShowLookup(const LookupRequest& request) {
    m_lookups.push_back(request);
    if (m_lookupChoices.empty())
        throw ScriptError(
            QStringLiteral("Lookup '%1' opened with no queued choice").arg(request.title));
    auto choice = std::move(m_lookupChoices.front());
    m_lookupChoices.pop_front();
    return choice(request);
}

void ScriptedDialogs::ShowProgress(TCustomForm* over, int kind, const QString& text) {
    m_progress.push_back(ProgressEvent{true, over ? over->Name() : QString(), kind, text});
    m_progressShown = true;
}

void ScriptedDialogs::HideProgress() {
    m_progress.push_back(ProgressEvent{false, QString(), 0, QString()});
    m_progressShown = false;
}

} // namespace ger
