#include "framework/CodeFunctions.h"

namespace ger {

bool EmptyString(const QString& text) {
    return text.trimmed().isEmpty();
}

QString Ajusta(const QString& code, int width) {
    const QString trimmed = code.trimmed();
    if (trimmed.isEmpty() || trimmed.size() >= width)
        return trimmed;
    return trimmed.rightJustified(width, QLatin1Char('0'));
}

QString PictPess(const QString& kind) {
    const QString type = kind.trimmed();
    if (type.compare(QLatin1String("F"), Qt::CaseInsensitive) == 0)
        return CpfMask;
    if (type.compare(QLatin1String("J"), Qt::CaseInsensitive) == 0)
        return CnpjMask;
    return QString();
}

} // namespace ger
