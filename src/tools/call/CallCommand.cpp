#include "tools/call/CallCommand.h"

#include <QFile>

namespace ger {

namespace {

CallArgument ArgumentOf(const QString& text) {
    const QString value = text.mid(2);
    if (text.startsWith(u"v:"))
        return CallArgument::string(value);
    if (text.startsWith(u"r:"))
        return CallArgument::stringByRef(value);
    if (text.startsWith(u"x:")) {
        QFile file(value);
        if (!file.open(QIODevice::ReadOnly))
            throw ECallUsage(
                QStringLiteral("não foi possível ler %1: %2").arg(value, file.errorString()));
        return CallArgument::variant(file.readAll());
    }
    throw ECallUsage(
        QStringLiteral("argumento \"%1\": use v:TEXTO, r:TEXTO ou x:ARQUIVO").arg(text));
}

QString OptionValue(const QStringList& arguments, qsizetype& index) {
    if (index + 1 >= arguments.size())
        throw ECallUsage(QStringLiteral("%1 sem valor").arg(arguments.at(index)));
    return arguments.at(++index);
}

} // namespace

CallCommand CallCommand::Parse(const QStringList& arguments) {
    CallCommand command;
    qsizetype i = 0;
    for (; i < arguments.size() && arguments.at(i).startsWith(u"--"); ++i) {
        const QString& option = arguments.at(i);
        if (option == u"--host") {
            command.host = OptionValue(arguments, i);
        } else if (option == u"--module") {
            command.module = OptionValue(arguments, i);
        } else if (option == u"--user") {
            command.user = OptionValue(arguments, i);
        } else if (option == u"--tls") {
            command.tls = true;
        } else if (option == u"--ca-file") {
            command.caFile = OptionValue(arguments, i);
        } else if (option == u"--port") {
            bool isNumber = false;
            const QString text = OptionValue(arguments, i);
            const uint port = text.toUInt(&isNumber);
            if (!isNumber || port == 0 || port > 65535)
                throw ECallUsage(QStringLiteral("--port: porta inválida \"%1\"").arg(text));
            command.port = static_cast<quint16>(port);
        } else {
            throw ECallUsage(QStringLiteral("opção desconhecida %1").arg(option));
        }
    }
    if (i == arguments.size())
        throw ECallUsage(QStringLiteral("informe o método"));
    command.method = arguments.at(i++);
    for (; i < arguments.size(); ++i)
        command.arguments.append(ArgumentOf(arguments.at(i)));
    return command;
}

QString CallCommand::Usage() {
    return QStringLiteral(
        "uso: ger-call [--host H] [--port P] [--module NOME] [--user NOME]\n"
        "              [--tls [--ca-file ARQUIVO]] MÉTODO ARG...\n"
        "  --user: a senha vem da variável de ambiente GER_PASSWORD\n"
        "  ARG: v:TEXTO (texto por valor), r:TEXTO (texto por referência),\n"
        "       x:ARQUIVO (variante com os bytes do arquivo, p.ex. uma lista de alterações)\n"
        "  padrões: --host 127.0.0.1 --port 7211 --module Ger99500.rdmTpOperFil\n"
        "  saída: 0 sucesso, 1 resultado de falha, 2 erro de uso ou de transporte\n");
}

} // namespace ger
