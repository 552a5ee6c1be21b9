#include "platform/core/ComponentRegistry.h"

#include "platform/core/Exception.h"
#include "platform/core/TComponent.h"

#include <QHash>

namespace ger {
namespace {

QHash<QString, ComponentRegistry::Factory>& factories() {
    static QHash<QString, ComponentRegistry::Factory> table;
    return table;
}

} // namespace

void ComponentRegistry::Register(const QString& className, Factory factory) {
    factories().insert(className.toLower(), std::move(factory));
}

bool ComponentRegistry::IsRegistered(const QString& className) {
    return factories().contains(className.toLower());
}

TComponent* ComponentRegistry::Create(const QString& className, TComponent* owner) {
    auto it = factories().constFind(className.toLower());
    if (it == factories().constEnd())
        throw EFormDataError(QStringLiteral("Unknown component class %1").arg(className));
    return (*it)(owner);
}

} // namespace ger
