#pragma once
// The form data context of tests that hand properties to ReadProperty one by one, as the loader
// does: the test's own handler table and the components of a root.
//
// A reference resolves at once by default. Made with kDeferred, the context collects the
// references until resolve(), as the loader does once the whole file is read, so a test can
// name a component that it creates afterwards. Either way an unknown name (or any name, with no
// root) is an EFormDataError, as in the loader. The root itself answers to its own name.
//
// It needs platform/core only, so that the tests of every layer can use it.

#include "platform/core/Exception.h"
#include "platform/core/FormDataContext.h"
#include "platform/core/HandlerTable.h"
#include "platform/core/TComponent.h"

#include <QString>
#include <functional>
#include <utility>
#include <vector>

namespace ger::test {

class TestFormDataContext : public FormDataContext {
public:
    enum Resolution { kAtOnce, kDeferred };

    explicit TestFormDataContext(TComponent* root = nullptr, Resolution resolution = kAtOnce)
        : m_root(root)
        , m_resolution(resolution) {}

    HandlerTable handlers;

    const HandlerTable& Handlers() const override { return handlers; }
    TComponent* Root() const override { return m_root; }
    void Reference(const QString& name, std::function<void(TComponent*)> assign) override {
        if (m_resolution == kDeferred)
            m_pending.emplace_back(name, std::move(assign));
        else
            assign(find(name));
    }

    // Assigns every reference collected so far, in the order they were read.
    void resolve() {
        auto pending = std::exchange(m_pending, {});
        for (auto& [name, assign] : pending)
            assign(find(name));
    }

private:
    TComponent* find(const QString& name) const {
        TComponent* found = m_root ? m_root->FindComponent(name) : nullptr;
        if (!found && m_root && m_root->Name().compare(name, Qt::CaseInsensitive) == 0)
            found = m_root;
        if (!found)
            throw EFormDataError(QStringLiteral("Unknown component %1").arg(name));
        return found;
    }

    TComponent* m_root;
    Resolution m_resolution;
    std::vector<std::pair<QString, std::function<void(TComponent*)>>> m_pending;
};

} // namespace ger::test
