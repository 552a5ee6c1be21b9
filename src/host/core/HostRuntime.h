#pragma once
// HostRuntime: the host's parts in the order they need each other, for one run.
//   1. the settings in force (HostSettings::SetCurrent), read by the framework and the module,
//      and the connections' security from them (PromptedConnectionSecurity), with no prompt;
//   2. the host's data module dtmDBGeral on the company database, owned by the application;
//   3. the screen module, loaded and initialised.
// The end goes backwards: the screens still open are destroyed (their code lives in the
// module), the module is finalised and unloaded, then the data module goes.
//
//   HostRuntime runtime(options);     // EModuleError, ESqlError, ... when a part cannot start
//   runtime.OpenMainScreen();          // IniProc through the dispatch boundary, as the menu
//
// One runtime at a time per process (the data module is one per process).

#include "server/PromptedConnectionSecurity.h"

#include <memory>

namespace ger {

class ModuleLibrary;
class TdtmDBGeral;
struct HostOptions;

class HostRuntime {
public:
    explicit HostRuntime(const HostOptions& options);
    ~HostRuntime();
    HostRuntime(const HostRuntime&) = delete;
    HostRuntime& operator=(const HostRuntime&) = delete;

    ModuleLibrary& Module() const { return *m_module; }

    // Who asks the person for a credential the server refused (the desktop's dialog); none:
    // a refusal is final.
    void SetLoginPrompt(PromptedConnectionSecurity::Prompt prompt);

    // Calls IniProc as a user action: an exception is shown through the application's dialog
    // service. True when the screen opened without one.
    bool OpenMainScreen();

private:
    TdtmDBGeral* m_dataModule = nullptr;
    std::unique_ptr<ModuleLibrary> m_module;
};

} // namespace ger
