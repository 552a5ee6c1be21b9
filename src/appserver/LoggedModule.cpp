#include "appserver/LoggedModule.h"

#include "appserver/ServerResult.h"
#include "platform/core/Exception.h"

#include <QElapsedTimer>

namespace ger {

namespace {

bool NeedsEscape(QChar c) {
    const char16_t code = c.unicode();
    return code < 0x20 || (code >= 0x7F && code < 0xA0) || code == 0x2028 || code == 0x2029 ||
           c.category() == QChar::Other_Format;
}

// Texts from a client reach the log escaped: a control character (ESC, CR, LF...), a line
// separator or an invisible format character (a bidi override) would let the client colour
// the terminal or forge a line of its own. The backslash is doubled so that the escapes
// cannot be forged either.
QString Printable(const QString& text) {
    QString printable;
    printable.reserve(text.size());
    for (const QChar c : text) {
        if (c == u'\\')
            printable += QStringLiteral("\\\\");
        else if (!NeedsEscape(c))
            printable += c;
        else if (c.unicode() < 0x100)
            printable += QStringLiteral("\\x%1").arg(static_cast<uint>(c.unicode()), 2, 16,
                                                     QLatin1Char('0'));
        else
            printable += QStringLiteral("\\u%1").arg(static_cast<uint>(c.unicode()), 4, 16,
                                                     QLatin1Char('0'));
    }
    return printable;
}

QString DescribeValue(const QVariant& value) {
    switch (value.typeId()) {
    case QMetaType::QString:
        return u'"' + Printable(value.toString()).replace(u'"', QStringLiteral("\\\"")) + u'"';
    case QMetaType::QByteArray:
        return QStringLiteral("<%1 bytes>").arg(value.toByteArray().size());
    case QMetaType::UnknownType:
        return QStringLiteral("vazio");
    default:
        return Printable(value.toString());
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
        m_log(call + QStringLiteral(" -> exceção: ") + Printable(error.Message()) + Elapsed(timer));
        throw;
    }
}

QString LoggedModule::DescribeCall(const QString& method, const QList<CallArgument>& args) {
    QStringList described;
    for (const CallArgument& argument : args)
        described.append((argument.isByReference() ? QStringLiteral("var ") : QString()) +
                         DescribeValue(argument.value));
    return Printable(method) + u'(' + described.join(QStringLiteral(", ")) + u')';
}

QString LoggedModule::DescribeResult(const QVariant& result) {
    if (result.typeId() == QMetaType::QByteArray)
        return QStringLiteral("pacote %1 bytes").arg(result.toByteArray().size());
    const std::optional<ServerResult::Parts> parts = ServerResult::Read(result);
    if (!parts)
        return DescribeValue(result);
    if (parts->isSuccess())
        return QStringLiteral("0, pacote %1 bytes").arg(parts->payload.size());
    return QStringLiteral("falha %1: %2").arg(parts->code).arg(Printable(parts->message));
}

} // namespace ger
