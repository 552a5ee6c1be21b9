#include "platform/db/TDataSource.h"

#include "platform/core/ComponentRegistry.h"
#include "platform/core/FormDataContext.h"
#include "platform/db/TDataLink.h"
#include "platform/db/TDataSet.h"

#include <algorithm>

namespace ger {

GER_REGISTER_COMPONENT(TDataSource)

namespace {

bool is(const QString& name, const char* wanted) {
    return name.compare(QLatin1String(wanted), Qt::CaseInsensitive) == 0;
}

} // namespace

TDataSource::TDataSource(TComponent* AOwner)
    : TComponent(AOwner) {}

TDataSource::~TDataSource() {
    m_silent = true;
    if (m_dataSet)
        m_dataSet->RemoveDataSource(this);
    m_dataSet = nullptr;
    const std::vector<TDataLink*> links = m_links;
    for (TDataLink* link : links)
        link->SetDataSource(nullptr);
}

void TDataSource::SetDataSet(TDataSet* dataSet) {
    if (dataSet == m_dataSet)
        return;
    if (m_dataSet)
        m_dataSet->RemoveDataSource(this);
    m_dataSet = dataSet;
    if (m_dataSet)
        m_dataSet->AddDataSource(this);
    UpdateState();
}

void TDataSource::SetEnabled(bool enabled) {
    m_enabled = enabled;
    UpdateState();
}

void TDataSource::Edit() {
    if (m_autoEdit && m_state == dsBrowse && m_dataSet)
        m_dataSet->Edit();
}

void TDataSource::UpdateState() {
    SetState(m_enabled && m_dataSet ? m_dataSet->State() : dsInactive);
}

void TDataSource::SetState(TDataSetState state) {
    if (m_state == state)
        return;
    const TDataSetState prior = m_state;
    m_state = state;
    const std::vector<TDataLink*> links = m_links;
    for (TDataLink* link : links)
        if (HasLink(link))
            link->UpdateState();
    if (m_silent)
        return;
    if (OnStateChange)
        OnStateChange(this);
    if (prior == dsInactive && OnDataChange)
        OnDataChange(this, nullptr);
}

void TDataSource::DataSetDestroyed() {
    m_silent = true;
    m_dataSet = nullptr;
    UpdateState();
    m_silent = false;
}

void TDataSource::DataEvent(TDataEvent event, TField* field, int distance) {
    if (event == TDataEvent::deUpdateState) {
        UpdateState();
        return;
    }
    if (m_state == dsInactive)
        return;
    const std::vector<TDataLink*> links = m_links;
    for (TDataLink* link : links)
        if (HasLink(link))
            link->DataEvent(event, field, distance);
    switch (event) {
    case TDataEvent::deFieldChange:
    case TDataEvent::deRecordChange:
    case TDataEvent::deDataSetChange:
    case TDataEvent::deDataSetScroll:
    case TDataEvent::deLayoutChange:
        if (OnDataChange)
            OnDataChange(this, event == TDataEvent::deFieldChange ? field : nullptr);
        break;
    case TDataEvent::deUpdateRecord:
        if (OnUpdateData)
            OnUpdateData(this);
        break;
    default:
        break;
    }
}

void TDataSource::FocusControl(TField*& field) {
    if (m_state == dsInactive)
        return;
    const std::vector<TDataLink*> links = m_links;
    for (TDataLink* link : links) {
        if (!field)
            return;
        if (HasLink(link) && link->Active())
            link->FocusControl(field);
    }
}

void TDataSource::AddLink(TDataLink* link) {
    if (!HasLink(link))
        m_links.push_back(link);
}

void TDataSource::RemoveLink(TDataLink* link) {
    m_links.erase(std::remove(m_links.begin(), m_links.end(), link), m_links.end());
}

bool TDataSource::HasLink(TDataLink* link) const {
    return std::find(m_links.begin(), m_links.end(), link) != m_links.end();
}

void TDataSource::ReadProperty(const FormDataProperty& property, FormDataContext& context) {
    const QString& name = property.name;
    const FormDataValue& value = property.value;
    if (is(name, "DataSet")) {
        const QString target = value.asIdentifier(name);
        context.Reference(target, [this, target](TComponent* component) {
            auto* dataSet = dynamic_cast<TDataSet*>(component);
            if (!dataSet)
                throw EFormDataError(
                    QStringLiteral("%1.DataSet: %2 is not a dataset").arg(Name(), target));
            SetDataSet(dataSet);
        });
    } else if (is(name, "AutoEdit"))
        m_autoEdit = value.asBoolean(name);
    else if (is(name, "Enabled"))
        SetEnabled(value.asBoolean(name));
    else if (is(name, "OnStateChange"))
        OnStateChange = context.Handler<void(TObject*)>(value.asIdentifier(name));
    else if (is(name, "OnDataChange"))
        OnDataChange = context.Handler<void(TObject*, TField*)>(value.asIdentifier(name));
    else if (is(name, "OnUpdateData"))
        OnUpdateData = context.Handler<void(TObject*)>(value.asIdentifier(name));
    else if (is(name, "Left") || is(name, "Top"))
        value.asInteger(name); // design-time position of a non-visual component
    else
        TComponent::ReadProperty(property, context);
}

} // namespace ger
