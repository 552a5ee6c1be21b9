#pragma once
// Helpers shared by the dataset tests: packets built from literal rows, a recorder of dataset
// events, and form data values for ReadProperty.

#include "platform/core/FormDataValue.h"
#include "platform/db/DataPacket.h"
#include "platform/db/TClientDataSet.h"
#include "platform/db/TField.h"
#include "support/QtPrinters.h"
#include "support/TestFormDataContext.h"

#include <QStringList>

namespace ger::test {

inline PacketValue N() {
    return std::nullopt;
}
inline PacketValue V(const char* text) {
    return QString::fromUtf8(text);
}

inline QByteArray Packet(std::vector<PacketField> fields, std::vector<PacketRow> rows) {
    return DataPacket{std::move(fields), std::move(rows)}.Encode();
}

// Three operation types of a branch, the shape of the per-branch grid's packet (trimmed).
inline QByteArray BranchPacket() {
    return Packet({{"OPERACAO", 35}, {"IDLIBERADO", 1}, {"CDFILIAL", 4}},
                  {{V("01 - Venda de mercadoria"), V("S"), V("0001")},
                   {V("02 - Devolução de compra"), V("N"), V("0001")},
                   {V("03 - Remessa para conserto"), N(), V("0001")}});
}

// Every stored row of an open client dataset, read through its data packet.
inline std::vector<PacketRow> Rows(const TClientDataSet& cds) {
    return DataPacket::Decode(cds.Data()).rows;
}

inline QString StateName(TDataSetState state) {
    static const char* names[] = {"inactive", "browse", "edit", "insert"};
    return QString::fromLatin1(names[state]);
}

// Records the dataset's events by name, in order, with the state each one saw.
struct EventLog {
    QStringList events;

    void Attach(TDataSet& ds) {
        for (const auto& [name, member] : TDataSet::Events()) {
            const QString label = QString::fromLatin1(name);
            ds.*member = [this, label](TDataSet* d) {
                events << label + QLatin1Char('@') + StateName(d->State());
            };
        }
    }
};

inline FormDataProperty Prop(const char* name, FormDataValue::Kind kind, const QString& text,
                             qint64 integer = 0) {
    FormDataProperty p;
    p.name = QString::fromLatin1(name);
    p.value.kind = kind;
    p.value.text = text;
    p.value.integer = integer;
    return p;
}
inline FormDataProperty Ident(const char* name, const char* value) {
    return Prop(name, FormDataValue::Kind::Identifier, QString::fromLatin1(value));
}
inline FormDataProperty Str(const char* name, const QString& value) {
    return Prop(name, FormDataValue::Kind::String, value);
}
inline FormDataProperty Int(const char* name, qint64 value) {
    return Prop(name, FormDataValue::Kind::Integer, QString(), value);
}

} // namespace ger::test
