#pragma once
// One busy client of a mixed load (MixPlan), its loop run on its own thread until the end of
// the run. Each turn of a row writer:
//
//   1. GetTpOperFil of its own row's branch: the bulk rows must agree (BulkCheck), and its own
//      row must show its last acknowledged write;
//   2. SetTpOperFil of its own row, the next value of its cycle;
//   3. SetTpOperFil of the next shared row;
//   4. one of the client types turned over: DelTipoOperCli when the client has it, else
//      SetTipoOperCli; after a call whose outcome is not known the list is read again.
//
// Each turn of a bulk writer: SetGravaAut of the selection (its answer must show the values
// just written on every bulk row of the branch it names), then GetTpOperFil of another branch
// of the selection (its bulk rows must agree). Values come from RowSettings::Nth with an offset
// per client, so that successive writes of one client to one row differ and writers that
// overlap write different values where the cycle allows.

#include "tools/load/ClientLog.h"
#include "tools/load/MixPlan.h"
#include "tools/load/TimedCall.h"

#include <QDeadlineTimer>
#include <QStringList>

namespace ger {

class ModuleCalls;

class MixedClient {
public:
    struct Start {
        RowSettings ownBefore;   // row writers: the own row before the run
        QStringList typesBefore; // row writers: the pair's types before the run
    };

    MixedClient(const MixPlan& plan, const ClientPlan& me, Start start, ModuleCalls& calls,
                ClientLog& log);

    void run(QDeadlineTimer end);

private:
    void rowTurn(qint64 turn);
    void bulkTurn(qint64 turn);
    void readOwnBranch();
    void writeOwnRow();
    void writeSharedRow(qint64 turn);
    void turnClientType(qint64 turn);
    void readTypes();
    std::optional<BranchRows> rowsOf(const TimedCall& read, const QString& method);
    // `atUs`: when the read began, for the message.
    void checkMix(const BranchRows& rows, const QString& branch, qint64 atUs,
                  const std::optional<RowSettings>& expected);

    const MixPlan& m_plan;
    const ClientPlan& m_me;
    ModuleCalls& m_calls;
    ClientLog& m_log;
    qint64 m_ownTurn = 0;
    std::optional<RowSettings> m_ownAcknowledged; // what the own row must show
    QStringList m_types;                          // the pair's types as this client knows them
    bool m_typesKnown = true;
};

} // namespace ger
