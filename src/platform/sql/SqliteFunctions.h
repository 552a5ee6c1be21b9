#pragma once
// The scalar functions that the three dialects' texts call, registered on one SQLite
// connection so that every dialect's text runs unchanged on the embedded engine:
//
//   NVL(a, b)           Oracle: a unless it is NULL, else b (value and type kept as they are)
//   NVLSTR(a, b)        the InterBase database's function: the first non-NULL of a and b, as text
//   CHARINDEX(sub, s)   MSSQL: 1-based character position of sub in s, 0 when absent or when
//                       sub is empty; NULL when either is NULL
//   INSTR(s, sub)       Oracle: 1-based character position of sub in s, 0 when absent; NULL when
//                       either is NULL. Replaces SQLite's built-in, which answers 1 for an empty
//                       sub and would so match every row whose code is empty.
//
// Positions count characters (UTF-8 code points), not bytes. Comparisons are case-sensitive,
// unlike CHARINDEX under usual MSSQL collations; codes of this system are upper case.

struct sqlite3;

namespace ger {

class SqliteFunctions {
public:
    // Raises ESqlError when SQLite refuses a registration.
    static void Register(sqlite3* handle);
};

} // namespace ger
