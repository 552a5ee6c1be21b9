#pragma once
// LoopbackAppServer: the real application server for a test, as the host would reach it.
//
// Construction creates the demo company database (DemoDatabase) in a temporary directory,
// starts the real RemoteServer serving the real remote data module Ger99500.rdmTpOperFil on it
// at 127.0.0.1 on a free port, points the host settings at it (WebURL, WebPort, the database
// path and the dialect; single-branch mode off, branch "0001") and opens the host's data
// module dtmDBGeral on that database, so that the screens' queries read what the server
// writes. Destruction undoes all of it and puts the previous host settings back.
//
//   LoopbackAppServer server;
//   server.SetBranchSettings(true, "0101", "Horizonte Rio de Janeiro");   // ModuFili...
//   Cli_ger99500::CriaTpOperFil();
//   server.Stop();            // the server goes away: the next remote call fails in transport
//   server.Start();           // serving again, on a new port that WebPort follows
//
// A test that runs the real host (HostRuntime) passes DataModule::LeftToHost: the host opens
// its own dtmDBGeral on DatabasePath(), one per process, and Database() uses that one.
//
// Database() is dtmDBGeral's connection, for checking what the server stored and for changing
// the data behind a screen's back. Calls() lists the remote calls the server has answered, each
// as the server received it, arguments by kind and value:
//
//   SetTpOperFil("01", "0001", "N", "S", "P", var "")

#include "platform/sql/SqlDialect.h"

#include <QMutex>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

namespace ger {

class DatabaseConnection;
class LoginGate;
class RemoteServer;
class TdtmDBGeral;
struct HostSettings;

class LoopbackAppServer {
public:
    enum class DataModule { Open, LeftToHost };

    explicit LoopbackAppServer(SqlDialect dialect = SqlDialect::Oracle,
                               DataModule dataModule = DataModule::Open);
    ~LoopbackAppServer();
    LoopbackAppServer(const LoopbackAppServer&) = delete;
    LoopbackAppServer& operator=(const LoopbackAppServer&) = delete;

    QString DatabasePath() const;
    bool IsRunning() const { return m_server != nullptr; }
    quint16 Port() const;

    void Start();
    void Stop();
    // From now on (the server is restarted) only `user` with `password` may open a session.
    void RequireLogin(const QString& user, const QString& password);

    // ModuFili, FiliProc and NomeFiliProc of the host settings.
    void SetBranchSettings(bool singleBranch, const QString& branchCode, const QString& branchName);

    DatabaseConnection& Database() const;
    // The first value of the first row of `sql`, NULL read as empty.
    QString Scalar(const QString& sql) const;
    qint64 Execute(const QString& sql) const;
    // A column of the branch's operation type as the server stored it (TIPOOPERFILIAL).
    QString StoredBranchType(const QString& branch, const QString& type,
                             const QString& column) const;

    // Every call answered so far, in order; CallsOf only those of one method.
    QStringList Calls() const;
    QStringList CallsOf(const QString& method) const;
    void ClearCalls();

private:
    void UpdatePort();
    void Record(const QString& logLine);

    std::unique_ptr<HostSettings> m_previousSettings;
    QTemporaryDir m_directory;
    std::unique_ptr<RemoteServer> m_server;
    std::shared_ptr<LoginGate> m_login;
    std::unique_ptr<TdtmDBGeral> m_dataModule;
    mutable QMutex m_callsMutex;
    QStringList m_calls;
};

} // namespace ger
