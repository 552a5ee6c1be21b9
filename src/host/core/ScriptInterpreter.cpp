#include "host/core/ScriptInterpreter.h"

#include "host/core/ControlDump.h"
#include "host/core/GridScript.h"
#include "platform/forms/Dispatch.h"
#include "platform/forms/TApplication.h"
#include "platform/forms/TComboBox.h"
#include "platform/forms/TCustomForm.h"
#include "script/ScriptError.h"
#include "script/ScriptedUser.h"

#include <QPointer>
#include <utility>

namespace ger {

using Kind = ScriptCommand::Kind;

ScriptInterpreter::ScriptInterpreter(HostScriptDialogs& dialogs, std::function<void()> iniProc,
                                     QTextStream& transcript)
    : m_dialogs(dialogs)
    , m_iniProc(std::move(iniProc))
    , m_out(transcript) {
    m_dialogs.SetModalDriver([this](TCustomForm& form) { driveModal(form); });
    m_dialogs.SetLookupReporter([this](const LookupRequest& request) { reportLookup(request); });
}

ScriptInterpreter::~ScriptInterpreter() {
    m_dialogs.SetModalDriver(nullptr);
    m_dialogs.SetLookupReporter(nullptr);
}

int ScriptInterpreter::Run(const std::vector<ScriptCommand>& commands) {
    m_commands = &commands;
    m_next = 0;
    m_error.clear();
    m_progressTold = m_dialogs.Progress().size();
    m_reported = where();
    try {
        runUntil([] { return false; });
    } catch (const ScriptError& e) {
        m_error = QStringLiteral("line %1: %2").arg(m_line).arg(e.Message());
    }
    m_out.flush();
    m_commands = nullptr;
    return m_error.isEmpty() ? 0 : 1;
}

void ScriptInterpreter::runUntil(const std::function<bool()>& done) {
    while (!done() && m_next < m_commands->size()) {
        const ScriptCommand& command = (*m_commands)[m_next++];
        m_line = command.line;
        m_out << "> " << command.source << '\n';
        execute(command);
    }
}

// The lines after the one that showed the form act on it until its modal loop ends; the
// action that showed it then goes on, as ShowModal returns to its caller.
void ScriptInterpreter::driveModal(TCustomForm& form) {
    const int showingLine = m_line;
    reportProgress();
    reportChanges();
    QPointer<TCustomForm> modal(&form);
    const auto ended = [&modal] { return !modal || !modal->IsModal() || modal->IsModalLoopDone(); };
    runUntil(ended);
    m_line = showingLine;
    if (!ended())
        throw ScriptError(
            QStringLiteral("the script ended while form %1 is shown modally").arg(form.Name()));
}

void ScriptInterpreter::execute(const ScriptCommand& c) {
    switch (c.kind) {
    case Kind::IniProc:
        return act([this] { return Dispatch(m_iniProc); });
    case Kind::Focus:
        return act([&] {
            auto [form, name] = resolve(c.name);
            return ScriptedUser(*form).Focus(name);
        });
    case Kind::Type:
        return act([&] { return ScriptedUser(activeForm()).Type(c.text); });
    case Kind::Key:
        return act([&] { return ScriptedUser(activeForm()).Press(c.key, c.shift); });
    case Kind::Click:
        return act([&] {
            auto [form, name] = resolve(c.name);
            return ScriptedUser(*form).Click(name);
        });
    case Kind::DoubleClick:
        return act([&] {
            auto [form, name] = resolve(c.name);
            return ScriptedUser(*form).DoubleClick(name);
        });
    case Kind::Cell:
        return act([&] { return SelectGridCell(control(c.name), c.row, c.column); });
    case Kind::Pick:
        return act([&] { return pickInFocused(activeForm(), c.text); });
    case Kind::Close:
        return act([&] { return ScriptedUser(formNamed(c.name)).Close(); });
    case Kind::Answer:
        m_dialogs.Answer(c.answer);
        return;
    case Kind::Choose:
        if (c.text.isEmpty())
            m_dialogs.CloseLookup();
        else
            m_dialogs.ChooseKey(c.text);
        return;
    case Kind::Dump:
        for (const QString& line : DumpControl(control(c.name)))
            print(line);
        return;
    case Kind::Messages:
        return printMessages();
    }
}

// Runs one user action and tells what a person would notice at once: another active form, the
// focus elsewhere, the action stopped by an exception.
void ScriptInterpreter::act(const std::function<bool()>& action) {
    const bool ok = action();
    reportProgress();
    reportChanges();
    if (!ok)
        print(QStringLiteral("(action aborted)"));
}

// The progress animations put up since the transcript last told them: each marks a call to the
// application server. A form shown modally tells those of its showing before its own lines.
void ScriptInterpreter::reportProgress() {
    const auto& events = m_dialogs.Progress();
    const size_t from = std::exchange(m_progressTold, events.size());
    for (size_t i = from; i < events.size(); ++i)
        if (events[i].shown)
            print(
                QStringLiteral("progress: %1")
                    .arg(events[i].text.isEmpty() ? QStringLiteral("(no text)") : events[i].text));
}

// A lookup window opened: its title and the keys (first column) it offers, in order.
void ScriptInterpreter::reportLookup(const LookupRequest& request) {
    QStringList keys;
    for (const QStringList& row : request.rows)
        keys.append(row.value(0));
    print(QStringLiteral("lookup \"%1\": %2 rows: %3")
              .arg(request.title)
              .arg(request.rows.size())
              .arg(keys.join(u' ')));
}

// A person picks from the list of what has the focus: a combo box's items, or the current grid
// cell's pick list.
bool ScriptInterpreter::pickInFocused(TCustomForm& form, const QString& text) {
    if (auto* combo = dynamic_cast<TComboBox*>(form.FocusedControl()))
        return ScriptedUser(form).Choose(combo->Name(), text);
    return PickInCurrentCell(form, text);
}

// The active form and focused control, where they differ from what the transcript said last.
void ScriptInterpreter::reportChanges() {
    const Where now = where();
    const auto named = [](const QString& name) {
        return name.isEmpty() ? QStringLiteral("(none)") : name;
    };
    if (now.form != m_reported.form)
        print(QStringLiteral("active form: %1").arg(named(now.form)));
    if (now.focused != m_reported.focused || now.form != m_reported.form)
        print(QStringLiteral("focus: %1").arg(named(now.focused)));
    m_reported = now;
}

void ScriptInterpreter::print(const QString& text) {
    for (const QString& line : text.split(u'\n'))
        m_out << "  " << line << '\n';
}

void ScriptInterpreter::printMessages() {
    if (m_dialogs.Messages().empty())
        print(QStringLiteral("(no messages)"));
    for (const ScriptedDialogs::Message& m : m_dialogs.Messages())
        print(QStringLiteral("%1: %2").arg(MsgDlgTypeName(m.type), m.text));
    m_dialogs.ClearMessages();
}

ScriptInterpreter::Where ScriptInterpreter::where() const {
    const TCustomForm* form = Screen().ActiveForm();
    if (!form)
        return {};
    const TWinControl* focused = form->FocusedControl();
    return {form->Name(), focused ? focused->Name() : QString()};
}

TCustomForm& ScriptInterpreter::activeForm() const {
    TCustomForm* form = Screen().ActiveForm();
    if (!form)
        throw ScriptError(QStringLiteral("no form is active"));
    return *form;
}

TCustomForm& ScriptInterpreter::formNamed(const QString& name) const {
    for (int i = 0; i < Screen().FormCount(); ++i)
        if (Screen().Forms(i)->Name().compare(name, Qt::CaseInsensitive) == 0)
            return *Screen().Forms(i);
    throw ScriptError(QStringLiteral("there is no form %1").arg(name));
}

std::pair<TCustomForm*, QString> ScriptInterpreter::resolve(const QString& name) const {
    const qsizetype dot = name.indexOf(u'.');
    if (dot < 0)
        return {&activeForm(), name};
    return {&formNamed(name.left(dot)), name.mid(dot + 1)};
}

TControl& ScriptInterpreter::control(const QString& name) const {
    auto [form, component] = resolve(name);
    if (component.isEmpty() || component.compare(form->Name(), Qt::CaseInsensitive) == 0)
        return *form;
    return ScriptedUser(*form).Control(component);
}

} // namespace ger
