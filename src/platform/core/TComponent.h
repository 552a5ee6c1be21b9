#pragma once
// The root of everything that form data can declare: forms, controls, datasets, fields,
// queries, data sources. A component has an Owner and a Name; the owner destroys what it
// owns (in reverse order of creation) and finds it by name, without regard to case, as on
// the platform. Ownership is not the visual parent: a control's Parent is in platform/forms.
//
// While form data is being read the component is "loading" (IsLoading()); setters use it to
// fire no change events, and Loaded() runs once every property of the form has been read.

#include "platform/core/Events.h"
#include "platform/core/FormDataValue.h"

#include <QObject>
#include <QString>
#include <vector>

namespace ger {

class FormDataContext;

class TComponent : public QObject {
    Q_OBJECT
public:
    explicit TComponent(TComponent* AOwner);
    ~TComponent() override;

    TComponent(const TComponent&) = delete;
    TComponent& operator=(const TComponent&) = delete;

    TComponent* Owner() const { return m_owner; }
    const QString& Name() const { return m_name; }
    // Raises EComponentError when the owner already owns a component of that name.
    void SetName(const QString& name);

    virtual QString ClassName() const { return QStringLiteral("TComponent"); }

    int ComponentCount() const { return static_cast<int>(m_components.size()); }
    TComponent* Components(int index) const { return m_components.at(static_cast<size_t>(index)); }
    TComponent* FindComponent(const QString& name) const;
    template <class T> T* Find(const QString& name) const {
        return dynamic_cast<T*>(FindComponent(name));
    }

    int Tag() const { return m_tag; }
    void SetTag(int tag) { m_tag = tag; }

    bool IsLoading() const { return m_loading; }
    void BeginLoading() { m_loading = true; }
    void EndLoading();
    // Leaves the loading state without Loaded(): what a failed form data load does.
    void CancelLoading() { m_loading = false; }

    // Called by the form data loader for an object declared inside another: a control takes
    // the enclosing control as its Parent, a field the enclosing dataset as its DataSet. The
    // default accepts only the root of the form (the owner) and raises EFormDataError otherwise.
    virtual void SetParentComponent(TComponent* parent);

    // Reads one property from form data. Subclasses handle their own properties and pass
    // the rest to their base; the base raises EFormDataError for a property nobody knows.
    virtual void ReadProperty(const FormDataProperty& property, FormDataContext& context);

protected:
    // Runs once after the form data of the whole form has been read.
    virtual void Loaded() {}

private:
    void insertComponent(TComponent* component);
    void removeComponent(TComponent* component);

    TComponent* m_owner = nullptr;
    QString m_name;
    int m_tag = 0;
    bool m_loading = false;
    std::vector<TComponent*> m_components;
};

} // namespace ger
