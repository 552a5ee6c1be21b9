#include "framework/TdtmDBGeral.h"

#include "framework/HostSettings.h"
#include "platform/core/Exception.h"
#include "platform/sql/DatabaseConnection.h"
#include "platform/sql/DatabaseSession.h"

namespace ger {
namespace {

TdtmDBGeral* instance = nullptr;

// Claims the one place before anything is opened, so that a refused second module opens
// nothing, and gives it back if the construction fails after the claim.
void Claim(TdtmDBGeral* module) {
    if (instance)
        throw EComponentError(QStringLiteral("TdtmDBGeral: the host's data module already exists"));
    instance = module;
}

} // namespace

class TdtmDBGeral::Installation {
public:
    Installation(DatabaseConnection& connection, SqlDialect dialect)
        : m_scope(DatabaseSession(&connection, dialect)) {}

private:
    DatabaseSession::DefaultScope m_scope;
};

TdtmDBGeral::TdtmDBGeral(TComponent* AOwner)
    : TdtmDBGeral(AOwner, HostSettings::Current().databasePath, HostSettings::Current().dialect,
                  HostSettings::Current().engine) {}

TdtmDBGeral::TdtmDBGeral(TComponent* AOwner, const QString& databasePath, SqlDialect dialect,
                         SqlEngine engine)
    : TComponent(AOwner)
    , m_dialect(dialect) {
    SetName(QStringLiteral("dtmDBGeral"));
    Claim(this);
    try {
        m_connection = std::make_unique<DatabaseConnection>(
            databasePath, DatabaseConnection::OpenMode::OpenExisting, engine);
        m_installation = std::make_unique<Installation>(*m_connection, dialect);
    } catch (...) {
        instance = nullptr;
        throw;
    }
}

TdtmDBGeral::~TdtmDBGeral() {
    m_installation.reset();
    m_connection.reset();
    if (instance == this)
        instance = nullptr;
}

TdtmDBGeral* TdtmDBGeral::Instance() {
    return instance;
}

} // namespace ger
