#include "platform/net/LoginGate.h"

#include <thread>

namespace ger {
namespace {

constexpr qsizetype kForgetAbove = 4096;

} // namespace

LoginGate::LoginGate(std::shared_ptr<const PasswordFile> users)
    : LoginGate(std::move(users), Options{}) {}

LoginGate::LoginGate(std::shared_ptr<const PasswordFile> users, Options options)
    : m_users(std::move(users))
    , m_options(options) {}

QString LoginGate::admit(const QHostAddress& peer, const Credential& credential) {
    if (!m_users)
        return {};
    // No guess was made: the client did not know that this server asks for a credential.
    if (credential.isEmpty())
        return QStringLiteral("Este servidor de aplicação exige usuário e senha");
    const QString address = peer.toString();
    if (const qint64 seconds = shutOutFor(address))
        return QStringLiteral("Tentativas de acesso sem sucesso demais a partir de %1; tente de "
                              "novo em %2 s")
            .arg(address)
            .arg(seconds);
    if (m_users->verify(credential)) {
        std::lock_guard lock(m_mutex);
        m_failures.remove(address);
        return {};
    }
    recordFailure(address);
    std::this_thread::sleep_for(std::chrono::milliseconds(m_options.failurePauseMs));
    return QStringLiteral("Usuário ou senha inválidos");
}

qint64 LoginGate::shutOutFor(const QString& address) {
    std::lock_guard lock(m_mutex);
    const auto found = m_failures.find(address);
    if (found == m_failures.end())
        return 0;
    if (found->windowEnd.hasExpired()) {
        m_failures.erase(found);
        return 0;
    }
    if (found->count < m_options.maxFailures)
        return 0;
    return std::max<qint64>(1, (found->windowEnd.remainingTime() + 999) / 1000);
}

void LoginGate::recordFailure(const QString& address) {
    std::lock_guard lock(m_mutex);
    // Addresses past their window are forgotten once many are kept, so that failures from
    // ever new addresses cannot grow the table without end.
    if (m_failures.size() >= kForgetAbove)
        m_failures.removeIf([](const auto& entry) { return entry.value().windowEnd.hasExpired(); });
    Failures& failures = m_failures[address];
    if (failures.count == 0 || failures.windowEnd.hasExpired())
        failures = Failures{0, QDeadlineTimer(m_options.windowMs)};
    ++failures.count;
}

} // namespace ger
