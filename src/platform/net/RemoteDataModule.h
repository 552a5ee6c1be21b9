#pragma once
// An IRemoteDataModule whose methods are a table from name to callable, names matched without
// regard to case as late binding does:
//
//   class rdmEco : public RemoteDataModule {
//   public:
//       rdmEco() : RemoteDataModule("Teste.rdmEco") {
//           addMethod("Eco", [](QList<CallArgument>& args) { return args.at(0).value; });
//       }
//   };
//
// Invoking a name that is not in the table raises ERemoteError
// "Método X não encontrado no módulo remoto Y".

#include "platform/net/IRemoteDataModule.h"

#include <functional>
#include <vector>

namespace ger {

class RemoteDataModule : public IRemoteDataModule {
public:
    using Method = std::function<QVariant(QList<CallArgument>& args)>;

    explicit RemoteDataModule(QString moduleName);

    const QString& moduleName() const { return m_moduleName; }
    bool hasMethod(const QString& name) const;

    QVariant Invoke(const QString& method, QList<CallArgument>& args) override;

    // Raises ERemoteError when `args` has not exactly `count` arguments.
    static void checkArgumentCount(const QString& method, const QList<CallArgument>& args,
                                   int count);

protected:
    void addMethod(const QString& name, Method method);

private:
    const Method* find(const QString& name) const;

    struct Entry {
        QString name;
        Method method;
    };
    QString m_moduleName;
    // A module has a handful of methods: a scan beats hashing the name on every call.
    std::vector<Entry> m_methods;
};

} // namespace ger
