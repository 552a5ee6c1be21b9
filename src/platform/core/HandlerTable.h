#pragma once
// A form's published handlers, by name. Form data binds an event to a handler by naming it
// (`OnExit = medFilialExit`); loading looks the name up here and checks its signature.
//
//   HandlerTable table;
//   table.add<void(TObject*)>("medFilialExit", [this](TObject* s) { medFilialExit(s); });
//   auto h = table.get<void(TObject*)>("medFilialExit");   // the callable
//   table.get<void(TObject*)>("nothing");                  // EFormDataError: unknown handler
//   table.get<void(int)>("medFilialExit");                 // EFormDataError: wrong signature

#include "platform/core/Exception.h"

#include <QHash>
#include <QString>
#include <any>
#include <functional>

namespace ger {

// The function type of an event member: EventSignature<TNotifyEvent>::type is void(TObject*).
template <class Event> struct EventSignature;
template <class Signature> struct EventSignature<std::function<Signature>> {
    using type = Signature;
};

// Declares a handler method with its event's signature, taken from the event member itself:
//   EventHandler<decltype(TWinControl::OnExit)> medFilialExit;   // void medFilialExit(TObject*)
template <class Event> using EventHandler = typename EventSignature<Event>::type;

class HandlerTable {
public:
    template <class Signature> void add(const QString& name, std::function<Signature> handler) {
        m_handlers.insert(name.toLower(), Entry{name, std::any(std::move(handler))});
    }

    template <class Signature> std::function<Signature> get(const QString& name) const {
        auto it = m_handlers.constFind(name.toLower());
        if (it == m_handlers.constEnd())
            throw EFormDataError(QStringLiteral("Unknown event handler '%1'").arg(name));
        if (const auto* handler = std::any_cast<std::function<Signature>>(&it->handler))
            return *handler;
        throw EFormDataError(
            QStringLiteral("Event handler '%1' does not fit the event it is bound to").arg(name));
    }

    bool contains(const QString& name) const { return m_handlers.contains(name.toLower()); }

private:
    struct Entry {
        QString name;
        std::any handler;
    };
    QHash<QString, Entry> m_handlers;
};

} // namespace ger
