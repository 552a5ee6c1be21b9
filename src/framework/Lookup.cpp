#include "framework/Lookup.h"

#include "platform/core/Exception.h"
#include "platform/db/EDatabaseError.h"
#include "platform/db/TDataSet.h"
#include "platform/db/TDataSource.h"
#include "platform/db/TField.h"
#include "platform/forms/IDialogService.h"
#include "platform/forms/TApplication.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace ger {
namespace {

struct LookupTitle {
    QString title;
    QString emptyText;
};

LookupTitle SplitTitle(const QString& text) {
    const qsizetype bar = text.indexOf(QLatin1Char('|'));
    if (bar < 0)
        return {text, EmptyLookupText};
    return {text.left(bar), text.mid(bar + 1)};
}

// The dataset behind the data source, open and in browse state. A closed one is opened with
// the parameters it has: a screen may close its query, set them and leave the opening to the
// lookup.
TDataSet& LookupDataSet(TDataSource* source, const QString& operation) {
    if (!source)
        throw EComponentError(QStringLiteral("%1: no data source to look up").arg(operation));
    TDataSet* dataSet = source->DataSet();
    if (!dataSet)
        throw EComponentError(
            QStringLiteral("%1.%2: the data source has no dataset").arg(source->Name(), operation));
    if (!dataSet->Active())
        dataSet->Open();
    dataSet->CheckBrowseMode();
    return *dataSet;
}

std::vector<TField*> OfferedFields(const TDataSet& dataSet, bool includeHidden,
                                   const QString& operation) {
    std::vector<TField*> fields;
    for (int i = 0; i < dataSet.FieldCount(); ++i)
        if (includeHidden || dataSet.Fields(i)->Visible())
            fields.push_back(dataSet.Fields(i));
    if (fields.empty())
        DatabaseError(&dataSet, operation, QStringLiteral("No field to show in the lookup"));
    return fields;
}

LookupRequest BuildRequest(TDataSet& dataSet, const QString& title, bool includeHidden,
                           bool multiSelect, const QString& operation) {
    const std::vector<TField*> fields = OfferedFields(dataSet, includeHidden, operation);
    LookupRequest request;
    request.title = title;
    request.multiSelect = multiSelect;
    for (const TField* field : fields)
        request.columnTitles << field->DisplayLabel();
    for (int row = 0; row < dataSet.RecordCount(); ++row) {
        TDataSet::ActiveRecordScope scope(dataSet, row);
        QStringList cells;
        for (const TField* field : fields)
            cells << field->DisplayText();
        request.rows.push_back(cells);
    }
    return request;
}

// The rows the service returned, checked, in the dataset's order and without repeats.
std::vector<int> ChosenRows(const LookupResult& answer, const TDataSet& dataSet,
                            const QString& operation) {
    std::vector<int> rows = answer.rows;
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    for (int row : rows)
        if (row < 0 || row >= dataSet.RecordCount())
            DatabaseError(&dataSet, operation,
                          QStringLiteral("The lookup chose row %1 of %2")
                              .arg(row)
                              .arg(dataSet.RecordCount()));
    return rows;
}

void ShowEmpty(const QString& text) {
    Application().Dialogs().MessageDlg(text, mtError, TMsgDlgButtons(mbOK));
}

// The list's form holds a code with neither a quote (it would end the code) nor a comma (the
// screens find a code in the list by substring): such a code is refused with its message.
std::optional<QString> QuotedKeys(TDataSet& dataSet, const TField& key,
                                  const std::vector<int>& rows) {
    QStringList quoted;
    for (int row : rows) {
        TDataSet::ActiveRecordScope scope(dataSet, row);
        const QString code = key.AsString();
        if (code.contains(QLatin1Char('\'')) || code.contains(QLatin1Char(','))) {
            Application().Dialogs().MessageDlg(
                QStringLiteral("O código \"%1\" não pode ser escolhido numa lista: contém aspas "
                               "ou vírgula.")
                    .arg(code),
                mtError, TMsgDlgButtons(mbOK));
            return std::nullopt;
        }
        quoted << QLatin1Char('\'') + code + QLatin1Char('\'');
    }
    return quoted.join(QLatin1Char(','));
}

} // namespace

bool Pesquisar(TDataSource* dataSource, const QString& titleAndEmptyText, bool includeHiddenFields,
               bool reportEmpty) {
    const QString operation = QStringLiteral("Pesquisar");
    TDataSet& dataSet = LookupDataSet(dataSource, operation);
    const LookupTitle title = SplitTitle(titleAndEmptyText);
    if (dataSet.IsEmpty()) {
        if (reportEmpty)
            ShowEmpty(title.emptyText);
        return false;
    }
    const LookupRequest request =
        BuildRequest(dataSet, title.title, includeHiddenFields, false, operation);
    const LookupResult answer = Application().Dialogs().ShowLookup(request);
    if (!answer.accepted)
        return false;
    const std::vector<int> rows = ChosenRows(answer, dataSet, operation);
    if (rows.empty())
        return false;
    dataSet.SetRecNo(rows.front() + 1);
    return true;
}

bool PesquisaLista(TDataSource* dataSource, const QString& keyField, const QString& title,
                   bool includeHiddenFields, QString& result) {
    const QString operation = QStringLiteral("PesquisaLista");
    TDataSet& dataSet = LookupDataSet(dataSource, operation);
    const TField* key = dataSet.FieldByName(keyField);
    const LookupTitle parts = SplitTitle(title);
    if (dataSet.IsEmpty()) {
        ShowEmpty(parts.emptyText);
        return false;
    }
    const LookupRequest request =
        BuildRequest(dataSet, parts.title, includeHiddenFields, true, operation);
    const LookupResult answer = Application().Dialogs().ShowLookup(request);
    if (!answer.accepted)
        return false;
    const std::optional<QString> keys =
        QuotedKeys(dataSet, *key, ChosenRows(answer, dataSet, operation));
    if (!keys)
        return false;
    result = *keys;
    return true;
}

} // namespace ger
