#pragma once
// TdtmDBGeral: the host's data module, one per process. It opens the company database on the
// configured path and installs it, with the configured SQL dialect, as the default session of
// the read-only queries (TADOIBQuery), which then run on it without a connection of their own.
// Destroying it removes that default again (the previous one comes back).
//
//   auto* dtmDBGeral = new TdtmDBGeral(&Application());      // from HostSettings::Current()
//   qryFilial->Open();                                         // the dialect's text, on it
//
// The database must exist: a missing file raises ESqlError and no module is created. A second
// data module while one lives raises EComponentError. The platform's three connection
// components (adcGeral, dtbGeral, ibtGeral: ADO, InterBase database and transaction) are one
// DatabaseConnection here, on the configured engine (SQLite runs every dialect's text; Firebird
// the InterBase one).

#include "platform/core/TComponent.h"
#include "platform/sql/SqlDialect.h"
#include "platform/sql/SqlEngine.h"

#include <memory>

namespace ger {

class DatabaseConnection;
struct HostSettings;

class TdtmDBGeral : public TComponent {
public:
    // Opens the database of HostSettings::Current().
    explicit TdtmDBGeral(TComponent* AOwner);
    TdtmDBGeral(TComponent* AOwner, const QString& databasePath, SqlDialect dialect,
                SqlEngine engine = SqlEngine::SQLite);
    ~TdtmDBGeral() override;

    QString ClassName() const override { return QStringLiteral("TdtmDBGeral"); }

    DatabaseConnection& Connection() const { return *m_connection; }
    SqlDialect Dialect() const { return m_dialect; }

    // The living data module, or null.
    static TdtmDBGeral* Instance();

private:
    class Installation;

    SqlDialect m_dialect;
    std::unique_ptr<DatabaseConnection> m_connection;
    std::unique_ptr<Installation> m_installation;
};

} // namespace ger
