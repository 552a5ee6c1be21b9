#include "qtview/QtLookupRowsModel.h"

#include <numeric>

namespace ger {

namespace {

std::vector<int> AllRows(size_t count) {
    std::vector<int> rows(count);
    std::iota(rows.begin(), rows.end(), 0);
    return rows;
}

} // namespace

QtLookupRowsModel::QtLookupRowsModel(const LookupRequest& request, QObject* parent)
    : QAbstractTableModel(parent)
    , m_rows(request.rows)
    , m_columnTitles(request.columnTitles)
    , m_multiSelect(request.multiSelect)
    , m_shown(AllRows(m_rows.size())) {
    if (m_multiSelect)
        m_marks.assign(m_rows.size(), 0);
}

int QtLookupRowsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_shown.size());
}

int QtLookupRowsModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_columnTitles.size());
}

QVariant QtLookupRowsModel::data(const QModelIndex& index, int role) const {
    const int source = sourceRow(index.row());
    if (source < 0 || index.column() < 0 || index.column() >= m_columnTitles.size())
        return QVariant();
    if (role == Qt::DisplayRole || role == Qt::EditRole)
        return m_rows[static_cast<size_t>(source)].value(index.column());
    if (role == Qt::CheckStateRole && m_multiSelect && index.column() == 0)
        return isMarked(source) ? Qt::Checked : Qt::Unchecked;
    return QVariant();
}

QVariant QtLookupRowsModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 &&
        section < m_columnTitles.size())
        return m_columnTitles.at(section);
    return QAbstractTableModel::headerData(section, orientation, role);
}

Qt::ItemFlags QtLookupRowsModel::flags(const QModelIndex& index) const {
    return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

bool QtLookupRowsModel::rowContains(int row, const QString& text) const {
    for (const QString& cell : m_rows[static_cast<size_t>(row)])
        if (cell.contains(text, Qt::CaseInsensitive))
            return true;
    return false;
}

std::vector<int> QtLookupRowsModel::rowsContaining(const QString& text,
                                                   const std::vector<int>& among) const {
    std::vector<int> rows;
    for (int row : among)
        if (rowContains(row, text))
            rows.push_back(row);
    return rows;
}

void QtLookupRowsModel::setFilterText(const QString& text) {
    const bool narrows =
        !m_filterText.isEmpty() && text.contains(m_filterText, Qt::CaseInsensitive);
    std::vector<int> shown;
    if (text.isEmpty())
        shown = AllRows(m_rows.size());
    else
        shown = rowsContaining(text, narrows ? m_shown : AllRows(m_rows.size()));
    beginResetModel();
    m_shown = std::move(shown);
    m_filterText = text;
    endResetModel();
}

int QtLookupRowsModel::sourceRow(int shownRow) const {
    if (shownRow < 0 || shownRow >= static_cast<int>(m_shown.size()))
        return -1;
    return m_shown[static_cast<size_t>(shownRow)];
}

std::vector<int> QtLookupRowsModel::sampleRows(int count) const {
    const qint64 shown = static_cast<qint64>(m_shown.size());
    if (count <= 0 || shown == 0)
        return {};
    if (shown <= count)
        return AllRows(m_shown.size());
    std::vector<int> rows;
    rows.reserve(static_cast<size_t>(count));
    for (qint64 i = 0; i < count; ++i)
        rows.push_back(static_cast<int>(count == 1 ? 0 : i * (shown - 1) / (count - 1)));
    return rows;
}

bool QtLookupRowsModel::isMarked(int source) const {
    return source >= 0 && static_cast<size_t>(source) < m_marks.size() &&
           m_marks[static_cast<size_t>(source)];
}

void QtLookupRowsModel::toggleMark(int shownRow) {
    const int source = sourceRow(shownRow);
    if (source < 0 || !m_multiSelect)
        return;
    m_marks[static_cast<size_t>(source)] ^= 1;
    const QModelIndex cell = index(shownRow, 0);
    emit dataChanged(cell, cell, {Qt::CheckStateRole});
}

void QtLookupRowsModel::setShownMarks(bool marked) {
    if (!m_multiSelect || m_shown.empty())
        return;
    for (int source : m_shown)
        m_marks[static_cast<size_t>(source)] = marked ? 1 : 0;
    emit dataChanged(index(0, 0), index(rowCount() - 1, 0), {Qt::CheckStateRole});
}

std::vector<int> QtLookupRowsModel::markedRows() const {
    std::vector<int> rows;
    for (size_t row = 0; row < m_marks.size(); ++row)
        if (m_marks[row])
            rows.push_back(static_cast<int>(row));
    return rows;
}

} // namespace ger
