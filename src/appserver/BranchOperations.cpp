#include "appserver/BranchOperations.h"

#include "appserver/PacketLayouts.h"
#include "appserver/PacketQuery.h"
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

const char* const kUpdate = R"sql(
UPDATE TIPOOPERFILIAL
   SET IDLIBERADO = :P_IDLIBERADO,
       IDLANCMANUAL = :P_IDLANCMANUAL,
       IDENDEMISTPOPFIL = :P_IDENDEMISTPOPFIL,
       CDINSCMUNI = CASE WHEN :P_IDENDEMISTPOPFIL = 'M'
                         THEN COALESCE(NULLIF(:P_CDINSCMUNI, ''), CDINSCMUNI) END
 WHERE CDFILIAL = :P_CDFILIAL AND CDTIPOOPER = :P_CDTIPOOPER
)sql";

// The WHERE clause also keeps SQLite from reading ON CONFLICT as a join constraint.
const char* const kBulk = R"sql(
INSERT INTO TIPOOPERFILIAL
       (CDFILIAL, CDTIPOOPER, IDLIBERADO, IDLANCMANUAL, IDENDEMISTPOPFIL, CDINSCMUNI)
SELECT F.CDFILIAL, O.CDTIPOOPER, :P_IDLIBERADO, :P_IDLANCMANUAL, :P_IDENDEMISTPOPFIL, NULL
  FROM FILIAL F, TIPOOPERAC O
 WHERE (:P_TINSCESTA = 'T' OR F.CDINSCESTA IN (SELECT value FROM json_each(:P_INSCESTA)))
   AND (:P_TFILIAL = 'T' OR F.CDFILIAL IN (SELECT value FROM json_each(:P_FILIAL)))
   AND CASE WHEN :P_TTIPOOPER = 'T' THEN O.IDUTILOPER = 'S' AND O.IDENTRSAIDOP = 'S'
            ELSE O.CDTIPOOPER IN (SELECT value FROM json_each(:P_TIPOOPER)) END
 ORDER BY F.CDFILIAL, O.CDTIPOOPER
ON CONFLICT (CDFILIAL, CDTIPOOPER) DO UPDATE
   SET IDLIBERADO = excluded.IDLIBERADO,
       IDLANCMANUAL = excluded.IDLANCMANUAL,
       IDENDEMISTPOPFIL = excluded.IDENDEMISTPOPFIL,
       CDINSCMUNI = NULL
)sql";

void BindList(SqlStatement& statement, const QString& name, const CodeList& list) {
    statement.bind("P_T" + name, list.isAll() ? QStringLiteral("T") : QStringLiteral(""));
    statement.bind("P_" + name, list.json());
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
    SqlStatement bulk(m_connection, QString::fromUtf8(kBulk));
    BindSettings(bulk, settings);
    BindList(bulk, "INSCESTA", selection.stateRegistrations);
    BindList(bulk, "FILIAL", selection.branches);
    BindList(bulk, "TIPOOPER", selection.operationTypes);
    return bulk.execute();
}

} // namespace ger
