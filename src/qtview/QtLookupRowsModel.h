#pragma once
// QtLookupRowsModel: the rows of a lookup window (QtLookupDialog) as a table model, read from
// the request's rows as they are (one shared copy of each row, no item per cell), with the
// window's filter and, for a multi-choice lookup, a mark per row.
//
// Two kinds of row numbers: a shown row is a row of this model, what the view displays; a
// source row is an index into the request's rows. sourceRow() maps the first to the second.
//
// Filter. setFilterText keeps, in the request's order, the rows of which some cell contains
// the text, ignoring case (QString::contains with Qt::CaseInsensitive); the empty text keeps
// every row. A text that contains the one before (the next key typed) only narrows the rows
// shown so far, so each key costs what the rows still shown cost. The model is reset, so a
// view loses its current row.
//
// Marks (multi-choice only; otherwise no row has one and nothing marks) belong to source rows:
// a mark hidden by the filter is kept and shows again when the filter widens. toggleMark and
// setShownMarks act on shown rows; markedRows() gives the marked source rows in order. The
// mark is the check state of column 0, drawn from the model; the item is not user-checkable,
// so a view does not toggle it by itself (the window toggles on a click or Space).
//
//   rows A "0001 Matriz", B "0002 Rio", C "0010 Recife"; setFilterText("00")  -> A B C shown
//   setFilterText("001")   -> A C (narrowed from A B C); sourceRow(1) == 2
//   setShownMarks(true)    -> A and C marked
//   setFilterText("")      -> A B C; markedRows() == {0, 2}

#include "platform/forms/IDialogService.h"

#include <QAbstractTableModel>
#include <vector>

namespace ger {

class QtLookupRowsModel : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit QtLookupRowsModel(const LookupRequest& request, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    const QString& filterText() const { return m_filterText; }
    void setFilterText(const QString& text);

    // The source row of a shown row; -1 when there is no such shown row.
    int sourceRow(int shownRow) const;
    // Up to `count` shown rows spread evenly from the first to the last, in order (every row
    // when there are no more than `count`).
    std::vector<int> sampleRows(int count) const;

    bool isMultiSelect() const { return m_multiSelect; }
    bool isMarked(int sourceRow) const;
    void toggleMark(int shownRow);
    void setShownMarks(bool marked);
    std::vector<int> markedRows() const;

private:
    bool rowContains(int sourceRow, const QString& text) const;
    std::vector<int> rowsContaining(const QString& text, const std::vector<int>& among) const;

    std::vector<QStringList> m_rows;
    QStringList m_columnTitles;
    bool m_multiSelect;
    std::vector<int> m_shown;  // source rows, in order
    std::vector<char> m_marks; // by source row; empty unless multi-choice
    QString m_filterText;
};

} // namespace ger
