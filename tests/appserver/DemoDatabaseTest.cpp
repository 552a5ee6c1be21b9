#include "SeededDatabase.h"
#include "appserver/database/CompanySchema.h"
#include "appserver/database/TaxNumber.h"
#include "platform/db/EDatabaseError.h"
#include "platform/sql/ESqlError.h"
#include "platform/sql/SqlTransaction.h"

#include <QFile>

using namespace ger;

namespace {

class DemoDatabaseTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { SeededDatabase::SetUp(); }
    static void TearDownTestSuite() { SeededDatabase::TearDown(); }

    int count(const char* sql) { return SeededDatabase::Count(db, QString::fromUtf8(sql)); }
    SqlRowSet select(const char* sql) { return SeededDatabase::Select(db, QString::fromUtf8(sql)); }

    DatabaseConnection db{SeededDatabase::Path()};
};

// Every row of every table, in insertion order.
std::vector<std::vector<SqlRow>> Content(DatabaseConnection& connection) {
    std::vector<std::vector<SqlRow>> content;
    for (const QString& table : CompanySchema::TableNames())
        content.push_back(
            SeededDatabase::Select(connection,
                                   QStringLiteral("SELECT * FROM %1 ORDER BY rowid").arg(table))
                .rows());
    return content;
}

} // namespace

TEST_F(DemoDatabaseTest, ForeignKeysHold) {
    EXPECT_EQ(select("PRAGMA foreign_key_check").rowCount(), 0);
    EXPECT_EQ(select("PRAGMA integrity_check").rows(), std::vector<SqlRow>{{QStringLiteral("ok")}});
}

TEST_F(DemoDatabaseTest, EveryTaxNumberHasValidCheckDigits) {
    const SqlRowSet clients =
        select("SELECT IDTPIJURCLIE, NRINSJURCLIE FROM CLIENTE WHERE NRINSJURCLIE IS NOT NULL");
    ASSERT_GE(clients.rowCount(), 50);
    for (const SqlRow& client : clients.rows()) {
        const QString number = *client.at(1);
        EXPECT_TRUE(*client.at(0) == u"F" ? TaxNumber::IsValidCpf(number)
                                          : TaxNumber::IsValidCnpj(number))
            << number.toStdString();
    }
    for (const char* sql :
         {"SELECT NRINSJUREMPR FROM EMPRESA", "SELECT NRINSJURFILI FROM ENDERECOFILIAL"}) {
        const SqlRowSet numbers = select(sql);
        ASSERT_GT(numbers.rowCount(), 0);
        for (const SqlRow& row : numbers.rows())
            EXPECT_TRUE(TaxNumber::IsValidCnpj(row.at(0).value_or(QString()))) << sql;
    }
}

TEST_F(DemoDatabaseTest, ClientsMixCpfNumericAndAlphanumericCnpjAndForeignClients) {
    EXPECT_GE(count("SELECT COUNT(*) FROM CLIENTE"), 50);
    EXPECT_GE(count("SELECT COUNT(*) FROM CLIENTE WHERE IDTPIJURCLIE = 'F'"), 10);
    EXPECT_GE(count("SELECT COUNT(*) FROM CLIENTE WHERE IDTPIJURCLIE = 'J' AND "
                    "NRINSJURCLIE GLOB '[0-9]*' AND NOT NRINSJURCLIE GLOB '*[A-Z]*'"),
              10);
    EXPECT_GE(count("SELECT COUNT(*) FROM CLIENTE WHERE NRINSJURCLIE GLOB '*[A-Z]*'"), 3);
    EXPECT_GE(count("SELECT COUNT(*) FROM CLIENTE WHERE NRINSJURCLIE IS NULL"), 1);
}

TEST_F(DemoDatabaseTest, BranchesSpreadOverCompaniesAndStates) {
    EXPECT_GE(count("SELECT COUNT(*) FROM EMPRESA"), 2);
    EXPECT_GE(count("SELECT COUNT(*) FROM FILIAL"), 6);
    EXPECT_GE(count("SELECT COUNT(DISTINCT CDEMPRESA) FROM FILIAL"), 2);
    EXPECT_GE(count("SELECT COUNT(DISTINCT E.SGESTADO) FROM FILIAL F "
                    "JOIN INSCRESTAD E ON E.CDINSCESTA = F.CDINSCESTA"),
              6);
    EXPECT_EQ(count("SELECT COUNT(*) FROM FILIAL F JOIN EMPRESA E ON E.CDEMPRESA = F.CDEMPRESA "
                    "JOIN ENDERECOFILIAL A ON A.CDFILIAL = F.CDFILIAL "
                    "WHERE substr(A.NRINSJURFILI, 1, 8) <> substr(E.NRINSJUREMPR, 1, 8)"),
              0)
        << "a branch's CNPJ shares its company's root";
}

TEST_F(DemoDatabaseTest, RegistrationsIncludeSeveralPerCompanyAndOneWithoutBranch) {
    EXPECT_GE(
        count("SELECT MAX(N) FROM (SELECT COUNT(*) AS N FROM INSCRMUNICIP GROUP BY CDEMPRESA)"), 2);
    EXPECT_GE(count("SELECT COUNT(*) FROM INSCRESTAD "
                    "WHERE CDINSCESTA NOT IN (SELECT CDINSCESTA FROM FILIAL)"),
              1);
}

TEST_F(DemoDatabaseTest, NoStateRegistrationOccursInsideAnother) {
    // The bulk screen finds chosen registrations in a list by substring.
    EXPECT_EQ(count("SELECT COUNT(*) FROM INSCRESTAD A, INSCRESTAD B "
                    "WHERE A.CDINSCESTA <> B.CDINSCESTA AND instr(A.CDINSCESTA, B.CDINSCESTA) > 0"),
              0);
}

TEST_F(DemoDatabaseTest, AddressesCoverEveryKindButNotForEveryBranch) {
    EXPECT_EQ(count("SELECT COUNT(DISTINCT IDTPENDEFILI) FROM ENDERECOFILIAL"), 7);
    EXPECT_EQ(count("SELECT COUNT(*) FROM FILIAL WHERE CDFILIAL NOT IN "
                    "(SELECT CDFILIAL FROM ENDERECOFILIAL WHERE IDTPENDEFILI = 'P')"),
              0)
        << "every branch has its own address";
    EXPECT_GE(count("SELECT COUNT(*) FROM ENDERECOFILIAL WHERE IDTPENDEFILI = 'M'"), 2);
    EXPECT_GE(count("SELECT COUNT(*) FROM (SELECT CDFILIAL FROM ENDERECOFILIAL "
                    "GROUP BY CDFILIAL HAVING COUNT(*) < 7)"),
              1);
    EXPECT_EQ(
        count("SELECT COUNT(*) FROM ENDERECOFILIAL A JOIN FILIAL F ON F.CDFILIAL = A.CDFILIAL "
              "WHERE A.IDTPENDEFILI = 'M' AND NOT EXISTS (SELECT 1 FROM INSCRMUNICIP I "
              "WHERE I.CDEMPRESA = F.CDEMPRESA AND I.CDINSCMUNI = A.CDINSCMUNI)"),
        0)
        << "kind M carries a municipal registration of the branch's company";
}

TEST_F(DemoDatabaseTest, OperationTypesAreMostlyInUseWithSomeExceptions) {
    const int all = count("SELECT COUNT(*) FROM TIPOOPERAC");
    EXPECT_GE(all, 30);
    EXPECT_GT(
        2 * count("SELECT COUNT(*) FROM TIPOOPERAC WHERE IDENTRSAIDOP = 'S' AND IDUTILOPER = 'S'"),
        all);
    EXPECT_GE(count("SELECT COUNT(*) FROM TIPOOPERAC WHERE IDENTRSAIDOP = 'N'"), 1);
    EXPECT_GE(
        count("SELECT COUNT(*) FROM TIPOOPERAC WHERE IDUTILOPER = 'N' AND IDENTRSAIDOP = 'S'"), 1);
    EXPECT_GE(
        count("SELECT COUNT(*) FROM TIPOOPERAC WHERE IDUTILOPER = 'S' AND IDENTRSAIDOP = 'N'"), 1);
}

TEST_F(DemoDatabaseTest, BranchOperationTypesMixFlagsAndUseOnlyRegisteredAddressKinds) {
    EXPECT_GE(count("SELECT COUNT(DISTINCT CDFILIAL) FROM TIPOOPERFILIAL"),
              count("SELECT COUNT(*) FROM FILIAL") - 1);
    for (const char* flag : {"IDLIBERADO", "IDLANCMANUAL"}) {
        for (const char* value : {"S", "N"})
            EXPECT_GE(count(QStringLiteral("SELECT COUNT(*) FROM TIPOOPERFILIAL WHERE %1 = '%2'")
                                .arg(QLatin1String(flag), QLatin1String(value))
                                .toUtf8()),
                      1)
                << flag << " " << value;
    }
    EXPECT_GE(count("SELECT COUNT(DISTINCT IDENDEMISTPOPFIL) FROM TIPOOPERFILIAL "
                    "WHERE IDENDEMISTPOPFIL <> 'P'"),
              2);
    EXPECT_GE(count("SELECT COUNT(*) FROM TIPOOPERFILIAL WHERE IDENDEMISTPOPFIL = 'M'"), 1);
    EXPECT_GE(count("SELECT COUNT(*) FROM TIPOOPERFILIAL WHERE IDENDEMISTPOPFIL IS NULL"), 1);
    EXPECT_EQ(count("SELECT COUNT(*) FROM TIPOOPERFILIAL T WHERE IDENDEMISTPOPFIL IS NOT NULL "
                    "AND NOT EXISTS (SELECT 1 FROM ENDERECOFILIAL A WHERE A.CDFILIAL = T.CDFILIAL "
                    "AND A.IDTPENDEFILI = T.IDENDEMISTPOPFIL)"),
              0);
    EXPECT_EQ(count("SELECT COUNT(*) FROM TIPOOPERFILIAL WHERE (IDENDEMISTPOPFIL = 'M') <> "
                    "(CDINSCMUNI IS NOT NULL)"),
              0)
        << "a municipal registration goes with kind M only";
}

TEST_F(DemoDatabaseTest, ClientOperationTypesAreTypesOfferedToClients) {
    EXPECT_GE(count("SELECT COUNT(*) FROM TIPOOPERCLIENTE"), 12);
    EXPECT_EQ(count("SELECT COUNT(*) FROM TIPOOPERCLIENTE C JOIN TIPOOPERAC T "
                    "ON T.CDTIPOOPER = C.CDTIPOOPER WHERE T.IDENTRSAIDOP <> 'S'"),
              0);
}

TEST_F(DemoDatabaseTest, ClientCodesArePaddedToTheirWidth) {
    EXPECT_EQ(DemoDatabase::ClientCode(0), QStringLiteral("000000000000000000001"));
    EXPECT_EQ(count("SELECT COUNT(*) FROM CLIENTE WHERE CDCLIENTE = '000000000000000000001'"), 1);
}

TEST_F(DemoDatabaseTest, CreationIsDeterministic) {
    QTemporaryDir dir;
    const QString other = dir.filePath(QStringLiteral("again.db"));
    DemoDatabase::Create(other);
    DatabaseConnection second(other);
    EXPECT_EQ(Content(second), Content(db));
}

TEST(DemoDatabaseCreate, RefusesAnExistingFileAndLeavesItAlone) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("real.db"));
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("precious");
    }
    EXPECT_THROW(DemoDatabase::Create(path), EDatabaseError);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("precious"));
}

TEST(DemoDatabaseCreate, FailedSeedRollsBackAsAWhole) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("twice.db"));
    DemoDatabase::Create(path);
    DatabaseConnection connection(path);
    const auto before = Content(connection);
    // The second seed inserts the countries, then fails on the first duplicate key.
    EXPECT_THROW(DemoDatabase::Seed(connection), ESqlError);
    EXPECT_EQ(Content(connection), before);
}

namespace {

struct RefusedRow {
    const char* name;
    const char* insert;
};

class SchemaRefuses : public DemoDatabaseTest, public ::testing::WithParamInterface<RefusedRow> {};

} // namespace

TEST_P(SchemaRefuses, RowBreakingAnInvariant) {
    SqlTransaction keepTheSeedIntact(db);
    EXPECT_THROW(db.executeScript(QString::fromUtf8(GetParam().insert)), ESqlError);
}

INSTANTIATE_TEST_SUITE_P(
    Invariants, SchemaRefuses,
    ::testing::Values(
        RefusedRow{"UnpaddedBranchCode", "INSERT INTO FILIAL (CDFILIAL, NMFILIAL, CDEMPRESA) "
                                         "VALUES ('1', 'X', '01')"},
        RefusedRow{"LowerCaseBranchCode", "INSERT INTO FILIAL (CDFILIAL, NMFILIAL, CDEMPRESA) "
                                          "VALUES ('0a01', 'X', '01')"},
        RefusedRow{"BranchOfUnknownCompany", "INSERT INTO FILIAL (CDFILIAL, NMFILIAL, CDEMPRESA) "
                                             "VALUES ('0901', 'X', '09')"},
        RefusedRow{"MunicipalRegistrationOfAnotherCompany",
                   "INSERT INTO FILIAL (CDFILIAL, NMFILIAL, CDEMPRESA, CDINSCMUNI) "
                   "VALUES ('0901', 'X', '01', '5214789')"},
        RefusedRow{"UnpaddedOperationType", "INSERT INTO TIPOOPERAC VALUES ('5', 'X', 'S', 'S')"},
        RefusedRow{"FlagOtherThanSOrN", "INSERT INTO TIPOOPERAC VALUES ('99', 'X', 's', 'S')"},
        RefusedRow{"NameWiderThan30", "INSERT INTO TIPOOPERAC VALUES "
                                      "('99', 'Remessa para industrialização X', 'S', 'S')"},
        RefusedRow{"UnknownAddressKind", "UPDATE TIPOOPERFILIAL SET IDENDEMISTPOPFIL = 'Z'"},
        RefusedRow{"EmptyAddressKind", "UPDATE TIPOOPERFILIAL SET IDENDEMISTPOPFIL = ''"},
        RefusedRow{"SecondAddressOfAKind", "INSERT INTO ENDERECOFILIAL SELECT * FROM "
                                           "ENDERECOFILIAL WHERE CDFILIAL = '0001' AND "
                                           "IDTPENDEFILI = 'P'"},
        RefusedRow{"CpfOfTwelveDigits", "INSERT INTO CLIENTE VALUES ('000000000000000000999', "
                                        "'F', '529982247250', 'X', NULL)"},
        RefusedRow{"CnpjForAPerson", "INSERT INTO CLIENTE VALUES ('000000000000000000999', "
                                     "'F', '11222333000181', 'X', NULL)"},
        RefusedRow{"ClientOperationOfUnknownClient",
                   "INSERT INTO TIPOOPERCLIENTE VALUES ('0001', '000000000000000000999', '01')"}),
    [](const auto& p) { return std::string(p.param.name); });
