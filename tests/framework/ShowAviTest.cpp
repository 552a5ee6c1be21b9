#include "framework/ShowAvi.h"

#include "FrameworkTestSupport.h"
#include "platform/core/Exception.h"
#include "platform/forms/TForm.h"

#include <stdexcept>

using namespace ger;
using namespace ger::fwtest;

namespace {

class ShowAviTest : public FrameworkTest {
protected:
    void SetUp() override {
        form = new TForm(&Application());
        form->SetName(QStringLiteral("frmTpOperFil"));
    }

    // "shown:<form>:<kind>:<text>" or "hidden", in order.
    QStringList Events() const {
        QStringList events;
        for (const auto& e : dialogs.Progress())
            events
                << (e.shown
                        ? QStringLiteral("shown:%1:%2:%3").arg(e.formName).arg(e.kind).arg(e.text)
                        : QStringLiteral("hidden"));
        return events;
    }

    TForm* form = nullptr;
};

TEST_F(ShowAviTest, ActiveAndDeactiveShowAndRemoveTheAnimationOverTheForm) {
    ActiveShowAvi(form, 1, QStringLiteral("Atualizando dados no servidor"));
    EXPECT_TRUE(dialogs.IsProgressShown());
    DeactiveShowAvi();
    EXPECT_FALSE(dialogs.IsProgressShown());
    ActiveShowAvi(form, 6);
    DeactiveShowAvi();
    EXPECT_EQ(Events(),
              (QStringList{QStringLiteral("shown:frmTpOperFil:1:Atualizando dados no servidor"),
                           QStringLiteral("hidden"), QStringLiteral("shown:frmTpOperFil:6:"),
                           QStringLiteral("hidden")}));
}

TEST_F(ShowAviTest, TheScopeRemovesTheAnimationOnEveryPath) {
    {
        ShowAviScope avi(form, 6);
        EXPECT_TRUE(dialogs.IsProgressShown());
    }
    EXPECT_FALSE(dialogs.IsProgressShown());
    EXPECT_THROW(
        {
            ShowAviScope avi(form, 1);
            throw Exception(QStringLiteral("Conexão perdida"));
        },
        Exception);
    EXPECT_FALSE(dialogs.IsProgressShown());
    EXPECT_THROW(
        {
            ShowAviScope avi(nullptr, 1);
            Abort();
        },
        EAbort);
    EXPECT_FALSE(dialogs.IsProgressShown());
    EXPECT_EQ(Events(),
              (QStringList{QStringLiteral("shown:frmTpOperFil:6:"), QStringLiteral("hidden"),
                           QStringLiteral("shown:frmTpOperFil:1:"), QStringLiteral("hidden"),
                           QStringLiteral("shown::1:"), QStringLiteral("hidden")}));
}

TEST_F(ShowAviTest, WithoutADialogServiceShowingRaisesAndRemovingDoesNothing) {
    Application().SetDialogService(nullptr);
    EXPECT_THROW(ActiveShowAvi(form, 1), Exception);
    EXPECT_NO_THROW(DeactiveShowAvi());
    dialogs.Install();
    EXPECT_TRUE(dialogs.Progress().empty());
}

// A service that fails to remove the animation.
class FailingHide : public ScriptedDialogs {
public:
    FailingHide()
        : ScriptedDialogs(true) {}
    void HideProgress() override { throw std::runtime_error("window gone"); }
};

TEST_F(ShowAviTest, AFailingRemovalDoesNotReplaceTheExceptionOnItsWay) {
    FailingHide failing;
    EXPECT_THROW(
        {
            ShowAviScope avi(form, 1);
            throw Exception(QStringLiteral("Conexão perdida"));
        },
        Exception);
    dialogs.Install();
}

} // namespace
