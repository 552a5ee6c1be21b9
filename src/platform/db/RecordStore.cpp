#include "platform/db/RecordStore.h"

#include "platform/db/EDatabaseError.h"
#include "platform/db/PacketWriter.h"

namespace ger {

int RecordStore::ColumnIndex(const QString& name) const {
    for (size_t i = 0; i < m_columns.size(); ++i)
        if (m_columns[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return static_cast<int>(i);
    return -1;
}

void RecordStore::Insert(int position, PackedRecord record) {
    m_rows.insert(m_rows.begin() + position, std::move(record));
}

PackedRecord RecordStore::Take(int position) {
    PackedRecord record = std::move(m_rows[static_cast<size_t>(position)]);
    m_rows.erase(m_rows.begin() + position);
    return record;
}

PackedRecord RecordStore::Replace(int position, PackedRecord record) {
    std::swap(m_rows[static_cast<size_t>(position)], record);
    return record;
}

void RecordStore::Reset(std::vector<PacketField> columns, std::vector<PackedRecord> rows) {
    m_columns = std::move(columns);
    m_rows = std::move(rows);
}

RecordStore RecordStore::FromPacket(const QByteArray& bytes) {
    PacketReader reader(bytes);
    if (reader.ReadHeader() != PacketKind::Data)
        throw EDatabaseError(QStringLiteral("A delta packet cannot be loaded as data"));
    RecordStore store;
    store.m_columns = reader.ReadFields();
    const int columns = store.ColumnCount();
    const quint32 count = reader.ReadItemCount(PacketReader::MinRowBytes(store.m_columns.size()));
    store.m_rows.reserve(count);
    std::vector<ValueSlice> slices(store.m_columns.size());
    for (quint32 row = 0; row < count; ++row) {
        for (ValueSlice& slice : slices)
            slice = reader.ReadValue();
        store.m_rows.push_back(PackedRecord::FromSlices(slices.data(), columns));
    }
    reader.ExpectEnd();
    return store;
}

QByteArray RecordStore::ToPacket() const {
    PacketWriter writer(PacketKind::Data, m_columns);
    for (const PackedRecord& record : m_rows) {
        const PackedRecordView row = record.View();
        for (int column = 0; column < ColumnCount(); ++column) {
            if (row.IsNull(column))
                writer.AppendNull();
            else
                writer.AppendUtf8(row.Bytes(column));
        }
    }
    return writer.Finish();
}

} // namespace ger
