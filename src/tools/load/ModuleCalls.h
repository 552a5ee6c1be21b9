#pragma once
// The calls of Ger99500.rdmTpOperFil a mixed load makes, on one connection of one client
// thread, with their arguments built as the screens build them (RdmTpOperFil.h), timed on the
// load's clock and counted in the thread's MethodTally:
//
//   getTpOperFil(branch)                   the packet as it comes
//   setTpOperFil(row, settings)            municipal registration empty (no kind M is written)
//   getTipoOperCli(pair)                   all of the client's types at the branch
//   setTipoOperCli(pair, type)
//   delTipoOperCli(pair, type)             a change list of one removal, as the client page's
//   setGravaAut(branches, types, ...)      every state registration ("T"), the listed branches
//                                          and types
//
// A connection lost on a call (its outcome Unknown) is opened again at the next call; a call
// that cannot be sent because the connection cannot be opened is Refused.

#include "tools/load/MethodTally.h"
#include "tools/load/MixPlan.h"
#include "tools/load/TimedCall.h"

#include <QElapsedTimer>
#include <QList>
#include <memory>

namespace ger {

class RemoteClient;
struct CallArgument;

class ModuleCalls {
public:
    ModuleCalls(QString host, quint16 port, const QElapsedTimer& clock, MethodTally& tally);
    ~ModuleCalls();

    // Raises the transport's error when the connection cannot be opened.
    void open();

    TimedCall getTpOperFil(const QString& branch);
    TimedCall setTpOperFil(const RowKey& row, const RowSettings& settings);
    TimedCall getTipoOperCli(const ClientPair& pair);
    TimedCall setTipoOperCli(const ClientPair& pair, const QString& type);
    TimedCall delTipoOperCli(const ClientPair& pair, const QString& type);
    TimedCall setGravaAut(const QStringList& branches, const QStringList& types,
                          const RowSettings& settings, const QString& answerBranch);

private:
    TimedCall call(const QString& method, QList<CallArgument> arguments, bool isResult);
    void finish(TimedCall& timed, const QString& method, WriteOutcome outcome,
                const QString& error);

    QString m_host;
    quint16 m_port;
    const QElapsedTimer& m_clock;
    MethodTally& m_tally;
    std::unique_ptr<RemoteClient> m_client;
};

} // namespace ger
