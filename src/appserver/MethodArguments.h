#pragma once
// The arguments of one remote call as a method of the module reads them. The constructor
// checks the count and the kind of every argument against the method's signature, so a
// method body sees only what it declared:
//
//   MethodArguments args("SetTipoOperCli", call, {Kind::String, Kind::StringByRef,
//                                                 Kind::String, Kind::String});
//   QString branch = args.text(0);
//   args.setText(1, QString());   // what goes back to the caller's by-reference variable
//
// A call that does not match raises EMethodFailure (InvalidArgument) naming the method and
// the argument (1-based, as a person counts them).

#include "platform/net/CallArgument.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <initializer_list>

namespace ger {

class MethodArguments {
public:
    using Kind = CallArgument::Kind;

    MethodArguments(QString method, QList<CallArgument>& arguments,
                    std::initializer_list<Kind> signature);

    const QString& method() const { return m_method; }

    // The text of a string argument (by value or by reference).
    QString text(int index) const;
    // The bytes of a variant argument; any other value (text, a number, empty) is refused.
    QByteArray bytes(int index) const;
    // Sets what a by-reference argument carries back.
    void setText(int index, const QString& value);

    static QString KindName(Kind kind);

private:
    [[noreturn]] void refuse(int index, const QString& reason) const;

    QString m_method;
    QList<CallArgument>& m_arguments;
};

} // namespace ger
