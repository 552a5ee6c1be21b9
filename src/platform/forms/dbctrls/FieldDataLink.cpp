#include "platform/forms/dbctrls/FieldDataLink.h"

#include "platform/db/TDataSet.h"
#include "platform/db/TField.h"

namespace ger {

void FieldDataLink::SetFieldName(const QString& name) {
    if (name == m_fieldName)
        return;
    m_fieldName = name;
    dataChange();
}

TField* FieldDataLink::Field() const {
    const TDataSet* dataSet = DataSet();
    if (!Active() || !dataSet || m_fieldName.isEmpty())
        return nullptr;
    return dataSet->FindField(m_fieldName);
}

bool FieldDataLink::CanModify() const {
    const TField* field = Field();
    return !ReadOnly() && field && !field->ReadOnly() && field->DataSet()->CanModify();
}

bool FieldDataLink::EditField() {
    if (!CanModify())
        return false;
    return Edit();
}

void FieldDataLink::Reset() {
    dataChange();
}

void FieldDataLink::dataChange() {
    m_modified = false;
    if (OnDataChange)
        OnDataChange();
}

void FieldDataLink::ActiveChanged() {
    dataChange();
}

void FieldDataLink::EditingChanged() {
    if (OnEditingChange)
        OnEditingChange();
}

void FieldDataLink::FocusControl(TField*& Field) {
    if (Field && Field == this->Field() && OnFocusControl && OnFocusControl(Field))
        Field = nullptr;
}

void FieldDataLink::LayoutChanged() {
    dataChange();
}

void FieldDataLink::RecordChanged(TField* Field) {
    if (!Field || Field == this->Field())
        dataChange();
}

void FieldDataLink::UpdateData() {
    if (!m_modified)
        return;
    if (Field() && OnUpdateData)
        OnUpdateData();
    m_modified = false;
}

} // namespace ger
