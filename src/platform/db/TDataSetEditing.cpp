// TDataSet: Insert, Append, Edit, Post, Cancel, Delete and assigning field values.

#include "platform/db/TDataSet.h"
#include "platform/db/TField.h"

#include <utility>

namespace ger {

void TDataSet::CheckCanModify(const QString& operation) const {
    if (!CanModify())
        Error(operation, QStringLiteral("Cannot modify a read-only dataset"));
}

void TDataSet::CheckBrowseMode() {
    CheckActive(QStringLiteral("CheckBrowseMode"));
    DataEvent(TDataEvent::deCheckBrowseMode);
    if (!IsEditMode(m_state))
        return;
    UpdateRecord();
    if (m_modified)
        Post();
    else
        Cancel();
}

void TDataSet::UpdateRecord() {
    if (!IsEditMode(m_state))
        Error(QStringLiteral("UpdateRecord"), QStringLiteral("Dataset not in edit or insert mode"));
    DataEvent(TDataEvent::deUpdateRecord);
}

void TDataSet::Insert() {
    DoInsertAppend(false);
}

void TDataSet::Append() {
    DoInsertAppend(true);
}

void TDataSet::DoInsertAppend(bool append) {
    const QString operation = append ? QStringLiteral("Append") : QStringLiteral("Insert");
    CheckBrowseMode();
    CheckCanModify(operation);
    DoEvent(BeforeInsert);
    DoEvent(BeforeScroll);
    CheckActive(operation);
    m_cursorBeforeInsert = m_cursor;
    m_cursor = append ? InternalRecordCount() : std::max(m_cursor, 0);
    m_buffer.assign(static_cast<size_t>(InternalColumnCount()), std::nullopt);
    m_bof = m_eof = false;
    SetState(dsInsert);
    FinishInsert();
}

void TDataSet::FinishInsert() {
    try {
        DoEvent(OnNewRecord);
    } catch (...) {
        if (m_state == dsInsert) {
            m_cursor = m_cursorBeforeInsert;
            m_buffer.clear();
            SetState(dsBrowse);
            Resync();
        }
        throw;
    }
    m_modified = false;
    DataEvent(TDataEvent::deDataSetChange);
    DoEvent(AfterInsert);
    DoEvent(AfterScroll);
}

void TDataSet::Edit() {
    if (IsEditMode(m_state))
        return;
    CheckActive(QStringLiteral("Edit"));
    if (InternalRecordCount() == 0) {
        Insert();
        return;
    }
    CheckBrowseMode();
    CheckCanModify(QStringLiteral("Edit"));
    DoEvent(BeforeEdit);
    CheckActive(QStringLiteral("Edit"));
    if (IsEditMode(m_state) || m_cursor < 0)
        return;
    const int columns = InternalColumnCount();
    m_buffer.assign(static_cast<size_t>(columns), std::nullopt);
    for (int column = 0; column < columns; ++column)
        m_buffer[static_cast<size_t>(column)] = InternalGetValue(m_cursor, column);
    SetState(dsEdit);
    DataEvent(TDataEvent::deRecordChange);
    DoEvent(AfterEdit);
}

void TDataSet::CheckRequiredFields() {
    for (TField* field : m_fields) {
        if (field->Required() && !field->ReadOnly() && field->IsNull()) {
            field->FocusControl();
            field->Error(QStringLiteral("Post"),
                         QStringLiteral("Field '%1' must have a value").arg(field->DisplayName()));
        }
    }
}

void TDataSet::Post() {
    CheckActive(QStringLiteral("Post"));
    if (!IsEditMode(m_state))
        Error(QStringLiteral("Post"), QStringLiteral("Dataset not in edit or insert mode"));
    UpdateRecord();
    DataEvent(TDataEvent::deCheckBrowseMode);
    DoEvent(BeforePost);
    if (!IsEditMode(m_state))
        return;
    CheckRequiredFields();
    if (m_state == dsInsert)
        InternalInsert(m_cursor, m_buffer);
    else
        InternalUpdate(m_cursor, m_buffer);
    m_buffer.clear();
    SetState(dsBrowse);
    Resync();
    DoEvent(AfterPost);
}

void TDataSet::Cancel() {
    if (!IsEditMode(m_state))
        return;
    DataEvent(TDataEvent::deCheckBrowseMode);
    DoEvent(BeforeCancel);
    if (!IsEditMode(m_state))
        return;
    if (m_state == dsInsert)
        m_cursor = m_cursorBeforeInsert;
    m_buffer.clear();
    SetState(dsBrowse);
    Resync();
    DoEvent(AfterCancel);
}

void TDataSet::Delete() {
    const QString operation = QStringLiteral("Delete");
    CheckActive(operation);
    if (m_state == dsInsert) {
        Cancel();
        return;
    }
    if (InternalRecordCount() == 0)
        Error(operation, QStringLiteral("Cannot perform this operation on an empty dataset"));
    DataEvent(TDataEvent::deCheckBrowseMode);
    CheckCanModify(operation);
    DoEvent(BeforeDelete);
    DoEvent(BeforeScroll);
    CheckActive(operation);
    if (m_state == dsInsert || m_cursor < 0)
        return;
    InternalDelete(m_cursor);
    m_buffer.clear();
    SetState(dsBrowse);
    Resync();
    DoEvent(AfterDelete);
    DoEvent(AfterScroll);
}

void TDataSet::SetFieldValue(TField* field, std::optional<QString> value,
                             const QString& operation) {
    if (!IsEditMode(m_state))
        field->Error(operation, QStringLiteral("Dataset not in edit or insert mode"));
    if (m_readRow >= 0 && m_readRow != m_cursor)
        field->Error(operation,
                     QStringLiteral("Cannot modify a record other than the current one"));
    if (field->ReadOnly())
        field->Error(operation,
                     QStringLiteral("Field '%1' cannot be modified").arg(field->DisplayName()));
    if (field->m_column < 0)
        field->Error(
            operation,
            QStringLiteral("Field '%1' is not bound to the data").arg(field->DisplayName()));
    const auto column = static_cast<size_t>(field->m_column);
    if (field->OnValidate) {
        std::optional<QString> previous = std::exchange(m_buffer[column], value);
        try {
            field->OnValidate(field);
        } catch (...) {
            if (IsEditMode(m_state) && column < m_buffer.size())
                m_buffer[column] = std::move(previous);
            throw;
        }
        if (!IsEditMode(m_state))
            return;
    }
    m_buffer[column] = std::move(value);
    DataEvent(TDataEvent::deFieldChange, field);
    if (field->OnChange)
        field->OnChange(field);
}

} // namespace ger
