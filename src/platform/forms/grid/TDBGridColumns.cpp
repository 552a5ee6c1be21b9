#include "platform/forms/grid/TDBGridColumns.h"

#include "platform/db/TDataSet.h"
#include "platform/db/TField.h"
#include "platform/forms/FormsExceptions.h"
#include "platform/forms/grid/TColumn.h"
#include "platform/forms/grid/TDBGrid.h"

#include <algorithm>

namespace ger {

TDBGridColumns::TDBGridColumns(TDBGrid* grid)
    : m_grid(grid) {}

TDBGridColumns::~TDBGridColumns() = default;

TColumn* TDBGridColumns::Items(int index) const {
    if (index < 0 || index >= Count())
        throw EInvalidOperation(QStringLiteral("%1.Columns: index %2 out of range (%3 columns)")
                                    .arg(m_grid->Name())
                                    .arg(index)
                                    .arg(Count()));
    return m_items[static_cast<size_t>(index)].get();
}

int TDBGridColumns::IndexOf(const TColumn* column) const {
    for (size_t i = 0; i < m_items.size(); ++i)
        if (m_items[i].get() == column)
            return static_cast<int>(i);
    return -1;
}

TColumn* TDBGridColumns::Add() {
    if (m_state == csDefault) {
        m_items.clear();
        m_state = csCustomized;
    }
    m_items.push_back(std::make_unique<TColumn>(this));
    Changed();
    return m_items.back().get();
}

void TDBGridColumns::Delete(int index) {
    Items(index);
    m_items.erase(m_items.begin() + index);
    Changed();
}

void TDBGridColumns::Clear() {
    if (m_items.empty())
        return;
    m_items.clear();
    Changed();
}

void TDBGridColumns::SetState(TDBGridColumnsState state) {
    if (state == m_state)
        return;
    m_state = state;
    if (m_state == csDefault)
        RebuildColumns();
}

void TDBGridColumns::RebuildColumns() {
    if (m_state != csDefault)
        return;
    m_items.clear();
    const TDataSet* dataSet = m_grid->DataSet();
    if (dataSet && dataSet->Active() && m_grid->DataLink().Active()) {
        for (int i = 0; i < dataSet->FieldCount(); ++i) {
            const TField* field = dataSet->Fields(i);
            if (!field->Visible())
                continue;
            auto column = std::make_unique<TColumn>(this);
            column->m_fieldName = field->FieldName();
            m_items.push_back(std::move(column));
        }
    }
    Changed();
}

void TDBGridColumns::Move(int from, int to) {
    Items(from);
    to = std::clamp(to, 0, Count() - 1);
    if (from == to)
        return;
    auto column = std::move(m_items[static_cast<size_t>(from)]);
    m_items.erase(m_items.begin() + from);
    m_items.insert(m_items.begin() + to, std::move(column));
    m_state = csCustomized;
    Changed();
}

void TDBGridColumns::Changed() {
    m_grid->ColumnsChanged();
}

void TDBGridColumns::ReadCollection(const FormDataProperty& property, FormDataContext& context) {
    if (property.value.kind != FormDataValue::Kind::Collection)
        throw EFormDataError(
            QStringLiteral("Property %1: a collection of columns was expected").arg(property.name));
    m_items.clear();
    m_state = csCustomized;
    for (const FormDataItem& item : property.value.collection) {
        m_items.push_back(std::make_unique<TColumn>(this));
        for (const FormDataProperty& columnProperty : item.properties)
            m_items.back()->ReadProperty(columnProperty, context);
    }
    Changed();
}

} // namespace ger
