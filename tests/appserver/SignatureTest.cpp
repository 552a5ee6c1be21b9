// Every method checks the count and the kinds of its arguments before it reads or writes:
// a call that does not match is a failed result (a remote exception for GetTpOperFil, whose
// answer the screen loads as it comes), and nothing is written.

#include "AppServerTestSupport.h"
#include "platform/net/NetExceptions.h"

using namespace ger;
using namespace ger::test;

namespace {

using Kind = CallArgument::Kind;

struct Signature {
    const char* method;
    std::vector<Kind> kinds;
};

const Signature kSignatures[] = {
    {"GetTpOperFil", {Kind::String}},
    {"SetTpOperFil",
     {Kind::String, Kind::String, Kind::String, Kind::String, Kind::String, Kind::StringByRef}},
    {"GetTipoOperCli", {Kind::String, Kind::StringByRef, Kind::StringByRef, Kind::String}},
    {"SetTipoOperCli", {Kind::String, Kind::StringByRef, Kind::String, Kind::String}},
    {"DelTipoOperCli", {Kind::Variant, Kind::StringByRef}},
    {"SetGravaAut",
     {Kind::StringByRef, Kind::StringByRef, Kind::StringByRef, Kind::StringByRef, Kind::StringByRef,
      Kind::String, Kind::StringByRef}},
    {"GetDadosEmissaoNF", {Kind::String}},
};

CallArgument ArgumentOf(Kind kind) {
    if (kind == Kind::Variant)
        return CallArgument::variant(QByteArray());
    return {kind, QVariant(QStringLiteral("T"))};
}

Args ArgumentsOf(const std::vector<Kind>& kinds) {
    Args args;
    for (Kind kind : kinds)
        args.append(ArgumentOf(kind));
    return args;
}

// The other two kinds than `kind`.
std::vector<Kind> OtherKinds(Kind kind) {
    std::vector<Kind> others;
    for (Kind candidate : {Kind::String, Kind::StringByRef, Kind::Variant})
        if (candidate != kind)
            others.push_back(candidate);
    return others;
}

class SignatureTest : public AppServerTest, public ::testing::WithParamInterface<Signature> {
protected:
    // The message of the refusal of `args`, however the method reports it.
    QString refusal(Args args) {
        const QString method = QString::fromLatin1(GetParam().method);
        if (method == u"GetTpOperFil") {
            try {
                call(method, args);
            } catch (const ERemoteError& error) {
                return error.Message();
            }
            ADD_FAILURE() << "GetTpOperFil accepted the call";
            return {};
        }
        const ServerResult::Parts parts = fail(method, args);
        EXPECT_EQ(parts.code, static_cast<int>(ServerResultCode::InvalidArgument))
            << parts.message.toStdString();
        return parts.message;
    }
};

} // namespace

TEST_P(SignatureTest, OneArgumentTooManyOrTooFewIsRefused) {
    const auto before = writtenTables();
    std::vector<Kind> more = GetParam().kinds;
    more.push_back(Kind::String);
    std::vector<Kind> fewer = GetParam().kinds;
    fewer.pop_back();
    for (const auto& kinds : {more, fewer, std::vector<Kind>{}}) {
        const QString message = refusal(ArgumentsOf(kinds));
        EXPECT_TRUE(message.contains(QString::fromLatin1(GetParam().method)))
            << message.toStdString();
        EXPECT_TRUE(message.contains(QString::number(kinds.size()))) << message.toStdString();
    }
    EXPECT_EQ(writtenTables(), before);
}

TEST_P(SignatureTest, EachArgumentOfAnotherKindIsRefused) {
    const auto before = writtenTables();
    const std::vector<Kind>& kinds = GetParam().kinds;
    for (size_t i = 0; i < kinds.size(); ++i)
        for (Kind other : OtherKinds(kinds[i])) {
            Args args = ArgumentsOf(kinds);
            args[static_cast<qsizetype>(i)] = ArgumentOf(other);
            const QString message = refusal(args);
            EXPECT_TRUE(message.startsWith(QStringLiteral("Argumento %1 ").arg(i + 1)))
                << message.toStdString();
        }
    EXPECT_EQ(writtenTables(), before);
}

INSTANTIATE_TEST_SUITE_P(Methods, SignatureTest, ::testing::ValuesIn(kSignatures),
                         [](const auto& testInfo) { return std::string(testInfo.param.method); });

class ModuleNamesTest : public AppServerTest {};

TEST_F(ModuleNamesTest, MethodNamesMatchWithoutRegardToCaseAndUnknownOnesRaise) {
    EXPECT_EQ(call("gettpoperfil", {Val("0001")}).toByteArray(),
              call("GetTpOperFil", {Val("0001")}).toByteArray());
    EXPECT_THROW(call("GetTpOperFilial", {Val("0001")}), ERemoteError);
    EXPECT_TRUE(m_client.isOpen());
}
