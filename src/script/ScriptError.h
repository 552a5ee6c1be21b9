#pragma once
// A broken script of the scripted user or the scripted dialogs: a control name that does not
// exist, a question nobody queued an answer for, a modal form left open. It is not an
// Exception of the platform, so the dispatch boundary lets it through: a test that runs into
// one fails at once instead of seeing a message box recorded somewhere.

#include <QString>
#include <stdexcept>

namespace ger {

class ScriptError : public std::logic_error {
public:
    explicit ScriptError(const QString& message)
        : std::logic_error(message.toStdString()) {}
};

} // namespace ger
