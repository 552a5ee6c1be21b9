#include "platform/db/TDataLink.h"

#include "platform/db/TDataSet.h"
#include "platform/db/TDataSource.h"

namespace ger {

TDataLink::~TDataLink() {
    if (m_dataSource)
        m_dataSource->RemoveLink(this);
}

void TDataLink::SetDataSource(TDataSource* dataSource) {
    if (dataSource == m_dataSource)
        return;
    if (m_dataSource)
        m_dataSource->RemoveLink(this);
    m_dataSource = dataSource;
    if (m_dataSource)
        m_dataSource->AddLink(this);
    UpdateState();
}

TDataSet* TDataLink::DataSet() const {
    return m_dataSource ? m_dataSource->DataSet() : nullptr;
}

void TDataLink::SetReadOnly(bool readOnly) {
    if (m_readOnly == readOnly)
        return;
    m_readOnly = readOnly;
    UpdateState();
}

int TDataLink::ActiveRecord() const {
    TDataSet* dataSet = DataSet();
    return m_active && dataSet ? dataSet->ActiveRecord() : -1;
}

int TDataLink::RecordCount() const {
    TDataSet* dataSet = DataSet();
    return m_active && dataSet ? dataSet->DisplayRecordCount() : 0;
}

bool TDataLink::Edit() {
    if (!m_readOnly && m_dataSource && !m_editing)
        m_dataSource->Edit();
    return m_editing;
}

void TDataLink::UpdateRecord() {
    m_updating = true;
    try {
        UpdateData();
    } catch (...) {
        m_updating = false;
        throw;
    }
    m_updating = false;
}

void TDataLink::DataSetScrolled(int) {
    DataSetChanged();
}

void TDataLink::FocusControl(TField*&) {}

void TDataLink::RecordChanged(TField*) {}

void TDataLink::UpdateState() {
    SetActive(m_dataSource && m_dataSource->State() != dsInactive);
    SetEditing(m_dataSource && !m_readOnly && IsEditMode(m_dataSource->State()));
}

void TDataLink::SetActive(bool active) {
    if (m_active == active)
        return;
    m_active = active;
    ActiveChanged();
}

void TDataLink::SetEditing(bool editing) {
    if (m_editing == editing)
        return;
    m_editing = editing;
    EditingChanged();
}

void TDataLink::DataEvent(TDataEvent event, TField* field, int distance) {
    if (!m_active)
        return;
    switch (event) {
    case TDataEvent::deFieldChange:
    case TDataEvent::deRecordChange:
        if (!m_updating)
            RecordChanged(field);
        break;
    case TDataEvent::deDataSetChange:
        DataSetChanged();
        break;
    case TDataEvent::deDataSetScroll:
        DataSetScrolled(distance);
        break;
    case TDataEvent::deLayoutChange:
        LayoutChanged();
        break;
    case TDataEvent::deUpdateRecord:
        UpdateRecord();
        break;
    case TDataEvent::deCheckBrowseMode:
        CheckBrowseMode();
        break;
    case TDataEvent::deUpdateState:
        break;
    }
}

} // namespace ger
