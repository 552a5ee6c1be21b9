#pragma once
// The remote data module Ger99500.rdmTpOperFil: the seven methods the screens of GER99500 call
// on the application server, late-bound by name (platform/net RemoteDataModule).
//
//   GetTpOperFil(branch)                               -> packet (as it comes)
//   SetTpOperFil(type, branch, IDLIBERADO, IDLANCMANUAL, IDENDEMISTPOPFIL, var stInscMuni)
//                                                      -> {0, the branch's list}
//   GetTipoOperCli(branch, var client, var type, "S")  -> {0, the client's list}
//   SetTipoOperCli(branch, var client, type, "S")      -> {0, empty}
//   DelTipoOperCli(delta, var client)                  -> {0, empty}
//   SetGravaAut(var inscEst, var filial, var tpoOper, var liber, var lancMan, branch,
//               var idTpEndeFili)                      -> {0, the branch's list}
//   GetDadosEmissaoNF(branch)                          -> {0, issuing data}
//
// Results follow ServerResult; GetTpOperFil raises a remote exception instead of a failed
// result. Every argument is checked before anything is written, every write is one
// transaction (BEGIN IMMEDIATE on SQLite) that a failure rolls back whole and that a conflict
// with another server's write runs again (SqlTransaction::Run), and every value is bound as a
// parameter. A database error becomes a failed result (code DatabaseError) whose message is
// the database's, after a sentence saying that nothing was written.
//
// Threads: the server creates one instance per client connection in the worker thread that
// serves it; the instance opens its own DatabaseConnection there and is used and destroyed
// only by that thread.

#include "appserver/BranchOperations.h"
#include "appserver/ClientOperations.h"
#include "appserver/CompanyLookup.h"
#include "appserver/IssuingData.h"
#include "platform/net/RemoteDataModule.h"
#include "platform/sql/SqlEngine.h"

#include <functional>
#include <memory>

namespace ger {

class DatabaseConnection;
class WriteTurns;

class RdmTpOperFil : public RemoteDataModule {
public:
    static inline const QString ModuleName = QStringLiteral("Ger99500.rdmTpOperFil");

    // Opens the company database at `databasePath` (which must exist) on `engine`; raises
    // ESqlError when it cannot. Instances that share `writes` take turns for their write
    // transactions.
    explicit RdmTpOperFil(const QString& databasePath, SqlEngine engine = SqlEngine::SQLite,
                          std::shared_ptr<WriteTurns> writes = nullptr);
    ~RdmTpOperFil() override;

private:
    QVariant GetTpOperFil(QList<CallArgument>& call);
    QVariant SetTpOperFil(QList<CallArgument>& call);
    QVariant GetTipoOperCli(QList<CallArgument>& call);
    QVariant SetTipoOperCli(QList<CallArgument>& call);
    QVariant DelTipoOperCli(QList<CallArgument>& call);
    QVariant SetGravaAut(QList<CallArgument>& call);
    QVariant GetDadosEmissaoNF(QList<CallArgument>& call);

    // Runs `work` in one write transaction, in this server's turn for writes.
    template <class Work> decltype(auto) Write(Work&& work);

    // Adds a method whose failures become failed results.
    void addResultMethod(const QString& name,
                         QVariant (RdmTpOperFil::*method)(QList<CallArgument>&));

    std::shared_ptr<WriteTurns> m_writes;
    std::unique_ptr<DatabaseConnection> m_connection; // outlives the statements below
    CompanyLookup m_lookup;
    BranchOperations m_branchOperations;
    ClientOperations m_clientOperations;
    IssuingData m_issuingData;
};

} // namespace ger
