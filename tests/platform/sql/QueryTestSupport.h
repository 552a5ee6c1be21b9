#pragma once
// Shared by the query component's tests: a branch table of three rows (one without a name) on
// a fresh database, queries and fields owned by a form, and a reader of a dataset's rows.

#include "SqliteTestSupport.h"
#include "platform/core/ComponentRegistry.h"
#include "platform/db/TField.h"
#include "platform/sql/TADOIBQuery.h"

#include <QStringList>

namespace ger::test {

// One field's value on every row, from the first; NULL written as "<NULL>".
inline QStringList ColumnValues(TDataSet& dataSet, const QString& fieldName) {
    QStringList values;
    TField* field = dataSet.FieldByName(fieldName);
    for (dataSet.First(); !dataSet.Eof(); dataSet.Next())
        values.append(field->IsNull() ? QStringLiteral("<NULL>") : field->AsString());
    return values;
}

class QueryTest : public SqliteTest {
protected:
    void SetUp() override {
        SqliteTest::SetUp();
        db->executeScript(QString::fromUtf8(
            "CREATE TABLE FILIAL (CDFILIAL VARCHAR(4) PRIMARY KEY, NMFILIAL VARCHAR(30),"
            " CDEMPRESA VARCHAR(2));"
            "INSERT INTO FILIAL VALUES ('0001', 'Matriz São Paulo', '01'),"
            " ('0002', 'Filial Campinas', '01'), ('0003', NULL, '02');"));
    }

    TADOIBQuery* NewQuery(const QStringList& sql, SqlDialect dialect = SqlDialect::Oracle,
                          const QString& name = QStringLiteral("qryFilial")) {
        auto* query = new TADOIBQuery(&form);
        query->SetName(name);
        query->SetSQL(sql);
        query->SetConnection(db.get(), dialect);
        return query;
    }

    // A persistent field declared inside `query`, created as form data creates one.
    TField* NewField(TADOIBQuery* query, const QString& fieldName, int size) {
        auto* field = dynamic_cast<TField*>(
            ComponentRegistry::Create(QStringLiteral("TADOIBStringField"), &form));
        field->SetParentComponent(query);
        field->SetFieldName(fieldName);
        field->SetSize(size);
        return field;
    }

    TComponent form{nullptr};
};

} // namespace ger::test
