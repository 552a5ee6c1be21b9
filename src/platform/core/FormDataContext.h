#pragma once
// What a component needs while its properties are read from form data: the handlers of the
// form being loaded and the other components it names. References may point forward (a data
// source declared after the grid that uses it), so they are resolved when the whole file has
// been read; an unknown name is then a load error.

#include "platform/core/HandlerTable.h"

#include <QString>
#include <functional>

namespace ger {

class TComponent;

class FormDataContext {
public:
    virtual ~FormDataContext() = default;

    virtual const HandlerTable& Handlers() const = 0;
    virtual TComponent* Root() const = 0;

    // Calls `assign` with the component named `name` once every component exists.
    virtual void Reference(const QString& name, std::function<void(TComponent*)> assign) = 0;

    template <class Signature> std::function<Signature> Handler(const QString& name) const {
        return Handlers().get<Signature>(name);
    }
};

} // namespace ger
