#pragma once
// The lookups of the screens: a list of the rows of a data source's dataset, shown by the
// application's dialog service (IDialogService::ShowLookup), from which the person picks one
// row (Pesquisar) or several (PesquisaLista).
//
// What the list shows: one column per field of the dataset that is Visible (all fields when
// `includeHiddenFields` is true), in field order, titled with the field's DisplayLabel; one
// row per stored row, each cell the field's DisplayText (OnGetText and edit masks apply). The
// rows are read without moving the cursor; a record being edited or inserted is first posted
// or cancelled (CheckBrowseMode), as any move of the cursor would.
//
// Pesquisar(dtsTipoOperacao, "Tipo Operação|Não há tipo de operação cadastrado.", false, true)
//   The title argument is the window title and, after a vertical bar, the text shown when there
//   is nothing to choose (without a bar: the title alone, and EmptyLookupText).
//   - empty dataset: the empty text as an error (mtError, OK) when `reportEmpty` is true,
//     nothing when it is false; returns false and the list is not shown;
//   - a row chosen: the dataset moves to it (BeforeScroll/AfterScroll run); returns true;
//   - cancelled: the cursor stays; returns false.
//
// PesquisaLista(dtsFilial, "CDFILIAL", "Filial", false, stdFilial)
//   The list lets the person mark any number of rows. On acceptance `result` becomes the key
//   field's values of the marked rows, in the dataset's order, each in single quotes, separated
//   by commas: "'0001','0101'". A query then finds each code by substring search
//   (INSTR(:P_CDINSCESTA, CDINSCESTA) > 0), and the quotes keep "01" from matching inside
//   "0101". Accepting with no row marked gives the empty string. Returns true on acceptance.
//   - empty dataset: the empty text as an error (the title may carry one after a bar, as for
//     Pesquisar), `result` unchanged, returns false;
//   - cancelled: `result` unchanged, returns false;
//   - a marked code holding a quote or a comma, which the list cannot carry: an error that
//     names it, `result` unchanged, returns false.
//   The key field need not be shown; an unknown key field raises before anything is shown.
//
// A closed dataset is opened first, with the parameters it has (a query closed and given new
// parameters by the screen). Misuse raises: no data source, a data source without dataset
// (EComponentError), a dataset that cannot be opened (its own error), a dataset with no field
// to show.

#include <QString>

namespace ger {

class TDataSource;

inline const QString EmptyLookupText = QStringLiteral("Não há registros para selecionar.");

bool Pesquisar(TDataSource* dataSource, const QString& titleAndEmptyText, bool includeHiddenFields,
               bool reportEmpty);

bool PesquisaLista(TDataSource* dataSource, const QString& keyField, const QString& title,
                   bool includeHiddenFields, QString& result);

} // namespace ger
