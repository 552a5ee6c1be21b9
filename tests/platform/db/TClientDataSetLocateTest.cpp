#include "DbTestSupport.h"
#include "platform/db/EDatabaseError.h"

#include <gtest/gtest.h>

using namespace ger;
using namespace ger::test;

namespace {

QByteArray AddressPacket() {
    return Packet({{"IDTPENDEFILI", 1}, {"NMFILIAL", 30}}, {{V("P"), V("Matriz")},
                                                            {V("C"), V("Cobrança Centro")},
                                                            {V("c"), V("cobrança filial")},
                                                            {N(), V("Sem tipo")},
                                                            {V("M"), V("Empresa")}});
}

struct LocateCase {
    const char* name;
    const char* fields;
    QVariant value;
    TLocateOptions options;
    int expectedRecNo; // 0: not found, the cursor stays
};

class LocateTest : public ::testing::TestWithParam<LocateCase> {
protected:
    void SetUp() override {
        cds.SetData(AddressPacket());
        cds.SetRecNo(2);
    }
    TClientDataSet cds{nullptr};
};

} // namespace

TEST_P(LocateTest, FindsTheFirstMatchOrStaysWhereItWas) {
    const LocateCase& c = GetParam();
    const bool found = cds.Locate(c.fields, c.value, c.options);
    EXPECT_EQ(found, c.expectedRecNo != 0);
    EXPECT_EQ(cds.RecNo(), c.expectedRecNo != 0 ? c.expectedRecNo : 2);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LocateTest,
    ::testing::Values(
        LocateCase{"ExactIsCaseSensitive", "IDTPENDEFILI", QStringLiteral("c"), {}, 3},
        LocateCase{"ExactFindsNothingForAnAbsentKind", "IDTPENDEFILI", QStringLiteral("X"), {}, 0},
        LocateCase{"ExactDoesNotMatchAPrefix", "NMFILIAL", QStringLiteral("Matr"), {}, 0},
        LocateCase{"ExactWithAccents", "NMFILIAL", QStringLiteral("cobrança filial"), {}, 3},
        LocateCase{"CaseInsensitiveTakesTheFirst",
                   "NMFILIAL",
                   QStringLiteral("COBRANÇA FILIAL"),
                   {loCaseInsensitive},
                   3},
        LocateCase{"PartialMatchesAPrefix", "NMFILIAL", QStringLiteral("Cobr"), {loPartialKey}, 2},
        LocateCase{"PartialIsCaseSensitive", "NMFILIAL", QStringLiteral("cobr"), {loPartialKey}, 3},
        LocateCase{"PartialAndCaseInsensitive", "NMFILIAL", QStringLiteral("EMP"),
                   (TLocateOptions{loPartialKey, loCaseInsensitive}), 5},
        LocateCase{"NullKeyMatchesNullOnly", "IDTPENDEFILI", QVariant(), {}, 4},
        LocateCase{"EmptyKeyMatchesTheNullValueAsAsStringReadsIt",
                   "IDTPENDEFILI",
                   QStringLiteral(""),
                   {},
                   4},
        LocateCase{"SeveralFields",
                   "IDTPENDEFILI;NMFILIAL",
                   QVariantList{QStringLiteral("c"), QStringLiteral("cobrança filial")},
                   {},
                   3},
        LocateCase{"SeveralFieldsAllMustMatch",
                   "IDTPENDEFILI;NMFILIAL",
                   QVariantList{QStringLiteral("C"), QStringLiteral("cobrança filial")},
                   {},
                   0}),
    [](const auto& c) { return std::string(c.param.name); });

TEST(LocateErrorsTest, UnknownFieldAndValueCountMismatchRaise) {
    TClientDataSet cds(nullptr);
    cds.SetData(AddressPacket());
    EXPECT_THROW(cds.Locate("NOPE", QStringLiteral("x")), EDatabaseError);
    EXPECT_THROW(cds.Locate("IDTPENDEFILI;NMFILIAL", QStringLiteral("x")), EDatabaseError);
}

TEST(LocateErrorsTest, LocatePostsAPendingEditAndScrollsOnlyWhenFound) {
    TClientDataSet cds(nullptr);
    cds.SetData(AddressPacket());
    EventLog log;
    log.Attach(cds);
    cds.Edit();
    cds.FieldByName("NMFILIAL")->SetAsString("Matriz SP");
    log.events.clear();
    EXPECT_FALSE(cds.Locate("NMFILIAL", QStringLiteral("Matriz")));
    EXPECT_EQ(log.events,
              QStringList({"BeforePost@edit", "AfterPost@browse", "BeforeScroll@browse"}));
    log.events.clear();
    EXPECT_TRUE(cds.Locate("NMFILIAL", QStringLiteral("Matriz SP")));
    EXPECT_EQ(log.events, QStringList({"BeforeScroll@browse", "AfterScroll@browse"}));
}

TEST(LocateErrorsTest, GenericAndByteSearchAgreeOnEveryRow) {
    TClientDataSet cds(nullptr);
    cds.SetData(AddressPacket());
    const std::vector<PacketRow> rows = Rows(cds);
    for (size_t i = 0; i < rows.size(); ++i) {
        const QVariant key = rows[i][1] ? QVariant(*rows[i][1]) : QVariant();
        ASSERT_TRUE(cds.Locate("NMFILIAL", key));
        EXPECT_EQ(cds.RecNo(), static_cast<int>(i) + 1);
        ASSERT_TRUE(cds.Locate("NMFILIAL", key, {loCaseInsensitive}));
        EXPECT_LE(cds.RecNo(), static_cast<int>(i) + 1);
    }
}
