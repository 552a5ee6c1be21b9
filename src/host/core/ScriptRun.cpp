#include "host/core/ScriptRun.h"

#include "host/core/HostExceptions.h"
#include "host/core/HostScriptDialogs.h"
#include "host/core/ScriptInterpreter.h"
#include "host/core/ScriptParser.h"

#include <QFile>

namespace ger {

int RunScriptFile(const QString& path, const std::function<void()>& iniProc,
                  QTextStream& transcript, QTextStream& errors) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        errors << "Script " << path << ": " << file.errorString() << '\n';
        return kScriptUnreadable;
    }
    std::vector<ScriptCommand> commands;
    try {
        commands = ParseScript(QString::fromUtf8(file.readAll()));
    } catch (const EScriptSyntaxError& e) {
        errors << "Script " << path << ", " << e.Message() << '\n';
        return kScriptUnreadable;
    }
    HostScriptDialogs dialogs;
    ScriptInterpreter interpreter(dialogs, iniProc, transcript);
    if (interpreter.Run(commands) == kScriptOk)
        return kScriptOk;
    errors << "Script " << path << ", " << interpreter.Error() << '\n';
    return kScriptFailed;
}

} // namespace ger
