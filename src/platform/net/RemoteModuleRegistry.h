#pragma once
// The remote data modules a server offers, by name ("Ger99500.rdmTpOperFil"), matched without
// regard to case. The server calls a factory once per client connection, from that
// connection's worker thread, so factories may run concurrently and must not share unguarded
// state.

#include "platform/net/IRemoteDataModule.h"

#include <QHash>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

namespace ger {

class RemoteModuleRegistry {
public:
    using Factory = std::function<std::unique_ptr<IRemoteDataModule>()>;

    // Replaces a factory of the same name.
    void add(const QString& moduleName, Factory factory);
    bool contains(const QString& moduleName) const;
    // A new instance, or null for an unknown name.
    std::unique_ptr<IRemoteDataModule> create(const QString& moduleName) const;
    QStringList names() const;

private:
    struct Entry {
        QString name;
        Factory factory;
    };
    QHash<QString, Entry> m_entries; // by lower-case name
};

} // namespace ger
