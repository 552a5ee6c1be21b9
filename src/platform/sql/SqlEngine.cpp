#include "platform/sql/SqlEngine.h"

#include "platform/db/EDatabaseError.h"
#include "platform/sql/FirebirdEngine.h"
#include "platform/sql/SqliteEngine.h"

#include <array>

namespace ger {
namespace {

constexpr std::array kEngines{SqlEngine::SQLite, SqlEngine::Firebird};

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
