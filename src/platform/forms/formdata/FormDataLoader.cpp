#include "platform/forms/formdata/FormDataLoader.h"

#include "platform/core/ComponentRegistry.h"
#include "platform/forms/formdata/FormDataError.h"

#include <QHash>

namespace ger {
namespace {

bool sameName(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

} // namespace

template <class Action> void FormDataLoader::at(int line, Action&& action) {
    try {
        action();
    } catch (const EAbort&) {
        throw;
    } catch (const Exception& error) {
        throw FormDataErrorAt(m_source, line, error.Message());
    }
}

FormDataLoader::FormDataLoader(TComponent* root, const HandlerTable& handlers,
                               QStringList rootBaseClasses)
    : m_root(root)
    , m_handlers(handlers)
    , m_rootClasses(std::move(rootBaseClasses)) {
    if (!m_root)
        throw EFormDataError(QStringLiteral("FormDataLoader: no root component to load into"));
}

FormDataLoader::~FormDataLoader() {
    if (m_state == State::Reading)
        rollback();
}

void FormDataLoader::read(const FormDataDocument& document) {
    checkReading("read");
    try {
        const FormDataObject& header = document.root;
        m_source = document.source;
        checkRootClass(header);
        touch(m_root, header.line);
        readProperties(m_root, header);
        if (!header.name.isEmpty()) {
            m_rootName = header.name;
            m_rootLine = header.line;
        }
        for (const FormDataObject& child : header.children)
            loadChild(child, m_root, m_root);
    } catch (...) {
        rollback();
        throw;
    }
}

void FormDataLoader::finish() {
    checkReading("finish");
    try {
        resolveReferences();
        applyRootName();
        m_state = State::Finished;
        endLoading();
    } catch (...) {
        rollback();
        throw;
    }
}

void FormDataLoader::Reference(const QString& name, std::function<void(TComponent*)> assign) {
    if (m_state != State::Reading || m_resolving)
        throw EFormDataError(
            QStringLiteral("FormDataLoader: reference to %1 taken outside reading").arg(name));
    m_references.push_back(PendingReference{name, std::move(assign), m_source, m_line});
}

void FormDataLoader::checkReading(const char* operation) const {
    if (m_state != State::Reading)
        throw EFormDataError(QStringLiteral("FormDataLoader.%1: the load has already %2")
                                 .arg(QLatin1String(operation), m_state == State::Finished
                                                                    ? QStringLiteral("finished")
                                                                    : QStringLiteral("failed")));
}

void FormDataLoader::checkRootClass(const FormDataObject& header) const {
    if (sameName(header.className, m_root->ClassName()))
        return;
    for (const QString& base : m_rootClasses)
        if (sameName(header.className, base))
            return;
    throw FormDataErrorAt(m_source, header.line,
                          QStringLiteral("form data of %1 cannot be loaded into a %2")
                              .arg(header.className, m_root->ClassName()));
}

void FormDataLoader::loadChild(const FormDataObject& object, TComponent* enclosing,
                               TComponent* scope) {
    TComponent* component = object.kind == FormDataObject::Kind::Inherited
                                ? findInherited(object, scope)
                                : create(object, enclosing);
    readProperties(component, object);
    TComponent* childScope = object.kind == FormDataObject::Kind::Inline ? component : scope;
    for (const FormDataObject& child : object.children)
        loadChild(child, component, childScope);
}

TComponent* FormDataLoader::findInherited(const FormDataObject& object, TComponent* scope) {
    if (object.name.isEmpty())
        throw FormDataErrorAt(m_source, object.line,
                              QStringLiteral("an inherited %1 needs a name").arg(object.className));
    TComponent* component = scope->FindComponent(object.name);
    if (!component)
        throw FormDataErrorAt(
            m_source, object.line,
            QStringLiteral("inherited component %1 not found in %2")
                .arg(object.name, scope->Name().isEmpty() ? scope->ClassName() : scope->Name()));
    if (!sameName(component->ClassName(), object.className))
        throw FormDataErrorAt(m_source, object.line,
                              QStringLiteral("inherited component %1 is a %2, not a %3")
                                  .arg(object.name, component->ClassName(), object.className));
    touch(component, object.line);
    return component;
}

TComponent* FormDataLoader::create(const FormDataObject& object, TComponent* enclosing) {
    TComponent* component = nullptr;
    at(object.line, [&] { component = ComponentRegistry::Create(object.className, m_root); });
    m_created.emplace_back(component);
    if (!object.name.isEmpty())
        at(object.line, [&] { component->SetName(object.name); });
    beginLoading(component, object.line);
    at(object.line, [&] { component->SetParentComponent(enclosing); });
    return component;
}

void FormDataLoader::readProperties(TComponent* component, const FormDataObject& object) {
    for (const FormDataProperty& property : object.properties) {
        m_line = property.line;
        at(property.line, [&] { component->ReadProperty(property, *this); });
    }
}

void FormDataLoader::touch(TComponent* component, int line) {
    if (!m_touchedSet.contains(component) && !component->IsLoading())
        beginLoading(component, line);
}

void FormDataLoader::beginLoading(TComponent* component, int line) {
    component->BeginLoading();
    m_touched.push_back(Touched{component, m_source, line});
    m_touchedSet.insert(component);
}

void FormDataLoader::resolveReferences() {
    QHash<QString, TComponent*> byName;
    for (int i = 0; i < m_root->ComponentCount(); ++i) {
        TComponent* component = m_root->Components(i);
        if (!component->Name().isEmpty())
            byName.insert(component->Name().toLower(), component);
    }
    const QString rootName = (m_rootName.isEmpty() ? m_root->Name() : m_rootName).toLower();
    std::vector<TComponent*> targets;
    targets.reserve(m_references.size());
    for (const PendingReference& reference : m_references) {
        const QString key = reference.name.toLower();
        TComponent* target = byName.value(key);
        if (!target && !rootName.isEmpty() && key == rootName)
            target = m_root;
        if (!target)
            throw FormDataErrorAt(reference.source, reference.line,
                                  QStringLiteral("unknown component %1").arg(reference.name));
        targets.push_back(target);
    }
    m_resolving = true;
    for (size_t i = 0; i < m_references.size(); ++i) {
        m_source = m_references[i].source;
        at(m_references[i].line, [&] { m_references[i].assign(targets[i]); });
    }
    m_resolving = false;
    m_references.clear();
}

void FormDataLoader::applyRootName() {
    if (m_rootName.isEmpty() || m_rootName == m_root->Name())
        return;
    QString candidate = m_rootName;
    if (const TComponent* owner = m_root->Owner())
        for (int n = 1;
             owner->FindComponent(candidate) && owner->FindComponent(candidate) != m_root; ++n)
            candidate = QStringLiteral("%1_%2").arg(m_rootName).arg(n);
    at(m_rootLine, [&] { m_root->SetName(candidate); });
}

void FormDataLoader::endLoading() {
    for (const Touched& touched : m_touched) {
        if (!touched.component || touched.component == m_root)
            continue;
        m_source = touched.source;
        at(touched.line, [&] { touched.component->EndLoading(); });
    }
    if (m_touchedSet.contains(m_root)) {
        m_source = m_touched.front().source;
        at(m_touched.front().line, [&] { m_root->EndLoading(); });
    }
}

void FormDataLoader::rollback() noexcept {
    m_state = State::Failed;
    m_resolving = false;
    m_references.clear();
    for (auto it = m_created.rbegin(); it != m_created.rend(); ++it)
        delete it->data();
    m_created.clear();
    for (const Touched& touched : m_touched)
        if (touched.component && touched.component->IsLoading())
            touched.component->CancelLoading();
    m_touched.clear();
    m_touchedSet.clear();
}

} // namespace ger
