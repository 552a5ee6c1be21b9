#include "platform/db/TFieldDefs.h"

#include "platform/core/Exception.h"
#include "platform/db/DataPacket.h"
#include "platform/db/EDatabaseError.h"

namespace ger {

namespace {

bool is(const QString& name, const char* wanted) {
    return name.compare(QLatin1String(wanted), Qt::CaseInsensitive) == 0;
}

TFieldDef readItem(const FormDataItem& item) {
    TFieldDef def;
    for (const FormDataProperty& p : item.properties) {
        if (is(p.name, "Name"))
            def.Name = p.value.asString(p.name);
        else if (is(p.name, "DataType")) {
            const QString type = p.value.asIdentifier(p.name);
            if (!is(type, "ftString"))
                throw EFormDataError(
                    QStringLiteral("FieldDefs: data type %1 is not supported").arg(type));
        } else if (is(p.name, "Size"))
            def.Size = static_cast<int>(p.value.asInteger(p.name));
        else if (is(p.name, "Attributes"))
            def.Required =
                p.value.asSet(p.name).contains(QStringLiteral("faRequired"), Qt::CaseInsensitive);
        else if (is(p.name, "Precision"))
            p.value.asInteger(p.name);
        else
            throw EFormDataError(QStringLiteral("FieldDefs.%1: unknown property").arg(p.name));
    }
    if (def.Name.isEmpty())
        throw EFormDataError(QStringLiteral("FieldDefs: an item has no Name"));
    return def;
}

} // namespace

TFieldDef& TFieldDefs::Add(const QString& name, TFieldType dataType, int size, bool required) {
    if (name.isEmpty() || IndexOf(name) >= 0)
        throw EDatabaseError(
            QStringLiteral("FieldDefs.Add: invalid or duplicate name '%1'").arg(name));
    if (dataType != ftString)
        throw EDatabaseError(QStringLiteral("FieldDefs.Add: only string fields are supported"));
    if (size < 1 || size > packet::MaxFieldSize)
        throw EDatabaseError(
            QStringLiteral("FieldDefs.Add: invalid size %1 of %2").arg(size).arg(name));
    m_items.push_back({name, dataType, size, required});
    return m_items.back();
}

int TFieldDefs::IndexOf(const QString& name) const {
    for (size_t i = 0; i < m_items.size(); ++i)
        if (m_items[i].Name.compare(name, Qt::CaseInsensitive) == 0)
            return static_cast<int>(i);
    return -1;
}

void TFieldDefs::Read(const FormDataProperty& property) {
    if (property.value.kind != FormDataValue::Kind::Collection)
        throw EFormDataError(
            QStringLiteral("Property %1: a collection expected").arg(property.name));
    std::vector<TFieldDef> items;
    for (const FormDataItem& item : property.value.collection)
        items.push_back(readItem(item));
    TFieldDefs defs;
    for (const TFieldDef& def : items) {
        try {
            defs.Add(def.Name, def.DataType, def.Size, def.Required);
        } catch (const EDatabaseError& e) {
            throw EFormDataError(e.Message());
        }
    }
    *this = std::move(defs);
}

} // namespace ger
