#pragma once
// Component classes by name, so that form data can create `object cdsTpOperFil: TClientDataSet`.
// Each library registers its own classes at load time:
//
//   GER_REGISTER_COMPONENT(TClientDataSet)   // in TClientDataSet.cpp
//
// A form's own class (the root of its form data) is not created through the registry.

#include <QString>
#include <functional>

namespace ger {

class TComponent;

class ComponentRegistry {
public:
    using Factory = std::function<TComponent*(TComponent* owner)>;

    static void Register(const QString& className, Factory factory);
    static bool IsRegistered(const QString& className);
    // Raises EFormDataError for an unknown class.
    static TComponent* Create(const QString& className, TComponent* owner);
};

namespace detail {
struct ComponentRegistrar {
    ComponentRegistrar(const QString& className, ComponentRegistry::Factory factory) {
        ComponentRegistry::Register(className, std::move(factory));
    }
};
} // namespace detail

} // namespace ger

#define GER_REGISTER_COMPONENT(Class)                                                              \
    namespace {                                                                                    \
    const ::ger::detail::ComponentRegistrar registrar_##Class(QStringLiteral(#Class),              \
                                                              [](::ger::TComponent* owner) {       \
                                                                  return new Class(owner);         \
                                                              });                                  \
    }
