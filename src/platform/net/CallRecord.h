#pragma once
// A late-bound call as it travels: the call record of the platform's IDispatch-style call
// followed by the argument values (Protocol.h, CALL).

#include "platform/net/CallArgument.h"
#include "platform/net/WireReader.h"
#include "platform/net/WireWriter.h"

#include <QList>
#include <QString>

namespace ger {

struct CallRecord {
    QString method;
    QList<CallArgument> arguments;

    // Raises EProtocolError for a name or an argument list the record cannot carry: an empty
    // name, a name with a zero character or over 255 UTF-8 bytes, more than 255 arguments, a
    // string argument whose value is not a string, a value with no wire form.
    void write(WireWriter& writer) const;
    static CallRecord read(WireReader& reader);

    int byReferenceCount() const;
};

} // namespace ger
