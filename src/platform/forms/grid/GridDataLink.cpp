#include "platform/forms/grid/GridDataLink.h"

#include "platform/db/TDataSet.h"
#include "platform/forms/grid/TDBGrid.h"

namespace ger {

bool GridDataLink::Reset() {
    if (m_modified) {
        RecordChanged(nullptr);
        return true;
    }
    if (TDataSet* dataSet = DataSet())
        dataSet->Cancel();
    return false;
}

void GridDataLink::ActiveChanged() {
    m_modified = false;
    if (m_grid)
        m_grid->LinkActive();
}

void GridDataLink::DataSetChanged() {
    m_modified = false;
    if (m_grid)
        m_grid->LinkDataChanged();
}

void GridDataLink::DataSetScrolled(int) {
    DataSetChanged();
}

void GridDataLink::EditingChanged() {
    if (!Editing())
        m_modified = false;
    if (m_grid)
        m_grid->LinkEditingChanged();
}

void GridDataLink::FocusControl(TField*& Field) {
    if (Field && m_grid && m_grid->LinkFocusControl(Field))
        Field = nullptr;
}

void GridDataLink::LayoutChanged() {
    if (m_grid)
        m_grid->LinkLayoutChanged();
    DataSetChanged();
}

void GridDataLink::RecordChanged(TField* Field) {
    if (m_grid)
        m_grid->LinkRecordChanged(Field);
}

void GridDataLink::UpdateData() {
    if (!m_modified || !m_grid)
        return;
    m_grid->LinkUpdateData();
    m_modified = false;
}

} // namespace ger
