#pragma once
// Helpers shared by the dataset tests: packets built from literal rows, a form data context
// that resolves references at once, and a recorder of dataset events.

#include "platform/core/FormDataContext.h"
#include "platform/core/HandlerTable.h"
#include "platform/core/TComponent.h"
#include "platform/db/DataPacket.h"
#include "platform/db/TClientDataSet.h"
#include "platform/db/TField.h"
#include "support/QtPrinters.h"

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

// A form data context whose references resolve at once among the root's components.
class TestContext : public FormDataContext {
public:
    explicit TestContext(TComponent* root)
        : m_root(root) {}
    HandlerTable handlers;

    const HandlerTable& Handlers() const override { return handlers; }
    TComponent* Root() const override { return m_root; }
    void Reference(const QString& name, std::function<void(TComponent*)> assign) override {
        TComponent* target = m_root->FindComponent(name);
        if (!target)
            throw EFormDataError(QStringLiteral("Unknown component %1").arg(name));
        assign(target);
    }

private:
    TComponent* m_root;
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
