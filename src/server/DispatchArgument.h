#pragma once
// One argument of a late-bound call on the application server (AppServerDispatch::Call). Its
// kind, and so the kind byte of the call record, follows from what is passed:
//
//   a QString or a string literal       string by value      0x48
//   ByRef(variable), variable a QString string by reference  0xC8 (stored back on return)
//   a QVariant or a QByteArray          variant by value     0x0C (packets, change lists)
//
//   AppServer().Call("SetTpOperFil", {operacao, filial, liberado, lancManual, endereco,
//                                     ByRef(stInscMuni)});

#include "platform/net/CallArgument.h"

#include <QByteArray>
#include <QString>
#include <QVariant>

namespace ger {

class DispatchArgument {
public:
    DispatchArgument(const QString& text);
    DispatchArgument(const char* text);
    DispatchArgument(const QVariant& value);
    DispatchArgument(const QByteArray& bytes);

    static DispatchArgument ByRef(QString& variable);

    bool isByReference() const { return m_variable != nullptr; }
    const CallArgument& argument() const { return m_argument; }

    // Copies the value the server left in a by-reference argument into the caller's variable.
    void storeBack(const CallArgument& returned) const;

private:
    DispatchArgument(CallArgument argument, QString* variable);

    CallArgument m_argument;
    QString* m_variable = nullptr;
};

inline DispatchArgument ByRef(QString& variable) {
    return DispatchArgument::ByRef(variable);
}

} // namespace ger
