// The size of the demo database: ger-appserver --init-demo PATH --demo-clients N, the clients
// generated after the seed's, and what stays exactly the seed.

#include "AppServerTestSupport.h"
#include "appserver/AppServerOptions.h"
#include "appserver/database/CompanySchema.h"
#include "appserver/database/DemoGeneratedClients.h"
#include "appserver/database/DemoSeedData.h"
#include "appserver/database/TaxNumber.h"
#include "platform/db/EDatabaseError.h"
#include "support/ThrowsWithMessage.h"

#include <QFile>
#include <QSet>

using namespace ger;
using namespace ger::test;

namespace {

bool IsValidNumber(QChar personType, const QString& number) {
    return personType == u'F' ? TaxNumber::IsValidCpf(number) : TaxNumber::IsValidCnpj(number);
}

} // namespace

TEST(DemoClientsOptionTest, GivesTheNumberOfClientsOfTheNewDemoDatabase) {
    EXPECT_EQ(ParseOptions({"--init-demo", "/tmp/d.sqlite"}).demoClients,
              DemoDatabase::kSeedClients);
    EXPECT_EQ(
        ParseOptions({"--init-demo", "/tmp/d.sqlite", "--demo-clients", "100000"}).demoClients,
        100000);
    EXPECT_EQ(ParseOptions({"--demo-clients", "56", "--init-demo", "/tmp/d.sqlite"}).demoClients,
              56);
    EXPECT_EQ(
        ParseOptions({"--init-demo", "/tmp/d.sqlite", "--demo-clients", "1000000"}).demoClients,
        1000000);
    EXPECT_THAT(AppServerOptions::Usage().toStdString(), testing::HasSubstr("--demo-clients N"));
}

class BadDemoClientsTest : public testing::TestWithParam<const char*> {};

TEST_P(BadDemoClientsTest, IsRefusedNamingTheOptionAndItsRange) {
    const QString value = QString::fromUtf8(GetParam());
    EXPECT_THAT(
        [&] {
            ParseOptions({"--init-demo", "/tmp/d.sqlite", "--demo-clients", value});
        },
        ThrowsWithMessage<EUsage>(
            testing::AllOf(testing::HasSubstr("--demo-clients deve ser um número de 56 a 1000000"),
                           testing::HasSubstr(("\"" + value + "\"").toStdString()))));
}

INSTANTIATE_TEST_SUITE_P(Values, BadDemoClientsTest,
                         testing::Values("0", "55", "-100", "1000001", "mil", "", "10k", "1e5",
                                         "99999999999"));

TEST(DemoClientsOptionTest, IsRefusedWithoutInitDemoOrWithoutAValue) {
    EXPECT_THAT(
        [] {
            ParseOptions({"--demo-clients", "1000"});
        },
        ThrowsWithMessage<EUsage>(testing::HasSubstr("só vale com --init-demo")));
    EXPECT_THROW(ParseOptions({"--init-demo", "/tmp/d.sqlite", "--demo-clients"}), EUsage);
}

TEST(DemoGeneratedClientsTest, NumbersAreValidDistinctAndNoneOfTheSeeds) {
    constexpr int kCount = 300000;
    const std::vector<DemoGeneratedClients::Client> clients =
        DemoGeneratedClients::Generate(kCount);
    ASSERT_EQ(clients.size(), size_t(kCount));
    QSet<QString> numbers;
    for (const DemoSeedData::Client& seed : DemoSeedData::Clients())
        if (seed.number)
            numbers.insert(QString::fromLatin1(seed.number));
    const qsizetype seedNumbers = numbers.size();
    int people = 0;
    for (const DemoGeneratedClients::Client& client : clients) {
        ASSERT_TRUE(IsValidNumber(client.personType, client.number))
            << client.personType.toLatin1() << " " << client.number.toStdString();
        numbers.insert(client.number);
        people += client.personType == u'F';
    }
    EXPECT_EQ(numbers.size(), seedNumbers + kCount) << "no number twice, none of the seed's";
    EXPECT_EQ(people, kCount / 2);
}

TEST(DemoGeneratedClientsTest, NamesFitTheirColumnsAndPeopleHaveNoTradeName) {
    for (const DemoGeneratedClients::Client& client : DemoGeneratedClients::Generate(20000)) {
        ASSERT_FALSE(client.corporateName.isEmpty());
        ASSERT_LE(client.corporateName.size(), 50) << client.corporateName.toStdString();
        ASSERT_LE(client.tradeName.size(), 50);
        EXPECT_EQ(client.tradeName.isNull(), client.personType == u'F');
    }
}

TEST(DemoGeneratedClientsTest, AreTheSameAtEveryGenerationAndGrowByAppending) {
    const auto small = DemoGeneratedClients::Generate(500);
    const auto large = DemoGeneratedClients::Generate(1000);
    for (size_t i = 0; i < small.size(); ++i) {
        EXPECT_EQ(small[i].number, large[i].number);
        EXPECT_EQ(small[i].corporateName, large[i].corporateName);
    }
}

class LargeDemoDatabaseTest : public testing::Test {
protected:
    static constexpr int kClients = 3000;

    static void SetUpTestSuite() {
        s_dir = std::make_unique<QTemporaryDir>();
        DemoDatabase::Create(s_dir->filePath("seed.db"));
        DemoDatabase::Create(s_dir->filePath("large.db"), kClients);
    }
    static void TearDownTestSuite() { s_dir.reset(); }

    static std::vector<SqlRow> Rows(DatabaseConnection& connection, const QString& sql) {
        return SeededDatabase::Select(connection, sql).rows();
    }

    static inline std::unique_ptr<QTemporaryDir> s_dir;
    DatabaseConnection seed{s_dir->filePath("seed.db")};
    DatabaseConnection large{s_dir->filePath("large.db")};
};

TEST_F(LargeDemoDatabaseTest, HoldsTheNumberOfClientsAskedWithDistinctValidNumbers) {
    EXPECT_EQ(SeededDatabase::Count(large, "SELECT COUNT(*) FROM CLIENTE"), kClients);
    EXPECT_EQ(SeededDatabase::Count(large, "SELECT COUNT(DISTINCT NRINSJURCLIE) FROM CLIENTE"),
              SeededDatabase::Count(large, "SELECT COUNT(NRINSJURCLIE) FROM CLIENTE"));
    EXPECT_EQ(SeededDatabase::Count(large, "SELECT COUNT(*) FROM CLIENTE WHERE NRINSJURCLIE IS "
                                           "NULL"),
              2)
        << "only the seed's two foreign clients";
    for (const SqlRow& row :
         Rows(large, "SELECT IDTPIJURCLIE, NRINSJURCLIE FROM CLIENTE WHERE rowid > 56"))
        ASSERT_TRUE(IsValidNumber(row.at(0)->front(), *row.at(1))) << row.at(1)->toStdString();
    EXPECT_EQ(SeededDatabase::Scalar(large, "SELECT MAX(CDCLIENTE) FROM CLIENTE"),
              DemoDatabase::ClientCode(kClients - 1));
}

TEST_F(LargeDemoDatabaseTest, KeepsTheSeedRowsExactlyAndAddsClientsAfterThem) {
    for (const QString& table : CompanySchema::TableNames()) {
        SCOPED_TRACE(table.toStdString());
        const QString all = QStringLiteral("SELECT * FROM %1 ORDER BY rowid").arg(table);
        if (table == u"CLIENTE")
            EXPECT_EQ(Rows(large, all + " LIMIT 56"), Rows(seed, all));
        else
            EXPECT_EQ(Rows(large, all), Rows(seed, all));
    }
}

TEST(DemoDatabaseSizeTest, RefusesACountOutOfRangeWithoutMakingAFile) {
    QTemporaryDir dir;
    for (int clients : {0, DemoDatabase::kSeedClients - 1, DemoDatabase::kMaxClients + 1}) {
        const QString path = dir.filePath(QStringLiteral("d%1.db").arg(clients));
        EXPECT_THAT([&] { DemoDatabase::Create(path, clients); },
                    ThrowsWithMessage<EDatabaseError>(testing::HasSubstr("56 to 1000000")));
        EXPECT_FALSE(QFile::exists(path));
    }
}
