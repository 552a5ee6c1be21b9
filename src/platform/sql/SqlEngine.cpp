#include "platform/sql/SqlEngine.h"

#include "platform/db/EDatabaseError.h"
#include "platform/sql/FirebirdEngine.h"
#include "platform/sql/SqliteEngine.h"

#include <array>

namespace ger {
namespace {

constexpr std::array kEngines{SqlEngine::SQLite, SqlEngine::Firebird};

// The routines the InterBase texts and the application server call. Lists of codes and
// registration numbers go through them, so they take texts as long as a UTF-8 VARCHAR may be.
// INSTR is 1-based, 0 when absent or when the search text is empty, NULL with a NULL argument
// (SqliteFunctions does the same). LISTA_CODIGOS gives the codes of a list joined by single
// quotes, one row each: a code holds no quote (CodeList), and the list, a BLOB, may be long.
constexpr std::array kFirebirdRoutines{
    SqlRoutine{"PARAM",
               "CREATE OR ALTER PROCEDURE PARAM (ARG VARCHAR(8191)) RETURNS (PARAM VARCHAR(8191)) "
               "AS\nBEGIN\n  PARAM = ARG;\n  SUSPEND;\nEND"},
    SqlRoutine{"NVLSTR", "CREATE OR ALTER FUNCTION NVLSTR (A VARCHAR(8191), B VARCHAR(8191)) "
                         "RETURNS VARCHAR(8191) AS\nBEGIN\n  RETURN COALESCE(A, B);\nEND"},
    SqlRoutine{"INSTR",
               "CREATE OR ALTER FUNCTION INSTR (S VARCHAR(8191), SUB VARCHAR(8191)) RETURNS "
               "INTEGER AS\nBEGIN\n  IF (S IS NULL OR SUB IS NULL) THEN RETURN NULL;\n"
               "  IF (CHAR_LENGTH(SUB) = 0) THEN RETURN 0;\n  RETURN POSITION(SUB IN S);\nEND"},
    SqlRoutine{"LISTA_CODIGOS",
               "CREATE OR ALTER PROCEDURE LISTA_CODIGOS (LISTA BLOB SUB_TYPE TEXT) "
               "RETURNS (CODIGO VARCHAR(8191)) AS\n"
               "DECLARE INICIO INTEGER = 1;\nDECLARE FIM INTEGER;\nBEGIN\n"
               "  IF (LISTA IS NULL OR CHAR_LENGTH(LISTA) = 0) THEN EXIT;\n"
               "  FIM = POSITION('''', LISTA, INICIO);\n"
               "  WHILE (FIM > 0) DO\n  BEGIN\n"
               "    CODIGO = SUBSTRING(LISTA FROM INICIO FOR FIM - INICIO);\n    SUSPEND;\n"
               "    INICIO = FIM + 1;\n    FIM = POSITION('''', LISTA, INICIO);\n  END\n"
               "  CODIGO = SUBSTRING(LISTA FROM INICIO);\n  SUSPEND;\nEND"},
};

constexpr const char* kFirebirdRoutineNames =
    "SELECT TRIM(RDB$PROCEDURE_NAME) FROM RDB$PROCEDURES "
    "UNION ALL SELECT TRIM(RDB$FUNCTION_NAME) FROM RDB$FUNCTIONS";

const SqlEngineTraits kSqlite{
    "SQLite",
    "QSQLITE",
    "sqlite",
    "",
    nullptr,
    nullptr,
    SqliteEngine::Prepare,
    SqliteEngine::NamesLocalFile,
    SqliteEngine::CreateFile,
    SqliteEngine::Configure,
    SqliteEngine::StatementText,
    false,
    false,
    SqliteEngine::RunScript,
    SqliteEngine::OpenFailure,
    SqliteEngine::Begin,
    SqliteEngine::Commit,
    SqliteEngine::Rollback,
    SqliteEngine::IsConflict,
    SqliteEngine::FixedWidth,
    SqliteEngine::SchemaText,
    {},
    nullptr,
};

const SqlEngineTraits kFirebird{
    "Firebird",
    "QIBASE",
    "fdb",
    "SYSDBA",
    "ISC_USER",
    "ISC_PASSWORD",
    FirebirdEngine::Prepare,
    FirebirdEngine::NamesLocalFile,
    FirebirdEngine::CreateFile,
    FirebirdEngine::Configure,
    FirebirdEngine::StatementText,
    true,
    true,
    FirebirdEngine::RunScript,
    FirebirdEngine::OpenFailure,
    FirebirdEngine::Begin,
    FirebirdEngine::Commit,
    FirebirdEngine::Rollback,
    FirebirdEngine::IsConflict,
    FirebirdEngine::FixedWidth,
    FirebirdEngine::SchemaText,
    kFirebirdRoutines,
    kFirebirdRoutineNames,
};

} // namespace

const SqlEngineTraits& TraitsOf(SqlEngine engine) {
    static constexpr std::array<const SqlEngineTraits*, kEngines.size()> traits{&kSqlite,
                                                                                &kFirebird};
    return *traits.at(static_cast<size_t>(engine));
}

std::span<const SqlEngine> AllSqlEngines() {
    return kEngines;
}

QString SqlEngineName(SqlEngine engine) {
    return QString::fromLatin1(TraitsOf(engine).name);
}

SqlEngine SqlEngineFromName(const QString& name) {
    for (const SqlEngine engine : kEngines)
        if (name.compare(QLatin1String(TraitsOf(engine).name), Qt::CaseInsensitive) == 0)
            return engine;
    throw EDatabaseError(
        QStringLiteral("Unknown database engine \"%1\": SQLite or Firebird").arg(name));
}

} // namespace ger
