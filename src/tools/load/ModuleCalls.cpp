#include "tools/load/ModuleCalls.h"

#include "appserver/PacketLayouts.h"
#include "appserver/ServerResult.h"
#include "platform/db/DataPacket.h"
#include "platform/net/NetExceptions.h"
#include "platform/net/RemoteClient.h"

namespace ger {

namespace {

const QString kModule = QStringLiteral("Ger99500.rdmTpOperFil");
const QString kClients = QStringLiteral("S");

CallArgument V(const QString& text) {
    return CallArgument::string(text);
}
CallArgument R(const QString& text) {
    return CallArgument::stringByRef(text);
}

// "'0001','0101'", as the multi-choice lookup sends a list.
QString Quoted(const QStringList& codes) {
    QStringList quoted;
    for (const QString& code : codes)
        quoted.append(u'\'' + code + u'\'');
    return quoted.join(u',');
}

// The client page's change list after it deleted one row: the row's original values in the
// layout of GetTipoOperCli, the columns the server does not read left NULL.
QByteArray Removal(const ClientPair& pair, const QString& type) {
    DeltaPacket delta;
    delta.fields = PacketLayouts::ClientOperations();
    PacketRow original(delta.fields.size());
    for (size_t i = 0; i < delta.fields.size(); ++i) {
        const QString& name = delta.fields[i].name;
        if (name == u"CDFILIAL")
            original[i] = pair.branch;
        else if (name == u"CDTIPOOPER")
            original[i] = type;
        else if (name == u"CDFORNCLIE")
            original[i] = pair.client;
    }
    delta.changes.push_back({ChangeKind::Delete, original, {}});
    return delta.Encode();
}

} // namespace

ModuleCalls::ModuleCalls(QString host, quint16 port, const QElapsedTimer& clock, MethodTally& tally)
    : m_host(std::move(host))
    , m_port(port)
    , m_clock(clock)
    , m_tally(tally)
    , m_client(std::make_unique<RemoteClient>()) {}

ModuleCalls::~ModuleCalls() = default;

void ModuleCalls::open() {
    m_client->open(m_host, m_port, kModule);
}

TimedCall ModuleCalls::getTpOperFil(const QString& branch) {
    return call(QStringLiteral("GetTpOperFil"), {V(branch)}, false);
}

TimedCall ModuleCalls::setTpOperFil(const RowKey& row, const RowSettings& settings) {
    return call(QStringLiteral("SetTpOperFil"),
                {V(row.type), V(row.branch), V(settings.released), V(settings.manualEntries),
                 V(settings.addressKind), R(QString())},
                true);
}

TimedCall ModuleCalls::getTipoOperCli(const ClientPair& pair) {
    return call(QStringLiteral("GetTipoOperCli"),
                {V(pair.branch), R(pair.client), R(QString()), V(kClients)}, true);
}

TimedCall ModuleCalls::setTipoOperCli(const ClientPair& pair, const QString& type) {
    return call(QStringLiteral("SetTipoOperCli"),
                {V(pair.branch), R(pair.client), V(type), V(kClients)}, true);
}

TimedCall ModuleCalls::delTipoOperCli(const ClientPair& pair, const QString& type) {
    return call(QStringLiteral("DelTipoOperCli"),
                {CallArgument::variant(Removal(pair, type)), R(pair.client)}, true);
}

TimedCall ModuleCalls::setGravaAut(const QStringList& branches, const QStringList& types,
                                   const RowSettings& settings, const QString& answerBranch) {
    return call(QStringLiteral("SetGravaAut"),
                {R(QStringLiteral("T")), R(Quoted(branches)), R(Quoted(types)),
                 R(settings.released), R(settings.manualEntries), V(answerBranch),
                 R(settings.addressKind)},
                true);
}

// `isResult`: the method answers with a ServerResult; otherwise (GetTpOperFil) with the packet
// itself, its failures raised.
TimedCall ModuleCalls::call(const QString& method, QList<CallArgument> arguments, bool isResult) {
    TimedCall timed;
    timed.startUs = m_clock.nsecsElapsed() / 1000;
    try {
        if (!m_client->isOpen())
            open();
    } catch (const Exception& error) {
        finish(timed, method, WriteOutcome::Refused, error.Message());
        return timed;
    }
    try {
        const QVariant result = m_client->call(method, arguments);
        timed.endUs = m_clock.nsecsElapsed() / 1000;
        m_tally.record(method, timed.endUs - timed.startUs);
        if (!isResult) {
            timed.payload = result.toByteArray();
            return timed;
        }
        const std::optional<ServerResult::Parts> parts = ServerResult::Read(result);
        if (!parts)
            finish(timed, method, WriteOutcome::Unknown,
                   QStringLiteral("resposta fora do formato de %1").arg(method));
        else if (!parts->isSuccess())
            finish(timed, method, WriteOutcome::Refused, parts->message);
        else
            timed.payload = parts->payload;
    } catch (const ERemoteError& error) {
        m_tally.record(method, m_clock.nsecsElapsed() / 1000 - timed.startUs);
        finish(timed, method, WriteOutcome::Refused, error.Message());
    } catch (const Exception& error) {
        m_tally.record(method, m_clock.nsecsElapsed() / 1000 - timed.startUs);
        finish(timed, method, WriteOutcome::Unknown, error.Message());
    }
    return timed;
}

void ModuleCalls::finish(TimedCall& timed, const QString& method, WriteOutcome outcome,
                         const QString& error) {
    timed.endUs = m_clock.nsecsElapsed() / 1000;
    timed.outcome = outcome;
    timed.error = error;
    m_tally.fail(method, error);
}

} // namespace ger
