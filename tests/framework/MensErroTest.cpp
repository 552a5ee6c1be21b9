#include "framework/MensErro.h"

#include "FrameworkTestSupport.h"
#include "platform/core/Exception.h"
#include "platform/forms/Dispatch.h"

using namespace ger;
using namespace ger::fwtest;

namespace {

class MensErroTest : public FrameworkTest {};

TEST_F(MensErroTest, ShowsTheTextAsAnErrorThenAbortsSilently) {
    bool after = false;
    EXPECT_FALSE(Dispatch([&] {
        MensErro(QStringLiteral("Filial deve ser informada."), true);
        after = true;
    }));
    EXPECT_FALSE(after);
    ASSERT_EQ(dialogs.Messages().size(), 1u);
    EXPECT_EQ(dialogs.Messages()[0].text, QStringLiteral("Filial deve ser informada."));
    EXPECT_EQ(dialogs.Messages()[0].type, mtError);
    EXPECT_EQ(dialogs.Messages()[0].buttons, TMsgDlgButtons(mbOK));
}

TEST_F(MensErroTest, RaisesEAbortSoThatCallersCanCleanUp) {
    EXPECT_THROW(MensErro(QStringLiteral("Cliente não cadastrado."), true), EAbort);
    EXPECT_EQ(dialogs.Texts(), QStringList{QStringLiteral("Cliente não cadastrado.")});
}

TEST_F(MensErroTest, WithoutShowingItOnlyAborts) {
    EXPECT_THROW(MensErro(QStringLiteral("Cliente não cadastrado."), false), EAbort);
    EXPECT_TRUE(dialogs.Messages().empty());
}

} // namespace
