#include "host/core/HostRuntime.h"

#include "framework/TdtmDBGeral.h"
#include "host/core/HostOptions.h"
#include "host/core/ModuleLibrary.h"
#include "platform/forms/Dispatch.h"
#include "platform/forms/TApplication.h"
#include "server/PromptedConnectionSecurity.h"
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

void HostRuntime::SetLoginPrompt(PromptedConnectionSecurity::Prompt prompt) {
    const HostSettings& settings = HostSettings::Current();
    TSocketConnection::SetSecurity(std::make_shared<PromptedConnectionSecurity>(
        ConnectionSecurity{settings.serverTls,
                           settings.serverCaFile,
                           {settings.serverUser, settings.serverPassword}},
        std::move(prompt)));
}

bool HostRuntime::OpenMainScreen() {
    return Dispatch([this] { m_module->IniProc(); });
}

} // namespace ger
