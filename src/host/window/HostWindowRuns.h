#pragma once
// The runs of ger-host that show widgets (a QApplication exists): the desktop application and
// the screenshot. The script run is ScriptRun (no display needed).

namespace ger {

class HostRuntime;
struct HostOptions;

// The main window until the person quits; returns the application's exit code.
int RunDesktop(HostRuntime& runtime, const HostOptions& options);
// Opens GER99500, runs options.scriptPath when given (transcript on standard output), grabs
// the main window into options.screenshotPath (PNG). Returns 0, or the script's or a
// failure's exit code.
int RunScreenshot(HostRuntime& runtime, const HostOptions& options);

} // namespace ger
