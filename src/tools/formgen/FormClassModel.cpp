#include "tools/formgen/FormClassModel.h"

#include "platform/core/Exception.h"

#include <QHash>
#include <QRegularExpression>

namespace ger::formgen {
namespace {

[[noreturn]] void fail(const QString& source, int line, const QString& what) {
    throw EFormDataError(QStringLiteral("%1:%2: %3").arg(source).arg(line).arg(what));
}

bool sameName(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

// The named components of the base form's file, by lower-case name: their class.
void collectBaseComponents(const FormDataObject& object, QHash<QString, QString>& classes) {
    for (const FormDataObject& child : object.children) {
        if (!child.name.isEmpty())
            classes.insert(child.name.toLower(), child.className);
        collectBaseComponents(child, classes);
    }
}

class ModelReader {
public:
    ModelReader(const FormDataDocument& base, const FormDataDocument& form)
        : m_source(form.source) {
        m_model.className = form.root.className;
        m_model.baseClassName = base.root.className;
        m_model.formFileName = form.source.section(QLatin1Char('/'), -1);
        collectBaseComponents(base.root, m_baseComponents);
        for (auto it = m_baseComponents.cbegin(); it != m_baseComponents.cend(); ++it)
            m_names.insert(it.key(), it.value());
    }

    FormClassModel read(const FormDataObject& root) {
        if (sameName(root.className, m_model.baseClassName))
            fail(m_source, root.line,
                 QStringLiteral("the screen's root is of the base class %1; it needs a class "
                                "of its own")
                     .arg(root.className));
        readEvents(root, m_model.baseClassName);
        readChildren(root);
        checkHandlerNames();
        return std::move(m_model);
    }

private:
    void readChildren(const FormDataObject& parent) {
        for (const FormDataObject& child : parent.children) {
            switch (child.kind) {
            case FormDataObject::Kind::Object:
                addComponent(child);
                break;
            case FormDataObject::Kind::Inherited:
                checkInherited(child);
                break;
            case FormDataObject::Kind::Inline:
                fail(m_source, child.line,
                     QStringLiteral("inline frames are not supported (%1)").arg(child.name));
            }
            readEvents(child, child.className);
            readChildren(child);
        }
    }

    void addComponent(const FormDataObject& object) {
        if (object.name.isEmpty())
            return;
        if (m_names.contains(object.name.toLower()))
            fail(m_source, object.line,
                 QStringLiteral("a second component named %1").arg(object.name));
        m_names.insert(object.name.toLower(), object.className);
        m_model.components.push_back({object.name, object.className});
    }

    void checkInherited(const FormDataObject& object) {
        if (object.name.isEmpty())
            fail(m_source, object.line,
                 QStringLiteral("an inherited %1 needs a name").arg(object.className));
        const auto it = m_baseComponents.constFind(object.name.toLower());
        if (it == m_baseComponents.constEnd())
            fail(m_source, object.line,
                 QStringLiteral("%1 is not a component of the base form %2")
                     .arg(object.name, m_model.baseClassName));
        if (!sameName(*it, object.className))
            fail(m_source, object.line,
                 QStringLiteral("%1 is a %2 in the base form, not a %3")
                     .arg(object.name, *it, object.className));
    }

    void readEvents(const FormDataObject& object, const QString& eventClass) {
        for (const FormDataProperty& property : object.properties) {
            if (!IsEventProperty(property.name) ||
                property.value.kind != FormDataValue::Kind::Identifier)
                continue;
            bindHandler(property.value.text, FormEvent{eventClass, property.name}, property.line);
        }
    }

    // Once every component is known: a handler may not share a component's name (both become
    // members of the class).
    void checkHandlerNames() const {
        for (size_t i = 0; i < m_model.handlers.size(); ++i)
            if (m_names.contains(m_model.handlers[i].name.toLower()))
                fail(m_source, m_handlerLines[i],
                     QStringLiteral("the handler %1 has the name of a component")
                         .arg(m_model.handlers[i].name));
    }

    void bindHandler(const QString& name, const FormEvent& event, int line) {
        const QString key = name.toLower();
        const auto it = m_handlerIndex.constFind(key);
        if (it == m_handlerIndex.constEnd()) {
            m_handlerIndex.insert(key, static_cast<int>(m_model.handlers.size()));
            m_model.handlers.push_back({name, {event}});
            m_handlerLines.push_back(line);
            return;
        }
        FormHandler& handler = m_model.handlers[static_cast<size_t>(*it)];
        if (handler.name != name)
            fail(m_source, line,
                 QStringLiteral("the handler %1 is also written %2: one name, one spelling")
                     .arg(name, handler.name));
        handler.events.push_back(event);
    }

    QString m_source;
    FormClassModel m_model;
    QHash<QString, QString> m_baseComponents;
    QHash<QString, QString> m_names; // every component name, base and screen, lower case
    QHash<QString, int> m_handlerIndex;
    std::vector<int> m_handlerLines; // where each handler is first named
};

} // namespace

bool IsEventProperty(const QString& name) {
    static const QRegularExpression pattern(QStringLiteral("^(On|Before|After)[A-Z]\\w*$"));
    return pattern.match(name).hasMatch();
}

FormClassModel FormClassModel::Read(const FormDataDocument& base, const FormDataDocument& form) {
    return ModelReader(base, form).read(form.root);
}

} // namespace ger::formgen
