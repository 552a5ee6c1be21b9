#include "appserver/ServerResult.h"

namespace ger {

QVariant ServerResult::Success(const QByteArray& payload) {
    // A null QByteArray would still travel as bytes, but an explicit empty one says so.
    return QVariantList{0, payload.isNull() ? QByteArray("") : payload};
}

QVariant ServerResult::Failure(ServerResultCode code, const QString& message) {
    return QVariantList{static_cast<int>(code), message};
}

std::optional<ServerResult::Parts> ServerResult::Read(const QVariant& result) {
    if (result.typeId() != QMetaType::QVariantList)
        return std::nullopt;
    const QVariantList parts = result.toList();
    if (parts.size() != 2)
        return std::nullopt;
    bool isInteger = false;
    const qint64 code = parts[0].toLongLong(&isInteger);
    const int type = parts[0].typeId();
    if (!isInteger || (type != QMetaType::Int && type != QMetaType::LongLong))
        return std::nullopt;
    if (code == 0) {
        if (parts[1].typeId() != QMetaType::QByteArray)
            return std::nullopt;
        return Parts{0, parts[1].toByteArray(), QString()};
    }
    if (parts[1].typeId() != QMetaType::QString || parts[1].toString().isEmpty())
        return std::nullopt;
    return Parts{code, QByteArray(), parts[1].toString()};
}

} // namespace ger
