// The turns of the server's writers: one at a time, every one served.

#include "appserver/WriteTurns.h"

#include "platform/sql/DatabaseConnection.h"
#include "platform/sql/SqlStatement.h"
#include "platform/sql/SqlTransaction.h"

#include <QTemporaryDir>
#include <atomic>
#include <future>
#include <gtest/gtest.h>
#include <thread>
#include <vector>

using namespace ger;

TEST(WriteTurnsTest, WritersComeOneAtATimeAndEveryOneIsServed) {
    WriteTurns turns;
    std::atomic<int> inside{0};
    std::atomic<int> overlaps{0};
    int total = 0; // guarded by the turns alone
    std::vector<std::thread> writers;
    for (int w = 0; w < 8; ++w)
        writers.emplace_back([&] {
            for (int i = 0; i < 2000; ++i) {
                WriteTurns::Turn turn(turns);
                if (inside.fetch_add(1) != 0)
                    overlaps.fetch_add(1);
                ++total;
                inside.fetch_sub(1);
            }
        });
    for (std::thread& writer : writers)
        writer.join();
    EXPECT_EQ(overlaps.load(), 0);
    EXPECT_EQ(total, 8 * 2000);
}

namespace {

void Insert(DatabaseConnection& connection, const char* value) {
    SqlStatement(connection, QStringLiteral("INSERT INTO T (X) VALUES ('%1')").arg(value))
        .execute();
}

} // namespace

// A write behind one that holds the file longer than the database's busy timeout (a bulk
// write of millions of rows) waits for its turn and then succeeds, instead of running out of
// time on the file's lock.
TEST(WriteTurnsTest, AWriteBehindOneLongerThanTheBusyTimeoutWaitsAndSucceeds) {
    QTemporaryDir dir;
    const QString path = dir.filePath("turnos.db");
    DatabaseConnection first(path, DatabaseConnection::OpenMode::CreateIfMissing);
    SqlStatement(first, QStringLiteral("CREATE TABLE T (X TEXT)")).execute();
    DatabaseConnection second(path);
    WriteTurns turns;

    std::promise<void> holding;
    std::thread bulk([&] {
        WriteTurns::Turn turn(turns);
        SqlTransaction::Run(first, [&] {
            Insert(first, "bulk");
            holding.set_value();
            std::this_thread::sleep_for(
                std::chrono::milliseconds(DatabaseConnection::kBusyTimeoutMs + 1000));
        });
    });
    holding.get_future().wait();
    EXPECT_NO_THROW({
        WriteTurns::Turn turn(turns);
        SqlTransaction::Run(second, [&] { Insert(second, "single"); });
    });
    bulk.join();
    const SqlRowSet rows = SqlStatement(second, QStringLiteral("SELECT COUNT(*) FROM T")).select();
    EXPECT_EQ(rows.rows().front().front().value_or(QString()), QStringLiteral("2"));
}
