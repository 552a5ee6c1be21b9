#pragma once
// ModuleLibrary: a screen module loaded at run time, as the platform's package loader loads a
// runtime package. Construction loads the library, finds its three plain C exports by name
// (Initialize, IniProc, Finalize: all `void()`), and runs Initialize; Unload (or destruction)
// runs Finalize and unloads the library.
//
//   ModuleLibrary module(HostOptions::DefaultModulePath());   // loaded and initialised
//   Dispatch([&] { module.IniProc(); });                       // opens GER99500
//   module.Unload();                                           // Finalize, then unloaded
//
// The host links the shared framework and platform libraries that the module links too, so
// both see one application object, one settings store and one database connection.
//
// A library that cannot be loaded or lacks an export raises EModuleError naming the library
// and the export, and leaves nothing loaded. An exception of Initialize leaves the library
// unloaded and goes on; an exception of IniProc goes on to the caller (the dispatch boundary
// of the menu or the script). Before unloading, the host destroys the screens the module
// created (their code lives in the library).

#include <QLibrary>
#include <QString>

namespace ger {

class ModuleLibrary {
public:
    explicit ModuleLibrary(const QString& path);
    ~ModuleLibrary();
    ModuleLibrary(const ModuleLibrary&) = delete;
    ModuleLibrary& operator=(const ModuleLibrary&) = delete;

    const QString& Path() const { return m_path; }
    bool isLoaded() const { return m_finalize != nullptr; }

    void IniProc();
    // Finalize, then unload. Raises EModuleError when the module is not loaded.
    void Unload();

private:
    using Entry = void (*)();

    Entry resolve(const char* name);
    void requireLoaded(const char* operation) const;

    QString m_path;
    QLibrary m_library;
    Entry m_iniProc = nullptr;
    Entry m_finalize = nullptr;
};

} // namespace ger
