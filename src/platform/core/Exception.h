#pragma once
// Exceptions are the failure path of the platform, as on the original RAD platform: every
// failure is an Exception carrying a message a person can act on; EAbort is the silent one,
// used to end an event handler without a message. The one place that catches them is the
// dispatch boundary of a user action (platform/forms Dispatch).

#include <QByteArray>
#include <QString>
#include <exception>

namespace ger {

class Exception : public std::exception {
public:
    explicit Exception(QString message);
    const QString& Message() const { return m_message; }
    const char* what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_message;
    QByteArray m_utf8;
};

// Silent: the dispatch boundary swallows it without showing anything.
class EAbort : public Exception {
public:
    EAbort();
};

// Ends the running handler silently.
[[noreturn]] void Abort();

// Misuse of a component: a missing name, a duplicate name, a wrong owner.
class EComponentError : public Exception {
public:
    using Exception::Exception;
};

// A form data file that cannot be loaded: syntax, unknown class, property or handler.
class EFormDataError : public Exception {
public:
    using Exception::Exception;
};

} // namespace ger
