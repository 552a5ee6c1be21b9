#pragma once
// One argument of a late-bound call, with the kind byte that the call record carries for it
// (Protocol.h, CALL). A string argument by reference goes to the server with its value and
// comes back with what the method left in it: on the server, a method assigns `value`; on the
// client, the reply's value is stored back into the caller's variable.

#include "platform/net/Protocol.h"

#include <QString>
#include <QVariant>

namespace ger {

struct CallArgument {
    enum class Kind : quint8 {
        String = 0x48,
        StringByRef = 0x48 | protocol::kByReferenceBit,
        Variant = 0x0C,
    };

    Kind kind = Kind::Variant;
    QVariant value;

    static CallArgument string(const QString& text) { return {Kind::String, QVariant(text)}; }
    static CallArgument stringByRef(const QString& text) {
        return {Kind::StringByRef, QVariant(text)};
    }
    static CallArgument variant(const QVariant& v) { return {Kind::Variant, v}; }

    bool isByReference() const { return kind == Kind::StringByRef; }
    bool isString() const { return kind == Kind::String || kind == Kind::StringByRef; }

    // Whether a byte read from a call record is one of the three kinds.
    static bool isKnownKind(quint8 kind);

    bool operator==(const CallArgument&) const = default;
};

} // namespace ger
