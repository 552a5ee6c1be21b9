#include "appserver/IssuingData.h"

#include "appserver/PacketLayouts.h"
#include "appserver/PacketQuery.h"
#include "appserver/ServerSql.h"
#include "platform/sql/DatabaseConnection.h"

namespace ger {

namespace {

// After the address kinds' rows, which are the engine's (ServerSql). EXISTEINFO's literals are
// cast so that no engine pads "CADASTRADO" to the width of the longer one.
const char* const kSelect = R"sql(
SELECT K.IDTPENDEFILI AS IDTPENDEFILI,
       F.NMFILIAL AS NMFILIAL,
       E.NMRAZSOCFILI AS NMRAZSOCFILI,
       E.NRINSJURFILI AS NRINSJURFILI,
       E.CDINSCESTA AS CDINSCESTA,
       E.CDINSCMUNI AS CDINSCMUNI,
       E.DSENDEFILI AS DSENDEFILI,
       E.DSCOMPENDFIL AS DSCOMPENDFIL,
       E.CDPAIS AS CDPAIS,
       P.NMPAIS AS NMPAIS,
       E.SGESTADO AS SGESTADO,
       E.CDMUNICIPIO AS CDMUNICIPIO,
       M.NMMUNICIPIO AS NMMUNICIPIO,
       E.NMBAIRFILI AS NMBAIRFILI,
       E.CDBAIRRO AS CDBAIRRO,
       B.NMBAIRRO AS NMBAIRRO,
       E.NRCEPFILI AS NRCEPFILI,
       E.NRTELEFILI AS NRTELEFILI,
       CASE WHEN E.CDFILIAL IS NULL THEN CAST('NAO_CADASTRADO' AS VARCHAR(14))
            ELSE CAST('CADASTRADO' AS VARCHAR(14)) END AS EXISTEINFO,
       F.CDINSCMUNI AS CDINSCMUNIEMP
  FROM FILIAL F
 CROSS JOIN KINDS K
  LEFT JOIN ENDERECOFILIAL E ON E.CDFILIAL = F.CDFILIAL AND E.IDTPENDEFILI = K.IDTPENDEFILI
  LEFT JOIN PAIS P ON P.CDPAIS = E.CDPAIS
  LEFT JOIN MUNICIPIO M ON M.CDMUNICIPIO = E.CDMUNICIPIO
  LEFT JOIN BAIRRO B ON B.CDBAIRRO = E.CDBAIRRO
 WHERE F.CDFILIAL = :P_CDFILIAL
 ORDER BY K.ORDEM
)sql";

} // namespace

QByteArray IssuingData::Text() const {
    return QByteArrayLiteral("WITH KINDS (IDTPENDEFILI, ORDEM) AS (\n") +
           ServerSqlOf(m_connection.engine()).addressKinds + QByteArrayLiteral("\n)") + kSelect;
}

IssuingData::IssuingData(DatabaseConnection& connection)
    : m_connection(connection) {}

IssuingData::~IssuingData() = default;

QByteArray IssuingData::packet(const QString& branch) {
    if (!m_select)
        m_select =
            std::make_unique<PacketQuery>(m_connection, Text(), PacketLayouts::IssuingData());
    m_select->bind(":P_CDFILIAL", branch);
    return m_select->packet();
}

} // namespace ger
