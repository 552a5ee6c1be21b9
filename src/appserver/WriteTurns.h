#pragma once
// The turns of the writers of one database file inside the server: a write transaction waits
// here, behind the writes that came before it, instead of spinning on the file's lock, where
// a long bulk write would let the busy timeout of those behind it run out. Readers do not take
// a turn: the database's write-ahead log lets them read while a write runs.
//
//   WriteTurns::Turn turn(writes);                 // waits for the writes queued before
//   SqlTransaction::Run(connection, [&] { ... });  // the file's lock is free
//
// Turns are given in the order they were asked for. On Firebird, which locks rows rather than
// the file, the turns keep the writers of one server from running into each other's rows: a
// bulk write that meets many concurrent row writes would otherwise run again and again (see
// SqlTransaction::Run) until it gave up; only the writers of other servers are left to meet.

#include <QtGlobal>
#include <condition_variable>
#include <mutex>

namespace ger {

class WriteTurns {
public:
    class Turn {
    public:
        explicit Turn(WriteTurns& turns);
        ~Turn();
        Turn(const Turn&) = delete;
        Turn& operator=(const Turn&) = delete;

    private:
        WriteTurns& m_turns;
    };

private:
    std::mutex m_mutex;
    std::condition_variable m_served;
    quint64 m_nextTicket = 0;
    quint64 m_serving = 0;
};

} // namespace ger
