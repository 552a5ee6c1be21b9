#pragma once
// The application server's SQL where the engines differ, as data: one table per engine
// (SqlEngine), picked by the connection's engine. The texts both engines take alike stay with
// the code that runs them.
//
// The differences:
//   - a list of codes is one parameter, expanded into rows inside the statement: a JSON array
//     and json_each() on SQLite, the codes joined by single quotes and the procedure
//     LISTA_CODIGOS on Firebird (a code holds no quote, CodeList);
//   - the bulk write is one set-based statement: INSERT ... SELECT ... ON CONFLICT on SQLite,
//     MERGE on Firebird;
//   - a constant table of rows is VALUES on SQLite, a UNION over RDB$DATABASE on Firebird.

#include "appserver/CodeList.h"
#include "platform/sql/SqlEngine.h"

#include <QString>

namespace ger {

struct ServerSql {
    // The list as the texts' list parameters take it.
    QString (*listParameter)(const CodeList& list);
    // The codes of :P_CODIGOS, one per row in the list's order, that a table does not hold.
    const char* missingStateRegistrations;
    const char* missingBranches;
    const char* missingOperationTypes;
    // Writes the settings (:P_IDLIBERADO, :P_IDLANCMANUAL, :P_IDENDEMISTPOPFIL) on every
    // row of the selection, inserting the rows missing and clearing CDINSCMUNI. The selection:
    // the branches of the state registrations :P_INSCESTA (all when :P_TINSCESTA = 'T'), of
    // those the branches :P_FILIAL (all when :P_TFILIAL = 'T'), times the operation types
    // :P_TIPOOPER (when :P_TTIPOOPER = 'T', the ones in use for issuing).
    const char* bulkWrite;
    // The rows (IDTPENDEFILI, ORDEM) of the seven address kinds, in the order of issuing.
    const char* addressKinds;
};

const ServerSql& ServerSqlOf(SqlEngine engine);

} // namespace ger
