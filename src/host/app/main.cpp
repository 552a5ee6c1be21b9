// ger-host: loads the screen module and opens screen GER99500, in one of three runs:
//   desktop (default)   the main window with its MDI area and the menu "Telas";
//   --script FILE       no display: drives the screens from FILE and prints a transcript;
//   --screenshot FILE   opens GER99500 (then runs --script, if given), saves the main window
//                       as a PNG and exits.
// Exit codes: 0 done; 1 a part could not start or a script error stopped the script; 2 a
// command line, script file or script line that cannot be used.

#include "host/core/HostExceptions.h"
#include "host/core/HostOptions.h"
#include "host/core/HostRuntime.h"
#include "host/core/ModuleLibrary.h"
#include "host/core/ScriptRun.h"
#include "host/window/HostWindowRuns.h"

#include <QApplication>
#include <QTextStream>
#include <cstdio>
#include <memory>

using namespace ger;

namespace {

constexpr int kStartFailed = 1;
constexpr int kUsageError = 2;

QStringList Arguments(int argc, char* argv[]) {
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

int RunScriptMode(HostRuntime& runtime, const HostOptions& options) {
    QTextStream out(stdout);
    QTextStream err(stderr);
    return RunScriptFile(
        options.scriptPath, [&runtime] { runtime.Module().IniProc(); }, out, err);
}

int Run(const HostOptions& options) {
    HostRuntime runtime(options);
    switch (options.Mode()) {
    case HostMode::Script:
        return RunScriptMode(runtime, options);
    case HostMode::Screenshot:
        return RunScreenshot(runtime, options);
    case HostMode::Desktop:
        break;
    }
    return RunDesktop(runtime, options);
}

} // namespace

int main(int argc, char* argv[]) {
    QTextStream err(stderr);
    HostOptions options;
    try {
        options = HostOptions::Parse(Arguments(argc, argv), QString());
    } catch (const Exception& e) {
        err << "ger-host: " << e.Message() << "\n\n" << HostOptions::Usage();
        return kUsageError;
    }
    if (options.helpRequested) {
        QTextStream(stdout) << HostOptions::Usage();
        return 0;
    }
    // The script run needs no display; the others show (or grab) widgets.
    std::unique_ptr<QCoreApplication> application;
    if (options.Mode() == HostMode::Script)
        application = std::make_unique<QCoreApplication>(argc, argv);
    else
        application = std::make_unique<QApplication>(argc, argv);
    if (options.modulePath.isEmpty())
        options.modulePath = HostOptions::DefaultModulePath();
    try {
        return Run(options);
    } catch (const std::exception& e) {
        err << "ger-host: " << QString::fromUtf8(e.what()) << '\n';
        return kStartFailed;
    }
}
