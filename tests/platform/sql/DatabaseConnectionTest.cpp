#include "SqliteTestSupport.h"
#include "platform/sql/ESqlError.h"
#include "platform/sql/SqlTransaction.h"

#include <QFileInfo>
#include <QSqlDatabase>
#include <sqlite3.h>
#include <thread>

using namespace ger;

using DatabaseConnectionTest = SqliteTest;

TEST_F(DatabaseConnectionTest, OpensInWalModeWithBusyTimeoutAndForeignKeys) {
    EXPECT_EQ(scalar(QStringLiteral("PRAGMA journal_mode")), SqlValue("wal"));
    EXPECT_EQ(scalar(QStringLiteral("PRAGMA foreign_keys")), SqlValue("1"));
    EXPECT_EQ(scalar(QStringLiteral("PRAGMA busy_timeout")),
              SqlValue(QString::number(DatabaseConnection::kBusyTimeoutMs)));
}

TEST_F(DatabaseConnectionTest, ForeignKeysAreEnforced) {
    db->executeScript(QStringLiteral("CREATE TABLE P(ID TEXT PRIMARY KEY);"
                                     "CREATE TABLE C(ID TEXT REFERENCES P(ID));"));
    EXPECT_THROW(db->executeScript(QStringLiteral("INSERT INTO C VALUES ('orphan')")), ESqlError);
}

TEST_F(DatabaseConnectionTest, MissingFileIsAnErrorAndIsNotCreated) {
    const QString missing = m_dir.filePath(QStringLiteral("missing.db"));
    EXPECT_THROW(DatabaseConnection{missing}, ESqlError);
    EXPECT_FALSE(QFileInfo::exists(missing));
}

TEST_F(DatabaseConnectionTest, RawHandleIsTheSameConnection) {
    ASSERT_EQ(sqlite3_exec(db->handle(),
                           "CREATE TEMP TABLE ONLY_HERE(A); INSERT INTO ONLY_HERE VALUES (7)",
                           nullptr, nullptr, nullptr),
              SQLITE_OK);
    EXPECT_EQ(scalar(QStringLiteral("SELECT A FROM ONLY_HERE")), SqlValue("7"));
}

TEST_F(DatabaseConnectionTest, InstancesHaveTheirOwnNamesAndReleaseThem) {
    QString secondName;
    {
        DatabaseConnection second(path());
        secondName = second.connectionName();
        EXPECT_NE(secondName, db->connectionName());
        EXPECT_TRUE(QSqlDatabase::contains(secondName));
        second.executeScript(QStringLiteral("CREATE TABLE T(A); INSERT INTO T VALUES (1);"));
    }
    EXPECT_FALSE(QSqlDatabase::contains(secondName));
    EXPECT_EQ(scalar(QStringLiteral("SELECT A FROM T")), SqlValue("1"));
}

TEST_F(DatabaseConnectionTest, ConnectionOpenedInAnotherThreadWorksThere) {
    db->executeScript(QStringLiteral("CREATE TABLE T(A TEXT); INSERT INTO T VALUES ('main');"));
    SqlValue seen;
    QString error;
    std::thread worker([&] {
        try {
            DatabaseConnection own(path());
            SqlTransaction::Run(
                own, [&] { own.executeScript(QStringLiteral("INSERT INTO T VALUES ('worker')")); });
            seen = scalar(own, QStringLiteral("SELECT group_concat(A, ',') FROM T"));
        } catch (const Exception& e) {
            error = e.Message();
        }
    });
    worker.join();
    EXPECT_EQ(error, QString());
    EXPECT_EQ(seen, SqlValue("main,worker"));
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM T")), SqlValue("2"));
}

TEST_F(DatabaseConnectionTest, FailingScriptRaisesWithTheDatabaseMessage) {
    EXPECT_THAT([&] { db->executeScript(QStringLiteral("CREATE TABLE T(A); CREATE TABLE T(B);")); },
                ::testing::ThrowsMessage<ESqlError>(::testing::HasSubstr("already exists")));
}
