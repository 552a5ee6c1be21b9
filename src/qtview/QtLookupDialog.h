#pragma once
// QtLookupDialog: the lookup window of the framework's Pesquisar and PesquisaLista. The title,
// a search box, a table of the rows under their column titles, and "OK" / "Cancelar".
//
// Typing in the search box keeps the rows that contain the text in any column, ignoring case;
// Down moves into the table, Enter accepts, Escape cancels. A double click on a row chooses it.
// With multiSelect each row has a mark: a click on the row or Space on the current one toggles
// it, "Marcar todos" and "Desmarcar todos" set the marks of the rows the filter shows, and OK
// returns the marked rows (the current row when none is marked). The result holds indexes into
// the request's rows, in their order.
//
// The rows live in a QtLookupRowsModel, so a list of 100,000 rows opens and filters without a
// wait; the columns are as wide as their title and the widest cell of a sample of rows
// (kWidthSampleRows, spread over the list; every row of a shorter list).

#include "platform/forms/IDialogService.h"

#include <QDialog>

class QDialogButtonBox;
class QLineEdit;
class QTableView;

namespace ger {

class QtLookupRowsModel;

class QtLookupDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int kWidthSampleRows = 500;

    explicit QtLookupDialog(const LookupRequest& request, QWidget* parent = nullptr);

    QLineEdit* SearchBox() const { return m_search; }
    QTableView* Table() const { return m_table; }
    QtLookupRowsModel* Rows() const { return m_rows; }
    // The rows chosen now, as indexes into the request's rows.
    std::vector<int> ChosenRows() const;
    // Runs the dialog modally.
    LookupResult Run();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void setUpTable();
    QDialogButtonBox* makeButtons();
    void filter(const QString& text);
    void rowDoubleClicked(const QModelIndex& index);
    void toggleRow(const QModelIndex& index);
    void markShown(bool marked);
    void sizeColumns();

    bool m_multiSelect;
    QLineEdit* m_search;
    QTableView* m_table;
    QtLookupRowsModel* m_rows;
};

} // namespace ger
