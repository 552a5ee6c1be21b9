#include "framework/CheckResultServ.h"

#include "FrameworkTestSupport.h"
#include "framework/FrameworkExceptions.h"
#include "platform/forms/Dispatch.h"

using namespace ger;
using namespace ger::fwtest;

namespace {

class CheckResultServTest : public FrameworkTest {};

QVariant Result(const QVariant& code, const QVariant& payload) {
    return QVariantList{code, payload};
}

TEST_F(CheckResultServTest, ASuccessReturnsThePacketAndShowsNothing) {
    const QByteArray packet = ThreeBranches();
    EXPECT_EQ(CheckResultServ(Result(0, packet), true, 0), packet);
    EXPECT_EQ(CheckResultServ(Result(qint64(0), QByteArray()), true, 0), QByteArray());
    // The wire's empty value stands for a method that returns no data.
    EXPECT_EQ(CheckResultServ(Result(0, QVariant()), true, 0), QByteArray());
    EXPECT_TRUE(dialogs.Messages().empty());
}

TEST_F(CheckResultServTest, AFailureShowsTheServersMessageOnceAndRaisesEServerResult) {
    const QVariant failed = Result(qint64(17), QStringLiteral("Filial 0001 bloqueada."));
    const auto raised = Captured<EServerResult>([&] { CheckResultServ(failed, true, 0); });
    ASSERT_TRUE(raised.has_value());
    EXPECT_EQ(raised->Code(), 17);
    EXPECT_EQ(raised->ServerMessage(), QStringLiteral("Filial 0001 bloqueada."));
    ASSERT_EQ(dialogs.Messages().size(), 1u);
    EXPECT_EQ(dialogs.Messages()[0].text, QStringLiteral("Filial 0001 bloqueada."));
    EXPECT_EQ(dialogs.Messages()[0].type, mtError);
    EXPECT_EQ(dialogs.Messages()[0].buttons, TMsgDlgButtons(mbOK));
}

TEST_F(CheckResultServTest, AFailureIsSilentAtTheDispatchBoundary) {
    bool merged = false;
    EXPECT_FALSE(Dispatch([&] {
        CheckResultServ(Result(-1, QStringLiteral("Tipo de operação inexistente.")), true, 0);
        merged = true;
    }));
    EXPECT_FALSE(merged);
    EXPECT_EQ(dialogs.Texts(), QStringList{QStringLiteral("Tipo de operação inexistente.")});
}

TEST_F(CheckResultServTest, WithoutShowingAFailureOnlyRaises) {
    EXPECT_THROW(CheckResultServ(Result(5, QStringLiteral("Erro")), false, 0), EServerResult);
    EXPECT_THROW(CheckResultServ(QStringLiteral("lixo"), false, 0), EServerResult);
    EXPECT_TRUE(dialogs.Messages().empty());
}

struct MalformedCase {
    const char* name;
    QVariant result;
};

class CheckResultServMalformedTest : public CheckResultServTest,
                                     public testing::WithParamInterface<MalformedCase> {};

TEST_P(CheckResultServMalformedTest, IsAFailureWithTheInvalidResponseMessage) {
    EXPECT_THROW(CheckResultServ(GetParam().result, true, 0), EServerResult);
    EXPECT_EQ(dialogs.Texts(),
              QStringList{QStringLiteral("Resposta inválida do servidor de aplicação.")});
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, CheckResultServMalformedTest,
    testing::Values(MalformedCase{"Empty", QVariant()},
                    MalformedCase{"BarePacket", QVariant(QByteArray("GDPK"))},
                    MalformedCase{"Text", QVariant(QStringLiteral("0"))},
                    MalformedCase{"NoElements", QVariant(QVariantList{})},
                    MalformedCase{"OneElement", QVariant(QVariantList{0})},
                    MalformedCase{"ThreeElements",
                                  QVariant(QVariantList{0, QByteArray(), QByteArray()})},
                    MalformedCase{"CodeAsText", Result(QStringLiteral("0"), QByteArray())},
                    MalformedCase{"CodeAsBoolean", Result(false, QByteArray())},
                    MalformedCase{"CodeAsFloat", Result(0.0, QByteArray())},
                    MalformedCase{"SuccessWithText", Result(0, QStringLiteral("ok"))},
                    MalformedCase{"FailureWithoutText", Result(9, QVariant())},
                    MalformedCase{"FailureWithEmptyText", Result(9, QString())},
                    MalformedCase{"FailureWithBytes", Result(9, QByteArray("erro"))}),
    [](const testing::TestParamInfo<MalformedCase>& param) { return param.param.name; });

} // namespace
