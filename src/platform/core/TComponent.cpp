#include "platform/core/TComponent.h"

#include "platform/core/Exception.h"
#include "platform/core/FormDataContext.h"

#include <algorithm>

namespace ger {

TComponent::TComponent(TComponent* AOwner)
    : m_owner(AOwner) {
    if (m_owner)
        m_owner->insertComponent(this);
}

TComponent::~TComponent() {
    while (!m_components.empty())
        delete m_components.back();
    if (m_owner)
        m_owner->removeComponent(this);
}

void TComponent::SetName(const QString& name) {
    if (name.compare(m_name, Qt::CaseInsensitive) != 0 && m_owner && !name.isEmpty() &&
        m_owner->FindComponent(name))
        throw EComponentError(QStringLiteral("A component named %1 already exists").arg(name));
    m_name = name;
    setObjectName(name);
}

TComponent* TComponent::FindComponent(const QString& name) const {
    if (name.isEmpty())
        return nullptr;
    for (TComponent* c : m_components)
        if (c->m_name.compare(name, Qt::CaseInsensitive) == 0)
            return c;
    return nullptr;
}

void TComponent::EndLoading() {
    m_loading = false;
    Loaded();
}

void TComponent::SetParentComponent(TComponent* parent) {
    if (parent != m_owner)
        throw EFormDataError(QStringLiteral("%1 (%2) cannot be declared inside %3")
                                 .arg(m_name, ClassName(), parent ? parent->Name() : QString()));
}

void TComponent::ReadProperty(const FormDataProperty& property, FormDataContext&) {
    if (property.name.compare(QLatin1String("Tag"), Qt::CaseInsensitive) == 0) {
        m_tag = static_cast<int>(property.value.asInteger(property.name));
        return;
    }
    throw EFormDataError(
        QStringLiteral("%1.%2 (%3): unknown property")
            .arg(m_name.isEmpty() ? ClassName() : m_name, property.name, ClassName()));
}

void TComponent::insertComponent(TComponent* component) {
    m_components.push_back(component);
}

void TComponent::removeComponent(TComponent* component) {
    auto it = std::find(m_components.begin(), m_components.end(), component);
    if (it != m_components.end())
        m_components.erase(it);
}

} // namespace ger
