#pragma once
// The rows a statement returned: column names as the statement names them, then each row's
// values as text. A NULL is std::nullopt, never an empty string.

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

namespace ger {

using SqlValue = std::optional<QString>;
using SqlRow = std::vector<SqlValue>;

class SqlRowSet {
public:
    SqlRowSet() = default;
    explicit SqlRowSet(QStringList columns);

    const QStringList& columns() const { return m_columns; }
    const std::vector<SqlRow>& rows() const { return m_rows; }
    int rowCount() const { return static_cast<int>(m_rows.size()); }
    bool isEmpty() const { return m_rows.empty(); }

    // Index of a column, found without regard to case; -1 when there is none.
    int columnIndex(const QString& name) const;

    // The value at a row and a named column. Raises EDatabaseError for an unknown column or a
    // row out of range.
    const SqlValue& value(int row, const QString& column) const;

    // The rows reduced to the named columns, in the order given (for comparing row sets whose
    // statements select different columns). Raises EDatabaseError for an unknown column.
    std::vector<SqlRow> project(const QStringList& columns) const;

    void append(SqlRow row);

private:
    QStringList m_columns;
    std::vector<SqlRow> m_rows;
};

} // namespace ger
