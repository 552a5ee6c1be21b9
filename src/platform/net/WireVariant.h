#pragma once
// Values on the wire (Protocol.h, VALUES) and their in-memory form, QVariant:
//
//   empty    <->  QVariant() (also QVariant::fromValue(nullptr) when written)
//   boolean  <->  bool
//   integer  <->  qint64 (written from any integer type that fits)
//   string   <->  QString
//   bytes    <->  QByteArray (data packets and change lists)
//   array    <->  QVariantList (written from QVariantList or QStringList)
//
// Any other type (double, dates, maps) raises EProtocolError when written: the protocol has
// no kind for it and silently converting it would change what the other side sees.

#include "platform/net/WireReader.h"
#include "platform/net/WireWriter.h"

#include <QVariant>

namespace ger {

class WireVariant {
public:
    static void write(WireWriter& writer, const QVariant& value);
    static QVariant read(WireReader& reader);

    static void writeString(WireWriter& writer, const QString& value);
    // A value that must be a string; anything else raises EProtocolError naming `what`.
    static QString readString(WireReader& reader, const char* what);

    // Whether write() accepts the value's type (not its nesting depth).
    static bool isWritable(const QVariant& value);

private:
    static void write(WireWriter& writer, const QVariant& value, int depth);
    static QVariant read(WireReader& reader, int depth);
    static void writeList(WireWriter& writer, const QVariantList& list, int depth);
    static QVariant readList(WireReader& reader, int depth);
};

} // namespace ger
