#pragma once
// The server's check of who opens a session. Without a password file every credential is
// taken (a loopback demo); with one, a credential must match it. A wrong credential is
// answered only after a pause, and an address with too many wrong ones of late is refused
// outright until its window passes, so guessing costs the guesser time, not the server work.
//
//   LoginGate gate(std::make_shared<PasswordFile>(PasswordFile::load(path)));
//   QString refusal = gate.admit(peerAddress, credential);   // empty: admitted
//
// An empty credential is refused at once, and counts for nothing: it is a client that did not
// know it had to send one, not a guess.
//
// Safe to call from every session thread at once; the pause holds only the caller's thread.

#include "platform/net/Credential.h"
#include "platform/net/PasswordFile.h"

#include <QDeadlineTimer>
#include <QHash>
#include <QHostAddress>
#include <chrono>
#include <memory>
#include <mutex>

namespace ger {

class LoginGate {
public:
    struct Options {
        int failurePauseMs = 1000;
        int maxFailures = 5;   // per address, in one window
        int windowMs = 60'000; // a window starts at an address's first failure
    };

    LoginGate() = default; // admits everyone
    explicit LoginGate(std::shared_ptr<const PasswordFile> users);
    LoginGate(std::shared_ptr<const PasswordFile> users, Options options);

    bool checksCredentials() const { return m_users != nullptr; }

    // Empty when `credential` may open a session from `peer`; else the reason for the client.
    QString admit(const QHostAddress& peer, const Credential& credential);

private:
    struct Failures {
        int count = 0;
        QDeadlineTimer windowEnd;
    };
    // Seconds left of the window of an address that is shut out now, or 0.
    qint64 shutOutFor(const QString& address);
    void recordFailure(const QString& address);

    std::shared_ptr<const PasswordFile> m_users;
    Options m_options;
    std::mutex m_mutex;
    QHash<QString, Failures> m_failures;
};

} // namespace ger
