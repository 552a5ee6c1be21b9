#include "support/LoopbackAppServer.h"

#include "appserver/AppServer.h"
#include "appserver/database/DemoDatabase.h"
#include "framework/HostSettings.h"
#include "framework/TdtmDBGeral.h"
#include "platform/core/Exception.h"
#include "platform/net/RemoteServer.h"
#include "platform/sql/SqlStatement.h"

namespace ger {

LoopbackAppServer::LoopbackAppServer(SqlDialect dialect, DataModule dataModule)
    : m_previousSettings(std::make_unique<HostSettings>(HostSettings::Current())) {
    if (!m_directory.isValid())
        throw Exception(QStringLiteral("LoopbackAppServer: no temporary directory"));
    DemoDatabase::Create(DatabasePath());
    HostSettings settings;
    settings.singleBranch = false;
    settings.branchCode = QStringLiteral("0001");
    settings.branchName = QStringLiteral("Horizonte São Paulo - Matriz");
    settings.serverHost = QStringLiteral("127.0.0.1");
    settings.databasePath = DatabasePath();
    settings.dialect = dialect;
    HostSettings::SetCurrent(settings);
    Start();
    if (dataModule == DataModule::Open)
        m_dataModule = std::make_unique<TdtmDBGeral>(nullptr, DatabasePath(), dialect);
}

LoopbackAppServer::~LoopbackAppServer() {
    m_dataModule.reset();
    m_server.reset();
    HostSettings::SetCurrent(*m_previousSettings);
}

QString LoopbackAppServer::DatabasePath() const {
    return m_directory.filePath(QStringLiteral("empresa.db"));
}

quint16 LoopbackAppServer::Port() const {
    return m_server ? m_server->serverPort() : 0;
}

void LoopbackAppServer::Start() {
    if (m_server)
        return;
    AppServer::Config config;
    config.databasePath = DatabasePath();
    // Called from the server's worker threads, after the call ran and before its reply goes.
    config.callLog = [this](const QString& line) { Record(line); };
    config.login = m_login;
    m_server = AppServer::Start(config);
    UpdatePort();
}

void LoopbackAppServer::RequireLogin(const QString& user, const QString& password) {
    auto users = std::make_shared<PasswordFile>();
    users->setPassword(user, password, PasswordHash::kMinIterations);
    m_login = std::make_shared<LoginGate>(
        std::move(users), LoginGate::Options{.failurePauseMs = 10, .maxFailures = 100});
    Stop();
    Start();
}

void LoopbackAppServer::Stop() {
    m_server.reset();
}

void LoopbackAppServer::UpdatePort() {
    HostSettings settings = HostSettings::Current();
    settings.serverPort = m_server->serverPort();
    HostSettings::SetCurrent(settings);
}

void LoopbackAppServer::Record(const QString& logLine) {
    const QMutexLocker lock(&m_callsMutex);
    m_calls.append(logLine.section(QStringLiteral(" -> "), 0, 0));
}

QStringList LoopbackAppServer::Calls() const {
    const QMutexLocker lock(&m_callsMutex);
    return m_calls;
}

QStringList LoopbackAppServer::CallsOf(const QString& method) const {
    const QString prefix = method + QLatin1Char('(');
    QStringList calls;
    for (const QString& call : Calls())
        if (call.startsWith(prefix))
            calls.append(call);
    return calls;
}

void LoopbackAppServer::ClearCalls() {
    const QMutexLocker lock(&m_callsMutex);
    m_calls.clear();
}

void LoopbackAppServer::SetBranchSettings(bool singleBranch, const QString& branchCode,
                                          const QString& branchName) {
    HostSettings settings = HostSettings::Current();
    settings.singleBranch = singleBranch;
    settings.branchCode = branchCode;
    settings.branchName = branchName;
    HostSettings::SetCurrent(settings);
}

DatabaseConnection& LoopbackAppServer::Database() const {
    TdtmDBGeral* module = m_dataModule ? m_dataModule.get() : TdtmDBGeral::Instance();
    if (!module)
        throw Exception(QStringLiteral("LoopbackAppServer: no data module is open"));
    return module->Connection();
}

QString LoopbackAppServer::Scalar(const QString& sql) const {
    SqlStatement statement(Database(), sql);
    const SqlRowSet rows = statement.select();
    if (rows.isEmpty() || rows.rows().front().empty())
        return QString();
    return rows.rows().front().front().value_or(QString());
}

QString LoopbackAppServer::StoredBranchType(const QString& branch, const QString& type,
                                            const QString& column) const {
    return Scalar(QStringLiteral("SELECT %1 FROM TIPOOPERFILIAL WHERE CDFILIAL = '%2' "
                                 "AND CDTIPOOPER = '%3'")
                      .arg(column, branch, type));
}

qint64 LoopbackAppServer::Execute(const QString& sql) const {
    SqlStatement statement(Database(), sql);
    return statement.execute();
}

} // namespace ger
