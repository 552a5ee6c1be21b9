#include "appserver/ClientOperations.h"

#include "appserver/EMethodFailure.h"
#include "appserver/PacketLayouts.h"
#include "appserver/PacketQuery.h"
#include "platform/sql/SqlStatement.h"

namespace ger {

namespace {

// :P_CDTIPOOPER is cast where it meets the literal: Firebird would type it CHAR(0) after ''
// and the driver would cut every value to nothing, so that every type matched.
const char* const kList = R"sql(
SELECT T.CDFILIAL AS CDFILIAL,
       T.CDTIPOOPER AS CDTIPOOPER,
       O.NMTIPOOPER AS NMTIPOOPER,
       T.CDCLIENTE AS CDFORNCLIE,
       C.NRINSJURCLIE AS NRINSCRICAO,
       C.NMRAZSOCCLIE AS NMRAZAOSOCIAL,
       C.IDTPIJURCLIE AS IDTIPOJUR
  FROM TIPOOPERCLIENTE T
  JOIN TIPOOPERAC O ON O.CDTIPOOPER = T.CDTIPOOPER
  JOIN CLIENTE C ON C.CDCLIENTE = T.CDCLIENTE
 WHERE T.CDFILIAL = :P_CDFILIAL
   AND T.CDCLIENTE = :P_CDCLIENTE
   AND (CAST(:P_CDTIPOOPER AS VARCHAR(8191)) = '' OR T.CDTIPOOPER = :P_CDTIPOOPER)
 ORDER BY T.CDTIPOOPER
)sql";

const char* const kExists = "SELECT 1 FROM TIPOOPERCLIENTE WHERE CDFILIAL = :P_CDFILIAL "
                            "AND CDCLIENTE = :P_CDCLIENTE AND CDTIPOOPER = :P_CDTIPOOPER";

const char* const kInsert = "INSERT INTO TIPOOPERCLIENTE (CDFILIAL, CDCLIENTE, CDTIPOOPER) "
                            "VALUES (:P_CDFILIAL, :P_CDCLIENTE, :P_CDTIPOOPER)";

const char* const kDelete = "DELETE FROM TIPOOPERCLIENTE WHERE CDFILIAL = :P_CDFILIAL "
                            "AND CDCLIENTE = :P_CDCLIENTE AND CDTIPOOPER = :P_CDTIPOOPER";

SqlStatement& Prepared(std::unique_ptr<SqlStatement>& statement, DatabaseConnection& connection,
                       const char* text) {
    if (!statement)
        statement = std::make_unique<SqlStatement>(connection, QString::fromUtf8(text));
    return *statement;
}

void BindKey(SqlStatement& statement, const QString& branch, const QString& client,
             const QString& type) {
    statement.bind("P_CDFILIAL", branch);
    statement.bind("P_CDCLIENTE", client);
    statement.bind("P_CDTIPOOPER", type);
}

} // namespace

ClientOperations::ClientOperations(DatabaseConnection& connection)
    : m_connection(connection) {}

ClientOperations::~ClientOperations() = default;

QByteArray ClientOperations::listPacket(const QString& branch, const QString& client,
                                        const QString& type) {
    if (!m_list)
        m_list =
            std::make_unique<PacketQuery>(m_connection, kList, PacketLayouts::ClientOperations());
    m_list->bind(":P_CDFILIAL", branch);
    m_list->bind(":P_CDCLIENTE", client);
    m_list->bind(":P_CDTIPOOPER", type);
    return m_list->packet();
}

void ClientOperations::add(const QString& branch, const QString& client, const QString& type) {
    SqlStatement& exists = Prepared(m_exists, m_connection, kExists);
    BindKey(exists, branch, client, type);
    if (!exists.select().isEmpty())
        throw EMethodFailure(ServerResultCode::AlreadyRegistered,
                             QStringLiteral("Tipo de operação já cadastrado."));
    SqlStatement& insert = Prepared(m_insert, m_connection, kInsert);
    BindKey(insert, branch, client, type);
    insert.execute();
}

qint64 ClientOperations::remove(const ClientRemovals& removals) {
    SqlStatement& remove = Prepared(m_delete, m_connection, kDelete);
    qint64 removed = 0;
    for (const ClientRemovals::Row& row : removals.rows()) {
        BindKey(remove, row.branch, removals.client(), row.type);
        removed += remove.execute();
    }
    return removed;
}

} // namespace ger
