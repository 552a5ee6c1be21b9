// TDataSet: the cursor, reading field values and Locate.

#include "platform/db/TDataSet.h"
#include "platform/db/TField.h"

namespace ger {

int TDataSet::RecordCount() const {
    CheckActive(QStringLiteral("RecordCount"));
    return InternalRecordCount();
}

int TDataSet::DisplayRecordCount() const {
    if (!Active())
        return 0;
    return InternalRecordCount() + (m_state == dsInsert ? 1 : 0);
}

int TDataSet::StoredIndex(int displayRow) const {
    if (m_state == dsInsert && displayRow > m_cursor)
        return displayRow - 1;
    return displayRow;
}

TDataSet::ActiveRecordScope::ActiveRecordScope(TDataSet& dataSet, int displayRow)
    : m_dataSet(dataSet)
    , m_previous(dataSet.m_readRow) {
    if (displayRow < 0 || displayRow >= dataSet.DisplayRecordCount())
        dataSet.Error(QStringLiteral("ActiveRecordScope"),
                      QStringLiteral("Record %1 out of range").arg(displayRow));
    m_dataSet.m_readRow = displayRow;
}

int TDataSet::ReadRecord() const {
    const int row = ReadRow();
    if (!Active() || row < 0 || row >= DisplayRecordCount() ||
        (m_state == dsInsert && row == m_cursor))
        return -1;
    return StoredIndex(row);
}

std::optional<QString> TDataSet::FieldValue(const TField* field) const {
    if (!Active() || field->m_column < 0)
        return std::nullopt;
    const int row = ReadRow();
    if (row < 0 || row >= DisplayRecordCount())
        return std::nullopt;
    if (IsEditMode(m_state) && row == m_cursor)
        return m_buffer[static_cast<size_t>(field->m_column)];
    return InternalGetValue(StoredIndex(row), field->m_column);
}

void TDataSet::First() {
    CheckBrowseMode();
    DoEvent(BeforeScroll);
    const int count = InternalRecordCount();
    m_cursor = count > 0 ? 0 : -1;
    m_bof = true;
    m_eof = count == 0;
    DataEvent(TDataEvent::deDataSetChange);
    DoEvent(AfterScroll);
}

void TDataSet::Last() {
    CheckBrowseMode();
    DoEvent(BeforeScroll);
    const int count = InternalRecordCount();
    m_cursor = count - 1;
    m_eof = true;
    m_bof = count == 0;
    DataEvent(TDataEvent::deDataSetChange);
    DoEvent(AfterScroll);
}

int TDataSet::MoveBy(int distance) {
    CheckBrowseMode();
    DoEvent(BeforeScroll);
    if ((distance > 0 && m_eof) || (distance < 0 && m_bof) || distance == 0)
        return 0;
    m_bof = m_eof = false;
    const int moved = MoveCursor(distance);
    DataEvent(TDataEvent::deDataSetScroll, nullptr, moved);
    DoEvent(AfterScroll);
    return moved;
}

int TDataSet::MoveCursor(int distance) {
    const int count = InternalRecordCount();
    if (count == 0) {
        m_bof = m_eof = true;
        return 0;
    }
    const qint64 wanted = static_cast<qint64>(m_cursor) + distance;
    int target = static_cast<int>(wanted);
    if (wanted >= count) {
        target = count - 1;
        m_eof = true;
    } else if (wanted < 0) {
        target = 0;
        m_bof = true;
    }
    const int moved = target - m_cursor;
    m_cursor = target;
    return moved;
}

void TDataSet::SetRecNo(int recNo) {
    CheckBrowseMode();
    if (recNo == RecNo())
        return;
    if (recNo < 1 || recNo > InternalRecordCount())
        Error(QStringLiteral("SetRecNo"),
              QStringLiteral("Record number %1 out of range").arg(recNo));
    DoEvent(BeforeScroll);
    m_cursor = recNo - 1;
    m_bof = m_eof = false;
    DataEvent(TDataEvent::deDataSetChange);
    DoEvent(AfterScroll);
}

void TDataSet::Resync() {
    const int count = DisplayRecordCount();
    if (m_cursor >= count)
        m_cursor = count - 1;
    if (count > 0 && m_cursor < 0)
        m_cursor = 0;
    m_bof = m_eof = count == 0;
    DataEvent(TDataEvent::deDataSetChange);
}

void TDataSet::ResetCursor() {
    const int count = InternalRecordCount();
    m_cursor = count > 0 ? 0 : -1;
    m_bof = true;
    m_eof = count == 0;
    DataEvent(TDataEvent::deDataSetChange);
}

bool TDataSet::ValueMatches(const std::optional<QString>& value, const LocateKey& key,
                            TLocateOptions options) {
    if (!key.value)
        return !value.has_value();
    const QString text = value.value_or(QString());
    const Qt::CaseSensitivity cs =
        options.Contains(loCaseInsensitive) ? Qt::CaseInsensitive : Qt::CaseSensitive;
    if (options.Contains(loPartialKey))
        return text.startsWith(*key.value, cs);
    return text.compare(*key.value, cs) == 0;
}

int TDataSet::InternalLocate(const std::vector<LocateKey>& keys, TLocateOptions options) const {
    const int count = InternalRecordCount();
    for (int record = 0; record < count; ++record) {
        bool all = true;
        for (const LocateKey& key : keys) {
            if (!ValueMatches(InternalGetValue(record, key.column), key, options)) {
                all = false;
                break;
            }
        }
        if (all)
            return record;
    }
    return -1;
}

bool TDataSet::Locate(const QString& keyFields, const QVariant& keyValues, TLocateOptions options) {
    const QString operation = QStringLiteral("Locate");
    CheckBrowseMode();
    const QStringList names = keyFields.split(QLatin1Char(';'), Qt::SkipEmptyParts);
    if (names.isEmpty())
        Error(operation, QStringLiteral("No key fields given"));
    QVariantList values;
    if (names.size() == 1)
        values = {keyValues.typeId() == QMetaType::QVariantList && keyValues.toList().size() == 1
                      ? keyValues.toList().front()
                      : keyValues};
    else if (keyValues.typeId() == QMetaType::QVariantList)
        values = keyValues.toList();
    if (values.size() != names.size())
        Error(operation,
              QStringLiteral("%1 key fields but %2 values").arg(names.size()).arg(values.size()));
    std::vector<LocateKey> keys;
    for (qsizetype i = 0; i < names.size(); ++i) {
        const TField* field = FieldByName(names[i].trimmed());
        const QVariant& value = values[i];
        keys.push_back(
            {field->m_column, value.isNull() ? std::nullopt : std::optional(value.toString())});
    }
    DoEvent(BeforeScroll);
    const int found = InternalLocate(keys, options);
    if (found < 0)
        return false;
    m_cursor = found;
    m_bof = m_eof = false;
    DataEvent(TDataEvent::deDataSetChange);
    DoEvent(AfterScroll);
    return true;
}

} // namespace ger
