#pragma once
// The module a session of the server sees: a stand-in that hands each call to the server's
// call workers (CallWorkers), where a module instance with its database connection runs it.

#include "appserver/CallWorkers.h"

#include <memory>

namespace ger {

class PooledModule : public IRemoteDataModule {
public:
    explicit PooledModule(std::shared_ptr<CallWorkers> workers)
        : m_workers(std::move(workers)) {}

    QVariant Invoke(const QString& method, QList<CallArgument>& args) override {
        return m_workers->Invoke(method, args);
    }

private:
    std::shared_ptr<CallWorkers> m_workers;
};

} // namespace ger
