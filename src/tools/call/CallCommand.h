#pragma once
// The command line of ger-call:
//
//   ger-call [--host H] [--port P] [--module NAME] [--user NAME] [--tls [--ca-file FILE]]
//            METHOD ARG...
//
//   --user NAME   the user, for a server with a password file; the password is read from the
//                 environment variable GER_PASSWORD (never from the command line)
//   --tls         TLS to the server; --ca-file: the authority of its certificate (PEM)
//
//   v:TEXT   a string by value
//   r:TEXT   a string by reference (its final value is printed after the result)
//   x:FILE   a variant by value holding the bytes of FILE (a change list, say)
//
// Defaults: host 127.0.0.1, port 7211, module Ger99500.rdmTpOperFil. Options come before the
// method; everything after it is an argument. Parse raises ECallUsage.

#include "platform/core/Exception.h"
#include "platform/net/CallArgument.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace ger {

class ECallUsage : public Exception {
public:
    using Exception::Exception;
};

struct CallCommand {
    QString host = QStringLiteral("127.0.0.1");
    quint16 port = 7211;
    QString module = QStringLiteral("Ger99500.rdmTpOperFil");
    QString user;
    bool tls = false;
    QString caFile;
    QString method;
    QList<CallArgument> arguments;

    // `arguments` without the program name. Reads the files of x: arguments.
    static CallCommand Parse(const QStringList& arguments);
    static QString Usage();
};

} // namespace ger
