#include "host/core/ModuleLibrary.h"

#include "host/core/HostExceptions.h"

#include <QtDebug>

namespace ger {

ModuleLibrary::ModuleLibrary(const QString& path)
    : m_path(path)
    , m_library(path) {
    if (!m_library.load())
        throw EModuleError(
            QStringLiteral("Module %1 cannot be loaded: %2").arg(path, m_library.errorString()));
    Entry initialize = nullptr;
    try {
        initialize = resolve("Initialize");
        m_iniProc = resolve("IniProc");
        m_finalize = resolve("Finalize");
        initialize();
    } catch (...) {
        m_iniProc = nullptr;
        m_finalize = nullptr;
        m_library.unload();
        throw;
    }
}

ModuleLibrary::~ModuleLibrary() {
    if (!isLoaded())
        return;
    try {
        Unload();
    } catch (const std::exception& e) {
        qWarning("%s", e.what());
    }
}

ModuleLibrary::Entry ModuleLibrary::resolve(const char* name) {
    auto entry = reinterpret_cast<Entry>(m_library.resolve(name));
    if (!entry)
        throw EModuleError(
            QStringLiteral("Module %1 does not export %2").arg(m_path, QString::fromLatin1(name)));
    return entry;
}

void ModuleLibrary::requireLoaded(const char* operation) const {
    if (!isLoaded())
        throw EModuleError(QStringLiteral("Module %1: %2 after the module was unloaded")
                               .arg(m_path, QString::fromLatin1(operation)));
}

void ModuleLibrary::IniProc() {
    requireLoaded("IniProc");
    m_iniProc();
}

void ModuleLibrary::Unload() {
    requireLoaded("Unload");
    const Entry finalize = m_finalize;
    m_iniProc = nullptr;
    m_finalize = nullptr;
    try {
        finalize();
    } catch (...) {
        m_library.unload();
        throw;
    }
    // The library stays mapped while another handle of the process still holds it.
    m_library.unload();
}

} // namespace ger
