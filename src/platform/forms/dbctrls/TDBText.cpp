#include "platform/forms/dbctrls/TDBText.h"

#include "platform/core/ComponentRegistry.h"
#include "platform/db/TDataSource.h"
#include "platform/db/TField.h"
#include "platform/forms/dbctrls/DataControlProperties.h"

namespace ger {

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
    if (!ReadFromTable(DataControlProperties<TDBText>(), *this, property, context))
        TLabel::ReadProperty(property, context);
}

GER_REGISTER_COMPONENT(TDBText)

} // namespace ger
