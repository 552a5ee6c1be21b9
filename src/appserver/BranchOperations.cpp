#include "appserver/BranchOperations.h"

#include "appserver/PacketLayouts.h"
#include "appserver/PacketQuery.h"
#include "appserver/ServerSql.h"
#include "platform/sql/DatabaseConnection.h"
#include "platform/sql/SqlStatement.h"

namespace ger {

namespace {

const char* const kList = R"sql(
SELECT T.CDTIPOOPER || ' - ' || O.NMTIPOOPER AS OPERACAO,
       T.IDLIBERADO AS IDLIBERADO,
       T.IDLANCMANUAL AS IDLANCMANUAL,
       T.CDFILIAL AS CDFILIAL,
       T.CDTIPOOPER AS CDTIPOOPER,
       T.IDENDEMISTPOPFIL AS IDENDEMISTPOPFIL
  FROM TIPOOPERFILIAL T
  JOIN TIPOOPERAC O ON O.CDTIPOOPER = T.CDTIPOOPER
 WHERE T.CDFILIAL = :P_CDFILIAL
 ORDER BY T.CDTIPOOPER
)sql";

// A parameter compared with a literal is cast to a text: Firebird would type it after the
// literal ('' is CHAR(0)) and the driver would cut or pad the value to fit.
const char* const kUpdate = R"sql(
UPDATE TIPOOPERFILIAL
   SET IDLIBERADO = :P_IDLIBERADO,
       IDLANCMANUAL = :P_IDLANCMANUAL,
       IDENDEMISTPOPFIL = :P_IDENDEMISTPOPFIL,
       CDINSCMUNI = CASE WHEN :P_IDENDEMISTPOPFIL = 'M'
                         THEN COALESCE(NULLIF(CAST(:P_CDINSCMUNI AS VARCHAR(8191)), ''),
                                       CDINSCMUNI) END
 WHERE CDFILIAL = :P_CDFILIAL AND CDTIPOOPER = :P_CDTIPOOPER
)sql";

void BindList(SqlStatement& statement, const ServerSql& sql, const QString& name,
              const CodeList& list) {
    statement.bind("P_T" + name, list.isAll() ? QStringLiteral("T") : QStringLiteral(""));
    statement.bind("P_" + name, sql.listParameter(list));
}

void BindSettings(SqlStatement& statement, const BranchOperations::Settings& settings) {
    statement.bind("P_IDLIBERADO", settings.released);
    statement.bind("P_IDLANCMANUAL", settings.manualEntries);
    statement.bind("P_IDENDEMISTPOPFIL", settings.addressKind);
}

} // namespace

BranchOperations::BranchOperations(DatabaseConnection& connection)
    : m_connection(connection) {}

BranchOperations::~BranchOperations() = default;

QByteArray BranchOperations::listPacket(const QString& branch) {
    if (!m_list)
        m_list =
            std::make_unique<PacketQuery>(m_connection, kList, PacketLayouts::BranchOperations());
    m_list->bind(":P_CDFILIAL", branch);
    return m_list->packet();
}

bool BranchOperations::update(const QString& branch, const QString& type,
                              const Settings& settings) {
    if (!m_update)
        m_update = std::make_unique<SqlStatement>(m_connection, QString::fromUtf8(kUpdate));
    BindSettings(*m_update, settings);
    m_update->bind("P_CDINSCMUNI", settings.municipalRegistration);
    m_update->bind("P_CDFILIAL", branch);
    m_update->bind("P_CDTIPOOPER", type);
    return m_update->execute() > 0;
}

qint64 BranchOperations::writeBulk(const BulkSelection& selection, const Settings& settings) {
    const ServerSql& sql = ServerSqlOf(m_connection.engine());
    SqlStatement bulk(m_connection, QString::fromUtf8(sql.bulkWrite));
    BindSettings(bulk, settings);
    BindList(bulk, sql, "INSCESTA", selection.stateRegistrations);
    BindList(bulk, sql, "FILIAL", selection.branches);
    BindList(bulk, sql, "TIPOOPER", selection.operationTypes);
    return bulk.execute();
}

} // namespace ger
