#include "appserver/WriteTurns.h"

namespace ger {

WriteTurns::Turn::Turn(WriteTurns& turns)
    : m_turns(turns) {
    std::unique_lock lock(m_turns.m_mutex);
    const quint64 ticket = m_turns.m_nextTicket++;
    m_turns.m_served.wait(lock, [&] { return m_turns.m_serving == ticket; });
}

WriteTurns::Turn::~Turn() {
    {
        std::lock_guard lock(m_turns.m_mutex);
        ++m_turns.m_serving;
    }
    m_turns.m_served.notify_all();
}

} // namespace ger
