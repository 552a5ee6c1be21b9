#include "platform/sql/SqlDialect.h"

#include "platform/db/EDatabaseError.h"

#include <array>

namespace ger {

namespace {

struct DialectInfo {
    SqlDialect dialect;
    const char* name;
    const char* alias;
    QStringList DialectTexts::*text;
};

// The one place where dialects differ.
constexpr std::array<DialectInfo, 3> kDialects{{
    {SqlDialect::Oracle, "Oracle", "ORACLE", &DialectTexts::SQL_ORACLE},
    {SqlDialect::MSSQL, "MSSQL", "MSSQL", &DialectTexts::SQL_MSSQL},
    {SqlDialect::InterBase, "InterBase", "IB", &DialectTexts::SQL_IB},
}};

constexpr std::array<SqlDialect, 3> kAllDialects{SqlDialect::Oracle, SqlDialect::MSSQL,
                                                 SqlDialect::InterBase};

const DialectInfo& InfoOf(SqlDialect dialect) {
    for (const DialectInfo& info : kDialects) {
        if (info.dialect == dialect)
            return info;
    }
    throw EDatabaseError(
        QStringLiteral("SqlDialect: unknown dialect value %1").arg(static_cast<int>(dialect)));
}

} // namespace

bool IsEmptySqlText(const QStringList& lines) {
    for (const QString& line : lines) {
        if (!line.trimmed().isEmpty())
            return false;
    }
    return true;
}

const QStringList& SelectDialectText(const DialectTexts& texts, SqlDialect dialect) {
    const QStringList& own = texts.*(InfoOf(dialect).text);
    return IsEmptySqlText(own) ? texts.SQL : own;
}

std::span<const SqlDialect> AllSqlDialects() {
    return kAllDialects;
}

QString SqlDialectName(SqlDialect dialect) {
    return QString::fromLatin1(InfoOf(dialect).name);
}

SqlDialect SqlDialectFromName(const QString& name) {
    const QString wanted = name.trimmed();
    for (const DialectInfo& info : kDialects) {
        if (wanted.compare(QLatin1String(info.name), Qt::CaseInsensitive) == 0 ||
            wanted.compare(QLatin1String(info.alias), Qt::CaseInsensitive) == 0)
            return info.dialect;
    }
    throw EDatabaseError(
        QStringLiteral("SqlDialect: unknown dialect \"%1\" (Oracle, MSSQL or InterBase)")
            .arg(name));
}

} // namespace ger
