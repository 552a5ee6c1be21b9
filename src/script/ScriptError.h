#pragma once
// A broken script of the scripted user or the scripted dialogs: a control name that does not
// exist, a question nobody queued an answer for, a modal form left open.
//
// It derives from neither std::exception nor the platform's Exception, on purpose: the product
// ends the exceptions of a user action at boundaries that catch std::exception (the dispatch,
// a form's OnDestroy, a write to the server), and those let this one through without knowing
// it exists. A test that runs into one fails at once instead of seeing a message box recorded
// somewhere; the host's script mode reports it with the script's line.

#include <QByteArray>
#include <QString>
#include <utility>

namespace ger {

class ScriptError {
public:
    explicit ScriptError(QString message)
        : m_message(std::move(message))
        , m_utf8(m_message.toUtf8()) {}

    const QString& Message() const { return m_message; }
    // The message in UTF-8, for printing.
    const char* what() const noexcept { return m_utf8.constData(); }

private:
    QString m_message;
    QByteArray m_utf8;
};

} // namespace ger
