#pragma once
// PARAM, the InterBase database's selectable procedure that the InterBase texts join to turn a
// parameter into a column: `FROM CLIENTE, PARAM(:P_NRINSJURCLIE) P1 WHERE ... P1.PARAM ...`.
// On SQLite it is an eponymous virtual table declared `CREATE TABLE x(PARAM, ARG HIDDEN)`:
// the call's argument constrains the hidden column ARG, and the table answers exactly one row
// whose PARAM is the argument as text (NULL stays NULL), like the procedure's VARCHAR result.
//
// The trap: xBestIndex must take the equality on ARG with omit = 1. Without omit SQLite checks
// ARG = NULL again on the row it gets back, which is never true, and a NULL argument would
// drop the row and with it every row of the join. Without a usable ARG constraint the plan is
// refused (SQLITE_CONSTRAINT), so PARAM without an argument is an error, as on InterBase.

struct sqlite3;

namespace ger {

class SqliteParamTable {
public:
    // Raises ESqlError when SQLite refuses the module.
    static void Register(sqlite3* handle);
};

} // namespace ger
