#pragma once
// Failures of the host itself, before or around the screens: a command line it cannot use, a
// module it cannot load, a script line it cannot read. Settings that cannot be used raise the
// framework's EHostSettingsError.

#include "platform/core/Exception.h"

namespace ger {

// A command line the host does not understand: an unknown option, a missing value.
class EHostUsageError : public Exception {
public:
    using Exception::Exception;
};

// The screen module cannot be loaded, lacks an export, or failed in Initialize or Finalize.
class EModuleError : public Exception {
public:
    using Exception::Exception;
};

// A script line the interpreter does not understand; nothing of the script has run.
class EScriptSyntaxError : public Exception {
public:
    EScriptSyntaxError(int line, const QString& message)
        : Exception(QStringLiteral("line %1: %2").arg(line).arg(message))
        , m_line(line) {}
    int Line() const { return m_line; }

private:
    int m_line;
};

} // namespace ger
