#pragma once
// The remote data module's automation interface as the screens hold it
// (`netTpOperFil->AppServer()`): methods are called late-bound, by name, and each call waits
// for its reply.
//
//   QVariant packet = netTpOperFil->AppServer().Call("GetTpOperFil", {medFilial->Text()});
//
// A call on a closed connection connects first (TSocketConnection::callServer). Raises
// ERemoteError when the method failed on the server and ETransportError when the call did not
// complete; by-reference variables are stored back only when the call succeeds.

#include "server/DispatchArgument.h"

#include <QString>
#include <QVariant>
#include <initializer_list>

namespace ger {

class TSocketConnection;

class AppServerDispatch {
public:
    explicit AppServerDispatch(TSocketConnection& connection);

    QVariant Call(const QString& method, std::initializer_list<DispatchArgument> args);

private:
    TSocketConnection& m_connection;
};

} // namespace ger
