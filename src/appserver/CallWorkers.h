#pragma once
// The threads that run the calls of every session of the server. Each worker owns a module
// instance, and so a database connection, made on its own thread (a database connection is
// used only by the thread that opened it). A session's call waits in one queue, in the order
// the calls arrived, for the first free worker: an open session that makes no call holds
// neither a thread of these nor a database connection, and writers to the one database file
// take their turns here, in order, instead of spinning on its lock.
//
//   auto workers = std::make_shared<CallWorkers>(4, [] { return std::make_unique<RdmTpOperFil>(db);
//   }); QVariant result = workers->Invoke("GetTpOperFil", args);   // blocks until a worker ran it
//
// A module that its factory cannot make (the database gone) makes that worker answer each call
// it takes with the factory's error. The destructor lets the queued calls finish first.

#include "platform/net/IRemoteDataModule.h"

#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace ger {

class CallWorkers {
public:
    using Factory = std::function<std::unique_ptr<IRemoteDataModule>()>;

    CallWorkers(int count, Factory factory);
    ~CallWorkers();

    CallWorkers(const CallWorkers&) = delete;
    CallWorkers& operator=(const CallWorkers&) = delete;

    // Runs the call on a worker's module and gives back what it returned or raised; the
    // by-reference arguments come back changed as the module left them.
    QVariant Invoke(const QString& method, QList<CallArgument>& args);

private:
    using Task = std::function<void(IRemoteDataModule*, const std::exception_ptr& notMade)>;

    void work();

    Factory m_factory;
    std::mutex m_mutex;
    std::condition_variable m_ready;
    std::deque<Task> m_queue;
    bool m_stopping = false;
    std::vector<std::thread> m_threads;
};

} // namespace ger
