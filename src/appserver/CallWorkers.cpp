#include "appserver/CallWorkers.h"

#include <future>

namespace ger {

CallWorkers::CallWorkers(int count, Factory factory)
    : m_factory(std::move(factory)) {
    m_threads.reserve(static_cast<size_t>(count));
    for (int i = 0; i < count; ++i)
        m_threads.emplace_back([this] { work(); });
}

CallWorkers::~CallWorkers() {
    {
        std::lock_guard lock(m_mutex);
        m_stopping = true;
    }
    m_ready.notify_all();
    for (std::thread& thread : m_threads)
        thread.join();
}

QVariant CallWorkers::Invoke(const QString& method, QList<CallArgument>& args) {
    std::promise<QVariant> done;
    std::future<QVariant> result = done.get_future();
    {
        std::lock_guard lock(m_mutex);
        m_queue.push_back([&](IRemoteDataModule* module, const std::exception_ptr& notMade) {
            try {
                if (!module)
                    std::rethrow_exception(notMade);
                done.set_value(module->Invoke(method, args));
            } catch (...) {
                done.set_exception(std::current_exception());
            }
        });
    }
    m_ready.notify_one();
    return result.get();
}

void CallWorkers::work() {
    std::unique_ptr<IRemoteDataModule> module;
    std::exception_ptr notMade;
    try {
        module = m_factory();
    } catch (...) {
        notMade = std::current_exception();
    }
    for (;;) {
        Task task;
        {
            std::unique_lock lock(m_mutex);
            m_ready.wait(lock, [this] { return m_stopping || !m_queue.empty(); });
            if (m_queue.empty())
                return;
            task = std::move(m_queue.front());
            m_queue.pop_front();
        }
        task(module.get(), notMade);
    }
}

} // namespace ger
