#pragma once
// The reference data the module's methods check their arguments against: branches, clients,
// operation types, state and municipal registrations. Each `require` raises EMethodFailure
// (NotFound) with a message for the person at the screen; codes are compared exactly as given
// (the server does not pad or change case). Statements are prepared once per connection.

#include "appserver/CodeList.h"
#include "platform/sql/SqlRowSet.h"

#include <QString>
#include <memory>

namespace ger {

class DatabaseConnection;
class SqlStatement;

class CompanyLookup {
public:
    explicit CompanyLookup(DatabaseConnection& connection);
    ~CompanyLookup();

    struct Branch {
        QString code;
        QString company;
    };

    Branch requireBranch(const QString& code);
    void requireClient(const QString& code);
    // An operation type that clients may use (IDENTRSAIDOP "S").
    void requireClientOperationType(const QString& code);
    // A municipal registration of the branch's company (INSCRMUNICIP).
    void requireMunicipalRegistration(const Branch& branch, const QString& registration);

    // The registered tables a bulk selection draws from.
    enum class Table { StateRegistrations, Branches, OperationTypes };
    // Raises NotFound naming every listed code that `table` does not hold; "T" passes.
    void requireListed(Table table, const CodeList& list);

private:
    SqlRowSet select(std::unique_ptr<SqlStatement>& statement, const char* text,
                     const QString& parameter, const QVariant& value);

    DatabaseConnection& m_connection;
    std::unique_ptr<SqlStatement> m_branch;
    std::unique_ptr<SqlStatement> m_client;
    std::unique_ptr<SqlStatement> m_operationType;
    std::unique_ptr<SqlStatement> m_municipalRegistration;
};

} // namespace ger
