// The focus rules, on the shape of the branch panel: a masked edit and a lookup button inside
// a panel at the top, a grid (an edit stands in for it) in a panel below, flat toolbar buttons.

#include "FormsTestSupport.h"
#include "platform/core/Exception.h"
#include "platform/forms/FormsExceptions.h"
#include "platform/forms/TEdit.h"
#include "platform/forms/TMaskEdit.h"
#include "platform/forms/TPanel.h"
#include "platform/forms/TSpeedButton.h"
#include "script/ScriptedUser.h"
#include "support/ThrowsWithMessage.h"

using namespace ger;
using namespace ger::formstest;

namespace {

class BranchPanelFocusTest : public FormsTest {
protected:
    void SetUp() override {
        FormsTest::SetUp();
        panFilial = make<TPanel>(form, "panFilial");
        panFilial->SetAlign(alTop);
        medFilial = make<TMaskEdit>(panFilial, "medFilial");
        medFilial->SetEditMask(">aaaa;0; ");
        btpFilial = make<TSpeedButton>(panFilial, "btpFilial");
        edtOutro = make<TEdit>(panFilial, "edtOutro");
        edtNmFilial = make<TEdit>(panFilial, "edtNmFilial");
        edtNmFilial->SetEnabled(false);
        panTpOper = make<TPanel>(form, "panTpOper");
        panTpOper->SetAlign(alClient);
        dbgPadrao = make<TEdit>(panTpOper, "dbgPadrao");
        sbtImportExport = make<TSpeedButton>(form, "sbtImportExport");
        for (TWinControl* c :
             {static_cast<TWinControl*>(panFilial), static_cast<TWinControl*>(medFilial),
              static_cast<TWinControl*>(edtOutro), static_cast<TWinControl*>(panTpOper),
              static_cast<TWinControl*>(dbgPadrao)})
            log.trackFocus(c);
        // The branch check: an empty branch focuses the edit again, shows the message and
        // ends the handler silently, as MensErro does.
        medFilial->OnExit = [this](TObject*) {
            log.add("medFilial.exit");
            if (medFilial->Text().trimmed().isEmpty()) {
                medFilial->SetFocus();
                Application().Dialogs().MessageDlg("Filial deve ser informada.", mtError, mbOK);
                Abort();
            }
        };
        btpFilial->OnClick = [this](TObject*) { log.add("btpFilial.click"); };
        sbtImportExport->OnClick = [this](TObject*) { log.add("sbtImportExport.click"); };
        form->Show();
        medFilial->SetText("0001");
        log.lines.clear();
    }

    EventLog log;
    TPanel* panFilial = nullptr;
    TMaskEdit* medFilial = nullptr;
    TSpeedButton* btpFilial = nullptr;
    TEdit* edtOutro = nullptr;
    TEdit* edtNmFilial = nullptr;
    TPanel* panTpOper = nullptr;
    TEdit* dbgPadrao = nullptr;
    TSpeedButton* sbtImportExport = nullptr;
};

TEST_F(BranchPanelFocusTest, ShowingTheFormFocusesTheFirstControlInTabOrder) {
    EXPECT_EQ(form->FocusedControl(), medFilial);
    EXPECT_TRUE(medFilial->Focused());
    EXPECT_EQ(Screen().ActiveControl(), medFilial);
}

TEST_F(BranchPanelFocusTest, LeavingTheEditForAControlOutsideThePanelRunsEditExitThenPanelExit) {
    ScriptedUser user(*form);
    EXPECT_TRUE(user.Click("dbgPadrao"));
    EXPECT_EQ(log.lines, QStringList({"medFilial.exit", "panFilial.exit", "panTpOper.enter",
                                      "dbgPadrao.enter"}));
    EXPECT_EQ(form->FocusedControl(), dbgPadrao);
}

TEST_F(BranchPanelFocusTest, FailedCheckInTheEditKeepsTheFocusThereAndRunsNoPanelExit) {
    ScriptedUser user(*form);
    medFilial->SetText("");
    EXPECT_FALSE(user.Click("dbgPadrao"));
    EXPECT_EQ(log.lines, QStringList({"medFilial.exit"}));
    EXPECT_EQ(form->FocusedControl(), medFilial);
    EXPECT_EQ(dialogs.Texts(), QStringList({"Filial deve ser informada."}));

    log.lines.clear();
    user.Type("1");
    EXPECT_TRUE(user.Press(VK_TAB, ssShift));
    EXPECT_EQ(log.lines, QStringList({"medFilial.exit", "panFilial.exit", "panTpOper.enter",
                                      "dbgPadrao.enter"}))
        << "the check runs again on the next move, and passes";
}

TEST_F(BranchPanelFocusTest, MovingBetweenControlsInsideThePanelRunsNoPanelExit) {
    ScriptedUser user(*form);
    EXPECT_TRUE(user.Press(VK_TAB));
    EXPECT_EQ(log.lines, QStringList({"medFilial.exit", "edtOutro.enter"}));
    EXPECT_EQ(form->FocusedControl(), edtOutro);
}

TEST_F(BranchPanelFocusTest, EnteringThePanelRunsExitsInnermostFirstThenEntersOutermostFirst) {
    ScriptedUser user(*form);
    user.Click("dbgPadrao");
    log.lines.clear();
    EXPECT_TRUE(user.Focus("medFilial"));
    EXPECT_EQ(log.lines, QStringList({"dbgPadrao.exit", "panTpOper.exit", "panFilial.enter",
                                      "medFilial.enter"}));
}

TEST_F(BranchPanelFocusTest, ClickingAFlatButtonLeavesTheFocusAndRunsNoExit) {
    ScriptedUser user(*form);
    medFilial->SetText("");
    EXPECT_TRUE(user.Click("btpFilial"));
    EXPECT_TRUE(user.Click("sbtImportExport"));
    EXPECT_EQ(log.lines, QStringList({"btpFilial.click", "sbtImportExport.click"}));
    EXPECT_EQ(form->FocusedControl(), medFilial);
}

TEST_F(BranchPanelFocusTest, ADisabledFlatButtonIgnoresTheClick) {
    ScriptedUser user(*form);
    sbtImportExport->SetEnabled(false);
    user.Click("sbtImportExport");
    EXPECT_TRUE(log.lines.isEmpty());
}

TEST_F(BranchPanelFocusTest, AnEnterHandlerThatSendsTheFocusBackRunsTheTargetsExitAndTheNewEnters) {
    // The pattern of a validation run on entering a grid: the check fails, focuses its edit and
    // aborts. The move it starts runs from where the first one got to.
    dbgPadrao->OnEnter = [this](TObject*) {
        log.add("dbgPadrao.enter");
        medFilial->SetFocus();
        Abort();
    };
    ScriptedUser user(*form);
    user.Focus("edtOutro");
    log.lines.clear();
    EXPECT_FALSE(user.Click("dbgPadrao"));
    EXPECT_EQ(log.lines, QStringList({"edtOutro.exit", "panFilial.exit", "panTpOper.enter",
                                      "dbgPadrao.enter", "dbgPadrao.exit", "panTpOper.exit",
                                      "panFilial.enter", "medFilial.enter"}));
    EXPECT_EQ(form->FocusedControl(), medFilial);
    EXPECT_EQ(form->EnteredControl(), medFilial);
}

TEST_F(BranchPanelFocusTest,
       AnExceptionInThePanelExitKeepsTheFocusAndTheNextMoveRunsBothExitsAgain) {
    panFilial->OnExit = [this](TObject*) {
        log.add("panFilial.exit");
        throw Exception("Servidor indisponível");
    };
    ScriptedUser user(*form);
    EXPECT_FALSE(user.Click("dbgPadrao"));
    EXPECT_FALSE(user.Click("dbgPadrao"));
    EXPECT_EQ(log.lines, QStringList({"medFilial.exit", "panFilial.exit", "medFilial.exit",
                                      "panFilial.exit"}));
    EXPECT_EQ(form->FocusedControl(), medFilial);
    EXPECT_EQ(dialogs.Texts(), QStringList({"Servidor indisponível.", "Servidor indisponível."}));
}

TEST_F(BranchPanelFocusTest, AnExceptionInAnEnterHandlerGoesOnWithTheFocusAlreadyMoved) {
    dbgPadrao->OnEnter = [](TObject*) { throw Exception("falhou"); };
    ScriptedUser user(*form);
    EXPECT_FALSE(user.Click("dbgPadrao"));
    EXPECT_EQ(form->FocusedControl(), dbgPadrao);
    EXPECT_EQ(dialogs.Texts(), QStringList({"falhou."}));
}

TEST_F(BranchPanelFocusTest, ControlsThatCannotTakeTheFocusRefuseSetFocus) {
    edtOutro->SetVisible(false);
    for (TWinControl* c :
         {static_cast<TWinControl*>(edtNmFilial), static_cast<TWinControl*>(edtOutro)}) {
        EXPECT_THAT([c] { c->SetFocus(); }, test::ThrowsWithMessage<EInvalidOperation>(
                                                "Cannot focus a disabled or invisible window"))
            << c->Name().toStdString();
    }
    panTpOper->SetEnabled(false);
    EXPECT_FALSE(dbgPadrao->CanFocus()) << "a disabled container disables what it holds";
    EXPECT_EQ(form->FocusedControl(), medFilial);
    EXPECT_TRUE(log.lines.isEmpty());
}

TEST_F(BranchPanelFocusTest, HidingTheFocusedEditTakesTheFocusAwayWithoutItsExitUntilTheNextMove) {
    panFilial->SetVisible(false);
    EXPECT_EQ(form->FocusedControl(), nullptr);
    EXPECT_TRUE(log.lines.isEmpty());
    dbgPadrao->SetFocus();
    EXPECT_EQ(log.lines, QStringList({"medFilial.exit", "panFilial.exit", "panTpOper.enter",
                                      "dbgPadrao.enter"}));
}

TEST_F(BranchPanelFocusTest, DestroyingTheFocusedControlLeavesNoFocusAndTabStartsOver) {
    delete medFilial;
    medFilial = nullptr;
    EXPECT_EQ(form->FocusedControl(), nullptr);
    ScriptedUser user(*form);
    EXPECT_TRUE(user.Press(VK_TAB));
    EXPECT_EQ(user.FocusedName(), "edtOutro");
}

TEST_F(BranchPanelFocusTest, TabFollowsTabOrderSkipsWhatCannotTakeTheFocusAndWraps) {
    ScriptedUser user(*form);
    edtOutro->SetTabOrder(0);
    QStringList forward;
    for (int i = 0; i < 4; ++i) {
        user.Press(VK_TAB);
        forward << user.FocusedName();
    }
    EXPECT_EQ(forward, QStringList({"dbgPadrao", "edtOutro", "medFilial", "dbgPadrao"}));
    user.Press(VK_TAB, ssShift);
    EXPECT_EQ(user.FocusedName(), "medFilial");
    EXPECT_EQ(medFilial->TabOrder(), 1) << "setting TabOrder renumbers the siblings";
}

TEST_F(BranchPanelFocusTest, ArrowsMoveAmongSiblingsOnlyFromControlsThatDoNotWantThem) {
    ScriptedUser user(*form);
    user.Press(VK_RIGHT);
    EXPECT_EQ(user.FocusedName(), "medFilial") << "an edit keeps the arrow keys";
}

} // namespace
