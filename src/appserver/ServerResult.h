#pragma once
// The answer of every method of Ger99500.rdmTpOperFil but GetTpOperFil: a variant array
// (QVariantList) of exactly two elements.
//
//   success  {0, payload}          payload: a data packet (QByteArray) for the methods that
//                                  return data (SetTpOperFil, GetTipoOperCli, SetGravaAut,
//                                  GetDadosEmissaoNF); an empty QByteArray for SetTipoOperCli
//                                  and DelTipoOperCli
//   failure  {code, message}       code: a ServerResultCode other than Ok; message: a
//                                  non-empty QString in Portuguese, written for the person at
//                                  the screen, which the framework's CheckResultServ shows
//
// A failed result means that nothing was written. GetTpOperFil answers with the packet bytes
// alone (the screen loads it as it comes) and reports its failures as remote exceptions.
//
// On the wire the code travels as an integer value and the payload as a bytes value
// (platform/net Protocol.h), so the reading side sees qint64 and QByteArray.

#include <QByteArray>
#include <QString>
#include <QVariant>
#include <optional>

namespace ger {

enum class ServerResultCode : int {
    Ok = 0,
    // Wrong argument count or kinds, a flag other than "S"/"N", an unknown address kind, a
    // malformed list or change list.
    InvalidArgument = 1,
    // A branch, client, operation type or municipal registration that is not registered.
    NotFound = 2,
    // The row to add is registered already.
    AlreadyRegistered = 3,
    // The database refused the operation; the transaction was rolled back.
    DatabaseError = 9,
};

class ServerResult {
public:
    static QVariant Success(const QByteArray& payload = QByteArray());
    static QVariant Failure(ServerResultCode code, const QString& message);

    // The reading side, for tools and tests: the parts of a well-formed result, or nothing
    // when `result` does not have the shape above.
    struct Parts {
        qint64 code = 0;
        QByteArray payload; // success only
        QString message;    // failure only

        bool isSuccess() const { return code == 0; }
    };
    static std::optional<Parts> Read(const QVariant& result);
};

} // namespace ger
