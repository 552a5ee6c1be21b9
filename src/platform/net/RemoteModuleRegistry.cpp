#include "platform/net/RemoteModuleRegistry.h"

namespace ger {

void RemoteModuleRegistry::add(const QString& moduleName, Factory factory) {
    m_entries.insert(moduleName.toLower(), Entry{moduleName, std::move(factory)});
}

bool RemoteModuleRegistry::contains(const QString& moduleName) const {
    return m_entries.contains(moduleName.toLower());
}

std::unique_ptr<IRemoteDataModule> RemoteModuleRegistry::create(const QString& moduleName) const {
    auto it = m_entries.constFind(moduleName.toLower());
    if (it == m_entries.constEnd())
        return nullptr;
    return it->factory();
}

QStringList RemoteModuleRegistry::names() const {
    QStringList result;
    for (const Entry& entry : m_entries)
        result.append(entry.name);
    result.sort(Qt::CaseInsensitive);
    return result;
}

} // namespace ger
