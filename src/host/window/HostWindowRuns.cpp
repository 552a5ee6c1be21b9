#include "host/window/HostWindowRuns.h"

#include "host/core/HostOptions.h"
#include "host/core/HostRuntime.h"
#include "host/core/ModuleLibrary.h"
#include "host/core/ScriptRun.h"
#include "host/window/HostMainWindow.h"
#include "host/window/LoginDialog.h"
#include "qtview/QtDialogService.h"
#include "qtview/QtProgressWindow.h"
#include "script/ScriptError.h"
#include "script/ScriptedDialogs.h"

#include <QApplication>
#include <QPixmap>
#include <QTextStream>

namespace ger {
namespace {

// Lets the window system lay out and paint what the model just changed.
void Settle() {
    for (int i = 0; i < 3; ++i)
        QApplication::processEvents();
}

// Opens GER99500 with every message recorded, not shown: nobody is there to answer, so a
// question ends the opening. What was shown goes to standard error. True when the screen
// opened without an exception.
bool OpenUnattended(HostRuntime& runtime, QTextStream& errors) {
    ScriptedDialogs dialogs;
    bool opened = false;
    try {
        opened = runtime.OpenMainScreen();
    } catch (const ScriptError& e) {
        errors << "ger-host: " << e.Message() << '\n';
    }
    for (const ScriptedDialogs::Message& m : dialogs.Messages())
        errors << "ger-host: " << MsgDlgTypeName(m.type) << ": " << m.text << '\n';
    return opened;
}

} // namespace

int RunDesktop(HostRuntime& runtime, const HostOptions& options) {
    QtDialogService dialogs;
    runtime.SetLoginPrompt(LoginDialog::Ask);
    HostMainWindow window(runtime, options.settings.databasePath);
    window.show();
    return QApplication::exec();
}

int RunScreenshot(HostRuntime& runtime, const HostOptions& options) {
    QTextStream out(stdout);
    QTextStream errors(stderr);
    HostMainWindow window(runtime, options.settings.databasePath);
    window.show();
    Settle();
    int code = OpenUnattended(runtime, errors) ? kScriptOk : kScriptFailed;
    if (!options.scriptPath.isEmpty() && code == kScriptOk)
        code = RunScriptFile(
            options.scriptPath, [&runtime] { runtime.Module().IniProc(); }, out, errors);
    Settle();
    if (!window.grab().save(options.screenshotPath, "PNG")) {
        errors << "ger-host: the screenshot cannot be written to " << options.screenshotPath
               << '\n';
        return kScriptFailed;
    }
    return code;
}

} // namespace ger
