#include "appserver/IssuingData.h"

#include "appserver/PacketLayouts.h"
#include "appserver/PacketQuery.h"

namespace ger {

namespace {

const char* const kSelect = R"sql(
WITH KINDS (IDTPENDEFILI, ORDEM) AS (
  VALUES ('P', 1), ('C', 2), ('E', 3), ('X', 4), ('T', 5), ('I', 6), ('M', 7)
)
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
       CASE WHEN E.CDFILIAL IS NULL THEN 'NAO_CADASTRADO' ELSE 'CADASTRADO' END AS EXISTEINFO,
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

IssuingData::IssuingData(DatabaseConnection& connection)
    : m_connection(connection) {}

IssuingData::~IssuingData() = default;

QByteArray IssuingData::packet(const QString& branch) {
    if (!m_select)
        m_select =
            std::make_unique<PacketQuery>(m_connection, kSelect, PacketLayouts::IssuingData());
    m_select->bind(":P_CDFILIAL", branch);
    return m_select->packet();
}

} // namespace ger
