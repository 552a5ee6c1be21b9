#pragma once
// Loads parsed form data into a form object that its class has already constructed (the root).
//
//   FormDataLoader loader(form, handlers, {"TfrmPadrImportExport"});
//   loader.read(baseFormDocument);      // object frmPadrImportExport: TfrmPadrImportExport
//   loader.read(formDocument);          // inherited frmTpOperFil: TfrmTpOperFil
//   loader.finish();
//
// What read() does with one file:
// - The root header's class must be the root's ClassName() or one of the class names passed
//   in (the form's base classes, whose files are read into the same object). The root's own
//   properties are read by the root.
// - Each nested `object Name: TClass` is created through ComponentRegistry with the ROOT as
//   owner, named, marked loading, given the enclosing component by SetParentComponent (the
//   root for top-level objects), then its properties are read, then its children.
// - `inherited Name: TClass` applies properties and children on top of a component an earlier
//   file declared: it is found by name among the root's components (inside an `inline` frame,
//   among the frame's), and its class must be the one written.
// - Event properties resolve through the HandlerTable (kept by reference: it must outlive the
//   loader); references to other components are collected and resolved by finish(), so they
//   may point forward. A reference names one of the root's components, or the root itself.
//
// finish() resolves every reference collected across the files (an unknown name is an error
// naming it and its line), names the root after the last header read (with a suffix _1, _2...
// when its owner already has a component of that name, as the platform does), and ends loading:
// Loaded() runs once per component, in the order the components were first read, the root
// last. A component that was already loading when first read (someone else is loading it) is
// left loading.
//
// Failure. Any error (syntax aside, which the parser reports before loading starts) is an
// EFormDataError naming the source and line, and rolls back the whole load:
// - every component this loader created is destroyed, in reverse order of creation;
// - the root and the components found by `inherited` stay, keeping the property values read
//   before the error, and leave the loading state without Loaded() running;
// - no reference is assigned if any name is unknown (when an assignment itself raises, the
//   ones made before it stay, and may name a component that the rollback then destroys);
// - the root keeps the name it had, unless the error came from a Loaded() (the root is named
//   just before Loaded() runs).
// EAbort passes through as it is (after the rollback). A failed loader refuses further use.
// Destroying a loader that was never finished rolls back the same way.

#include "platform/core/FormDataContext.h"
#include "platform/core/HandlerTable.h"
#include "platform/core/TComponent.h"
#include "platform/forms/formdata/FormDataDocument.h"

#include <QPointer>
#include <QSet>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

namespace ger {

class FormDataLoader : private FormDataContext {
public:
    FormDataLoader(TComponent* root, const HandlerTable& handlers,
                   QStringList rootBaseClasses = {});
    ~FormDataLoader() override;

    FormDataLoader(const FormDataLoader&) = delete;
    FormDataLoader& operator=(const FormDataLoader&) = delete;

    void read(const FormDataDocument& document);
    void finish();

private:
    enum class State { Reading, Finished, Failed };

    struct Touched {
        QPointer<TComponent> component;
        QString source;
        int line = 0;
    };

    struct PendingReference {
        QString name;
        std::function<void(TComponent*)> assign;
        QString source;
        int line = 0;
    };

    const HandlerTable& Handlers() const override { return m_handlers; }
    TComponent* Root() const override { return m_root; }
    void Reference(const QString& name, std::function<void(TComponent*)> assign) override;

    void checkReading(const char* operation) const;
    void checkRootClass(const FormDataObject& header) const;
    void loadChild(const FormDataObject& object, TComponent* enclosing, TComponent* scope);
    TComponent* findInherited(const FormDataObject& object, TComponent* scope);
    TComponent* create(const FormDataObject& object, TComponent* enclosing);
    void readProperties(TComponent* component, const FormDataObject& object);
    void touch(TComponent* component, int line);
    void beginLoading(TComponent* component, int line);
    void resolveReferences();
    void applyRootName();
    void endLoading();
    void rollback() noexcept;

    template <class Action> void at(int line, Action&& action);

    TComponent* m_root;
    const HandlerTable& m_handlers;
    QStringList m_rootClasses;
    State m_state = State::Reading;
    QString m_source;
    int m_line = 0;
    QString m_rootName;
    int m_rootLine = 0;
    bool m_resolving = false;
    std::vector<QPointer<TComponent>> m_created;
    std::vector<Touched> m_touched;
    QSet<const TComponent*> m_touchedSet;
    std::vector<PendingReference> m_references;
};

} // namespace ger
