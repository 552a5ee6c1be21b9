#include "platform/net/PasswordFile.h"

#include <QFile>
#include <QMessageAuthenticationCode>
#include <QRandomGenerator>
#include <QSaveFile>
#include <QTextStream>

namespace ger {
namespace {

constexpr qsizetype kMaxUserLength = 64;
constexpr QFileDevice::Permissions kOwnerOnly = QFileDevice::ReadOwner | QFileDevice::WriteOwner;

QByteArray randomKey() {
    QByteArray key(32, Qt::Uninitialized);
    QRandomGenerator::system()->fillRange(reinterpret_cast<quint32*>(key.data()),
                                          key.size() / sizeof(quint32));
    return key;
}

[[noreturn]] void failLine(const QString& path, int line, const QString& why) {
    throw EPasswordFileError(
        QStringLiteral("Arquivo de usuários %1, linha %2: %3").arg(path).arg(line).arg(why));
}

} // namespace

PasswordFile::PasswordFile()
    : m_digestKey(randomKey()) {}

PasswordFile::PasswordFile(const PasswordFile& other)
    : m_hashes(other.m_hashes)
    , m_digestKey(randomKey()) {}

bool PasswordFile::isValidUser(const QString& user) {
    if (user.isEmpty() || user.size() > kMaxUserLength)
        return false;
    for (const QChar c : user)
        if (c.unicode() <= 0x20 || c.unicode() >= 0x7F || c == QLatin1Char(':'))
            return false;
    return true;
}

PasswordFile PasswordFile::load(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        throw EPasswordFileError(QStringLiteral("Arquivo de usuários %1 não pode ser lido: %2")
                                     .arg(path, file.errorString()));
    PasswordFile users;
    int number = 0;
    while (!file.atEnd()) {
        ++number;
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.isEmpty() || line.startsWith(QLatin1Char('#')))
            continue;
        const qsizetype colon = line.indexOf(QLatin1Char(':'));
        const QString user = line.left(colon);
        const QString hash = line.mid(colon + 1);
        if (colon < 0 || !isValidUser(user))
            failLine(path, number, QStringLiteral("usuário inválido"));
        if (!PasswordHash::isWellFormed(hash))
            failLine(path, number, QStringLiteral("senha em forma desconhecida"));
        if (users.m_hashes.contains(user))
            failLine(path, number, QStringLiteral("usuário %1 repetido").arg(user));
        users.m_hashes.insert(user, hash);
    }
    return users;
}

void PasswordFile::save(const QString& path) const {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text) || !file.setPermissions(kOwnerOnly))
        throw EPasswordFileError(QStringLiteral("Arquivo de usuários %1 não pode ser gravado: %2")
                                     .arg(path, file.errorString()));
    QTextStream out(&file);
    out << "# usuários do servidor de aplicação: USUÁRIO:SENHA (PBKDF2-SHA256)\n";
    for (auto it = m_hashes.cbegin(); it != m_hashes.cend(); ++it)
        out << it.key() << ':' << it.value() << '\n';
    out.flush();
    if (!file.commit())
        throw EPasswordFileError(QStringLiteral("Arquivo de usuários %1 não pode ser gravado: %2")
                                     .arg(path, file.errorString()));
}

void PasswordFile::setPassword(const QString& user, const QString& password, int iterations) {
    if (!isValidUser(user))
        throw EPasswordFileError(
            QStringLiteral("Usuário \"%1\" inválido: de 1 a %2 caracteres ASCII visíveis, sem "
                           "espaços nem ':'")
                .arg(user)
                .arg(kMaxUserLength));
    if (password.isEmpty())
        throw EPasswordFileError(QStringLiteral("A senha do usuário %1 está vazia").arg(user));
    m_hashes.insert(user, PasswordHash::make(password, iterations));
    std::lock_guard lock(m_mutex);
    m_verified.remove(user);
}

QByteArray PasswordFile::digest(const Credential& credential) const {
    return QMessageAuthenticationCode::hash(credential.user.toUtf8() + '\0' +
                                                credential.password.toUtf8(),
                                            m_digestKey, QCryptographicHash::Sha256);
}

bool PasswordFile::verify(const Credential& credential) const {
    const auto hash = m_hashes.constFind(credential.user);
    if (hash == m_hashes.cend()) {
        PasswordHash::spend(credential.password);
        return false;
    }
    const QByteArray seen = digest(credential);
    {
        std::lock_guard lock(m_mutex);
        const auto remembered = m_verified.constFind(credential.user);
        if (remembered != m_verified.cend() && PasswordHash::equalInConstantTime(*remembered, seen))
            return true;
    }
    if (!PasswordHash::matches(*hash, credential.password))
        return false;
    std::lock_guard lock(m_mutex);
    m_verified.insert(credential.user, seen);
    return true;
}

} // namespace ger
