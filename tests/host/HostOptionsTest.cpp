#include "host/core/HostOptions.h"

#include "framework/FrameworkExceptions.h"
#include "host/core/HostExceptions.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace ger;
using ::testing::HasSubstr;
using ::testing::ThrowsMessage;

namespace {

class HostOptionsTest : public ::testing::Test {
protected:
    // Writes a settings file into the temporary directory and returns its path.
    QString settingsFile(const QByteArray& contents) {
        const QString path = dir.filePath(QStringLiteral("host.ini"));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(contents);
        return path;
    }

    static HostOptions parse(QStringList arguments) {
        arguments.prepend(QStringLiteral("ger-host"));
        return HostOptions::Parse(arguments, QStringLiteral("/opt/ger/lib/libPkg_ger99500.so"));
    }

    QTemporaryDir dir;
};

const QByteArray kFullFile = "[Host]\n"
                             "ModuFili=S\n"
                             "FiliProc=0101\n"
                             "NomeFiliProc=Filial Campinas\n"
                             "[AppServer]\n"
                             "WebURL=10.0.0.5\n"
                             "WebPort=7300\n"
                             "WebTimeout=45\n"
                             "User=maria\n"
                             "Password=seg=redo\n"
                             "Tls=true\n"
                             "CaFile=certs/ca.crt\n"
                             "[Database]\n"
                             "Path=empresa.sqlite\n"
                             "Dialect=MSSQL\n"
                             "Engine=Firebird\n"
                             "[Module]\n"
                             "Path=modules/libPkg_ger99500.so\n";

TEST_F(HostOptionsTest, WithoutFileOrOptionsTheHostDefaultsHold) {
    const HostOptions options = parse({"--database", "/data/empresa.sqlite"});
    EXPECT_FALSE(options.settings.singleBranch);
    EXPECT_EQ(options.settings.serverHost, "127.0.0.1");
    EXPECT_EQ(options.settings.serverPort, HostOptions::DefaultWebPort);
    EXPECT_EQ(options.settings.dialect, SqlDialect::Oracle);
    EXPECT_EQ(options.settings.callTimeoutSeconds, 30);
    EXPECT_EQ(options.settings.databasePath, "/data/empresa.sqlite");
    EXPECT_EQ(options.modulePath, "/opt/ger/lib/libPkg_ger99500.so");
    EXPECT_EQ(options.Mode(), HostMode::Desktop);
}

TEST_F(HostOptionsTest, TheFileReplacesDefaultsAndItsRelativePathsStartAtTheFile) {
    const HostOptions options = parse({"--settings", settingsFile(kFullFile)});
    EXPECT_TRUE(options.settings.singleBranch);
    EXPECT_EQ(options.settings.branchCode, "0101");
    EXPECT_EQ(options.settings.branchName, "Filial Campinas");
    EXPECT_EQ(options.settings.serverHost, "10.0.0.5");
    EXPECT_EQ(options.settings.serverPort, 7300);
    EXPECT_EQ(options.settings.callTimeoutSeconds, 45);
    EXPECT_EQ(options.settings.serverUser, "maria");
    EXPECT_EQ(options.settings.serverPassword, "seg=redo");
    EXPECT_TRUE(options.settings.serverTls);
    EXPECT_EQ(options.settings.serverCaFile, dir.filePath("certs/ca.crt"));
    EXPECT_EQ(options.settings.dialect, SqlDialect::MSSQL);
    EXPECT_EQ(options.settings.engine, SqlEngine::Firebird);
    EXPECT_EQ(options.settings.databasePath, dir.filePath("empresa.sqlite"));
    EXPECT_EQ(options.modulePath, dir.filePath("modules/libPkg_ger99500.so"));
}

TEST_F(HostOptionsTest, OptionsOverrideTheFileOneByOne) {
    const HostOptions options = parse({"--settings",   settingsFile(kFullFile),
                                       "--ModuFili",   "false",
                                       "--WebPort",    "7400",
                                       "--dialect",    "InterBase",
                                       "--database",   "/tmp/outra.sqlite",
                                       "--FiliProc",   "0002",
                                       "--WebTimeout", "5",
                                       "--WebUser",    "jose",
                                       "--WebTls",     "false",
                                       "--engine",     "sqlite"});
    EXPECT_FALSE(options.settings.singleBranch);
    EXPECT_EQ(options.settings.serverUser, "jose");
    EXPECT_EQ(options.settings.serverPassword, "seg=redo");
    EXPECT_FALSE(options.settings.serverTls);
    EXPECT_EQ(options.settings.engine, SqlEngine::SQLite);
    EXPECT_EQ(options.settings.serverPort, 7400);
    EXPECT_EQ(options.settings.callTimeoutSeconds, 5);
    EXPECT_EQ(options.settings.dialect, SqlDialect::InterBase);
    EXPECT_EQ(options.settings.databasePath, "/tmp/outra.sqlite");
    EXPECT_EQ(options.settings.branchCode, "0002");
    // What no option names stays as the file says.
    EXPECT_EQ(options.settings.serverHost, "10.0.0.5");
    EXPECT_EQ(options.settings.branchName, "Filial Campinas");
    EXPECT_EQ(options.modulePath, dir.filePath("modules/libPkg_ger99500.so"));
}

TEST_F(HostOptionsTest, AFileWithoutAPortKeepsTheHostsDefaultPort) {
    const HostOptions options = parse(
        {"--settings", settingsFile("[AppServer]\nWebURL=servidor\n[Database]\nPath=/x.db\n")});
    EXPECT_EQ(options.settings.serverHost, "servidor");
    EXPECT_EQ(options.settings.serverPort, HostOptions::DefaultWebPort);
}

TEST_F(HostOptionsTest, ScriptAndScreenshotChooseTheRun) {
    EXPECT_EQ(parse({"--database", "/x.db", "--script", "a.script"}).Mode(), HostMode::Script);
    EXPECT_EQ(parse({"--database", "/x.db", "--screenshot", "a.png"}).Mode(), HostMode::Screenshot);
    EXPECT_EQ(
        parse({"--database", "/x.db", "--script", "a.script", "--screenshot", "a.png"}).Mode(),
        HostMode::Screenshot);
}

TEST_F(HostOptionsTest, HelpNeedsNothingElse) {
    EXPECT_TRUE(parse({"--help"}).helpRequested);
}

struct BadCommandLine {
    const char* name;
    QStringList arguments;
    bool usageError; // EHostUsageError; otherwise EHostSettingsError
};

class HostOptionsRefusalTest : public ::testing::TestWithParam<BadCommandLine> {};

TEST_P(HostOptionsRefusalTest, IsRefusedWithATypedError) {
    QStringList arguments = GetParam().arguments;
    arguments.prepend(QStringLiteral("ger-host"));
    const auto parse = [&] { HostOptions::Parse(arguments, QStringLiteral("/m.so")); };
    if (GetParam().usageError)
        EXPECT_THROW(parse(), EHostUsageError);
    else
        EXPECT_THROW(parse(), EHostSettingsError);
}

INSTANTIATE_TEST_SUITE_P(
    CommandLines, HostOptionsRefusalTest,
    ::testing::Values(
        BadCommandLine{"UnknownOption", {"--database", "/x.db", "--porta", "1"}, true},
        BadCommandLine{"MissingValue", {"--database"}, true},
        BadCommandLine{"StrayArgument", {"--database", "/x.db", "extra"}, true},
        BadCommandLine{"NoDatabase", {"--WebPort", "7300"}, true},
        BadCommandLine{"PortZero", {"--database", "/x.db", "--WebPort", "0"}, false},
        BadCommandLine{"PortTooHigh", {"--database", "/x.db", "--WebPort", "65536"}, false},
        BadCommandLine{"PortNotANumber", {"--database", "/x.db", "--WebPort", "abc"}, false},
        BadCommandLine{"UnknownEngine", {"--database", "/x.db", "--engine", "Oracle"}, false},
        BadCommandLine{"TimeoutZero", {"--database", "/x.db", "--WebTimeout", "0"}, false},
        BadCommandLine{"TimeoutOverAnHour", {"--database", "/x.db", "--WebTimeout", "3601"}, false},
        BadCommandLine{"FlagNotABoolean", {"--database", "/x.db", "--ModuFili", "talvez"}, false},
        BadCommandLine{"UnknownDialect", {"--database", "/x.db", "--dialect", "DB2"}, false},
        BadCommandLine{
            "SingleBranchWithoutBranch", {"--database", "/x.db", "--ModuFili", "S"}, false},
        BadCommandLine{"MissingSettingsFile", {"--settings", "/nonexistent/host.ini"}, false}),
    [](const auto& tested) { return std::string(tested.param.name); });

TEST_F(HostOptionsTest, AWrongValueInTheFileNamesTheKey) {
    const QString path = settingsFile("[AppServer]\nWebPort=porta\n");
    EXPECT_THAT(
        [&] {
            parse({"--settings", path});
        },
        ThrowsMessage<EHostSettingsError>(HasSubstr("WebPort")));
}

TEST_F(HostOptionsTest, ATimeoutOutOfRangeInTheFileNamesTheKey) {
    const QString timeout = settingsFile("[AppServer]\nWebTimeout=-5\n");
    EXPECT_THAT(
        [&] {
            parse({"--settings", timeout});
        },
        ThrowsMessage<EHostSettingsError>(HasSubstr("AppServer/WebTimeout")));
}

} // namespace
