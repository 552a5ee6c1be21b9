// What every engine must do alike for the code above it: make and open a database file, run a
// script, bind parameters by the same rules (nulls above all: Firebird would send a null that
// stands beside a literal or a NOT NULL column as '' or 0) and keep or undo a write.

#include "platform/core/Exception.h"
#include "platform/sql/DatabaseConnection.h"
#include "platform/sql/ESqlError.h"
#include "platform/sql/FirebirdEngine.h"
#include "platform/sql/SqlStatement.h"
#include "platform/sql/SqlText.h"
#include "platform/sql/SqlTransaction.h"
#include "support/ThrowsWithMessage.h"

#include <QFile>
#include <QSqlError>
#include <QTemporaryDir>
#include <chrono>
#include <gtest/gtest.h>
#include <memory>
#include <stdexcept>
#include <thread>

using namespace ger;
using namespace ger::test;
using testing::HasSubstr;

namespace {

class SqlEngineTest : public testing::TestWithParam<SqlEngine> {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        db = std::make_unique<DatabaseConnection>(
            path(), DatabaseConnection::OpenMode::CreateIfMissing, GetParam());
        db->executeScript(QStringLiteral(
            "CREATE TABLE T (CODE VARCHAR(4) NOT NULL PRIMARY KEY, NAME VARCHAR(30));\n"
            "-- a comment; with a semicolon\n"
            "INSERT INTO T (CODE, NAME) VALUES ('0001', 'Matriz; centro');\n"
            "INSERT INTO T (CODE, NAME) VALUES ('0002', NULL);\n"
            "INSERT INTO T (CODE, NAME) VALUES ('0101', 'Filial');"));
    }

    QString path() const { return dir.filePath(QStringLiteral("empresa.db")); }

    // The first column of every row of `sql` with `values` bound, NULL as "(null)".
    QStringList column(const QString& sql, const QList<std::pair<QString, QVariant>>& values) {
        SqlStatement statement(*db, sql);
        for (const auto& [name, value] : values)
            statement.bind(name, value);
        QStringList cells;
        const SqlRowSet rows = statement.select();
        for (const SqlRow& row : rows.rows())
            cells.append(row.front().value_or(QStringLiteral("(null)")));
        return cells;
    }

    QTemporaryDir dir;
    std::unique_ptr<DatabaseConnection> db;
};

const QString kByCode = QStringLiteral("SELECT CODE FROM T WHERE COALESCE(:P, CODE) = CODE "
                                       "ORDER BY CODE");

} // namespace

TEST_P(SqlEngineTest, AScriptRunsWholeAndItsLiteralsKeepTheirSemicolons) {
    EXPECT_EQ(column(QStringLiteral("SELECT NAME FROM T ORDER BY CODE"), {}),
              QStringList({"Matriz; centro", "(null)", "Filial"}));
}

TEST_P(SqlEngineTest, ANullParameterIsNullWhereverItStands) {
    EXPECT_EQ(column(kByCode, {{"P", QVariant()}}), QStringList({"0001", "0002", "0101"}));
    EXPECT_EQ(column(kByCode, {}), QStringList({"0001", "0002", "0101"})) << "never bound";
    EXPECT_EQ(column(kByCode, {{"P", QString("0101")}}), QStringList({"0101"}));
    const QString either = QStringLiteral(
        "SELECT CODE FROM T WHERE (:ALL = 'T' OR CODE = :CODE) AND :CODE IS NOT NULL");
    EXPECT_EQ(column(either, {{"ALL", QVariant()}, {"CODE", QString("0002")}}),
              QStringList({"0002"}));
    EXPECT_EQ(column(either, {{"ALL", QString("T")}, {"CODE", QVariant()}}), QStringList());
}

TEST_P(SqlEngineTest, OneStatementServesAnyPatternOfNulls) {
    SqlStatement statement(*db, kByCode);
    for (int round = 0; round < 2; ++round) {
        statement.bind("P", QString("0001"));
        EXPECT_EQ(statement.select().rowCount(), 1);
        statement.bind("P", QVariant());
        EXPECT_EQ(statement.select().rowCount(), 3);
    }
    statement.bind("P", QString(""));
    EXPECT_EQ(statement.select().rowCount(), 0) << "an empty text is not null";
}

TEST_P(SqlEngineTest, AWriteIsKeptOnCommitAndUndoneOnFailure) {
    const QString insert = QStringLiteral("INSERT INTO T (CODE, NAME) VALUES (:CODE, :NAME)");
    SqlTransaction::Run(*db, [&] {
        SqlStatement statement(*db, insert);
        statement.bind("CODE", QString("0200"));
        statement.bind("NAME", QVariant());
        EXPECT_EQ(statement.execute(), 1);
    });
    EXPECT_THROW(SqlTransaction::Run(*db,
                                     [&] {
                                         SqlStatement statement(*db, insert);
                                         statement.bind("CODE", QString("0300"));
                                         statement.execute();
                                         throw std::runtime_error("falhou");
                                     }),
                 std::runtime_error);
    EXPECT_EQ(column(QStringLiteral("SELECT CODE FROM T WHERE CODE >= '0200'"), {}),
              QStringList({"0200"}));
    DatabaseConnection other(path(), DatabaseConnection::OpenMode::OpenExisting, GetParam());
    SqlStatement count(other, QStringLiteral("SELECT COUNT(*) FROM T"));
    EXPECT_EQ(count.select().rows().front().front(), QStringLiteral("4"));
}

// A read-modify-write that meets another writer's uncommitted change of the same row: SQLite
// makes it wait for the lock; Firebird lets it start, and its update then conflicts once the
// other commits, so that Run runs it again. Either way both changes land.
TEST_P(SqlEngineTest, AWriteThatMeetsAnotherOnTheSameRowWaitsOrRunsAgainAndLosesNothing) {
    SqlTransaction first(*db);
    SqlStatement(*db, QStringLiteral("UPDATE T SET NAME = 'A' WHERE CODE = '0001'")).execute();
    QString failure;
    std::thread second([&] {
        try {
            DatabaseConnection other(path(), DatabaseConnection::OpenMode::OpenExisting,
                                     GetParam());
            SqlTransaction::Run(other, [&] {
                SqlStatement read(other, QStringLiteral("SELECT NAME FROM T WHERE CODE = '0001'"));
                const QString name = read.select().rows().front().front().value_or(QString());
                SqlStatement write(other,
                                   QStringLiteral("UPDATE T SET NAME = :NAME WHERE CODE = '0001'"));
                write.bind("NAME", name + QStringLiteral("+B"));
                write.execute();
            });
        } catch (const Exception& error) {
            failure = error.Message();
        }
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    first.commit();
    second.join();
    EXPECT_EQ(failure, QString());
    EXPECT_EQ(column(QStringLiteral("SELECT NAME FROM T WHERE CODE = '0001'"), {}),
              QStringList({"A+B"}));
}

TEST_P(SqlEngineTest, ADatabaseListsTheRoutinesItLacksUntilTheyAreCreated) {
    const std::span<const SqlRoutine> routines = TraitsOf(GetParam()).routines;
    QStringList names;
    for (const SqlRoutine& routine : routines)
        names.append(QString::fromLatin1(routine.name));
    EXPECT_EQ(db->missingRoutines(), names);
    db->createRoutines();
    EXPECT_EQ(db->missingRoutines(), QStringList());
}

TEST_P(SqlEngineTest, ANewDatabaseFileIsItsOwnersOnly) {
    EXPECT_EQ(QFile::permissions(path()) & ~(QFile::ReadUser | QFile::WriteUser),
              QFile::ReadOwner | QFile::WriteOwner);
}

TEST_P(SqlEngineTest, AMissingFileOrABadStatementIsAClearError) {
    EXPECT_THAT(
        [&] {
            DatabaseConnection(dir.filePath("nenhum.db"),
                               DatabaseConnection::OpenMode::OpenExisting, GetParam());
        },
        ThrowsWithMessage<ESqlError>(HasSubstr("database file not found")));
    EXPECT_THROW(db->executeScript(QStringLiteral("INSERT INTO T (CODE) VALUES ('0001')")),
                 ESqlError);
    EXPECT_THROW(SqlStatement(*db, QStringLiteral("SELECT NADA FROM T")).select(), ESqlError);
}

INSTANTIATE_TEST_SUITE_P(Engines, SqlEngineTest, testing::ValuesIn(AllSqlEngines()),
                         [](const testing::TestParamInfo<SqlEngine>& engine) {
                             return SqlEngineName(engine.param).toStdString();
                         });

TEST(SqlTextTest, NullParametersAreWrittenAsNullOnlyInCode) {
    EXPECT_EQ(
        SqlText::InlineNullParameters(
            "SELECT ':P', \"::P\" FROM T -- :P\nWHERE A = :p OR B = :PQ OR C::text = :Q", {"P"}),
        "SELECT ':P', \"::P\" FROM T -- :P\nWHERE A = NULL OR B = :PQ OR C::text = :Q");
    EXPECT_EQ(SqlText::InlineNullParameters("A = :P", {}), "A = :P");
}

TEST(FirebirdEngineTest, ADatabaseThatDoesNotOpenSaysWhatToDo) {
    EXPECT_THAT(
        [] {
            DatabaseConnection("127.0.0.1/1:/srv/empresa.fdb",
                               DatabaseConnection::OpenMode::OpenExisting, SqlEngine::Firebird);
        },
        ThrowsWithMessage<ESqlError>(HasSubstr("scripts/firebird-server.sh start")));
    const QSqlError otherProcess(
        QString(), QStringLiteral("Database already opened with engine instance, incompatible "
                                  "with current"));
    EXPECT_THAT(FirebirdEngine::OpenFailure("/srv/empresa.fdb", otherProcess).toStdString(),
                HasSubstr("aberto por outro processo"));
    const QSqlError missing(QString(), QStringLiteral("I/O error during \"open\" operation for "
                                                      "file \"/srv/x.fdb\"; Error while trying "
                                                      "to open file; No such file or directory"));
    EXPECT_THAT(FirebirdEngine::OpenFailure("/srv/x.fdb", missing).toStdString(),
                HasSubstr("--init-demo /srv/x.fdb --engine firebird"));
}

TEST(FirebirdEngineTest, AScriptIsCutAtTheSemicolonsOfItsCode) {
    EXPECT_EQ(
        FirebirdEngine::Statements("CREATE TABLE A (X INT);\n-- a; b\nINSERT INTO A "
                                   "VALUES ('x;y'); /* ; */ ;\n  DROP TABLE A"),
        QStringList({"CREATE TABLE A (X INT)", "INSERT INTO A VALUES ('x;y')", "DROP TABLE A"}));
    EXPECT_TRUE(FirebirdEngine::NamesLocalFile("/var/lib/ger/empresa.fdb"));
    EXPECT_TRUE(FirebirdEngine::NamesLocalFile("dados/empresa.fdb"));
    EXPECT_FALSE(FirebirdEngine::NamesLocalFile("127.0.0.1:/var/lib/ger/empresa.fdb"));
    EXPECT_FALSE(FirebirdEngine::NamesLocalFile("servidor/3051:empresa"));
}
