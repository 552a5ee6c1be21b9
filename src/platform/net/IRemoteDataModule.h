#pragma once
// A remote data module as the server runs it: methods called late-bound, by name. The server
// creates one instance per client connection, in the worker thread that serves it, and calls
// it only from that thread, so an instance may hold its own database connection and needs no
// locking of its own.

#include "platform/net/CallArgument.h"

#include <QList>
#include <QString>
#include <QVariant>

namespace ger {

class IRemoteDataModule {
public:
    virtual ~IRemoteDataModule() = default;

    // Runs `method` with `args` in call order and returns its result. The method may assign
    // the value of a by-reference argument (CallArgument::Kind::StringByRef); what it leaves
    // there, as text, goes back to the caller. Any exception becomes a remote exception
    // carrying its message; an unknown method raises one too (RemoteDataModule).
    virtual QVariant Invoke(const QString& method, QList<CallArgument>& args) = 0;
};

} // namespace ger
