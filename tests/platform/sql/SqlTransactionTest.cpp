#include "platform/sql/SqlTransaction.h"

#include "SqliteTestSupport.h"
#include "platform/db/EDatabaseError.h"
#include "platform/sql/ESqlError.h"

#include <chrono>
#include <future>
#include <sqlite3.h>
#include <stdexcept>
#include <thread>

using namespace ger;

namespace {

class SqlTransactionTest : public SqliteTest {
protected:
    void SetUp() override {
        SqliteTest::SetUp();
        db->executeScript(QStringLiteral("CREATE TABLE T(A TEXT)"));
    }

    void insert(const QString& value) {
        SqlStatement statement(*db, QStringLiteral("INSERT INTO T VALUES (:A)"));
        statement.bind(QStringLiteral("A"), value);
        statement.execute();
    }

    // Seen from a second connection, so that only committed rows count.
    SqlValue committedRows() {
        DatabaseConnection other(path());
        return scalar(other, QStringLiteral("SELECT COUNT(*) FROM T"));
    }

    bool isInTransaction() const { return sqlite3_get_autocommit(db->handle()) == 0; }
};

} // namespace

TEST_F(SqlTransactionTest, BeginTakesTheWriteLockAtOnce) {
    SqlTransaction transaction(*db);
    EXPECT_EQ(sqlite3_txn_state(db->handle(), "main"), SQLITE_TXN_WRITE);
}

TEST_F(SqlTransactionTest, CommitMakesWritesVisibleToOtherConnections) {
    SqlTransaction transaction(*db);
    insert(QStringLiteral("a"));
    EXPECT_EQ(committedRows(), SqlValue("0"));
    transaction.commit();
    EXPECT_FALSE(transaction.isActive());
    EXPECT_EQ(committedRows(), SqlValue("1"));
}

TEST_F(SqlTransactionTest, LeavingTheScopeWithoutCommitRollsBack) {
    {
        SqlTransaction transaction(*db);
        insert(QStringLiteral("a"));
    }
    EXPECT_FALSE(isInTransaction());
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM T")), SqlValue("0"));
}

TEST_F(SqlTransactionTest, ExceptionInsideRunRollsBackAndGoesOn) {
    EXPECT_THROW(SqlTransaction::Run(*db,
                                     [&] {
                                         insert(QStringLiteral("a"));
                                         throw std::runtime_error("failure after a write");
                                     }),
                 std::runtime_error);
    EXPECT_FALSE(isInTransaction());
    EXPECT_EQ(scalar(QStringLiteral("SELECT COUNT(*) FROM T")), SqlValue("0"));
}

TEST_F(SqlTransactionTest, RunCommitsAndReturnsTheWorksResult) {
    const int result = SqlTransaction::Run(*db, [&] {
        insert(QStringLiteral("a"));
        return 42;
    });
    EXPECT_EQ(result, 42);
    EXPECT_EQ(committedRows(), SqlValue("1"));
}

TEST_F(SqlTransactionTest, SecondBeginOnTheSameConnectionIsRefused) {
    SqlTransaction outer(*db);
    EXPECT_THROW(SqlTransaction inner(*db), ESqlError);
    EXPECT_TRUE(outer.isActive());
    EXPECT_TRUE(isInTransaction());
}

TEST_F(SqlTransactionTest, CommitAfterTheEndIsMisuse) {
    SqlTransaction transaction(*db);
    transaction.rollback();
    EXPECT_FALSE(isInTransaction());
    EXPECT_THROW(transaction.commit(), EDatabaseError);
}

// Another process's write that keeps the file's lock beyond the busy timeout: the write behind
// it begins again when the lock is still not free, and lands once it is.
TEST_F(SqlTransactionTest, AWriteThatWaitsOutTheBusyTimeoutBeginsAgainAndLands) {
    std::promise<void> holding;
    std::thread holder([&] {
        DatabaseConnection other(path());
        SqlTransaction transaction(other);
        holding.set_value();
        std::this_thread::sleep_for(
            std::chrono::milliseconds(DatabaseConnection::kBusyTimeoutMs + 1500));
        transaction.commit();
    });
    holding.get_future().wait();
    int attempts = 0;
    EXPECT_NO_THROW(SqlTransaction::Run(*db, [&] {
        ++attempts;
        insert(QStringLiteral("depois"));
    }));
    holder.join();
    EXPECT_EQ(committedRows(), SqlValue(QStringLiteral("1")));
    EXPECT_EQ(attempts, 1) << "the work runs once: the conflict was at the begin";
}
