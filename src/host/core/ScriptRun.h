#pragma once
// The host's script mode as one call: read the script file, parse it whole, install the
// script dialog service, run it, and give the exit code of the run:
//   0  the script ran to its end;
//   1  a script error stopped it (a control that does not exist, a question with no queued
//      answer, ...): the reason goes to `errors`;
//   2  the file cannot be read or a line is not understood (its number goes to `errors`);
//      nothing has run.
// The transcript goes to `transcript` as the script runs.

#include <QString>
#include <QTextStream>
#include <functional>

namespace ger {

constexpr int kScriptOk = 0;
constexpr int kScriptFailed = 1;
constexpr int kScriptUnreadable = 2;

int RunScriptFile(const QString& path, const std::function<void()>& iniProc,
                  QTextStream& transcript, QTextStream& errors);

} // namespace ger
