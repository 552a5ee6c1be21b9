#include "platform/net/PasswordHash.h"

#include <QPasswordDigestor>
#include <QRandomGenerator>
#include <QStringList>
#include <optional>

namespace ger {
namespace {

const QString kScheme = QStringLiteral("pbkdf2-sha256");
constexpr int kSaltBytes = 16;
constexpr int kKeyBytes = 32;

QByteArray derive(const QString& password, const QByteArray& salt, int iterations) {
    return QPasswordDigestor::deriveKeyPbkdf2(QCryptographicHash::Sha256, password.toUtf8(), salt,
                                              iterations, kKeyBytes);
}

struct Parsed {
    int iterations;
    QByteArray salt;
    QByteArray key;
};

std::optional<QByteArray> fromBase64(const QString& text) {
    const auto decoded =
        QByteArray::fromBase64Encoding(text.toLatin1(), QByteArray::AbortOnBase64DecodingErrors);
    if (!decoded)
        return std::nullopt;
    return *decoded;
}

std::optional<Parsed> parse(const QString& stored) {
    const QStringList parts = stored.split(QLatin1Char('$'));
    if (parts.size() != 4 || parts[0] != kScheme)
        return std::nullopt;
    bool isNumber = false;
    const int iterations = parts[1].toInt(&isNumber);
    const auto salt = fromBase64(parts[2]);
    const auto key = fromBase64(parts[3]);
    if (!isNumber || iterations < PasswordHash::kMinIterations || !salt || salt->isEmpty() ||
        !key || key->size() != kKeyBytes)
        return std::nullopt;
    return Parsed{iterations, *salt, *key};
}

} // namespace

QString PasswordHash::make(const QString& password, int iterations) {
    QByteArray salt(kSaltBytes, Qt::Uninitialized);
    QRandomGenerator::system()->fillRange(reinterpret_cast<quint32*>(salt.data()),
                                          kSaltBytes / sizeof(quint32));
    const QByteArray key = derive(password, salt, iterations);
    return QStringLiteral("%1$%2$%3$%4")
        .arg(kScheme)
        .arg(iterations)
        .arg(QString::fromLatin1(salt.toBase64()), QString::fromLatin1(key.toBase64()));
}

bool PasswordHash::matches(const QString& stored, const QString& password) {
    const auto parsed = parse(stored);
    if (!parsed) {
        spend(password);
        return false;
    }
    return equalInConstantTime(derive(password, parsed->salt, parsed->iterations), parsed->key);
}

void PasswordHash::spend(const QString& password) {
    derive(password, QByteArrayLiteral("no user has this"), kDefaultIterations);
}

bool PasswordHash::isWellFormed(const QString& stored) {
    return parse(stored).has_value();
}

bool PasswordHash::equalInConstantTime(const QByteArray& a, const QByteArray& b) {
    if (a.size() != b.size())
        return false;
    unsigned char difference = 0;
    for (qsizetype i = 0; i < a.size(); ++i)
        difference |= static_cast<unsigned char>(a[i] ^ b[i]);
    return difference == 0;
}

} // namespace ger
