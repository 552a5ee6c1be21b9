#include "platform/sql/SqlRowSet.h"

#include "platform/db/EDatabaseError.h"

namespace ger {

namespace {

int RequireColumn(const SqlRowSet& rows, const QString& name) {
    const int index = rows.columnIndex(name);
    if (index < 0)
        throw EDatabaseError(QStringLiteral("SqlRowSet: no column %1 among %2")
                                 .arg(name, rows.columns().join(u',')));
    return index;
}

} // namespace

SqlRowSet::SqlRowSet(QStringList columns)
    : m_columns(std::move(columns)) {}

int SqlRowSet::columnIndex(const QString& name) const {
    for (int i = 0; i < m_columns.size(); ++i) {
        if (m_columns.at(i).compare(name, Qt::CaseInsensitive) == 0)
            return i;
    }
    return -1;
}

const SqlValue& SqlRowSet::value(int row, const QString& column) const {
    const int index = RequireColumn(*this, column);
    if (row < 0 || row >= rowCount())
        throw EDatabaseError(
            QStringLiteral("SqlRowSet: row %1 out of range (%2 rows)").arg(row).arg(rowCount()));
    return m_rows.at(static_cast<size_t>(row)).at(static_cast<size_t>(index));
}

std::vector<SqlRow> SqlRowSet::project(const QStringList& columns) const {
    std::vector<int> indexes;
    for (const QString& column : columns)
        indexes.push_back(RequireColumn(*this, column));
    std::vector<SqlRow> result;
    result.reserve(m_rows.size());
    for (const SqlRow& row : m_rows) {
        SqlRow reduced;
        for (int index : indexes)
            reduced.push_back(row.at(static_cast<size_t>(index)));
        result.push_back(std::move(reduced));
    }
    return result;
}

void SqlRowSet::append(SqlRow row) {
    if (row.size() != static_cast<size_t>(m_columns.size()))
        throw EDatabaseError(QStringLiteral("SqlRowSet: a row of %1 values for %2 columns")
                                 .arg(row.size())
                                 .arg(m_columns.size()));
    m_rows.push_back(std::move(row));
}

} // namespace ger
