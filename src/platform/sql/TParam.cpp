#include "platform/sql/TParam.h"

namespace ger {

// A null QString is still text here: only Clear and a null QVariant make NULL.
void TParam::SetAsString(const QString& value) {
    m_value = QVariant(value.isNull() ? QStringLiteral("") : value);
}

void TParam::SetAsVariant(const QVariant& value) {
    m_value = value.isNull() ? QVariant() : value;
}

} // namespace ger
