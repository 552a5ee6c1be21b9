#pragma once
// The read-only query of the screens: texts per SQL dialect, named parameters, and the rows of
// the last Open as a browsable dataset.
//
// Texts. `SQL` (general), `SQL_ORACLE`, `SQL_MSSQL` and `SQL_IB` are kept verbatim, line by
// line, as form data declares them (`SQL_IB.Strings = (...)`), trailing blank lines included.
// Open runs the text of the session's dialect, or the general `SQL` where that one is empty
// (SelectDialectText). Changing a text closes the query.
//
// Session. A query runs on DatabaseSession::defaultSession(), which the host's data module
// installs, unless SetConnection gave it one of its own. Opening without a connection raises
// EDatabaseError "<query>.Open: No database connection".
//
// Parameters are named by the texts: every `:NAME` of any of the four texts, found without
// regard to case, so that the parameter list does not depend on when the session (and with it
// the dialect) is known; the screens' texts declare the same parameters in every dialect. A
// parameter never assigned, or cleared, runs as NULL; a name used twice in a text takes the
// value at each place. Assigning while open changes nothing until the query is opened again.
//
// Fields. Persistent fields (TADOIBStringField, declared inside the query in form data) bind
// to the result columns by FieldName; a declared field the result lacks makes Open raise and
// the query stay closed, and result columns without a declared field are not read. Without
// persistent fields the query makes one string field per column on each Open and frees them
// on Close. Values are nullable strings shown exactly as the database gives them: a field's
// Size shapes the display and would cut an assigned value, but never cuts what is read. A
// field of a closed query (or one never opened) reads NULL, so its AsString is empty.
//
// Read-only: CanModify is false, so Insert, Append, Edit and Delete raise EDatabaseError
// "Cannot modify a read-only dataset" and fields cannot be assigned.
//
// The query is its own inner dataset: Query() returns the query, and a data source declared
// with `DataSet = qryFilial` binds to it directly.
//
// Worked example, on FILIAL rows 0001 and 0002:
//   ParamByName("P_CDFILIAL").SetAsString("0002"); Open()   -> one row, on 0002, IsEmpty false
//   ParamByName("P_CDFILIAL").SetAsString("0001")           -> still on 0002 (open)
//   Close(); Open()                                         -> one row, on 0001
//   Close(); ParamByName("P_CDFILIAL").SetAsString("9999"); Open()
//                                                           -> no row: IsEmpty, Eof true
//
// Properties of the original component that form data may carry and that change nothing here
// load without error: CursorLocation, CursorType, LockType, CacheSize, MaxRecords, ParamCheck,
// Prepared, and declared parameter collections (Parameters, Params, ParamData), whose data
// types are ignored: every value is bound as given.

#include "platform/db/TDataSet.h"
#include "platform/sql/DatabaseSession.h"
#include "platform/sql/SqlDialect.h"
#include "platform/sql/SqlRowSet.h"
#include "platform/sql/TParams.h"

#include <optional>

namespace ger {

class TADOIBQuery : public TDataSet {
public:
    explicit TADOIBQuery(TComponent* AOwner);
    ~TADOIBQuery() override;

    QString ClassName() const override { return QStringLiteral("TADOIBQuery"); }
    bool CanModify() const override { return false; }

    // The dataset that data sources bind to.
    TDataSet* Query() { return this; }

    const QStringList& SQL() const { return m_texts.SQL; }
    const QStringList& SQL_ORACLE() const { return m_texts.SQL_ORACLE; }
    const QStringList& SQL_MSSQL() const { return m_texts.SQL_MSSQL; }
    const QStringList& SQL_IB() const { return m_texts.SQL_IB; }
    void SetSQL(const QStringList& lines) { SetText(&DialectTexts::SQL, lines); }
    void SetSQL_ORACLE(const QStringList& lines) { SetText(&DialectTexts::SQL_ORACLE, lines); }
    void SetSQL_MSSQL(const QStringList& lines) { SetText(&DialectTexts::SQL_MSSQL, lines); }
    void SetSQL_IB(const QStringList& lines) { SetText(&DialectTexts::SQL_IB, lines); }
    const DialectTexts& Texts() const { return m_texts; }
    void SetTexts(const DialectTexts& texts);
    // The statement Open runs under the dialect: its lines, each ended by a line feed.
    QString TextFor(SqlDialect dialect) const;

    TParams& Params() { return m_params; }
    TParam& ParamByName(const QString& name) { return m_params.ParamByName(name); }

    // A session of the query's own; a null connection returns it to the default session.
    void SetConnection(DatabaseConnection* connection, SqlDialect dialect);
    // The session Open uses: the query's own, else the default.
    DatabaseSession Session() const;

    void ReadProperty(const FormDataProperty& property, FormDataContext& context) override;

protected:
    void InternalOpen() override;
    void InternalClose() override;
    int InternalRecordCount() const override { return m_rows.rowCount(); }
    int InternalColumnCount() const override;
    std::optional<QString> InternalGetValue(int record, int column) const override;
    void InternalInsert(int position, const RecordValues& values) override;
    void InternalUpdate(int record, const RecordValues& values) override;
    void InternalDelete(int record) override;

private:
    void SetText(QStringList DialectTexts::*text, const QStringList& lines);
    void TextsChanged();
    SqlRowSet Execute(const DatabaseSession& session) const;
    [[noreturn]] void RefuseChange(const QString& operation) const;

    DialectTexts m_texts;
    TParams m_params{this};
    std::optional<DatabaseSession> m_session;
    SqlRowSet m_rows;
};

} // namespace ger
