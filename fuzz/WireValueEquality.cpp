#include "WireValueEquality.h"

#include <QVariantList>

namespace ger::fuzz {

bool sameWireValue(const QVariant& a, const QVariant& b) {
    if (a.typeId() != b.typeId())
        return false;
    switch (a.typeId()) {
    case QMetaType::UnknownType:
        return true;
    case QMetaType::Bool:
        return a.toBool() == b.toBool();
    case QMetaType::LongLong:
        return a.toLongLong() == b.toLongLong();
    case QMetaType::QString:
        return a.toString() == b.toString();
    case QMetaType::QByteArray:
        return a.toByteArray() == b.toByteArray();
    case QMetaType::QVariantList: {
        const QVariantList left = a.toList();
        const QVariantList right = b.toList();
        if (left.size() != right.size())
            return false;
        for (qsizetype i = 0; i < left.size(); ++i)
            if (!sameWireValue(left[i], right[i]))
                return false;
        return true;
    }
    default:
        return false; // no decoded value has another type
    }
}

} // namespace ger::fuzz
