#pragma once
// ScriptInterpreter: runs a parsed host script against the screens of the process, as a person
// at the screen would, and writes a transcript: each line echoed after "> ", then, indented by
// two blanks, what it produced: a change of the active form or of the focused control (a form
// shown modally included, before the lines that act on it), the progress animation put up
// while the screen called the application server, a note
// when the action ended with an exception, the state a `dump` prints, the messages a
// `messages` prints.
//
//   > focus medFilial
//   > type 9999
//   > key Tab
//     (action aborted)
//   > messages
//     mtError: Filial não cadastrada.
//
// Every user action (iniproc, focus, type, key, click, dblclick, cell, pick, close) runs
// through the dispatch boundary, so messages and silent aborts behave as for a person. A form
// shown modally is driven by the lines that follow, until its modal loop ends (see
// HostScriptDialogs).
//
// A broken script (a control the form does not have, a question with no queued answer, the
// script ending while a modal form is open) stops the run: Run returns 1 and Error() tells the
// line and the reason. A finished run returns 0.

#include "host/core/HostScriptDialogs.h"
#include "host/core/ScriptCommand.h"

#include <QString>
#include <QTextStream>
#include <functional>
#include <vector>

namespace ger {

class TControl;
class TCustomForm;

class ScriptInterpreter {
public:
    // `iniProc` opens screen GER99500; `dialogs` must be the installed dialog service.
    ScriptInterpreter(HostScriptDialogs& dialogs, std::function<void()> iniProc,
                      QTextStream& transcript);
    ~ScriptInterpreter();
    ScriptInterpreter(const ScriptInterpreter&) = delete;
    ScriptInterpreter& operator=(const ScriptInterpreter&) = delete;

    int Run(const std::vector<ScriptCommand>& commands);
    const QString& Error() const { return m_error; }

private:
    struct Where {
        QString form;
        QString focused;
    };

    void runUntil(const std::function<bool()>& done);
    void driveModal(TCustomForm& form);
    void execute(const ScriptCommand& command);
    void act(const std::function<bool()>& action);
    void reportProgress();
    void reportChanges();
    void reportLookup(const LookupRequest& request);
    static bool pickInFocused(TCustomForm& form, const QString& text);
    void print(const QString& text);
    void printMessages();

    Where where() const;
    TCustomForm& activeForm() const;
    TCustomForm& formNamed(const QString& name) const;
    // NAME or Form.NAME: the form and the name of the component on it.
    std::pair<TCustomForm*, QString> resolve(const QString& name) const;
    TControl& control(const QString& name) const;

    HostScriptDialogs& m_dialogs;
    std::function<void()> m_iniProc;
    QTextStream& m_out;
    const std::vector<ScriptCommand>* m_commands = nullptr;
    size_t m_next = 0;
    size_t m_progressTold = 0; // progress events the transcript has told
    int m_line = 0;
    QString m_error;
    Where m_reported;
};

} // namespace ger
