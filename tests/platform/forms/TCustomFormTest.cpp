#include "FormsTestSupport.h"
#include "platform/core/Exception.h"
#include "platform/forms/FormsExceptions.h"
#include "platform/forms/TButton.h"
#include "platform/forms/TEdit.h"
#include "platform/forms/TScreen.h"
#include "script/ScriptedUser.h"

#include <QPointer>
#include <optional>

using namespace ger;
using namespace ger::formstest;

namespace {

class FormLifeTest : public FormsTest {
protected:
    void SetUp() override {
        FormsTest::SetUp();
        edit = make<TEdit>(form, "medFilial");
        log.trackFocus(edit);
        form->OnCreate = [this](TObject*) { log.add("create"); };
        form->OnShow = [this](TObject*) { log.add("show"); };
        form->OnActivate = [this](TObject*) { log.add("activate"); };
        form->OnDeactivate = [this](TObject*) { log.add("deactivate"); };
        form->OnHide = [this](TObject*) { log.add("hide"); };
        form->OnClose = [this](TObject*, TCloseAction& action) {
            log.add("close");
            if (closeAction)
                action = *closeAction;
        };
    }
    // What form data declaring `Visible = True` does.
    void declareVisible() {
        TestFormDataContext context(form);
        form->BeginLoading();
        form->ReadProperty(identProperty("Visible", "True"), context);
        form->EndLoading();
    }

    TEdit* edit = nullptr;
    EventLog log;
    std::optional<TCloseAction> closeAction;
};

TEST_F(FormLifeTest, AFormDeclaredVisibleShowsAfterOnCreateAndFocusesItsFirstControl) {
    declareVisible();
    EXPECT_FALSE(form->Visible()) << "loading only records it";
    form->AfterConstruction();
    EXPECT_EQ(log.lines, QStringList({"create", "show", "activate", "medFilial.enter"}));
    EXPECT_TRUE(form->Visible());
    EXPECT_TRUE(form->Active());
    EXPECT_EQ(form->FocusedControl(), edit);
}

TEST_F(FormLifeTest, AFormNotDeclaredVisibleOnlyRunsOnCreate) {
    form->AfterConstruction();
    EXPECT_EQ(log.lines, QStringList({"create"}));
    EXPECT_FALSE(form->Visible());
    EXPECT_THROW(edit->SetFocus(), EInvalidOperation) << "a hidden form takes no focus";
}

TEST_F(FormLifeTest, AnExceptionInOnCreateLeavesAfterConstruction) {
    declareVisible();
    form->OnCreate = [](TObject*) { throw Exception("Conexão recusada"); };
    EXPECT_THROW(form->AfterConstruction(), Exception);
    EXPECT_FALSE(form->Visible());
}

TEST_F(FormLifeTest, ShowingAgainOnlyBringsToFrontAndRestoresNothingElse) {
    form->Show();
    log.lines.clear();
    int fronts = 0;
    QObject::connect(form, &TCustomForm::broughtToFront, [&] { ++fronts; });
    form->SetWindowState(wsMinimized);
    form->SetWindowState(wsNormal);
    form->Show();
    EXPECT_TRUE(log.lines.isEmpty()) << "no OnShow for a form already shown";
    EXPECT_EQ(fronts, 1);
}

TEST_F(FormLifeTest, ActivatingAnotherFormDeactivatesThisOneWithoutRunningExits) {
    form->Show();
    log.lines.clear();
    auto* other = new TForm(&Application());
    other->Show();
    EXPECT_EQ(Screen().ActiveForm(), other);
    EXPECT_EQ(log.lines, QStringList({"deactivate"}));
    EXPECT_EQ(form->FocusedControl(), edit) << "each form keeps its own focus";
    edit->SetFocus();
    EXPECT_EQ(Screen().ActiveForm(), form) << "focusing a control activates its form";
    EXPECT_EQ(log.lines, QStringList({"deactivate", "activate"}));
}

struct CloseCase {
    TFormStyle style;
    bool isMainForm;
    std::optional<TCloseAction> handlerAction;
    bool visibleAfter;
    TWindowState stateAfter;
    bool released;
};

class FormCloseTest : public FormLifeTest, public testing::WithParamInterface<CloseCase> {};

TEST_P(FormCloseTest, CloseActsOnTheActionLeftByOnClose) {
    const CloseCase& c = GetParam();
    form->SetFormStyle(c.style);
    if (c.isMainForm)
        Application().SetMainForm(form);
    closeAction = c.handlerAction;
    form->Show();
    QPointer<TForm> guard(form);
    const bool wasTerminated = Application().Terminated();
    ScriptedUser(*form).Close();
    ASSERT_EQ(guard.isNull(), c.released);
    if (c.released)
        return;
    EXPECT_EQ(form->Visible(), c.visibleAfter);
    EXPECT_EQ(form->WindowState(), c.stateAfter);
    EXPECT_EQ(Application().Terminated(), wasTerminated || c.isMainForm);
}

INSTANTIATE_TEST_SUITE_P(
    Actions, FormCloseTest,
    testing::Values(CloseCase{fsNormal, false, std::nullopt, false, wsNormal, false},
                    CloseCase{fsMDIChild, false, std::nullopt, true, wsMinimized, false},
                    CloseCase{fsNormal, false, caNone, true, wsNormal, false},
                    CloseCase{fsNormal, false, caFree, false, wsNormal, true},
                    CloseCase{fsNormal, true, std::nullopt, true, wsNormal, false}));

TEST_F(FormLifeTest, OnCloseQueryCanRefuseTheClose) {
    form->OnCloseQuery = [](TObject*, bool& canClose) { canClose = false; };
    form->Show();
    ScriptedUser(*form).Close();
    EXPECT_TRUE(form->Visible());
    EXPECT_FALSE(log.lines.contains("close"));
}

TEST_F(FormLifeTest, FreeRunsOnDestroyAndAnExceptionThereIsReported) {
    QPointer<TForm> guard(form);
    form->OnDestroy = [](TObject*) { throw Exception("falha ao fechar"); };
    form->Free();
    EXPECT_TRUE(guard.isNull());
    EXPECT_EQ(dialogs.Texts(), QStringList({"falha ao fechar."}));
}

TEST_F(FormLifeTest, DestroyingTheMainFormClearsItAndDestroysItsComponents) {
    Application().SetMainForm(form);
    QPointer<TEdit> child(edit);
    delete form;
    EXPECT_EQ(Application().MainForm(), nullptr);
    EXPECT_TRUE(child.isNull());
}

TEST_F(FormLifeTest, EnterClicksTheDefaultButtonAndEscapeTheCancelButton) {
    auto* ok = make<TButton>(form, "btnOk");
    ok->SetDefault(true);
    ok->OnClick = [this](TObject*) { log.add("ok"); };
    auto* cancel = make<TButton>(form, "btnCancel");
    cancel->SetCancel(true);
    cancel->OnClick = [this](TObject*) { log.add("cancel"); };
    QStringList keys;
    edit->OnKeyPress = [&](TObject*, QChar& key) { keys.append(QString(key)); };
    form->Show();
    log.lines.clear();
    ScriptedUser user(*form);
    user.Press(VK_RETURN);
    user.Press(VK_ESCAPE);
    EXPECT_EQ(log.lines, QStringList({"ok", "cancel"}));
    EXPECT_TRUE(keys.isEmpty()) << "keys the form used reach no control";
    ok->SetDefault(false);
    user.Press(VK_RETURN);
    EXPECT_EQ(keys, QStringList({"\r"})) << "without a default button Enter reaches the edit";
}

} // namespace
