#pragma once
// The rows of a client dataset in storage order, with the column definitions they were loaded
// with. Positions are 0-based; a row is a PackedRecord. The store knows nothing of cursors,
// fields or change logs: TClientDataSet composes those around it.

#include "platform/db/DataPacket.h"
#include "platform/db/PackedRecord.h"

#include <QByteArray>
#include <vector>

namespace ger {

class RecordStore {
public:
    const std::vector<PacketField>& Columns() const { return m_columns; }
    int ColumnCount() const { return static_cast<int>(m_columns.size()); }
    // -1 when no column has that name (compared without regard to case).
    int ColumnIndex(const QString& name) const;

    int RowCount() const { return static_cast<int>(m_rows.size()); }
    PackedRecordView Row(int position) const {
        return m_rows[static_cast<size_t>(position)].View();
    }

    void Insert(int position, PackedRecord record);
    PackedRecord Take(int position);
    PackedRecord Replace(int position, PackedRecord record);
    void Clear() { m_rows.clear(); }
    void Reset(std::vector<PacketField> columns, std::vector<PackedRecord> rows);

    // Reads a whole data packet (strictly; see DataPacket.h) into a new store.
    static RecordStore FromPacket(const QByteArray& bytes);
    // The store's content as a data packet.
    QByteArray ToPacket() const;

private:
    std::vector<PacketField> m_columns;
    std::vector<PackedRecord> m_rows;
};

} // namespace ger
