#pragma once
// A write transaction on a DatabaseConnection, owned by scope:
//
//   SqlTransaction transaction(connection);   // begun as the engine begins a write
//   ... statements ...
//   transaction.commit();
//
// Leaving the scope without commit() (an exception on the way, or a return) rolls back. How a
// write begins is the engine's (SqlEngine): on SQLite BEGIN IMMEDIATE, which takes the write
// lock at once, so that other writers wait out the busy timeout instead of failing. One
// logical write is one transaction.
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
