// The pieces that read arguments before anything touches the database: selection lists,
// flags and kinds, the call's signature, and the result convention's reading side.

#include "SeededDatabase.h"
#include "appserver/ArgumentRules.h"
#include "appserver/CodeList.h"
#include "appserver/EMethodFailure.h"
#include "appserver/MethodArguments.h"
#include "appserver/ServerResult.h"
#include "support/ThrowsWithMessage.h"

using namespace ger;

namespace {

struct ListCase {
    const char* text;
    bool isAll;
    QStringList codes;
};

class CodeListTest : public ::testing::TestWithParam<ListCase> {};

TEST_P(CodeListTest, ParsesTheScreensFormat) {
    const CodeList list = CodeList::Parse(QString::fromUtf8(GetParam().text), "filiais");
    EXPECT_EQ(list.isAll(), GetParam().isAll);
    EXPECT_EQ(list.codes(), GetParam().codes);
}

INSTANTIATE_TEST_SUITE_P(
    Valid, CodeListTest,
    ::testing::Values(ListCase{"T", true, {}}, ListCase{"'0001'", false, {"0001"}},
                      ListCase{"'0001','0101'", false, {"0001", "0101"}},
                      ListCase{"'0101','0001','0101'", false, {"0101", "0001"}},
                      ListCase{"'T'", false, {"T"}}, ListCase{"'a b,c'", false, {"a b,c"}}));

class MalformedCodeListTest : public ::testing::TestWithParam<const char*> {};

TEST_P(MalformedCodeListTest, IsAnInvalidArgumentNamingTheList) {
    EXPECT_THAT([&] { CodeList::Parse(QString::fromUtf8(GetParam()), QStringLiteral("filiais")); },
                testing::Throws<EMethodFailure>(testing::AllOf(
                    testing::Property(&EMethodFailure::code, ServerResultCode::InvalidArgument),
                    test::HasMessage<EMethodFailure>(testing::HasSubstr("filiais")))))
        << GetParam();
}

INSTANTIATE_TEST_SUITE_P(Invalid, MalformedCodeListTest,
                         ::testing::Values("", "t", "TT", " T", "0001", "'0001", "0001'", "''",
                                           "'0001',", ",'0001'", "'0001','", "'0001' ,'0101'",
                                           "'0001', '0101'", "'0001''0101'", "'0001';'0101'",
                                           "'0001',,'0101'", "'0001','0101' ",
                                           // characters no stored code has: refused, not read
                                           // as another code
                                           "'Inscrição'", "'\uFEFF0301'", "'\uFFFE0301'"));

TEST(CodeListTest, ANulInsideAQuotedCodeIsRefusedNotTakenAsAnotherCode) {
    QString text = QStringLiteral("'0001','01 1'");
    text[11] = QChar(0);
    EXPECT_THROW(CodeList::Parse(text, QStringLiteral("filiais")), EMethodFailure);
}

TEST(ArgumentRulesTest, ACodeIsPrintableAsciiOrRefused) {
    for (const char* good : {"", "0001", "01", "000000000000000000001", " 0001", "x) OR (1"})
        EXPECT_EQ(ArgumentRules::Code(QString::fromUtf8(good), "a filial"),
                  QString::fromUtf8(good));
    const QStringList bad{QStringLiteral("\uFEFF0301"), QStringLiteral("\uFFFE0301"),
                          QStringLiteral("03\u200B01"), QStringLiteral("0301\r"),
                          QStringLiteral("Filial São"), QString(QChar(0)) + "301",
                          QStringLiteral("31428573 ")};
    for (const QString& value : bad)
        EXPECT_THAT([&] { ArgumentRules::Code(value, "a filial"); },
                    testing::Throws<EMethodFailure>(testing::AllOf(
                        testing::Property(&EMethodFailure::code, ServerResultCode::InvalidArgument),
                        test::HasMessage<EMethodFailure>(testing::HasSubstr("a filial")))))
            << value.toStdString();
}

TEST(CodeListJsonTest, KeepsQuotesAndBackslashesAsData) {
    const CodeList list = CodeList::Parse(QStringLiteral("'a\"b','c\\\\d'"), "x");
    EXPECT_EQ(list.json(), QStringLiteral("[\"a\\\"b\",\"c\\\\\\\\d\"]"));
    EXPECT_EQ(CodeList::Parse("T", "x").json(), QStringLiteral("[]"));
}

TEST(ArgumentRulesTest, FlagsAreExactlySOrN) {
    EXPECT_EQ(ArgumentRules::Flag("S", "Liberado"), QStringLiteral("S"));
    EXPECT_EQ(ArgumentRules::Flag("N", "Liberado"), QStringLiteral("N"));
    for (const char* bad : {"", "s", "n", "SN", " S", "Sim", "T"})
        EXPECT_THROW(ArgumentRules::Flag(QString::fromUtf8(bad), "Liberado"), EMethodFailure)
            << bad;
}

TEST(ArgumentRulesTest, AddressKindsMapEmptyToNullAndRefuseTheRest) {
    EXPECT_TRUE(ArgumentRules::AddressKind("", true).isNull());
    for (const char* kind : {"P", "C", "E", "X", "T", "I", "M"})
        EXPECT_EQ(ArgumentRules::AddressKind(QString::fromLatin1(kind), true).toString(),
                  QString::fromLatin1(kind));
    EXPECT_THROW(ArgumentRules::AddressKind("M", false), EMethodFailure);
    EXPECT_EQ(ArgumentRules::AddressKind("P", false).toString(), QStringLiteral("P"));
    for (const char* bad : {"p", "Z", "PC", " ", "MM"})
        EXPECT_THROW(ArgumentRules::AddressKind(QString::fromLatin1(bad), true), EMethodFailure)
            << bad;
}

TEST(MethodArgumentsTest, ChecksCountKindsAndStringValues) {
    using Kind = CallArgument::Kind;
    QList<CallArgument> call{CallArgument::string("a"), CallArgument::stringByRef("b"),
                             CallArgument::variant(QByteArray("c"))};
    MethodArguments args("M", call, {Kind::String, Kind::StringByRef, Kind::Variant});
    EXPECT_EQ(args.text(0), QStringLiteral("a"));
    EXPECT_EQ(args.bytes(2), QByteArray("c"));
    args.setText(1, QStringLiteral("novo"));
    EXPECT_EQ(call[1].value.toString(), QStringLiteral("novo"));
    EXPECT_THROW(args.bytes(0), EMethodFailure);

    EXPECT_THROW(MethodArguments("M", call, {Kind::String, Kind::StringByRef}), EMethodFailure);
    EXPECT_THROW(MethodArguments("M", call, {Kind::String, Kind::String, Kind::Variant}),
                 EMethodFailure);
    QList<CallArgument> notText{{Kind::String, QVariant(qint64(5))}};
    EXPECT_THROW(MethodArguments("M", notText, {Kind::String}), EMethodFailure);
}

TEST(ServerResultTest, SuccessAndFailureReadBackAsWritten) {
    const auto success = ServerResult::Read(ServerResult::Success(QByteArray("pk")));
    ASSERT_TRUE(success);
    EXPECT_TRUE(success->isSuccess());
    EXPECT_EQ(success->payload, QByteArray("pk"));
    const auto empty = ServerResult::Read(ServerResult::Success());
    ASSERT_TRUE(empty);
    EXPECT_EQ(empty->payload.size(), 0);
    EXPECT_EQ(ServerResult::Success().toList().at(1).typeId(), QMetaType::QByteArray);
    const auto failure =
        ServerResult::Read(ServerResult::Failure(ServerResultCode::NotFound, "Não há."));
    ASSERT_TRUE(failure);
    EXPECT_EQ(failure->code, 2);
    EXPECT_EQ(failure->message, QStringLiteral("Não há."));
}

TEST(ServerResultTest, OtherShapesAreNoResult) {
    const std::vector<QVariant> shapes{
        QVariant(),
        QVariant(QByteArray("pk")),
        QVariantList{0},
        QVariantList{0, QByteArray(), 1},
        QVariantList{QStringLiteral("0"), QByteArray()},
        QVariantList{0, QStringLiteral("texto")},
        QVariantList{3, QByteArray("pk")},
        QVariantList{3, QString()},
        QVariantList{true, QByteArray()},
    };
    for (const QVariant& shape : shapes)
        EXPECT_FALSE(ServerResult::Read(shape).has_value()) << shape.toString().toStdString();
}

} // namespace
