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
// When the work failed only because a concurrent transaction held or wrote the same rows first
// (an ESqlError that isConflict(): Firebird's update conflicts, between processes; SQLite's
// write lock not taken within the busy timeout), Run rolls back and runs the whole work again,
// after a short pause, for up to kConflictBudget; the work must therefore do nothing outside
// the database that it cannot do twice.

#include "platform/sql/ESqlError.h"

#include <chrono>
#include <type_traits>

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

    // How long Run goes on running a work that meets conflicts, within the 30 s a host waits
    // for a call.
    static constexpr std::chrono::milliseconds kConflictBudget{15'000};

    template <class Work> static decltype(auto) Run(DatabaseConnection& connection, Work&& work) {
        const auto start = std::chrono::steady_clock::now();
        for (int attempt = 1;; ++attempt) {
            try {
                return RunOnce(connection, work);
            } catch (const ESqlError& error) {
                if (!error.isConflict() ||
                    std::chrono::steady_clock::now() - start >= kConflictBudget)
                    throw;
            }
            PauseAfterConflict(attempt);
        }
    }

private:
    template <class Work>
    static decltype(auto) RunOnce(DatabaseConnection& connection, Work& work) {
        SqlTransaction transaction(connection);
        if constexpr (std::is_void_v<decltype(work())>) {
            work();
            transaction.commit();
        } else {
            auto result = work();
            transaction.commit();
            return result;
        }
    }

    // A pause that grows with the attempts, with some randomness, so that two writers that
    // met do not meet again at once.
    static void PauseAfterConflict(int attempt);

    DatabaseConnection& m_connection;
    bool m_isActive = false;
};

} // namespace ger
