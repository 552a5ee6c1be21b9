#include "tools/load/MixedClient.h"

#include "platform/core/Exception.h"
#include "tools/load/ListingPackets.h"
#include "tools/load/ModuleCalls.h"

namespace ger {

namespace {

// How far apart the cycles of two clients start: 5 and 28 have no common divisor, so up to 28
// clients start on 28 different values.
constexpr qint64 kClientOffset = 5;

QString Seconds(qint64 microseconds) {
    return QStringLiteral("%1 s").arg(static_cast<double>(microseconds) / 1e6, 0, 'f', 3);
}

} // namespace

MixedClient::MixedClient(const MixPlan& plan, const ClientPlan& me, Start start, ModuleCalls& calls,
                         ClientLog& log)
    : m_plan(plan)
    , m_me(me)
    , m_calls(calls)
    , m_log(log)
    , m_ownTurn(kClientOffset * me.index)
    , m_types(std::move(start.typesBefore)) {
    while (RowSettings::Nth(m_ownTurn) == start.ownBefore)
        ++m_ownTurn;
}

void MixedClient::run(QDeadlineTimer end) {
    for (qint64 turn = 0; !end.hasExpired(); ++turn) {
        if (m_me.isBulkWriter)
            bulkTurn(turn);
        else
            rowTurn(turn);
    }
}

void MixedClient::rowTurn(qint64 turn) {
    readOwnBranch();
    writeOwnRow();
    writeSharedRow(turn);
    turnClientType(turn);
}

void MixedClient::bulkTurn(qint64 turn) {
    const QStringList& branches = m_plan.bulkBranches;
    const RowSettings value = RowSettings::Nth(kClientOffset * m_me.index + turn);
    const QString answered = branches.at(turn % branches.size());
    const TimedCall write = m_calls.setGravaAut(branches, m_plan.bulkTypes, value, answered);
    m_log.bulkWrites.push_back(write.logged(value));
    if (const auto rows = rowsOf(write, QStringLiteral("SetGravaAut")))
        checkMix(*rows, answered, write.startUs, value);
    const QString other = branches.at((turn + 1) % branches.size());
    const TimedCall read = m_calls.getTpOperFil(other);
    if (const auto rows = rowsOf(read, QStringLiteral("GetTpOperFil")))
        checkMix(*rows, other, read.startUs, std::nullopt);
}

void MixedClient::readOwnBranch() {
    const RowKey& own = m_me.ownRow;
    const TimedCall read = m_calls.getTpOperFil(own.branch);
    const std::optional<BranchRows> rows = rowsOf(read, QStringLiteral("GetTpOperFil"));
    if (!rows)
        return;
    checkMix(*rows, own.branch, read.startUs, std::nullopt);
    if (!m_ownAcknowledged)
        return;
    const auto row = rows->find(own.type);
    const QString shown = row == rows->end() ? QStringLiteral("ausente") : row->second.text();
    if (row == rows->end() || row->second != *m_ownAcknowledged)
        m_log.staleOwnReads.append(
            QStringLiteral("linha %1 lida em %2: %3, gravado %4")
                .arg(own.text(), Seconds(read.startUs), shown, m_ownAcknowledged->text()));
}

void MixedClient::writeOwnRow() {
    const RowSettings value = RowSettings::Nth(m_ownTurn++);
    const TimedCall write = m_calls.setTpOperFil(m_me.ownRow, value);
    m_log.ownWrites.push_back(write.logged(value));
    if (write.isAcknowledged())
        m_ownAcknowledged = value;
    else if (write.outcome == WriteOutcome::Unknown)
        m_ownAcknowledged.reset();
}

void MixedClient::writeSharedRow(qint64 turn) {
    const auto shared = static_cast<qint64>(m_plan.sharedRows.size());
    if (shared == 0)
        return;
    const RowKey& row = m_plan.sharedRows.at(static_cast<size_t>(turn % shared));
    const RowSettings value = RowSettings::Nth(kClientOffset * m_me.index + turn / shared);
    m_log.sharedWrites[row].push_back(m_calls.setTpOperFil(row, value).logged(value));
}

void MixedClient::turnClientType(qint64 turn) {
    if (m_plan.clientTypes.isEmpty())
        return;
    if (!m_typesKnown)
        readTypes();
    if (!m_typesKnown)
        return;
    const QString& type = m_plan.clientTypes.at(turn % m_plan.clientTypes.size());
    const bool isAddition = !m_types.contains(type);
    const TimedCall change = isAddition ? m_calls.setTipoOperCli(m_me.pair, type)
                                        : m_calls.delTipoOperCli(m_me.pair, type);
    m_log.typeChanges.push_back({type, isAddition, change.outcome});
    if (change.isAcknowledged()) {
        if (isAddition)
            m_types.append(type);
        else
            m_types.removeAll(type);
    } else {
        m_typesKnown = false;
    }
}

// After a change the server did not take or did not answer, the list as the server has it.
void MixedClient::readTypes() {
    const TimedCall read = m_calls.getTipoOperCli(m_me.pair);
    if (!read.isAcknowledged())
        return;
    try {
        m_types = ListingPackets::ClientTypes(read.payload);
        m_typesKnown = true;
    } catch (const Exception&) {
        m_typesKnown = false;
    }
}

// The rows of a listing that came; a packet that cannot be read is an error of the call.
std::optional<BranchRows> MixedClient::rowsOf(const TimedCall& read, const QString& method) {
    if (!read.isAcknowledged())
        return std::nullopt;
    try {
        return ListingPackets::BranchRows(read.payload);
    } catch (const Exception& error) {
        m_log.tally.fail(method, error.Message());
        return std::nullopt;
    }
}

void MixedClient::checkMix(const BranchRows& rows, const QString& branch, qint64 atUs,
                           const std::optional<RowSettings>& expected) {
    if (!m_plan.bulkBranches.contains(branch))
        return;
    if (const std::optional<QString> mix = BulkCheck::Mix(rows, m_plan.bulkTypes, expected))
        m_log.mixedReads.append(
            QStringLiteral("filial %1 lida em %2: %3").arg(branch, Seconds(atUs), *mix));
}

} // namespace ger
