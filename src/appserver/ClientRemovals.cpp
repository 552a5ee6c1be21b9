#include "appserver/ClientRemovals.h"

#include "appserver/ArgumentRules.h"
#include "appserver/EMethodFailure.h"
#include "platform/db/DataPacket.h"
#include "platform/db/EDatabaseError.h"

namespace ger {

namespace {

DeltaPacket Decoded(const QByteArray& delta) {
    try {
        return DeltaPacket::Decode(delta);
    } catch (const EDatabaseError& error) {
        throw EMethodFailure::InvalidArgument(
            QStringLiteral("Lista de alterações inválida: %1").arg(error.Message()));
    }
}

size_t FieldIndex(const DeltaPacket& delta, const char* name) {
    for (size_t i = 0; i < delta.fields.size(); ++i)
        if (delta.fields[i].name.compare(QLatin1String(name), Qt::CaseInsensitive) == 0)
            return i;
    throw EMethodFailure::InvalidArgument(
        QStringLiteral("Lista de alterações sem o campo %1.").arg(QLatin1String(name)));
}

QString ValueOf(const PacketRow& row, size_t index, const char* name) {
    const PacketValue& value = row.at(index);
    if (!value)
        throw EMethodFailure::InvalidArgument(
            QStringLiteral("Lista de alterações com uma exclusão sem %1.")
                .arg(QLatin1String(name)));
    return ArgumentRules::Code(*value,
                               QStringLiteral("%1 de uma exclusão").arg(QLatin1String(name)));
}

} // namespace

ClientRemovals ClientRemovals::FromDelta(const QByteArray& delta, const QString& client) {
    const DeltaPacket decoded = Decoded(delta);
    const size_t branchIndex = FieldIndex(decoded, "CDFILIAL");
    const size_t typeIndex = FieldIndex(decoded, "CDTIPOOPER");
    const size_t clientIndex = FieldIndex(decoded, "CDFORNCLIE");
    ClientRemovals removals;
    removals.m_client = client;
    for (const PacketChange& change : decoded.changes) {
        if (change.kind != ChangeKind::Delete)
            throw EMethodFailure::InvalidArgument(
                QStringLiteral("Lista de alterações com uma inclusão ou alteração: só exclusões "
                               "são aceitas."));
        Row row{ValueOf(change.original, branchIndex, "CDFILIAL"),
                ValueOf(change.original, typeIndex, "CDTIPOOPER")};
        const QString owner = ValueOf(change.original, clientIndex, "CDFORNCLIE");
        if (owner != client)
            throw EMethodFailure::InvalidArgument(
                QStringLiteral("A exclusão do tipo de operação \"%1\" é do cliente \"%2\", não do "
                               "cliente informado \"%3\".")
                    .arg(row.type, owner, client));
        removals.m_rows.push_back(std::move(row));
    }
    return removals;
}

} // namespace ger
