#pragma once
// Helpers for the ReadProperty overrides of the controls: property names compare without
// regard to case (as form data does), enumerations are read from their identifiers, events
// from the form's handler table, component references once the whole form data is read.
// Each control keeps a table from lower-case property name to a reader:
//
//   static const PropertyTable<TEdit> table{
//       {"maxlength", [](TEdit& e, const FormDataProperty& p, FormDataContext&) {
//            e.SetMaxLength(ReadInt(p)); }},
//   };
//   if (!ReadFromTable(table, *this, property, context)) TCustomEdit::ReadProperty(property,
//   context);

#include "platform/core/Exception.h"
#include "platform/core/FormDataContext.h"
#include "platform/core/FormDataValue.h"
#include "platform/core/TComponent.h"
#include "platform/forms/TColor.h"

#include <QHash>
#include <QString>
#include <functional>
#include <initializer_list>

namespace ger {

bool IsProperty(const FormDataProperty& property, const char* name);

int ReadInt(const FormDataProperty& property);
bool ReadBool(const FormDataProperty& property);
QString ReadString(const FormDataProperty& property);
// An identifier (clInfoBk) or an integer ($008080 written as 32896).
TColor ReadColor(const FormDataProperty& property);

template <class E> struct EnumName {
    const char* name;
    E value;
};

[[noreturn]] void ThrowUnknownIdentifier(const QString& property, const QString& ident);

template <class E>
E EnumFromIdent(const QString& property, const QString& ident,
                std::initializer_list<EnumName<E>> names) {
    for (const EnumName<E>& n : names)
        if (ident.compare(QLatin1String(n.name), Qt::CaseInsensitive) == 0)
            return n.value;
    ThrowUnknownIdentifier(property, ident);
}

template <class E>
E ReadEnum(const FormDataProperty& property, std::initializer_list<EnumName<E>> names) {
    return EnumFromIdent<E>(property.name, property.value.asIdentifier(property.name), names);
}

// `OnExit = medFilialExit`: the handler of that name, with the event's signature.
template <class Event> Event ReadEvent(const FormDataProperty& property, FormDataContext& context) {
    return context.Handler<typename EventSignature<Event>::type>(
        property.value.asIdentifier(property.name));
}

[[noreturn]] void ThrowWrongReference(const QString& property, const QString& name,
                                      const char* wanted);

// `ActiveControl = medFilial`: calls `assign` with the component once all components exist;
// a component of another kind is a load error.
template <class T>
void ReadReference(const FormDataProperty& property, FormDataContext& context, const char* wanted,
                   std::function<void(T*)> assign) {
    const QString name = property.value.asIdentifier(property.name);
    const QString propertyName = property.name;
    context.Reference(name, [=](TComponent* component) {
        T* target = dynamic_cast<T*>(component);
        if (!target)
            ThrowWrongReference(propertyName, name, wanted);
        assign(target);
    });
}

template <class C> using PropertyReader = void (*)(C&, const FormDataProperty&, FormDataContext&);
template <class C> using PropertyTable = QHash<QString, PropertyReader<C>>;

template <class C>
bool ReadFromTable(const PropertyTable<C>& table, C& self, const FormDataProperty& property,
                   FormDataContext& context) {
    const auto it = table.constFind(property.name.toLower());
    if (it == table.constEnd())
        return false;
    (*it)(self, property, context);
    return true;
}

} // namespace ger
