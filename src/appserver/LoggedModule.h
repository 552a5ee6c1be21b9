#pragma once
// A remote data module that writes one line per call to a log (the server's --verbose):
//
//   GetTipoOperCli("0001", var "000000000000000000001", var "", "S") -> 0, pacote 412 bytes (3 ms)
//   SetTpOperFil("99", ...) -> falha 2: Tipo de operação "99" não cadastrado ... (1 ms)
//   GetTpOperFil("9999") -> exceção: Filial "9999" não cadastrada. (0 ms)
//
// The log is called from the worker thread that ran the call; it must be safe to call from
// several threads at once.

#include "platform/net/IRemoteDataModule.h"

#include <functional>
#include <memory>

namespace ger {

class LoggedModule : public IRemoteDataModule {
public:
    using Log = std::function<void(const QString& line)>;

    LoggedModule(std::unique_ptr<IRemoteDataModule> module, Log log);

    QVariant Invoke(const QString& method, QList<CallArgument>& args) override;

    static QString DescribeCall(const QString& method, const QList<CallArgument>& args);
    static QString DescribeResult(const QVariant& result);

private:
    std::unique_ptr<IRemoteDataModule> m_module;
    Log m_log;
};

} // namespace ger
