// The module as the host uses it: the built libPkg_ger99500.so opened by path, its exports
// looked up by their plain names, and the library really unloaded between two loads (this
// executable does not link it, so nothing else holds it).

#include "platform/forms/TApplication.h"
#include "platform/forms/TCustomForm.h"
#include "platform/forms/TScreen.h"
#include "script/ScriptedUser.h"
#include "support/ScreenTest.h"

#include <dlfcn.h>
#include <gtest/gtest.h>

using namespace ger;

namespace {

// The unit state of Cli_ger99500 and Cli_ger99502, read through the library's symbol table.
constexpr const char* MainScreenFlag = "_ZN3ger12Cli_ger9950010boIdCriadoE";
constexpr const char* MainScreenVariable = "_ZN3ger12Cli_ger9950012frmTpOperFilE";
constexpr const char* DialogFlag = "_ZN3ger12Cli_ger9950210boIdCriadoE";

class LoadedModule {
public:
    LoadedModule() {
        m_handle = dlopen(GER_MODULE_LIBRARY, RTLD_NOW | RTLD_LOCAL);
        if (!m_handle)
            return;
        IniProc = entry("IniProc");
        Initialize = entry("Initialize");
        Finalize = entry("Finalize");
    }
    ~LoadedModule() { Unload(); }
    LoadedModule(const LoadedModule&) = delete;
    LoadedModule& operator=(const LoadedModule&) = delete;

    bool IsLoaded() const { return m_handle && IniProc && Initialize && Finalize; }
    bool Flag(const char* symbol) const { return *static_cast<bool*>(dlsym(m_handle, symbol)); }
    void* Pointer(const char* symbol) const {
        return *static_cast<void**>(dlsym(m_handle, symbol));
    }
    void Unload() {
        if (m_handle)
            dlclose(m_handle);
        m_handle = nullptr;
    }

    void (*IniProc)() = nullptr;
    void (*Initialize)() = nullptr;
    void (*Finalize)() = nullptr;

private:
    using Entry = void (*)();
    Entry entry(const char* name) const { return reinterpret_cast<Entry>(dlsym(m_handle, name)); }

    void* m_handle = nullptr;
};

bool IsLibraryMapped() {
    void* handle = dlopen(GER_MODULE_LIBRARY, RTLD_NOW | RTLD_NOLOAD);
    if (handle)
        dlclose(handle);
    return handle != nullptr;
}

TCustomForm* FindScreen(const QString& className) {
    for (int i = 0; i < Screen().FormCount(); ++i)
        if (Screen().Forms(i)->ClassName() == className)
            return Screen().Forms(i);
    return nullptr;
}

class ModuleLibraryTest : public ScreenTest {};

TEST_F(ModuleLibraryTest, EveryLoadStartsWithNoScreenAndBothFlagsFalse) {
    for (int load = 1; load <= 2; ++load) {
        SCOPED_TRACE(load);
        ASSERT_FALSE(IsLibraryMapped());
        LoadedModule module;
        ASSERT_TRUE(module.IsLoaded()) << dlerror();
        module.Initialize();

        EXPECT_FALSE(module.Flag(MainScreenFlag));
        EXPECT_FALSE(module.Flag(DialogFlag));
        EXPECT_EQ(module.Pointer(MainScreenVariable), nullptr);
        EXPECT_EQ(FindScreen("TfrmTpOperFil"), nullptr);

        module.IniProc();
        TCustomForm* screen = FindScreen("TfrmTpOperFil");
        ASSERT_NE(screen, nullptr);
        EXPECT_EQ(module.Pointer(MainScreenVariable), screen);
        EXPECT_TRUE(module.Flag(MainScreenFlag));
        module.IniProc();
        EXPECT_EQ(Screen().FormCount(), 1);

        module.Finalize();
        module.Unload();
        EXPECT_FALSE(IsLibraryMapped());
    }
}

// Without Finalize releasing them, the screens would outlive their code: the application's
// destruction of them would jump into the unloaded library.
TEST_F(ModuleLibraryTest, UnloadingWithScreenOpenAndInUseDoesNotCrash) {
    {
        LoadedModule module;
        ASSERT_TRUE(module.IsLoaded()) << dlerror();
        module.Initialize();
        module.IniProc();
        TCustomForm* screen = FindScreen("TfrmTpOperFil");
        ASSERT_NE(screen, nullptr);
        ScriptedUser user(*screen);
        ASSERT_TRUE(user.Type("0001"));
        ASSERT_TRUE(user.Focus("dbgPadrao"));
        ASSERT_TRUE(user.Press(VK_RIGHT));
        ASSERT_TRUE(user.Type("n"));

        module.Finalize();
        EXPECT_EQ(Screen().FormCount(), 0);
    }
    EXPECT_FALSE(IsLibraryMapped());
    Application().FreeReleasedForms();
    Application().DestroyForms();
    EXPECT_EQ(Screen().FormCount(), 0);
    EXPECT_EQ(server->CallsOf("SetTpOperFil").size(), 0);
}

} // namespace
