// SetTpOperFil: the write of one row of the per-branch grid, its rules for the address kind
// and the municipal registration, the by-reference stInscMuni, and every refusal.

#include "AppServerTestSupport.h"
#include "appserver/PacketLayouts.h"

using namespace ger;
using namespace ger::test;

namespace {

struct StoredRow {
    SqlValue released, manualEntries, kind, registration;
    bool operator==(const StoredRow&) const = default;
};

class SetTpOperFilOnOneEngine : public AppServerTest {
protected:
    // A type of branch 0001 (company 01), stored with kind "M" and a registration.
    void SetUp() override {
        AppServerTest::SetUp();
        SqlStatement(db(), "UPDATE TIPOOPERFILIAL SET IDENDEMISTPOPFIL = 'M', CDINSCMUNI = "
                           "'40213987', IDLIBERADO = 'S', IDLANCMANUAL = 'S' "
                           "WHERE CDFILIAL = '0001' AND CDTIPOOPER = '01'")
            .execute();
    }

    StoredRow stored(const QString& branch, const QString& type) {
        const SqlRowSet rows = select(
            QStringLiteral("SELECT IDLIBERADO, IDLANCMANUAL, IDENDEMISTPOPFIL, CDINSCMUNI FROM "
                           "TIPOOPERFILIAL WHERE CDFILIAL = '%1' AND CDTIPOOPER = '%2'")
                .arg(branch, type));
        EXPECT_EQ(rows.rowCount(), 1);
        const SqlRow& r = rows.rows().front();
        return {r[0], r[1], r[2], r[3]};
    }

    // SetTpOperFil for type 01 of branch 0001; `args` keeps the by-reference value.
    QVariant write(Args& args) { return call("SetTpOperFil", args); }
    static Args Row(const QString& lib, const QString& lanc, const QString& kind,
                    const QString& inscMuni, const QString& type = "01",
                    const QString& branch = "0001") {
        return {Val(type), Val(branch), Val(lib), Val(lanc), Val(kind), Ref(inscMuni)};
    }
};

} // namespace

using SetTpOperFilTest = OnEveryEngine<SetTpOperFilOnOneEngine>;

TEST_P(SetTpOperFilTest, WritesTheFlagsAndAnswersWithTheBranchList) {
    Args args = Row("N", "N", "C", "");
    const QByteArray packet = succeed("SetTpOperFil", args);
    EXPECT_EQ(stored("0001", "01"), (StoredRow{"N", "N", "C", SqlValue()}));
    EXPECT_EQ(packet, call("GetTpOperFil", {Val("0001")}).toByteArray())
        << "the answer is the branch's whole list, as GetTpOperFil gives it after the write";
    EXPECT_EQ(DataPacket::Decode(packet).fields, PacketLayouts::BranchOperations());
}

TEST_P(SetTpOperFilTest, TouchesOnlyTheRowOfTheTypeAndBranch) {
    const auto before = writtenTables();
    Args args = Row("N", "S", "P", "");
    succeed("SetTpOperFil", args);
    const auto after = writtenTables();
    ASSERT_EQ(before[0].size(), after[0].size());
    int changed = 0;
    for (size_t i = 0; i < before[0].size(); ++i)
        if (before[0][i] != after[0][i]) {
            ++changed;
            EXPECT_EQ(after[0][i][0], QStringLiteral("0001"));
            EXPECT_EQ(after[0][i][1], QStringLiteral("01"));
        }
    EXPECT_EQ(changed, 1);
    EXPECT_EQ(before[1], after[1]);
}

TEST_P(SetTpOperFilTest, CompanyKindStoresTheRegistrationAndEmptiesTheReference) {
    Args args = Row("S", "S", "M", "31428573");
    succeed("SetTpOperFil", args);
    EXPECT_EQ(stored("0001", "01").registration, QStringLiteral("31428573"));
    EXPECT_EQ(args[5].value.toString(), QString()) << "stInscMuni is emptied after a write";
}

TEST_P(SetTpOperFilTest, CompanyKindWithoutRegistrationKeepsTheStoredOne) {
    Args args = Row("N", "S", "M", "");
    succeed("SetTpOperFil", args);
    EXPECT_EQ(stored("0001", "01"), (StoredRow{"N", "S", "M", QStringLiteral("40213987")}));
}

TEST_P(SetTpOperFilTest, AnyOtherKindClearsTheRegistrationEvenWhenOneIsSent) {
    Args args = Row("S", "S", "T", "31428573");
    succeed("SetTpOperFil", args);
    EXPECT_EQ(stored("0001", "01"), (StoredRow{"S", "S", "T", SqlValue()}));
    EXPECT_EQ(args[5].value.toString(), QString());
}

TEST_P(SetTpOperFilTest, EmptyKindIsStoredAsNull) {
    Args args = Row("S", "N", "", "");
    succeed("SetTpOperFil", args);
    EXPECT_EQ(stored("0001", "01"), (StoredRow{"S", "N", SqlValue(), SqlValue()}));
}

struct Refusal {
    const char* name;
    Args args;
    ServerResultCode code;
};

class SetTpOperFilRefusalTest : public OnEveryEngineWith<SetTpOperFilOnOneEngine, Refusal> {};

TEST_P(SetTpOperFilRefusalTest, WritesNothingAndKeepsTheReference) {
    const auto before = writtenTables();
    Args args = testCase().args;
    const QString sent = args.size() == 6 ? args[5].value.toString() : QString();
    const ServerResult::Parts parts = fail("SetTpOperFil", args);
    EXPECT_EQ(parts.code, static_cast<int>(testCase().code)) << parts.message.toStdString();
    EXPECT_EQ(writtenTables(), before);
    if (args.size() == 6) {
        EXPECT_EQ(args[5].value.toString(), sent) << "stInscMuni kept on failure";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SetTpOperFilRefusalTest,
    ::testing::Combine(
        EveryEngine(),
        ::testing::Values(
            Refusal{"ReleasedNotSN",
                    {Val("01"), Val("0001"), Val("X"), Val("S"), Val("P"), Ref("")},
                    ServerResultCode::InvalidArgument},
            Refusal{"ReleasedLowerCase",
                    {Val("01"), Val("0001"), Val("s"), Val("S"), Val("P"), Ref("")},
                    ServerResultCode::InvalidArgument},
            Refusal{"ManualEmpty",
                    {Val("01"), Val("0001"), Val("S"), Val(""), Val("P"), Ref("")},
                    ServerResultCode::InvalidArgument},
            Refusal{"UnknownKind",
                    {Val("01"), Val("0001"), Val("S"), Val("S"), Val("Z"), Ref("")},
                    ServerResultCode::InvalidArgument},
            Refusal{"KindTooLong",
                    {Val("01"), Val("0001"), Val("S"), Val("S"), Val("PC"), Ref("")},
                    ServerResultCode::InvalidArgument},
            Refusal{"UnknownBranch",
                    {Val("01"), Val("9999"), Val("S"), Val("S"), Val("P"), Ref("")},
                    ServerResultCode::NotFound},
            Refusal{"BranchAfterAByteOrderMark",
                    {Val("01"), Val(QStringLiteral("\uFEFF0301")), Val("N"), Val("S"), Val("P"),
                     Ref("")},
                    ServerResultCode::InvalidArgument},
            Refusal{"BranchAfterAReversedMark",
                    {Val("01"), Val(QStringLiteral("\uFFFE0301")), Val("N"), Val("S"), Val("P"),
                     Ref("")},
                    ServerResultCode::InvalidArgument},
            Refusal{"TypeWithAZeroWidthSpace",
                    {Val(QStringLiteral("0\u200B1")), Val("0001"), Val("N"), Val("S"), Val("P"),
                     Ref("")},
                    ServerResultCode::InvalidArgument},
            Refusal{"UnpaddedBranch",
                    {Val("01"), Val("1"), Val("S"), Val("S"), Val("P"), Ref("")},
                    ServerResultCode::NotFound},
            Refusal{"TypeNotOfBranch",
                    {Val("99"), Val("0001"), Val("S"), Val("S"), Val("P"), Ref("")},
                    ServerResultCode::NotFound},
            Refusal{"BranchWithoutTypes",
                    {Val("01"), Val("0303"), Val("S"), Val("S"), Val("P"), Ref("")},
                    ServerResultCode::NotFound},
            Refusal{"RegistrationOfAnotherCompany",
                    {Val("01"), Val("0001"), Val("S"), Val("S"), Val("M"), Ref("5214789")},
                    ServerResultCode::NotFound},
            Refusal{"UnknownRegistration",
                    {Val("01"), Val("0001"), Val("S"), Val("S"), Val("M"), Ref("00000000")},
                    ServerResultCode::NotFound},
            Refusal{"RegistrationWithBlank",
                    {Val("01"), Val("0001"), Val("S"), Val("S"), Val("M"), Ref("31428573 ")},
                    ServerResultCode::InvalidArgument},
            Refusal{"TypeWithBlank",
                    {Val("01 "), Val("0001"), Val("S"), Val("S"), Val("P"), Ref("")},
                    ServerResultCode::InvalidArgument},
            Refusal{"FiveArguments",
                    {Val("01"), Val("0001"), Val("S"), Val("S"), Val("P")},
                    ServerResultCode::InvalidArgument},
            Refusal{"RegistrationByValue",
                    {Val("01"), Val("0001"), Val("S"), Val("S"), Val("P"), Val("")},
                    ServerResultCode::InvalidArgument},
            Refusal{"BranchByReference",
                    {Val("01"), Ref("0001"), Val("S"), Val("S"), Val("P"), Ref("")},
                    ServerResultCode::InvalidArgument})),
    EngineAndCaseName<Refusal>);

TEST_P(SetTpOperFilTest, TypeRegisteredButNotForTheBranchIsRefused) {
    const QString type = scalar("SELECT MIN(CDTIPOOPER) FROM TIPOOPERAC WHERE CDTIPOOPER NOT IN "
                                "(SELECT CDTIPOOPER FROM TIPOOPERFILIAL WHERE CDFILIAL = '0001')");
    ASSERT_FALSE(type.isEmpty());
    const auto before = writtenTables();
    Args args = Row("S", "S", "P", "", type);
    const ServerResult::Parts parts = fail("SetTpOperFil", args);
    EXPECT_EQ(parts.code, static_cast<int>(ServerResultCode::NotFound));
    EXPECT_TRUE(parts.message.contains(type)) << parts.message.toStdString();
    EXPECT_EQ(writtenTables(), before) << "no row is added";
}

INSTANTIATE_TEST_SUITE_P(Engines, SetTpOperFilTest, EveryEngine(), EngineName);
