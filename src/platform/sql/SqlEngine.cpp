#include "platform/sql/SqlEngine.h"

#include "platform/db/EDatabaseError.h"
#include "platform/sql/FirebirdEngine.h"
#include "platform/sql/SqliteEngine.h"

#include <array>

namespace ger {
namespace {

constexpr std::array kEngines{SqlEngine::SQLite, SqlEngine::Firebird};

// The InterBase texts' routines. Lists of codes and registration numbers go through them, so
// they take texts as long as a UTF-8 VARCHAR may be. INSTR is 1-based, 0 when absent or when
// the search text is empty, NULL with a NULL argument (SqliteFunctions does the same).
constexpr std::array<const char*, 3> kFirebirdRoutines{
    "CREATE OR ALTER PROCEDURE PARAM (ARG VARCHAR(8191)) RETURNS (PARAM VARCHAR(8191)) AS\n"
    "BEGIN\n  PARAM = ARG;\n  SUSPEND;\nEND",
    "CREATE OR ALTER FUNCTION NVLSTR (A VARCHAR(8191), B VARCHAR(8191)) RETURNS VARCHAR(8191) AS\n"
    "BEGIN\n  RETURN COALESCE(A, B);\nEND",
    "CREATE OR ALTER FUNCTION INSTR (S VARCHAR(8191), SUB VARCHAR(8191)) RETURNS INTEGER AS\n"
    "BEGIN\n  IF (S IS NULL OR SUB IS NULL) THEN RETURN NULL;\n"
    "  IF (CHAR_LENGTH(SUB) = 0) THEN RETURN 0;\n  RETURN POSITION(SUB IN S);\nEND",
};

const SqlEngineTraits kSqlite{
    "SQLite",
    "QSQLITE",
    "",
    SqliteEngine::NamesLocalFile,
    SqliteEngine::CreateFile,
    SqliteEngine::Configure,
    SqliteEngine::StatementText,
    false,
    SqliteEngine::RunScript,
    SqliteEngine::Begin,
    SqliteEngine::Commit,
    SqliteEngine::Rollback,
    SqliteEngine::FixedWidth,
    SqliteEngine::SchemaText,
    {},
};

const SqlEngineTraits kFirebird{
    "Firebird",
    "QIBASE",
    "SYSDBA",
    FirebirdEngine::NamesLocalFile,
    FirebirdEngine::CreateFile,
    FirebirdEngine::Configure,
    FirebirdEngine::StatementText,
    true,
    FirebirdEngine::RunScript,
    FirebirdEngine::Begin,
    FirebirdEngine::Commit,
    FirebirdEngine::Rollback,
    FirebirdEngine::FixedWidth,
    FirebirdEngine::SchemaText,
    kFirebirdRoutines,
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
