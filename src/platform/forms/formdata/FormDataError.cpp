#include "platform/forms/formdata/FormDataError.h"

namespace ger {

EFormDataError FormDataErrorAt(const QString& source, int line, const QString& message) {
    return EFormDataError(QStringLiteral("%1, line %2: %3").arg(source).arg(line).arg(message));
}

} // namespace ger
