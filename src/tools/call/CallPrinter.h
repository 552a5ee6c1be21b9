#pragma once
// What ger-call prints for an answer, and the exit code that goes with it:
//
//   a data packet          a table: field names, then one line per row, columns padded and
//                          separated by " | ", NULL shown as (null)
//   {0, packet}            the packet inside, as above; {0, empty bytes} prints "OK"
//   {code, message}        "ERRO <code>: <message>"                       exit code 1
//   anything else          the value as text
//   then, for every by-reference argument, "ref N = 'value'" (N counts all arguments from 1)
//
// A remote exception prints "ERRO: <message>" (exit code 1).

#include "platform/net/CallArgument.h"

#include <QList>
#include <QString>
#include <QVariant>

namespace ger {

class CallPrinter {
public:
    struct Output {
        QString text;
        int exitCode = 0;
    };

    static Output Result(const QVariant& result, const QList<CallArgument>& arguments);
    static Output RemoteException(const QString& message, const QList<CallArgument>& arguments);

    // The table of a data packet; raises EDatabaseError when the bytes are not one.
    static QString Table(const QByteArray& packet);

private:
    static QString References(const QList<CallArgument>& arguments);
    static QString Value(const QVariant& value);
};

} // namespace ger
