#include "server/TNetConnection.h"

#include "platform/core/ComponentRegistry.h"

namespace ger {

TNetConnection::TNetConnection(TComponent* AOwner)
    : TSocketConnection(AOwner) {}

void TNetConnection::ReadProperty(const FormDataProperty& property, FormDataContext& context) {
    if (property.name.compare(QLatin1String("ThrowException"), Qt::CaseInsensitive) == 0)
        SetThrowException(property.value.asBoolean(property.name));
    else
        TSocketConnection::ReadProperty(property, context);
}

GER_REGISTER_COMPONENT(TNetConnection)

} // namespace ger
