#include "host/core/ModuleLibrary.h"

#include "host/core/HostExceptions.h"

#include <QString>
#include <dlfcn.h>
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <stdexcept>

using namespace ger;
using ::testing::AllOf;
using ::testing::HasSubstr;
using ::testing::ThrowsMessage;

namespace {

QString StandIn(const char* name) {
    return QStringLiteral(GER_LIB_DIR "/libhost_test_module_%1.so").arg(QString::fromLatin1(name));
}

// A second handle on a stand-in module, of the dynamic loader's own (QLibrary shares one
// handle per file): it keeps the library mapped after the host unloads it, so the calls it
// recorded can still be read.
class RecordedCalls {
public:
    explicit RecordedCalls(const QString& path)
        : m_handle(dlopen(path.toLocal8Bit().constData(), RTLD_NOW | RTLD_LOCAL)) {
        EXPECT_NE(m_handle, nullptr) << dlerror();
    }
    ~RecordedCalls() {
        if (m_handle)
            dlclose(m_handle);
    }
    RecordedCalls(const RecordedCalls&) = delete;
    RecordedCalls& operator=(const RecordedCalls&) = delete;

    std::string operator()() {
        using Reader = const char* (*)();
        auto read = m_handle ? reinterpret_cast<Reader>(dlsym(m_handle, "RecordedCalls")) : nullptr;
        return read ? read() : "(no RecordedCalls export)";
    }

private:
    void* m_handle;
};

TEST(ModuleLibraryTest, CallsInitializeOnLoadIniProcOnDemandAndFinalizeOnUnload) {
    RecordedCalls calls(StandIn("Recording"));
    const std::string before = calls();
    {
        ModuleLibrary module(StandIn("Recording"));
        EXPECT_EQ(calls(), before + "Initialize;");
        module.IniProc();
        module.IniProc();
        EXPECT_EQ(calls(), before + "Initialize;IniProc;IniProc;");
        module.Unload();
        EXPECT_FALSE(module.isLoaded());
    }
    EXPECT_EQ(calls(), before + "Initialize;IniProc;IniProc;Finalize;")
        << "Finalize runs once, not again when the unloaded module is destroyed";
}

TEST(ModuleLibraryTest, DestroyingALoadedModuleFinalizesIt) {
    RecordedCalls calls(StandIn("Recording"));
    const std::string before = calls();
    { ModuleLibrary module(StandIn("Recording")); }
    EXPECT_EQ(calls(), before + "Initialize;Finalize;");
}

TEST(ModuleLibraryTest, AMissingExportIsAnErrorNamingItAndNothingRuns) {
    RecordedCalls calls(StandIn("Partial"));
    EXPECT_THAT([] { ModuleLibrary module(StandIn("Partial")); },
                ThrowsMessage<EModuleError>(
                    AllOf(HasSubstr("does not export Finalize"), HasSubstr("Partial"))));
    EXPECT_EQ(calls(), "") << "Initialize must not run for a module that cannot be used";
}

TEST(ModuleLibraryTest, ALibraryWithoutAnyExportNamesTheFirstOneLookedFor) {
    EXPECT_THAT([] { ModuleLibrary module(QStringLiteral(GER_LIB_DIR "/libger_host_core.so")); },
                ThrowsMessage<EModuleError>(HasSubstr("does not export Initialize")));
}

TEST(ModuleLibraryTest, AFileThatIsNoLibraryIsAnErrorNamingThePath) {
    EXPECT_THAT([] { ModuleLibrary module(QStringLiteral("/nonexistent/libPkg_ger99500.so")); },
                ThrowsMessage<EModuleError>(HasSubstr("/nonexistent/libPkg_ger99500.so")));
}

TEST(ModuleLibraryTest, AFailingInitializeGoesOnToTheHost) {
    EXPECT_THROW(ModuleLibrary module(StandIn("FailingInit")), std::runtime_error);
}

TEST(ModuleLibraryTest, CallsAfterUnloadAreErrors) {
    ModuleLibrary module(StandIn("Recording"));
    module.Unload();
    EXPECT_THROW(module.IniProc(), EModuleError);
    EXPECT_THROW(module.Unload(), EModuleError);
}

} // namespace
