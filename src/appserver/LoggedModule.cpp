#include "appserver/LoggedModule.h"

#include "appserver/ServerResult.h"
#include "platform/core/Exception.h"

#include <QElapsedTimer>

namespace ger {

namespace {

QString DescribeValue(const QVariant& value) {
    switch (value.typeId()) {
    case QMetaType::QString:
        return u'"' + value.toString() + u'"';
    case QMetaType::QByteArray:
        return QStringLiteral("<%1 bytes>").arg(value.toByteArray().size());
    case QMetaType::UnknownType:
        return QStringLiteral("vazio");
    default:
        return value.toString();
    }
}

QString Elapsed(const QElapsedTimer& timer) {
    return QStringLiteral(" (%1 ms)").arg(timer.elapsed());
}

} // namespace

LoggedModule::LoggedModule(std::unique_ptr<IRemoteDataModule> module, Log log)
    : m_module(std::move(module))
    , m_log(std::move(log)) {}

QVariant LoggedModule::Invoke(const QString& method, QList<CallArgument>& args) {
    const QString call = DescribeCall(method, args);
    QElapsedTimer timer;
    timer.start();
    try {
        QVariant result = m_module->Invoke(method, args);
        m_log(call + QStringLiteral(" -> ") + DescribeResult(result) + Elapsed(timer));
        return result;
    } catch (const Exception& error) {
        m_log(call + QStringLiteral(" -> exceção: ") + error.Message() + Elapsed(timer));
        throw;
    }
}

QString LoggedModule::DescribeCall(const QString& method, const QList<CallArgument>& args) {
    QStringList described;
    for (const CallArgument& argument : args)
        described.append((argument.isByReference() ? QStringLiteral("var ") : QString()) +
                         DescribeValue(argument.value));
    return method + u'(' + described.join(QStringLiteral(", ")) + u')';
}

QString LoggedModule::DescribeResult(const QVariant& result) {
    if (result.typeId() == QMetaType::QByteArray)
        return QStringLiteral("pacote %1 bytes").arg(result.toByteArray().size());
    const std::optional<ServerResult::Parts> parts = ServerResult::Read(result);
    if (!parts)
        return DescribeValue(result);
    if (parts->isSuccess())
        return QStringLiteral("0, pacote %1 bytes").arg(parts->payload.size());
    return QStringLiteral("falha %1: %2").arg(parts->code).arg(parts->message);
}

} // namespace ger
