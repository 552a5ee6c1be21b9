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

#include "platform/forms/IDialogService.h"

#include <QDialog>

class QLineEdit;
class QSortFilterProxyModel;
class QStandardItemModel;
class QTableView;

namespace ger {

class QtLookupDialog : public QDialog {
    Q_OBJECT
public:
    explicit QtLookupDialog(const LookupRequest& request, QWidget* parent = nullptr);

    QLineEdit* SearchBox() const { return m_search; }
    QTableView* Table() const { return m_table; }
    // The rows chosen now, as indexes into the request's rows.
    std::vector<int> ChosenRows() const;
    // Runs the dialog modally.
    LookupResult Run();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void filter(const QString& text);
    void rowDoubleClicked(const QModelIndex& index);
    void toggleRow(const QModelIndex& index);
    void markShown(Qt::CheckState state);
    int sourceRow(const QModelIndex& index) const;

    bool m_multiSelect;
    QLineEdit* m_search;
    QTableView* m_table;
    QStandardItemModel* m_rows;
    QSortFilterProxyModel* m_filter;
};

} // namespace ger
