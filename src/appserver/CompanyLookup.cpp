#include "appserver/CompanyLookup.h"

#include "appserver/EMethodFailure.h"
#include "appserver/ServerSql.h"
#include "platform/sql/DatabaseConnection.h"
#include "platform/sql/SqlStatement.h"

namespace ger {

namespace {

struct ListedTable {
    const char* missingCodes; // the listed codes that the table does not hold
    const char* name;         // for the message, plural
};

ListedTable ListedTableOf(CompanyLookup::Table table, const ServerSql& sql) {
    switch (table) {
    case CompanyLookup::Table::StateRegistrations:
        return {sql.missingStateRegistrations, "Inscrições estaduais não cadastradas"};
    case CompanyLookup::Table::Branches:
        return {sql.missingBranches, "Filiais não cadastradas"};
    case CompanyLookup::Table::OperationTypes:
        break;
    }
    return {sql.missingOperationTypes, "Tipos de operação não cadastrados"};
}

} // namespace

CompanyLookup::CompanyLookup(DatabaseConnection& connection)
    : m_connection(connection) {}

CompanyLookup::~CompanyLookup() = default;

SqlRowSet CompanyLookup::select(std::unique_ptr<SqlStatement>& statement, const char* text,
                                const QString& parameter, const QVariant& value) {
    if (!statement)
        statement = std::make_unique<SqlStatement>(m_connection, QString::fromUtf8(text));
    statement->bind(parameter, value);
    return statement->select();
}

CompanyLookup::Branch CompanyLookup::requireBranch(const QString& code) {
    const SqlRowSet rows = select(
        m_branch, "SELECT CDEMPRESA FROM FILIAL WHERE CDFILIAL = :P_CDFILIAL", "P_CDFILIAL", code);
    if (rows.isEmpty())
        throw EMethodFailure::NotFound(QStringLiteral("Filial \"%1\" não cadastrada.").arg(code));
    return Branch{code, rows.rows().front().front().value_or(QString())};
}

void CompanyLookup::requireClient(const QString& code) {
    if (select(m_client, "SELECT 1 FROM CLIENTE WHERE CDCLIENTE = :P_CDCLIENTE", "P_CDCLIENTE",
               code)
            .isEmpty())
        throw EMethodFailure::NotFound(QStringLiteral("Cliente \"%1\" não cadastrado.").arg(code));
}

void CompanyLookup::requireClientOperationType(const QString& code) {
    if (select(m_operationType,
               "SELECT 1 FROM TIPOOPERAC WHERE CDTIPOOPER = :P_CDTIPOOPER AND IDENTRSAIDOP = 'S'",
               "P_CDTIPOOPER", code)
            .isEmpty())
        throw EMethodFailure::NotFound(
            QStringLiteral("Tipo de operação \"%1\" não cadastrado.").arg(code));
}

void CompanyLookup::requireMunicipalRegistration(const Branch& branch,
                                                 const QString& registration) {
    if (!m_municipalRegistration)
        m_municipalRegistration = std::make_unique<SqlStatement>(
            m_connection, QStringLiteral("SELECT 1 FROM INSCRMUNICIP WHERE CDEMPRESA = "
                                         ":P_CDEMPRESA AND CDINSCMUNI = :P_CDINSCMUNI"));
    m_municipalRegistration->bind("P_CDEMPRESA", branch.company);
    m_municipalRegistration->bind("P_CDINSCMUNI", registration);
    if (m_municipalRegistration->select().isEmpty())
        throw EMethodFailure::NotFound(
            QStringLiteral("Inscrição municipal \"%1\" não cadastrada para a empresa %2 da "
                           "filial %3.")
                .arg(registration, branch.company, branch.code));
}

void CompanyLookup::requireListed(Table table, const CodeList& list) {
    if (list.isAll())
        return;
    const ServerSql& sql = ServerSqlOf(m_connection.engine());
    const ListedTable listed = ListedTableOf(table, sql);
    SqlStatement statement(m_connection, QString::fromUtf8(listed.missingCodes));
    statement.bind("P_CODIGOS", sql.listParameter(list));
    const SqlRowSet missing = statement.select();
    if (missing.isEmpty())
        return;
    QStringList codes;
    for (const SqlRow& row : missing.rows())
        codes.append(u'"' + row.front().value_or(QString()) + u'"');
    throw EMethodFailure::NotFound(
        QStringLiteral("%1: %2.").arg(QString::fromUtf8(listed.name), codes.join(u", ")));
}

} // namespace ger
