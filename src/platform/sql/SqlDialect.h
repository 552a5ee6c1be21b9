#pragma once
// The SQL dialect of the company database: the one thing that decides which of a query's texts
// runs. A query component keeps its texts verbatim, line by line, as form data declares them:
// the general `SQL` and one text per dialect (`SQL_ORACLE`, `SQL_MSSQL`, `SQL_IB`). The dialect's
// own text wins; where it is empty (no line holds anything but blanks) the general one stands.
//
// Every difference between dialects lives in the table of SqlDialect.cpp; code elsewhere asks
// this header and never compares dialects itself. The engine that runs the chosen text is a
// separate matter (DatabaseConnection): on the embedded SQLite engine every dialect's text runs.

#include <QString>
#include <QStringList>
#include <span>

namespace ger {

enum class SqlDialect { Oracle, MSSQL, InterBase };

// A query's texts as declared; each is a list of lines.
struct DialectTexts {
    QStringList SQL;
    QStringList SQL_ORACLE;
    QStringList SQL_MSSQL;
    QStringList SQL_IB;
};

// The lines that run under the dialect: its own text, or the general one where its own is empty.
const QStringList& SelectDialectText(const DialectTexts& texts, SqlDialect dialect);

// True when no line holds anything but blanks.
bool IsEmptySqlText(const QStringList& lines);

// All dialects, in declaration order.
std::span<const SqlDialect> AllSqlDialects();

// "Oracle", "MSSQL" or "InterBase", as host settings write them.
QString SqlDialectName(SqlDialect dialect);

// Reads a dialect name without regard to case; also takes the text property suffixes "ORACLE"
// and "IB". Raises EDatabaseError for any other name.
SqlDialect SqlDialectFromName(const QString& name);

} // namespace ger
