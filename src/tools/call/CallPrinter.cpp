#include "tools/call/CallPrinter.h"

#include "appserver/ServerResult.h"
#include "platform/db/DataPacket.h"
#include "platform/db/EDatabaseError.h"

namespace ger {

namespace {

const QString kNull = QStringLiteral("(null)");

QString Line(const QStringList& cells, const std::vector<qsizetype>& widths) {
    QStringList padded;
    for (size_t i = 0; i < widths.size(); ++i)
        padded.append(cells.at(static_cast<qsizetype>(i)).leftJustified(widths[i]));
    // No blanks after the last column.
    return padded.join(QStringLiteral(" | ")).trimmed() + u'\n';
}

} // namespace

QString CallPrinter::Table(const QByteArray& packet) {
    const DataPacket decoded = DataPacket::Decode(packet);
    std::vector<QStringList> lines(1);
    for (const PacketField& field : decoded.fields)
        lines.front().append(field.name);
    for (const PacketRow& row : decoded.rows) {
        QStringList cells;
        for (const PacketValue& value : row)
            cells.append(value ? *value : kNull);
        lines.push_back(cells);
    }
    std::vector<qsizetype> widths(decoded.fields.size(), 0);
    for (const QStringList& cells : lines)
        for (size_t i = 0; i < widths.size(); ++i)
            widths[i] = std::max(widths[i], cells.at(static_cast<qsizetype>(i)).size());
    QString text;
    for (const QStringList& cells : lines)
        text += Line(cells, widths);
    return text;
}

CallPrinter::Output CallPrinter::Result(const QVariant& result,
                                        const QList<CallArgument>& arguments) {
    Output output;
    if (const std::optional<ServerResult::Parts> parts = ServerResult::Read(result)) {
        if (parts->isSuccess()) {
            output.text = parts->payload.isEmpty() ? QStringLiteral("OK\n") : Value(parts->payload);
        } else {
            output.text = QStringLiteral("ERRO %1: %2\n").arg(parts->code).arg(parts->message);
            output.exitCode = 1;
        }
    } else {
        output.text = Value(result);
    }
    output.text += References(arguments);
    return output;
}

CallPrinter::Output CallPrinter::RemoteException(const QString& message,
                                                 const QList<CallArgument>& arguments) {
    return {QStringLiteral("ERRO: %1\n").arg(message) + References(arguments), 1};
}

QString CallPrinter::Value(const QVariant& value) {
    if (value.typeId() == QMetaType::QByteArray) {
        try {
            return Table(value.toByteArray());
        } catch (const EDatabaseError&) {
            return QStringLiteral("%1 bytes: %2\n")
                .arg(value.toByteArray().size())
                .arg(QString::fromLatin1(value.toByteArray().toHex(' ')));
        }
    }
    if (value.typeId() == QMetaType::QVariantList) {
        QStringList items;
        for (const QVariant& item : value.toList())
            items.append(Value(item).trimmed());
        return u'{' + items.join(QStringLiteral(", ")) + QStringLiteral("}\n");
    }
    if (!value.isValid())
        return QStringLiteral("(vazio)\n");
    return value.toString() + u'\n';
}

QString CallPrinter::References(const QList<CallArgument>& arguments) {
    QString text;
    for (qsizetype i = 0; i < arguments.size(); ++i)
        if (arguments.at(i).isByReference())
            text +=
                QStringLiteral("ref %1 = '%2'\n").arg(i + 1).arg(arguments.at(i).value.toString());
    return text;
}

} // namespace ger
