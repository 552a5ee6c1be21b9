#include "framework/CheckResultServ.h"

#include "framework/FrameworkExceptions.h"
#include "platform/forms/IDialogService.h"
#include "platform/forms/TApplication.h"

#include <optional>

namespace ger {
namespace {

std::optional<qint64> IntegerOf(const QVariant& value) {
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Long:
    case QMetaType::ULong:
        return value.toLongLong();
    default:
        return std::nullopt;
    }
}

std::optional<QByteArray> PacketOf(const QVariant& value) {
    if (!value.isValid())
        return QByteArray();
    if (value.typeId() == QMetaType::QByteArray)
        return value.toByteArray();
    return std::nullopt;
}

std::optional<QString> MessageOf(const QVariant& value) {
    if (value.typeId() != QMetaType::QString || value.toString().isEmpty())
        return std::nullopt;
    return value.toString();
}

[[noreturn]] void Fail(qint64 code, const QString& message, bool showMessage) {
    if (showMessage)
        Application().Dialogs().MessageDlg(message, mtError, TMsgDlgButtons(mbOK));
    throw EServerResult(code, message);
}

} // namespace

QByteArray CheckResultServ(const QVariant& result, bool showMessage, int) {
    if (result.typeId() != QMetaType::QVariantList)
        Fail(0, InvalidServerResultText, showMessage);
    const QVariantList parts = result.toList();
    const std::optional<qint64> code = parts.size() == 2 ? IntegerOf(parts[0]) : std::nullopt;
    if (!code)
        Fail(0, InvalidServerResultText, showMessage);
    if (*code == 0) {
        if (const std::optional<QByteArray> packet = PacketOf(parts[1]))
            return *packet;
        Fail(0, InvalidServerResultText, showMessage);
    }
    const std::optional<QString> message = MessageOf(parts[1]);
    Fail(*code, message.value_or(InvalidServerResultText), showMessage);
}

} // namespace ger
