#include "platform/forms/dbctrls/TDBText.h"

#include "platform/core/ComponentRegistry.h"
#include "platform/db/TDataSource.h"
#include "platform/db/TField.h"
#include "platform/forms/PropertyReading.h"

namespace ger {
namespace {

const PropertyTable<TDBText>& dbTextProperties() {
    using T = TDBText&;
    using P = const FormDataProperty&;
    using C = FormDataContext&;
    static const PropertyTable<TDBText> table{
        {"datasource",
         [](T t, P p, C c) {
             ReadReference<TDataSource>(p, c, "data source",
                                        [&t](TDataSource* source) { t.SetDataSource(source); });
         }},
        {"datafield", [](T t, P p, C) { t.SetDataField(ReadString(p)); }},
    };
    return table;
}

} // namespace

TDBText::TDBText(TComponent* AOwner)
    : TLabel(AOwner) {
    SetAutoSize(false);
    m_link.SetReadOnly(true);
    m_link.OnDataChange = [this] { dataChange(); };
}

TDBText::~TDBText() {
    m_link.OnDataChange = nullptr;
    m_link.SetDataSource(nullptr);
}

void TDBText::SetDataSource(TDataSource* dataSource) {
    m_link.SetDataSource(dataSource);
}

void TDBText::dataChange() {
    const TField* field = m_link.Field();
    SetCaption(field ? field->DisplayText() : QString());
}

void TDBText::ReadProperty(const FormDataProperty& property, FormDataContext& context) {
    if (!ReadFromTable(dbTextProperties(), *this, property, context))
        TLabel::ReadProperty(property, context);
}

GER_REGISTER_COMPONENT(TDBText)

} // namespace ger
