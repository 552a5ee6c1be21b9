#include "appserver/RdmTpOperFil.h"

#include "appserver/ArgumentRules.h"
#include "appserver/ClientRemovals.h"
#include "appserver/EMethodFailure.h"
#include "appserver/MethodArguments.h"
#include "appserver/ServerResult.h"
#include "appserver/WriteTurns.h"
#include "platform/net/NetExceptions.h"
#include "platform/sql/DatabaseConnection.h"
#include "platform/sql/ESqlError.h"
#include "platform/sql/SqlTransaction.h"

#include <optional>

namespace ger {

namespace {

using Kind = CallArgument::Kind;
constexpr Kind V = Kind::String;
constexpr Kind R = Kind::StringByRef;

const QString kReleasedLabel = QStringLiteral("Liberado");
const QString kManualEntriesLabel = QStringLiteral("Permite Lanç. Manual");
const QString kBranchLabel = QStringLiteral("a filial");
const QString kClientLabel = QStringLiteral("o cliente");
const QString kTypeLabel = QStringLiteral("o tipo de operação");
const QString kMunicipalRegistrationLabel = QStringLiteral("a inscrição municipal");

QString DatabaseFailureText(const QString& method, const EDatabaseError& error) {
    const auto* sqlError = dynamic_cast<const ESqlError*>(&error);
    // The writes of this server take turns (WriteTurns); a lock that outlasts the busy timeout
    // is another program's write on the same file.
    if (sqlError && sqlError->databaseMessage().contains(QLatin1String("database is locked")))
        return QStringLiteral("O banco de dados está ocupado com outra gravação (%1); nenhuma "
                              "alteração foi gravada. Tente de novo em instantes.")
            .arg(method);
    return QStringLiteral("Erro no banco de dados do servidor de aplicação em %1; nenhuma "
                          "alteração foi gravada. %2")
        .arg(method, sqlError ? sqlError->databaseMessage() : error.Message());
}

} // namespace

RdmTpOperFil::RdmTpOperFil(const QString& databasePath, SqlEngine engine,
                           std::shared_ptr<WriteTurns> writes)
    : RemoteDataModule(ModuleName)
    , m_writes(std::move(writes))
    , m_connection(std::make_unique<DatabaseConnection>(
          databasePath, DatabaseConnection::OpenMode::OpenExisting, engine))
    , m_lookup(*m_connection)
    , m_branchOperations(*m_connection)
    , m_clientOperations(*m_connection)
    , m_issuingData(*m_connection) {
    addMethod(QStringLiteral("GetTpOperFil"),
              [this](QList<CallArgument>& call) { return GetTpOperFil(call); });
    addResultMethod(QStringLiteral("SetTpOperFil"), &RdmTpOperFil::SetTpOperFil);
    addResultMethod(QStringLiteral("GetTipoOperCli"), &RdmTpOperFil::GetTipoOperCli);
    addResultMethod(QStringLiteral("SetTipoOperCli"), &RdmTpOperFil::SetTipoOperCli);
    addResultMethod(QStringLiteral("DelTipoOperCli"), &RdmTpOperFil::DelTipoOperCli);
    addResultMethod(QStringLiteral("SetGravaAut"), &RdmTpOperFil::SetGravaAut);
    addResultMethod(QStringLiteral("GetDadosEmissaoNF"), &RdmTpOperFil::GetDadosEmissaoNF);
}

RdmTpOperFil::~RdmTpOperFil() = default;

template <class Work> decltype(auto) RdmTpOperFil::Write(Work&& work) {
    std::optional<WriteTurns::Turn> turn;
    if (m_writes)
        turn.emplace(*m_writes);
    return SqlTransaction::Run(*m_connection, std::forward<Work>(work));
}

void RdmTpOperFil::addResultMethod(const QString& name,
                                   QVariant (RdmTpOperFil::*method)(QList<CallArgument>&)) {
    addMethod(name, [this, name, method](QList<CallArgument>& call) -> QVariant {
        try {
            return (this->*method)(call);
        } catch (const EMethodFailure& failure) {
            return ServerResult::Failure(failure.code(), failure.Message());
        } catch (const EDatabaseError& error) {
            return ServerResult::Failure(ServerResultCode::DatabaseError,
                                         DatabaseFailureText(name, error));
        }
    });
}

// The screen loads this answer as it comes, so a failure is a remote exception, which the
// client raises in the caller.
QVariant RdmTpOperFil::GetTpOperFil(QList<CallArgument>& call) {
    try {
        MethodArguments args(QStringLiteral("GetTpOperFil"), call, {V});
        const QString branch = ArgumentRules::Code(args.text(0), kBranchLabel);
        m_lookup.requireBranch(branch);
        return m_branchOperations.listPacket(branch);
    } catch (const EMethodFailure& failure) {
        throw ERemoteError(failure.Message());
    } catch (const EDatabaseError& error) {
        throw ERemoteError(DatabaseFailureText(QStringLiteral("GetTpOperFil"), error));
    }
}

QVariant RdmTpOperFil::SetTpOperFil(QList<CallArgument>& call) {
    MethodArguments args(QStringLiteral("SetTpOperFil"), call, {V, V, V, V, V, R});
    const QString type = ArgumentRules::Code(args.text(0), kTypeLabel);
    const QString branch = ArgumentRules::Code(args.text(1), kBranchLabel);
    const BranchOperations::Settings settings{
        ArgumentRules::Flag(args.text(2), kReleasedLabel),
        ArgumentRules::Flag(args.text(3), kManualEntriesLabel),
        ArgumentRules::AddressKind(args.text(4), true),
        ArgumentRules::Code(args.text(5), kMunicipalRegistrationLabel)};
    const QByteArray packet = Write([&] {
        const CompanyLookup::Branch found = m_lookup.requireBranch(branch);
        if (settings.addressKind.toString() == ArgumentRules::CompanyKind &&
            !settings.municipalRegistration.isEmpty())
            m_lookup.requireMunicipalRegistration(found, settings.municipalRegistration);
        if (!m_branchOperations.update(branch, type, settings))
            throw EMethodFailure::NotFound(
                QStringLiteral("Tipo de operação \"%1\" não cadastrado para a filial %2.")
                    .arg(type, branch));
        return m_branchOperations.listPacket(branch);
    });
    args.setText(5, QString());
    return ServerResult::Success(packet);
}

QVariant RdmTpOperFil::GetTipoOperCli(QList<CallArgument>& call) {
    MethodArguments args(QStringLiteral("GetTipoOperCli"), call, {V, R, R, V});
    ArgumentRules::RequireClients(args.text(3));
    const QString branch = ArgumentRules::Code(args.text(0), kBranchLabel);
    const QString client = ArgumentRules::Code(args.text(1), kClientLabel);
    const QString type = ArgumentRules::Code(args.text(2), kTypeLabel);
    m_lookup.requireBranch(branch);
    m_lookup.requireClient(client);
    return ServerResult::Success(m_clientOperations.listPacket(branch, client, type));
}

QVariant RdmTpOperFil::SetTipoOperCli(QList<CallArgument>& call) {
    MethodArguments args(QStringLiteral("SetTipoOperCli"), call, {V, R, V, V});
    ArgumentRules::RequireClients(args.text(3));
    const QString branch = ArgumentRules::Code(args.text(0), kBranchLabel);
    const QString client = ArgumentRules::Code(args.text(1), kClientLabel);
    const QString type = ArgumentRules::Code(args.text(2), kTypeLabel);
    Write([&] {
        m_lookup.requireBranch(branch);
        m_lookup.requireClient(client);
        m_lookup.requireClientOperationType(type);
        m_clientOperations.add(branch, client, type);
    });
    return ServerResult::Success();
}

QVariant RdmTpOperFil::DelTipoOperCli(QList<CallArgument>& call) {
    MethodArguments args(QStringLiteral("DelTipoOperCli"), call, {Kind::Variant, R});
    const ClientRemovals removals =
        ClientRemovals::FromDelta(args.bytes(0), ArgumentRules::Code(args.text(1), kClientLabel));
    Write([&] {
        m_lookup.requireClient(removals.client());
        m_clientOperations.remove(removals);
    });
    return ServerResult::Success();
}

QVariant RdmTpOperFil::SetGravaAut(QList<CallArgument>& call) {
    MethodArguments args(QStringLiteral("SetGravaAut"), call, {R, R, R, R, R, V, R});
    const BranchOperations::BulkSelection selection{
        CodeList::Parse(args.text(0), QStringLiteral("inscrições estaduais")),
        CodeList::Parse(args.text(1), QStringLiteral("filiais")),
        CodeList::Parse(args.text(2), QStringLiteral("tipos de operação"))};
    const BranchOperations::Settings settings{
        ArgumentRules::Flag(args.text(3), kReleasedLabel),
        ArgumentRules::Flag(args.text(4), kManualEntriesLabel),
        ArgumentRules::AddressKind(args.text(6), false), QString()};
    const QString branch = ArgumentRules::Code(args.text(5), kBranchLabel);
    const QByteArray packet = Write([&] {
        m_lookup.requireBranch(branch);
        m_lookup.requireListed(CompanyLookup::Table::StateRegistrations,
                               selection.stateRegistrations);
        m_lookup.requireListed(CompanyLookup::Table::Branches, selection.branches);
        m_lookup.requireListed(CompanyLookup::Table::OperationTypes, selection.operationTypes);
        m_branchOperations.writeBulk(selection, settings);
        return m_branchOperations.listPacket(branch);
    });
    return ServerResult::Success(packet);
}

QVariant RdmTpOperFil::GetDadosEmissaoNF(QList<CallArgument>& call) {
    MethodArguments args(QStringLiteral("GetDadosEmissaoNF"), call, {V});
    const QString branch = ArgumentRules::Code(args.text(0), kBranchLabel);
    m_lookup.requireBranch(branch);
    return ServerResult::Success(m_issuingData.packet(branch));
}

} // namespace ger
