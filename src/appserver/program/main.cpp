// ger-appserver: serves Ger99500.rdmTpOperFil on a company database until SIGINT or SIGTERM.
// Exit codes: 0 after a clean shutdown (or --help, --init-demo or --add-user done), 1 when the
// server cannot start, the demo database cannot be created or the user cannot be added, 2 for a
// wrong command line.

#include "appserver/AppServer.h"
#include "appserver/AppServerOptions.h"
#include "appserver/UserAdmin.h"
#include "appserver/database/DemoDatabase.h"
#include "platform/core/Exception.h"
#include "platform/sql/DatabaseConnection.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <csignal>
#include <cstdio>
#include <mutex>
#include <pthread.h>
#include <sys/stat.h>

using namespace ger;

namespace {

void PrintError(const QString& text) {
    std::fprintf(stderr, "ger-appserver: %s\n", qUtf8Printable(text));
}

// Blocked in every thread (the server's threads inherit the mask), so that sigwait() in the
// main thread is the one place the signals arrive.
sigset_t ShutdownSignals() {
    sigset_t shutdownSignals;
    sigemptyset(&shutdownSignals);
    sigaddset(&shutdownSignals, SIGINT);
    sigaddset(&shutdownSignals, SIGTERM);
    return shutdownSignals;
}

QString DatabaseToServe(const AppServerOptions& options) {
    if (!options.databasePath.isEmpty())
        return options.databasePath;
    const QString path = AppServerOptions::DefaultDatabasePath(options.engine);
    if (!QFileInfo::exists(path)) {
        QDir().mkpath(QFileInfo(path).absolutePath());
        DemoDatabase::Create(path, DemoDatabase::kSeedClients, options.engine);
        PrintError(QStringLiteral("banco de demonstração criado em %1").arg(path));
    }
    return path;
}

void LogLine(const QString& line) {
    static std::mutex mutex;
    std::lock_guard lock(mutex);
    std::fprintf(stderr, "%s\n", qUtf8Printable(line));
}

// The password file and the TLS identity, as the options name them.
void ApplySecurity(const AppServerOptions& options, AppServer::Config& config) {
    if (!options.usersPath.isEmpty()) {
        auto users = std::make_shared<PasswordFile>(PasswordFile::load(options.usersPath));
        PrintError(QStringLiteral("usuários admitidos: %1, de %2")
                       .arg(users->size())
                       .arg(options.usersPath));
        config.login = std::make_shared<LoginGate>(std::move(users));
    }
    if (!options.tlsCertificatePath.isEmpty())
        config.tls = std::make_shared<TlsIdentity>(
            TlsIdentity::load(options.tlsCertificatePath, options.tlsKeyPath));
}

int AddUser(const AppServerOptions& options) {
    const QString password = UserAdmin::ReadPassword(options.addUser, stdin, stderr);
    UserAdmin::SetPassword(options.usersPath, options.addUser, password);
    PrintError(QStringLiteral("usuário %1 gravado em %2").arg(options.addUser, options.usersPath));
    return 0;
}

int CreateRoutines(const AppServerOptions& options) {
    DatabaseConnection connection(options.databasePath, DatabaseConnection::OpenMode::OpenExisting,
                                  options.engine);
    connection.createRoutines();
    PrintError(QStringLiteral("rotinas criadas em %1 (%2)")
                   .arg(options.databasePath, SqlEngineName(options.engine)));
    return 0;
}

int Serve(const AppServerOptions& options, const sigset_t& shutdownSignals) {
    AppServer::Config config;
    ApplySecurity(options, config);
    config.databasePath = DatabaseToServe(options);
    config.engine = options.engine;
    config.address = options.address;
    config.port = options.port;
    config.workers = options.workers;
    config.idleTimeoutSeconds = options.idleTimeoutSeconds;
    if (options.verbose)
        config.callLog = LogLine;
    const std::unique_ptr<RemoteServer> server = AppServer::Start(config);
    const QString where =
        QStringLiteral("%1:%2").arg(server->serverAddress().toString()).arg(server->serverPort());
    if (options.printPort) {
        std::printf("listening on %s\n", qUtf8Printable(where));
        std::fflush(stdout);
    }
    PrintError(QStringLiteral("servindo %1 em %2 (banco %3, %4%5%6)")
                   .arg(QStringLiteral("Ger99500.rdmTpOperFil"), where, config.databasePath,
                        SqlEngineName(config.engine),
                        config.tls ? QStringLiteral(", TLS") : QString(),
                        config.login ? QStringLiteral(", com senha") : QString()));
    int received = 0;
    sigwait(&shutdownSignals, &received);
    server->close();
    PrintError(QStringLiteral("encerrado (sinal %1)").arg(received));
    return 0;
}

} // namespace

int main(int argc, char* argv[]) {
    // Whatever the server creates (the demo database, its journals, a password file) is its
    // owner's alone.
    ::umask(077);
    const sigset_t shutdownSignals = ShutdownSignals();
    pthread_sigmask(SIG_BLOCK, &shutdownSignals, nullptr);
    // QtSql loads its driver plugin through the application object.
    QCoreApplication application(argc, argv);
    AppServerOptions options;
    try {
        options = AppServerOptions::Parse(QCoreApplication::arguments());
    } catch (const EUsage& error) {
        PrintError(error.Message());
        std::fprintf(stderr, "%s", qUtf8Printable(AppServerOptions::Usage()));
        return 2;
    }
    if (options.showHelp) {
        std::printf("%s", qUtf8Printable(AppServerOptions::Usage()));
        return 0;
    }
    try {
        if (!options.addUser.isEmpty())
            return AddUser(options);
        if (!options.initDemoPath.isEmpty()) {
            DemoDatabase::Create(options.initDemoPath, options.demoClients, options.engine);
            PrintError(QStringLiteral("banco de demonstração criado em %1 (%2 clientes, %3)")
                           .arg(options.initDemoPath)
                           .arg(options.demoClients)
                           .arg(SqlEngineName(options.engine)));
            return 0;
        }
        if (options.createRoutines)
            return CreateRoutines(options);
        return Serve(options, shutdownSignals);
    } catch (const Exception& error) {
        PrintError(error.Message());
        return 1;
    }
}
