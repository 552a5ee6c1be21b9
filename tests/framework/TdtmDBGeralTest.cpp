#include "framework/TdtmDBGeral.h"

#include "FrameworkTestSupport.h"
#include "framework/HostSettings.h"
#include "platform/core/Exception.h"
#include "platform/db/TField.h"
#include "platform/sql/DatabaseConnection.h"
#include "platform/sql/DatabaseSession.h"
#include "platform/sql/ESqlError.h"
#include "platform/sql/TADOIBQuery.h"

#include <QTemporaryDir>
#include <memory>

using namespace ger;

namespace {

// A company database file with two branches.
class TdtmDBGeralTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        DatabaseConnection setup(Path(), DatabaseConnection::OpenMode::CreateIfMissing);
        setup.executeScript(QStringLiteral(
            "CREATE TABLE FILIAL (CDFILIAL VARCHAR(4) PRIMARY KEY, NMFILIAL VARCHAR(30));"
            "INSERT INTO FILIAL VALUES ('0001', 'Matriz'), ('0101', 'Campinas');"));
    }

    QString Path() const { return dir.filePath(QStringLiteral("empresa.db")); }

    // A query whose text tells which dialect ran it.
    static std::unique_ptr<TADOIBQuery> DialectProbe() {
        auto query = std::make_unique<TADOIBQuery>(nullptr);
        query->SetSQL_ORACLE({QStringLiteral("SELECT 'Oracle' AS D, COUNT(*) AS N FROM FILIAL")});
        query->SetSQL_MSSQL({QStringLiteral("SELECT 'MSSQL' AS D, COUNT(*) AS N FROM FILIAL")});
        query->SetSQL_IB({QStringLiteral("SELECT 'IB' AS D, COUNT(*) AS N FROM FILIAL")});
        return query;
    }

    QTemporaryDir dir;
};

struct DialectCase {
    SqlDialect dialect;
    const char* ran;
};

class TdtmDBGeralDialectTest : public TdtmDBGeralTest,
                               public testing::WithParamInterface<DialectCase> {};

TEST_P(TdtmDBGeralDialectTest, QueriesRunTheirDialectsTextOnTheCompanyDatabase) {
    TdtmDBGeral module(nullptr, Path(), GetParam().dialect);
    auto query = DialectProbe();
    query->Open();
    EXPECT_EQ(query->FieldByName(QStringLiteral("D"))->AsString(),
              QString::fromLatin1(GetParam().ran));
    EXPECT_EQ(query->FieldByName(QStringLiteral("N"))->AsString(), QStringLiteral("2"));
}

INSTANTIATE_TEST_SUITE_P(Dialects, TdtmDBGeralDialectTest,
                         testing::Values(DialectCase{SqlDialect::Oracle, "Oracle"},
                                         DialectCase{SqlDialect::MSSQL, "MSSQL"},
                                         DialectCase{SqlDialect::InterBase, "IB"}));

TEST_F(TdtmDBGeralTest, InstallsItselfAsTheDefaultSessionWhileItLives) {
    {
        TdtmDBGeral module(nullptr, Path(), SqlDialect::MSSQL);
        EXPECT_EQ(TdtmDBGeral::Instance(), &module);
        EXPECT_EQ(DatabaseSession::defaultSession().connection(), &module.Connection());
        EXPECT_EQ(DatabaseSession::defaultSession().dialect(), SqlDialect::MSSQL);
        EXPECT_EQ(module.Name(), QStringLiteral("dtmDBGeral"));
    }
    EXPECT_EQ(TdtmDBGeral::Instance(), nullptr);
    EXPECT_FALSE(DatabaseSession::defaultSession().isConnected());
    auto query = DialectProbe();
    EXPECT_THROW(query->Open(), EDatabaseError);
}

TEST_F(TdtmDBGeralTest, OneDataModulePerProcess) {
    auto first = std::make_unique<TdtmDBGeral>(nullptr, Path(), SqlDialect::Oracle);
    EXPECT_THROW(TdtmDBGeral(nullptr, Path(), SqlDialect::MSSQL), EComponentError);
    EXPECT_EQ(TdtmDBGeral::Instance(), first.get());
    EXPECT_EQ(DatabaseSession::defaultSession().dialect(), SqlDialect::Oracle);
    first.reset();
    TdtmDBGeral second(nullptr, Path(), SqlDialect::MSSQL);
    EXPECT_EQ(TdtmDBGeral::Instance(), &second);
}

TEST_F(TdtmDBGeralTest, AMissingDatabaseCreatesNoModuleAndInstallsNothing) {
    const QString missing = dir.filePath(QStringLiteral("nada.db"));
    EXPECT_THROW(TdtmDBGeral(nullptr, missing, SqlDialect::Oracle), ESqlError);
    EXPECT_EQ(TdtmDBGeral::Instance(), nullptr);
    EXPECT_FALSE(DatabaseSession::defaultSession().isConnected());
    EXPECT_FALSE(QFile::exists(missing));
}

TEST_F(TdtmDBGeralTest, OpensTheDatabaseOfTheHostSettings) {
    const HostSettings previous = HostSettings::Current();
    HostSettings settings;
    settings.databasePath = Path();
    settings.dialect = SqlDialect::InterBase;
    HostSettings::SetCurrent(settings);
    {
        TdtmDBGeral module(nullptr);
        EXPECT_EQ(module.Connection().path(), Path());
        EXPECT_EQ(module.Dialect(), SqlDialect::InterBase);
        auto query = DialectProbe();
        query->Open();
        EXPECT_EQ(query->FieldByName(QStringLiteral("D"))->AsString(), QStringLiteral("IB"));
    }
    HostSettings::SetCurrent(previous);
}

} // namespace
