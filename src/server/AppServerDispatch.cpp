#include "server/AppServerDispatch.h"

#include "server/TSocketConnection.h"

namespace ger {

AppServerDispatch::AppServerDispatch(TSocketConnection& connection)
    : m_connection(connection) {}

QVariant AppServerDispatch::Call(const QString& method,
                                 std::initializer_list<DispatchArgument> args) {
    QList<CallArgument> arguments;
    arguments.reserve(static_cast<qsizetype>(args.size()));
    for (const DispatchArgument& arg : args)
        arguments.append(arg.argument());
    QVariant result = m_connection.callServer(method, arguments);
    qsizetype index = 0;
    for (const DispatchArgument& arg : args)
        arg.storeBack(arguments.at(index++));
    return result;
}

} // namespace ger
