#include "platform/db/TDataSet.h"

#include "platform/core/FormDataContext.h"
#include "platform/db/EDatabaseError.h"
#include "platform/db/TDataSource.h"
#include "platform/db/TStringField.h"

#include <algorithm>

namespace ger {

namespace {

bool is(const QString& name, const char* wanted) {
    return name.compare(QLatin1String(wanted), Qt::CaseInsensitive) == 0;
}

} // namespace

TDataSet::TDataSet(TComponent* AOwner)
    : TComponent(AOwner) {}

// A dataset being destroyed fires none of its own events and none of its data sources'
// handlers: the form around it may already be half gone. Links still learn that the data
// went away.
TDataSet::~TDataSet() {
    m_destroying = true;
    m_state = dsInactive;
    const std::vector<TDataSource*> sources = m_dataSources;
    m_dataSources.clear();
    for (TDataSource* source : sources)
        source->DataSetDestroyed();
    FreeFields();
    for (TField* field : m_fields) {
        field->m_dataSet = nullptr;
        field->m_column = -1;
    }
    m_fields.clear();
}

void TDataSet::Error(const QString& operation, const QString& message) const {
    DatabaseError(this, operation, message);
}

void TDataSet::CheckActive(const QString& operation) const {
    if (!Active())
        Error(operation, QStringLiteral("Cannot perform this operation on a closed dataset"));
}

void TDataSet::CheckInactive(const QString& operation) const {
    if (Active())
        Error(operation, QStringLiteral("Cannot perform this operation on an open dataset"));
}

void TDataSet::SetActive(bool active) {
    if (IsLoading()) {
        m_streamedActive = active;
        return;
    }
    if (active)
        Open();
    else
        Close();
}

void TDataSet::Loaded() {
    if (m_streamedActive)
        Open();
}

void TDataSet::Open() {
    if (Active())
        return;
    DoEvent(BeforeOpen);
    InternalOpen();
    const int count = InternalRecordCount();
    m_cursor = count > 0 ? 0 : -1;
    m_bof = true;
    m_eof = count == 0;
    SetState(dsBrowse);
    DoEvent(AfterOpen);
    if (!IsEmpty())
        DoEvent(AfterScroll);
}

void TDataSet::Close() {
    if (!Active())
        return;
    DoEvent(BeforeClose);
    if (!Active())
        return;
    m_buffer.clear();
    m_readRow = -1;
    SetState(dsInactive);
    InternalClose();
    FreeFields();
    UnbindFields();
    m_cursor = -1;
    m_bof = m_eof = true;
    DoEvent(AfterClose);
}

void TDataSet::SetState(TDataSetState state) {
    if (m_state == state)
        return;
    m_state = state;
    m_modified = false;
    DataEvent(TDataEvent::deUpdateState);
}

void TDataSet::DataEvent(TDataEvent event, TField* field, int distance) {
    if (event == TDataEvent::deFieldChange)
        m_modified = true;
    if (m_destroying)
        return;
    if (m_disableCount == 0) {
        const std::vector<TDataSource*> sources = m_dataSources;
        for (TDataSource* source : sources)
            if (std::find(m_dataSources.begin(), m_dataSources.end(), source) !=
                m_dataSources.end())
                source->DataEvent(event, field, distance);
    } else if ((event == TDataEvent::deUpdateState && m_state == dsInactive) ||
               event == TDataEvent::deLayoutChange) {
        m_enableEvent = TDataEvent::deLayoutChange;
    }
}

void TDataSet::FocusControlEvent(TField* field) {
    if (m_disableCount > 0)
        return;
    const std::vector<TDataSource*> sources = m_dataSources;
    for (TDataSource* source : sources) {
        if (!field)
            return;
        if (std::find(m_dataSources.begin(), m_dataSources.end(), source) != m_dataSources.end())
            source->FocusControl(field);
    }
}

void TDataSet::DisableControls() {
    if (m_disableCount == 0) {
        m_disableState = m_state;
        m_enableEvent = TDataEvent::deDataSetChange;
    }
    ++m_disableCount;
}

void TDataSet::EnableControls() {
    if (m_disableCount == 0)
        return;
    if (--m_disableCount > 0)
        return;
    if (m_disableState != m_state)
        DataEvent(TDataEvent::deUpdateState);
    if (m_disableState != dsInactive && m_state != dsInactive)
        DataEvent(m_enableEvent);
}

void TDataSet::AddDataSource(TDataSource* source) {
    if (std::find(m_dataSources.begin(), m_dataSources.end(), source) == m_dataSources.end())
        m_dataSources.push_back(source);
}

void TDataSet::RemoveDataSource(TDataSource* source) {
    m_dataSources.erase(std::remove(m_dataSources.begin(), m_dataSources.end(), source),
                        m_dataSources.end());
}

TField* TDataSet::FindField(const QString& name) const {
    for (TField* field : m_fields)
        if (field->FieldName().compare(name, Qt::CaseInsensitive) == 0)
            return field;
    return nullptr;
}

TField* TDataSet::FieldByName(const QString& name) const {
    TField* field = FindField(name);
    if (!field)
        Error(QStringLiteral("FieldByName"), QStringLiteral("Field '%1' not found").arg(name));
    return field;
}

void TDataSet::AddField(TField* field) {
    m_fields.push_back(field);
    field->m_dataSet = this;
    field->m_column = -1;
}

void TDataSet::RemoveField(TField* field) {
    m_fields.erase(std::remove(m_fields.begin(), m_fields.end(), field), m_fields.end());
    field->m_dataSet = nullptr;
    field->m_column = -1;
    if (m_fields.empty())
        m_defaultFields = false;
}

void TDataSet::MoveField(TField* field, int index) {
    auto it = std::find(m_fields.begin(), m_fields.end(), field);
    if (it == m_fields.end())
        return;
    m_fields.erase(it);
    index = std::clamp(index, 0, static_cast<int>(m_fields.size()));
    m_fields.insert(m_fields.begin() + index, field);
    if (Active())
        DataEvent(TDataEvent::deLayoutChange);
}

void TDataSet::CheckFieldsBindable(const std::vector<PacketField>& columns,
                                   const QString& operation) const {
    if (!HasPersistentFields())
        return;
    for (const TField* field : m_fields) {
        const bool found =
            std::any_of(columns.begin(), columns.end(), [field](const PacketField& c) {
                return c.name.compare(field->FieldName(), Qt::CaseInsensitive) == 0;
            });
        if (!found)
            Error(operation, QStringLiteral("Field '%1' not found").arg(field->FieldName()));
    }
}

void TDataSet::BindFields(const std::vector<PacketField>& columns) {
    if (m_fields.empty()) {
        for (size_t i = 0; i < columns.size(); ++i) {
            auto* field = new TStringField(this);
            field->SetFieldName(columns[i].name);
            field->SetSize(columns[i].size);
            AddField(field);
            field->m_column = static_cast<int>(i);
        }
        m_defaultFields = !columns.empty();
        return;
    }
    CheckFieldsBindable(columns);
    for (TField* field : m_fields)
        for (size_t i = 0; i < columns.size(); ++i)
            if (columns[i].name.compare(field->FieldName(), Qt::CaseInsensitive) == 0)
                field->m_column = static_cast<int>(i);
}

void TDataSet::UnbindFields() {
    for (TField* field : m_fields)
        field->m_column = -1;
}

void TDataSet::FreeFields() {
    if (!m_defaultFields)
        return;
    const std::vector<TField*> fields = m_fields;
    for (TField* field : fields)
        delete field;
    m_fields.clear();
    m_defaultFields = false;
}

std::span<const TDataSet::EventMember> TDataSet::Events() {
    static const EventMember events[] = {
        {"BeforeOpen", &TDataSet::BeforeOpen},     {"AfterOpen", &TDataSet::AfterOpen},
        {"BeforeClose", &TDataSet::BeforeClose},   {"AfterClose", &TDataSet::AfterClose},
        {"BeforeInsert", &TDataSet::BeforeInsert}, {"AfterInsert", &TDataSet::AfterInsert},
        {"BeforeEdit", &TDataSet::BeforeEdit},     {"AfterEdit", &TDataSet::AfterEdit},
        {"BeforePost", &TDataSet::BeforePost},     {"AfterPost", &TDataSet::AfterPost},
        {"BeforeCancel", &TDataSet::BeforeCancel}, {"AfterCancel", &TDataSet::AfterCancel},
        {"BeforeDelete", &TDataSet::BeforeDelete}, {"AfterDelete", &TDataSet::AfterDelete},
        {"BeforeScroll", &TDataSet::BeforeScroll}, {"AfterScroll", &TDataSet::AfterScroll},
        {"OnNewRecord", &TDataSet::OnNewRecord},
    };
    return events;
}

void TDataSet::ReadProperty(const FormDataProperty& property, FormDataContext& context) {
    const QString& name = property.name;
    for (const auto& [eventName, member] : Events()) {
        if (is(name, eventName)) {
            this->*member = context.Handler<void(TDataSet*)>(property.value.asIdentifier(name));
            return;
        }
    }
    if (is(name, "Active"))
        SetActive(property.value.asBoolean(name));
    else if (is(name, "Left") || is(name, "Top"))
        property.value.asInteger(name); // design-time position of a non-visual component
    else
        TComponent::ReadProperty(property, context);
}

} // namespace ger
