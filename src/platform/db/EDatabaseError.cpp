#include "platform/db/EDatabaseError.h"

#include "platform/core/TComponent.h"

namespace ger {

void DatabaseError(const TComponent* component, const QString& operation, const QString& message) {
    QString who;
    if (component)
        who = component->Name().isEmpty() ? component->ClassName() : component->Name();
    throw EDatabaseError(QStringLiteral("%1.%2: %3").arg(who, operation, message));
}

} // namespace ger
