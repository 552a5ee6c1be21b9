#include "platform/net/TlsIdentity.h"

#include <QFile>

namespace ger {
namespace {

QByteArray readAll(const QString& path, const char* what) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw ETlsError(QStringLiteral("%1 %2 não pode ser lido: %3")
                            .arg(QString::fromUtf8(what), path, file.errorString()));
    return file.readAll();
}

} // namespace

TlsIdentity TlsIdentity::load(const QString& certificatePath, const QString& keyPath) {
    TlsIdentity identity;
    identity.chain = QSslCertificate::fromData(readAll(certificatePath, "Certificado TLS"));
    if (identity.chain.isEmpty())
        throw ETlsError(QStringLiteral("Certificado TLS %1: nenhum certificado PEM no arquivo")
                            .arg(certificatePath));
    const QByteArray key = readAll(keyPath, "Chave TLS");
    for (const QSsl::KeyAlgorithm algorithm : {QSsl::Rsa, QSsl::Ec, QSsl::Dsa}) {
        identity.key = QSslKey(key, algorithm);
        if (!identity.key.isNull())
            break;
    }
    if (identity.key.isNull())
        throw ETlsError(
            QStringLiteral("Chave TLS %1: nenhuma chave privada PEM sem senha").arg(keyPath));
    return identity;
}

} // namespace ger
