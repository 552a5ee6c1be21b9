#include "framework/HostSettings.h"

#include "FrameworkTestSupport.h"
#include "framework/FrameworkExceptions.h"

#include <QFile>
#include <QTemporaryDir>

using namespace ger;
using namespace ger::fwtest;

namespace {

class HostSettingsTest : public testing::Test {
protected:
    QString Write(const QByteArray& content) {
        const QString path = dir.filePath(QStringLiteral("host.ini"));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(content);
        return path;
    }

    QTemporaryDir dir;
};

TEST_F(HostSettingsTest, ReadsEverySettingFromTheFile) {
    const HostSettings s = HostSettings::FromFile(Write("[Host]\n"
                                                        "ModuFili=true\n"
                                                        "FiliProc=0101\n"
                                                        "NomeFiliProc=Filial São José\n"
                                                        "[AppServer]\n"
                                                        "WebURL=erp.exemplo.com.br\n"
                                                        "WebPort=8211\n"
                                                        "[Database]\n"
                                                        "Path=/srv/ger/empresa.db\n"
                                                        "Dialect=mssql\n"));
    EXPECT_TRUE(s.singleBranch);
    EXPECT_EQ(s.branchCode, QStringLiteral("0101"));
    EXPECT_EQ(s.branchName, QStringLiteral("Filial São José"));
    EXPECT_EQ(s.serverHost, QStringLiteral("erp.exemplo.com.br"));
    EXPECT_EQ(s.serverPort, 8211);
    EXPECT_EQ(s.databasePath, QStringLiteral("/srv/ger/empresa.db"));
    EXPECT_EQ(s.dialect, SqlDialect::MSSQL);
}

TEST_F(HostSettingsTest, MissingKeysKeepTheirDefaults) {
    const HostSettings s = HostSettings::FromFile(Write("[Host]\nFiliProc=0001\n"));
    const HostSettings defaults;
    EXPECT_FALSE(s.singleBranch);
    EXPECT_EQ(s.branchCode, QStringLiteral("0001"));
    EXPECT_EQ(s.serverHost, defaults.serverHost);
    EXPECT_EQ(s.serverPort, defaults.serverPort);
    EXPECT_EQ(s.dialect, defaults.dialect);
}

TEST_F(HostSettingsTest, ANameWithACommaStaysOneText) {
    const HostSettings s = HostSettings::FromFile(Write(
        "[Host]\nNomeFiliProc=Matriz, São Paulo\n[Database]\nPath=\"/srv/a,b/empresa.db\"\n"));
    EXPECT_EQ(s.branchName, QStringLiteral("Matriz, São Paulo"));
    EXPECT_EQ(s.databasePath, QStringLiteral("/srv/a,b/empresa.db"));
}

struct FlagCase {
    const char* text;
    bool value;
};

class HostSettingsFlagTest : public HostSettingsTest,
                             public testing::WithParamInterface<FlagCase> {};

TEST_P(HostSettingsFlagTest, ReadsModuFiliInItsWrittenForms) {
    const QByteArray ini = "[Host]\nFiliProc=0001\nModuFili=" + QByteArray(GetParam().text) + "\n";
    EXPECT_EQ(HostSettings::FromFile(Write(ini)).singleBranch, GetParam().value);
}

INSTANTIATE_TEST_SUITE_P(Forms, HostSettingsFlagTest,
                         testing::Values(FlagCase{"true", true}, FlagCase{"TRUE", true},
                                         FlagCase{"1", true}, FlagCase{"S", true},
                                         FlagCase{"yes", true}, FlagCase{"false", false},
                                         FlagCase{"0", false}, FlagCase{"n", false},
                                         FlagCase{"No", false}));

struct BadCase {
    const char* name;
    const char* ini;
    const char* key;
};

class HostSettingsBadValueTest : public HostSettingsTest,
                                 public testing::WithParamInterface<BadCase> {};

TEST_P(HostSettingsBadValueTest, RaisesNamingTheKey) {
    const QString path = Write(GetParam().ini);
    const QString message = MessageOf<EHostSettingsError>([&] { HostSettings::FromFile(path); });
    EXPECT_TRUE(message.contains(QLatin1String(GetParam().key))) << message.toStdString();
    EXPECT_TRUE(message.contains(path)) << message.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Values, HostSettingsBadValueTest,
    testing::Values(BadCase{"PortZero", "[AppServer]\nWebPort=0\n", "WebPort"},
                    BadCase{"PortTooHigh", "[AppServer]\nWebPort=65536\n", "WebPort"},
                    BadCase{"PortText", "[AppServer]\nWebPort=http\n", "WebPort"},
                    BadCase{"FlagWord", "[Host]\nModuFili=talvez\n", "ModuFili"},
                    BadCase{"Dialect", "[Database]\nDialect=PostgreSQL\n", "Dialect"},
                    BadCase{"SingleBranchWithoutCode", "[Host]\nModuFili=true\n", "FiliProc"}),
    [](const testing::TestParamInfo<BadCase>& param) { return param.param.name; });

TEST_F(HostSettingsTest, AMissingFileRaises) {
    EXPECT_THROW(HostSettings::FromFile(dir.filePath(QStringLiteral("nada.ini"))),
                 EHostSettingsError);
    EXPECT_THROW(HostSettings::FromFile(dir.path()), EHostSettingsError);
}

} // namespace
