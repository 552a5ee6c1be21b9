#pragma once
// The query texts of the three screens exactly as their form data store them, line by line:
// leading and trailing blanks, empty lines and lines of a single blank included. The tests run
// each of them under every dialect on the demo database.

#include "platform/sql/SqlDialect.h"

namespace ger::screen_queries {

// TfrmTpOperFil.qryFilial: the branch check and the branch lookup.
inline DialectTexts TpOperFil_qryFilial() {
    const QStringList lines{"SELECT",
                            "   A.CDFILIAL, A.NMFILIAL,",
                            "   A.CDEMPRESA, A.CDINSCESTA, A.CDINSCMUNI,",
                            "   A.CDSERIE",
                            "FROM FILIAL A",
                            "WHERE",
                            "   (A.CDFILIAL = :P_CDFILIAL OR :P_TCDFILIAL = 'T')",
                            "ORDER BY 1"};
    return DialectTexts{{},
                        lines + QStringList{" ", " "},
                        lines + QStringList{" ", " "},
                        lines + QStringList{" ", " ", " "}};
}

// TfrmTpOperFil.qryCliente: the client check by registration number.
inline DialectTexts TpOperFil_qryCliente() {
    return DialectTexts{
        {},
        {"SELECT", "   C.CDCLIENTE, C.IDTPIJURCLIE, C.NRINSJURCLIE, C.NMRAZSOCCLIE, C.NMFANTCLIE",
         "FROM CLIENTE C", "WHERE", "   (C.NRINSJURCLIE = :P_NRINSJURCLIE OR (:P_TODOS = 'T'))",
         "ORDER BY NRINSJURCLIE"},
        {"SELECT C.CDCLIENTE, C.IDTPIJURCLIE, C.NRINSJURCLIE, C.NMRAZSOCCLIE, C.NMFANTCLIE",
         "  FROM CLIENTE C", " WHERE(C.NRINSJURCLIE = :P_NRINSJURCLIE OR (:P_TODOS = 'T'))",
         "ORDER BY NRINSJURCLIE"},
        {"SELECT CDCLIENTE, IDTPIJURCLIE, NRINSJURCLIE, NMRAZSOCCLIE, NMFANTCLIE",
         "FROM CLIENTE, PARAM(:P_NRINSJURCLIE) P_NRINSJURCLIE",
         "WHERE ((NRINSJURCLIE = P_NRINSJURCLIE.PARAM) OR (:P_TODOS = 'T'))",
         "ORDER BY NRINSJURCLIE"}};
}

// TfrmTpOperFil.qryCli: the client lookup list.
inline DialectTexts TpOperFil_qryCli() {
    return DialectTexts{
        {},
        {"SELECT CDCLIENTE, IDTPIJURCLIE, NRINSJURCLIE, NMRAZSOCCLIE, NMFANTCLIE", "FROM CLIENTE",
         "WHERE NRINSJURCLIE = NVL(:P_NRINSJURCLIE, NRINSJURCLIE)", "ORDER BY NRINSJURCLIE"},
        {"SELECT CDCLIENTE, IDTPIJURCLIE, NRINSJURCLIE, NMRAZSOCCLIE, NMFANTCLIE", "FROM CLIENTE",
         "WHERE NRINSJURCLIE = ISNULL(:P_NRINSJURCLIE, NRINSJURCLIE)", "ORDER BY NRINSJURCLIE"},
        {"SELECT CDCLIENTE, NRINSJURCLIE, NMRAZSOCCLIE, NMFANTCLIE",
         "FROM CLIENTE, PARAM(:P_NRINSJURCLIE) P1",
         "WHERE NRINSJURCLIE = NVLSTR(P1.PARAM, NRINSJURCLIE)", "ORDER BY NRINSJURCLIE"}};
}

// TfrmTpOperFil.qryTipoOperacao: one text for all dialects.
inline DialectTexts TpOperFil_qryTipoOperacao() {
    return DialectTexts{{"SELECT IDENTRSAIDOP, CDTIPOOPER, NMTIPOOPER", "  FROM TIPOOPERAC",
                         " WHERE (IDENTRSAIDOP = :P_IDENTRSAIDOP)",
                         "   AND (CDTIPOOPER  = :P_CDTIPOOPER OR :P_TCDTIPOOPER = 'T')",
                         "ORDER BY CDTIPOOPER"},
                        {},
                        {},
                        {}};
}

// TfrmTpoper.qryInscEst: the state registrations.
inline DialectTexts Tpoper_qryInscEst() {
    const QStringList dialect{"SELECT CDINSCESTA,", "              '' AS IDMARCADO",
                              "   FROM INSCRESTAD", "ORDER BY CDINSCESTA"};
    return DialectTexts{{"SELECT CDINSCESTA,", "            '' AS IDMARCADO", "   FROM INSCRESTAD",
                         "", "ORDER BY CDINSCESTA"},
                        dialect,
                        dialect,
                        dialect};
}

// TfrmTpoper.qryFilial: the branches of the chosen state registrations.
inline DialectTexts Tpoper_qryFilial() {
    return DialectTexts{
        {},
        {"SELECT CDFILIAL , NMFILIAL,", "        ' ' AS IDMARCADO       ", "    FROM FILIAL",
         "WHERE ((INSTR(:P_CDINSCESTA,CDINSCESTA) > 0) OR (:P_TCDINSCESTA ='T' ))",
         "ORDER BY CDFILIAL"},
        {"SELECT CDFILIAL , NMFILIAL,", "        ' ' AS IDMARCADO       ", "    FROM FILIAL",
         "WHERE ((CHARINDEX(CDINSCESTA,:P_CDINSCESTA) > 0) OR (:P_TCDINSCESTA ='T' ))",
         "ORDER BY CDFILIAL"},
        {"SELECT CDFILIAL , NMFILIAL,", "       ' ' IDMARCADO",
         "  FROM FILIAL, PARAM(:P_CDINSCESTA) P_CDINSCESTA, PARAM(:P_TCDINSCESTA) P_TCDINSCESTA",
         "WHERE ((INSTR(P_CDINSCESTA.PARAM,CDINSCESTA) > 0) OR (P_TCDINSCESTA.PARAM ='T' ))",
         "ORDER BY CDFILIAL"}};
}

// TfrmTpoper.qryTpOper: the operation types offered to the bulk registration.
inline DialectTexts Tpoper_qryTpOper() {
    const QStringList lines{
        "SELECT CDTIPOOPER, NMTIPOOPER,", "       '' AS IDMARCADO  ",   "  FROM TIPOOPERAC",
        " WHERE IDUTILOPER   = 'S'",      "   AND IDENTRSAIDOP = 'S' ", "ORDER BY CDTIPOOPER   "};
    return DialectTexts{{}, lines, lines + QStringList{""}, lines};
}

// TfrmDadosEmissaoNF.qryInscMunicip: the company's municipal registrations; general text only.
inline DialectTexts DadosEmissaoNF_qryInscMunicip() {
    return DialectTexts{{"SELECT", "   CDINSCMUNI", "FROM", "   INSCRMUNICIP", "WHERE",
                         "   (CDEMPRESA  = :P_CDEMPRESA) AND",
                         "   ((CDINSCMUNI = :P_CDINSCMUNI) OR ('T' = :P_TCDINSCMUNI))", "ORDER BY",
                         "   CDINSCMUNI"},
                        {},
                        {},
                        {}};
}

} // namespace ger::screen_queries
