#include "host/core/HostRuntime.h"

#include "framework/TdtmDBGeral.h"
#include "host/core/HostConnectionSecurity.h"
#include "host/core/HostOptions.h"
#include "host/core/ModuleLibrary.h"
#include "platform/forms/Dispatch.h"
#include "platform/forms/TApplication.h"
#include "server/TSocketConnection.h"

#include <QtDebug>

namespace ger {

HostRuntime::HostRuntime(const HostOptions& options) {
    HostSettings::SetCurrent(options.settings);
    SetLoginPrompt({});
    m_dataModule = new TdtmDBGeral(&Application());
    try {
        m_module = std::make_unique<ModuleLibrary>(options.modulePath);
    } catch (...) {
        delete m_dataModule;
        throw;
    }
}

HostRuntime::~HostRuntime() {
    try {
        Application().DestroyForms();
    } catch (const std::exception& e) {
        qWarning("Destroying the screens at exit: %s", e.what());
    }
    m_module.reset();
    delete m_dataModule;
    TSocketConnection::SetSecurity(nullptr);
}

void HostRuntime::SetLoginPrompt(
    std::function<std::optional<Credential>(const QString&, const QString&, const Credential&)>
        prompt) {
    TSocketConnection::SetSecurity(
        std::make_shared<HostConnectionSecurity>(HostSettings::Current(), std::move(prompt)));
}

bool HostRuntime::OpenMainScreen() {
    return Dispatch([this] { m_module->IniProc(); });
}

} // namespace ger
