#pragma once
// A prepared statement on a DatabaseConnection with named parameters, the way the query
// component and the application server run SQL:
//
//   SqlStatement st(connection, "SELECT NMFILIAL FROM FILIAL WHERE CDFILIAL = :P_CDFILIAL");
//   st.bind("P_CDFILIAL", "0001");        // ":P_CDFILIAL" works too; case does not matter
//   SqlRowSet rows = st.select();          // column names, then values as text or NULL
//
// Binding rules, pinned by tests:
//   - a name used several times in the text takes the value at every occurrence;
//   - a parameter never bound, or bound to a null QVariant, is NULL;
//   - a QString is text, even a null QString: only a null QVariant makes NULL;
//   - binding a name that the text does not hold raises EDatabaseError;
//   - values stay bound across executions until bound again or clearBindings().
// A statement the database refuses (at prepare or at execution) raises ESqlError with the
// database's message and the text. The text is prepared as the engine runs it
// (DatabaseConnection::engineText); on an engine whose text depends on which parameters are
// null (Firebird), it is prepared again when that changes; on Firebird it is prepared again at
// every run anyway (SqlEngineTraits::preparesEachRun). A statement must not outlive its
// connection.

#include "platform/sql/SqlRowSet.h"

#include <QHash>
#include <QSqlQuery>
#include <QString>
#include <QStringList>
#include <QVariant>

namespace ger {

class DatabaseConnection;

class SqlStatement {
public:
    SqlStatement(DatabaseConnection& connection, const QString& text);

    SqlStatement(const SqlStatement&) = delete;
    SqlStatement& operator=(const SqlStatement&) = delete;

    const QString& text() const { return m_text; }

    // The text's parameters, each once, as first written.
    const QStringList& parameterNames() const { return m_parameterNames; }
    bool hasParameter(const QString& name) const;

    void bind(const QString& name, const QVariant& value);
    void clearBindings();

    // Runs the statement and returns every row it yields.
    SqlRowSet select();

    // Runs a statement that yields no rows; returns the number of rows it changed.
    qint64 execute();

private:
    void run();
    // Prepares the text for the parameters now null, unless it is so prepared already.
    void prepareFor(const QStringList& nullNames);
    QStringList nullNames() const;
    [[noreturn]] void fail() const;

    DatabaseConnection& m_connection;
    QString m_text;
    QStringList m_parameterNames;
    // Upper-cased name -> every spelling of it in the text.
    QHash<QString, QStringList> m_spellings;
    QHash<QString, QVariant> m_values;
    QSqlQuery m_query;
    QStringList m_preparedNulls;
    bool m_isPrepared = false;
};

} // namespace ger
