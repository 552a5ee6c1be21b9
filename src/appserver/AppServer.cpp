#include "appserver/AppServer.h"

#include "appserver/CallWorkers.h"
#include "appserver/LoggedModule.h"
#include "appserver/PooledModule.h"
#include "appserver/RdmTpOperFil.h"
#include "appserver/WriteTurns.h"
#include "appserver/database/CompanySchema.h"
#include "platform/core/Exception.h"
#include "platform/db/EDatabaseError.h"
#include "platform/sql/DatabaseConnection.h"

#include <QFileInfo>

namespace ger {

RemoteModuleRegistry AppServer::Modules(const QString& databasePath, SqlEngine engine, int workers,
                                        std::function<void(const QString&)> callLog) {
    auto writes = std::make_shared<WriteTurns>();
    auto calls = std::make_shared<CallWorkers>(workers, [databasePath, engine, writes] {
        return std::make_unique<RdmTpOperFil>(databasePath, engine, writes);
    });
    RemoteModuleRegistry modules;
    modules.add(RdmTpOperFil::ModuleName, [calls, callLog]() -> std::unique_ptr<IRemoteDataModule> {
        auto module = std::make_unique<PooledModule>(calls);
        if (!callLog)
            return module;
        return std::make_unique<LoggedModule>(std::move(module), callLog);
    });
    return modules;
}

void AppServer::CheckDatabase(const QString& databasePath, SqlEngine engine) {
    if (TraitsOf(engine).namesLocalFile(databasePath) && !QFileInfo(databasePath).isFile())
        throw EDatabaseError(
            QStringLiteral("O banco %1 não existe: confira o caminho, ou crie um banco de "
                           "demonstração com ger-appserver --init-demo %1 --engine %2")
                .arg(databasePath, SqlEngineName(engine)));
    DatabaseConnection connection(databasePath, DatabaseConnection::OpenMode::OpenExisting, engine);
    QStringList present;
    for (const QString& table : connection.database().tables())
        present.append(table.toUpper());
    QStringList missing;
    for (const QString& table : CompanySchema::TableNames())
        if (!present.contains(table))
            missing.append(table);
    if (!missing.isEmpty())
        throw EDatabaseError(
            QStringLiteral("%1 não é um banco de dados da empresa: faltam as tabelas %2")
                .arg(databasePath, missing.join(QStringLiteral(", "))));
    const QStringList routines = connection.missingRoutines();
    if (!routines.isEmpty())
        throw EDatabaseError(
            QStringLiteral("O banco %1 não tem as rotinas %2, que as consultas chamam: crie-as "
                           "com ger-appserver --database %1 --engine %3 --create-routines")
                .arg(databasePath, routines.join(QStringLiteral(", ")), SqlEngineName(engine)));
}

std::unique_ptr<RemoteServer> AppServer::Start(const Config& config) {
    if (config.workers < 1)
        throw Exception(QStringLiteral("AppServer.Start: workers must be at least 1, not %1")
                            .arg(config.workers));
    CheckDatabase(config.databasePath, config.engine);
    RemoteServer::Options options;
    options.maxConnections = config.maxSessions;
    options.idleTimeoutMs = qint64(config.idleTimeoutSeconds) * 1000;
    options.login = config.login;
    options.tls = config.tls;
    auto server = std::make_unique<RemoteServer>(
        Modules(config.databasePath, config.engine, config.workers, config.callLog), options);
    server->listen(config.address, config.port);
    return server;
}

std::unique_ptr<RemoteServer> StartAppServer(const QString& databasePath,
                                             const QHostAddress& address, quint16 port, int workers,
                                             SqlEngine engine) {
    AppServer::Config config;
    config.databasePath = databasePath;
    config.engine = engine;
    config.address = address;
    config.port = port;
    config.workers = workers;
    return AppServer::Start(config);
}

} // namespace ger
