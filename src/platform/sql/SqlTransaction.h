#pragma once
// A write transaction on a DatabaseConnection, owned by scope:
//
//   SqlTransaction transaction(connection);   // BEGIN IMMEDIATE
//   ... statements ...
//   transaction.commit();                      // COMMIT
//
// Leaving the scope without commit() (an exception on the way, or a return) rolls back.
// BEGIN IMMEDIATE takes the write lock at once: with several writers on one file a deferred
// BEGIN fails with "database is locked" when two readers both try to upgrade, while an
// immediate one waits out the busy timeout instead. One logical write is one transaction.
//
// Run() wraps the pattern: it commits when the work returns and rolls back when it throws.

#include <type_traits>
#include <utility>

namespace ger {

class DatabaseConnection;

class SqlTransaction {
public:
    // Raises ESqlError when the transaction cannot begin (one already open, lock not taken).
    explicit SqlTransaction(DatabaseConnection& connection);
    ~SqlTransaction();

    SqlTransaction(const SqlTransaction&) = delete;
    SqlTransaction& operator=(const SqlTransaction&) = delete;

    // Raises ESqlError when the commit fails; the destructor then rolls back. Raises
    // EDatabaseError when the transaction has already ended.
    void commit();
    // Does nothing when the transaction has already ended.
    void rollback();
    bool isActive() const { return m_isActive; }

    template <class Work> static decltype(auto) Run(DatabaseConnection& connection, Work&& work) {
        SqlTransaction transaction(connection);
        if constexpr (std::is_void_v<decltype(std::forward<Work>(work)())>) {
            std::forward<Work>(work)();
            transaction.commit();
        } else {
            auto result = std::forward<Work>(work)();
            transaction.commit();
            return result;
        }
    }

private:
    DatabaseConnection& m_connection;
    bool m_isActive = false;
};

} // namespace ger
