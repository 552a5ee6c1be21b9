#include "platform/net/RemoteDataModule.h"

#include "platform/net/NetExceptions.h"

namespace ger {

RemoteDataModule::RemoteDataModule(QString moduleName)
    : m_moduleName(std::move(moduleName)) {}

void RemoteDataModule::addMethod(const QString& name, Method method) {
    for (Entry& entry : m_methods)
        if (entry.name.compare(name, Qt::CaseInsensitive) == 0) {
            entry.method = std::move(method);
            return;
        }
    m_methods.push_back(Entry{name, std::move(method)});
}

// The name as added is the usual spelling, so an exact match is tried before ignoring case.
const RemoteDataModule::Method* RemoteDataModule::find(const QString& name) const {
    for (const Entry& entry : m_methods)
        if (entry.name == name)
            return &entry.method;
    for (const Entry& entry : m_methods)
        if (entry.name.compare(name, Qt::CaseInsensitive) == 0)
            return &entry.method;
    return nullptr;
}

bool RemoteDataModule::hasMethod(const QString& name) const {
    return find(name) != nullptr;
}

QVariant RemoteDataModule::Invoke(const QString& method, QList<CallArgument>& args) {
    const Method* found = find(method);
    if (!found)
        throw ERemoteError(QStringLiteral("Método %1 não encontrado no módulo remoto %2")
                               .arg(method, m_moduleName));
    return (*found)(args);
}

void RemoteDataModule::checkArgumentCount(const QString& method, const QList<CallArgument>& args,
                                          int count) {
    if (args.size() != count)
        throw ERemoteError(QStringLiteral("Método %1 chamado com %2 argumentos (espera %3)")
                               .arg(method)
                               .arg(args.size())
                               .arg(count));
}

} // namespace ger
