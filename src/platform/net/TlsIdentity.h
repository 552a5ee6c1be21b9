#pragma once
// What a TLS server shows its clients: its certificate (with the chain up to the authority
// that issued it, if any) and the certificate's private key, read from PEM files.
//
//   TlsIdentity identity = TlsIdentity::load("server.crt", "server.key");   // ETlsError

#include "platform/net/NetExceptions.h"

#include <QList>
#include <QSslCertificate>
#include <QSslKey>

namespace ger {

class ETlsError : public ETransportError {
public:
    using ETransportError::ETransportError;
};

struct TlsIdentity {
    QList<QSslCertificate> chain; // the server's own certificate first
    QSslKey key;

    // Raises ETlsError when a file cannot be read or holds no certificate or no key (a key
    // that is not the certificate's fails every handshake).
    static TlsIdentity load(const QString& certificatePath, const QString& keyPath);
};

} // namespace ger
