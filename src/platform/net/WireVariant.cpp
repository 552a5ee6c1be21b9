#include "platform/net/WireVariant.h"

#include "platform/net/NetExceptions.h"

#include <QStringDecoder>
#include <QStringList>
#include <limits>

namespace ger {
namespace {

using protocol::ValueTag;

void writeTag(WireWriter& writer, ValueTag tag) {
    writer.writeU8(static_cast<quint8>(tag));
}

void writeSized(WireWriter& writer, ValueTag tag, const QByteArray& bytes) {
    writeTag(writer, tag);
    writer.writeU32(static_cast<quint32>(bytes.size()));
    writer.writeRaw(bytes);
}

[[noreturn]] void unsupported(const QVariant& value) {
    throw EProtocolError(QStringLiteral("Tipo de valor sem representação na rede: %1")
                             .arg(QLatin1String(value.typeName())));
}

QString decodeUtf8(QByteArrayView bytes) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringConverter::Flag::Stateless |
                                                     QStringConverter::Flag::ConvertInitialBom);
    QString text = decoder.decode(bytes);
    if (decoder.hasError())
        WireReader::fail(QStringLiteral("texto que não é UTF-8 válido"));
    return text;
}

bool isInteger(int typeId) {
    switch (typeId) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::LongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::SChar:
    case QMetaType::UChar:
    case QMetaType::Char:
        return true;
    default:
        return false;
    }
}

} // namespace

bool WireVariant::isWritable(const QVariant& value) {
    const int type = value.typeId();
    switch (type) {
    case QMetaType::UnknownType:
    case QMetaType::Nullptr:
    case QMetaType::Bool:
    case QMetaType::QString:
    case QMetaType::QByteArray:
    case QMetaType::QVariantList:
    case QMetaType::QStringList:
        return true;
    case QMetaType::ULongLong:
        return value.toULongLong() <= static_cast<quint64>(std::numeric_limits<qint64>::max());
    default:
        return isInteger(type);
    }
}

void WireVariant::write(WireWriter& writer, const QVariant& value) {
    write(writer, value, 0);
}

void WireVariant::write(WireWriter& writer, const QVariant& value, int depth) {
    if (!isWritable(value))
        unsupported(value);
    switch (value.typeId()) {
    case QMetaType::UnknownType:
    case QMetaType::Nullptr:
        writeTag(writer, ValueTag::Empty);
        return;
    case QMetaType::Bool:
        writeTag(writer, ValueTag::Boolean);
        writer.writeU8(value.toBool() ? 1 : 0);
        return;
    case QMetaType::QString:
        writeSized(writer, ValueTag::String, value.toString().toUtf8());
        return;
    case QMetaType::QByteArray:
        writeSized(writer, ValueTag::Bytes, value.toByteArray());
        return;
    case QMetaType::QVariantList:
        writeList(writer, value.toList(), depth + 1);
        return;
    case QMetaType::QStringList:
        writeList(writer, QVariant(value.toStringList()).toList(), depth + 1);
        return;
    default:
        writeTag(writer, ValueTag::Integer);
        writer.writeI64(value.toLongLong());
    }
}

void WireVariant::writeList(WireWriter& writer, const QVariantList& list, int depth) {
    if (depth > protocol::kMaxArrayDepth)
        throw EProtocolError(
            QStringLiteral("Listas aninhadas em mais de %1 níveis").arg(protocol::kMaxArrayDepth));
    writeTag(writer, ValueTag::Array);
    writer.writeU32(static_cast<quint32>(list.size()));
    for (const QVariant& item : list)
        write(writer, item, depth);
}

void WireVariant::writeString(WireWriter& writer, const QString& value) {
    writeSized(writer, ValueTag::String, value.toUtf8());
}

QVariant WireVariant::read(WireReader& reader) {
    return read(reader, 0);
}

QVariant WireVariant::read(WireReader& reader, int depth) {
    reader.countValue();
    const quint8 tag = reader.readU8("o tipo de um valor");
    switch (static_cast<ValueTag>(tag)) {
    case ValueTag::Empty:
        return QVariant();
    case ValueTag::Boolean: {
        const quint8 flag = reader.readU8("um valor lógico");
        if (flag > 1)
            WireReader::fail(
                QStringLiteral("valor lógico 0x%1").arg(flag, 2, 16, QLatin1Char('0')));
        return QVariant(flag == 1);
    }
    case ValueTag::Integer:
        return QVariant(reader.readI64("um inteiro"));
    case ValueTag::String:
        return QVariant(decodeUtf8(reader.readSized("um texto")));
    case ValueTag::Bytes:
        return QVariant(reader.readSized("uma sequência de bytes").toByteArray());
    case ValueTag::Array:
        return readList(reader, depth + 1);
    }
    WireReader::fail(
        QStringLiteral("tipo de valor desconhecido 0x%1").arg(tag, 2, 16, QLatin1Char('0')));
}

QVariant WireVariant::readList(WireReader& reader, int depth) {
    if (depth > protocol::kMaxArrayDepth)
        WireReader::fail(
            QStringLiteral("listas aninhadas em mais de %1 níveis").arg(protocol::kMaxArrayDepth));
    const quint32 count = reader.readU32("o tamanho de uma lista");
    // Every element takes at least its tag byte: a count beyond the bytes left is a lie, and
    // checking it first keeps a hostile count from reserving memory.
    if (count > static_cast<quint64>(reader.remaining()))
        WireReader::fail(QStringLiteral("lista de %1 elementos com apenas %2 bytes restantes")
                             .arg(count)
                             .arg(reader.remaining()));
    QVariantList list;
    list.reserve(static_cast<qsizetype>(count));
    for (quint32 i = 0; i < count; ++i)
        list.append(read(reader, depth));
    return list;
}

QString WireVariant::readString(WireReader& reader, const char* what) {
    const QVariant value = read(reader);
    if (value.typeId() != QMetaType::QString)
        WireReader::fail(QStringLiteral("%1 deveria ser um texto").arg(QString::fromUtf8(what)));
    return value.toString();
}

} // namespace ger
