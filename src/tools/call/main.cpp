// ger-call: calls one method of a remote data module and prints the answer (CallPrinter).
// Exit codes: 0 success, 1 a failed result or a remote exception, 2 a usage or transport
// error.

#include "platform/net/NetExceptions.h"
#include "server/PromptedConnectionSecurity.h"
#include "server/TNetConnection.h"
#include "tools/call/CallCommand.h"
#include "tools/call/CallPrinter.h"

#include <QCoreApplication>
#include <cstdio>

using namespace ger;

namespace {

int Fail(const QString& message) {
    std::fprintf(stderr, "ger-call: %s\n", qUtf8Printable(message));
    return 2;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    CallCommand command;
    try {
        command = CallCommand::Parse(QCoreApplication::arguments().mid(1));
    } catch (const ECallUsage& error) {
        Fail(error.Message());
        std::fprintf(stderr, "%s", qUtf8Printable(CallCommand::Usage()));
        return 2;
    }
    TSocketConnection::SetSecurity(std::make_shared<PromptedConnectionSecurity>(ConnectionSecurity{
        command.tls, command.caFile, {command.user, qEnvironmentVariable("GER_PASSWORD")}}));
    TNetConnection connection(nullptr);
    connection.SetHost(command.host);
    connection.SetPort(command.port);
    connection.SetServerName(command.module);
    CallPrinter::Output output;
    try {
        const QVariant result = connection.callServer(command.method, command.arguments);
        output = CallPrinter::Result(result, command.arguments);
    } catch (const ERemoteError& error) {
        output = CallPrinter::RemoteException(error.Message(), command.arguments);
    } catch (const Exception& error) {
        return Fail(error.Message());
    }
    std::printf("%s", qUtf8Printable(output.text));
    return output.exitCode;
}
