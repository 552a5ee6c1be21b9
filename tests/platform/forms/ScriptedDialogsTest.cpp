#include "FormsTestSupport.h"
#include "platform/core/Exception.h"
#include "platform/forms/Dispatch.h"
#include "platform/forms/FormsExceptions.h"
#include "platform/forms/TButton.h"
#include "platform/forms/TEdit.h"
#include "platform/forms/TScreen.h"
#include "script/ScriptedUser.h"

#include <QPointer>

using namespace ger;
using namespace ger::formstest;

namespace {

class ScriptedDialogsTest : public FormsTest {
protected:
    TModalResult ask(const QString& text) {
        return Application().Dialogs().MessageDlg(text, mtConfirmation, {mbYes, mbNo});
    }
};

TEST_F(ScriptedDialogsTest, AQuestionTakesTheQueuedAnswerAndIsRecorded) {
    dialogs.Answer(mrNo);
    dialogs.Answer(mrYes);
    EXPECT_EQ(ask("Confirma exclusão?"), mrNo);
    EXPECT_EQ(ask("Cancelar operação?"), mrYes);
    EXPECT_EQ(dialogs.Texts(), QStringList({"Confirma exclusão?", "Cancelar operação?"}));
    EXPECT_EQ(dialogs.Messages().back().type, mtConfirmation);
    EXPECT_EQ(dialogs.Messages().back().result, mrYes);
    EXPECT_EQ(dialogs.PendingCount(), 0);
}

TEST_F(ScriptedDialogsTest, AnUnexpectedQuestionIsAScriptErrorEvenInsideAUserAction) {
    EXPECT_THROW(ask("Confirma exclusão?"), ScriptError);
    EXPECT_THROW(Dispatch([this] { ask("Confirma exclusão?"); }), ScriptError);
    EXPECT_TRUE(dialogs.Messages().empty());
}

TEST_F(ScriptedDialogsTest, AnAnswerThatIsNotOneOfTheButtonsIsAScriptError) {
    dialogs.Answer(mrOk);
    EXPECT_THROW(ask("Confirma exclusão?"), ScriptError);
}

TEST_F(ScriptedDialogsTest, AMessageWithOneButtonNeedsNoQueuedAnswer) {
    dialogs.Answer(mrYes);
    EXPECT_EQ(Application().Dialogs().MessageDlg("Cadastramento realizado com sucesso.",
                                                 mtInformation, mbOK),
              mrOk);
    EXPECT_EQ(dialogs.PendingCount(), 1) << "the answer waits for a question";
}

TEST_F(ScriptedDialogsTest, LookupsTakeQueuedChoicesAndRefuseMissingRows) {
    LookupRequest request{
        "Filial", {"Código", "Nome"}, {{"0001", "Matriz"}, {"0002", "Loja"}}, false};
    dialogs.ChooseLookupValue("Loja");
    dialogs.CancelLookup();
    dialogs.ChooseLookupRows({5});
    const LookupResult chosen = Application().Dialogs().ShowLookup(request);
    EXPECT_TRUE(chosen.accepted);
    EXPECT_EQ(chosen.rows, std::vector<int>({1}));
    EXPECT_FALSE(Application().Dialogs().ShowLookup(request).accepted);
    EXPECT_THROW(Application().Dialogs().ShowLookup(request), ScriptError);
    EXPECT_THROW(Application().Dialogs().ShowLookup(request), ScriptError) << "nothing queued";
    EXPECT_EQ(dialogs.Lookups().size(), 4u);
}

TEST_F(ScriptedDialogsTest, ProgressIsRecordedInPairs) {
    Application().Dialogs().ShowProgress(form, 1, "Atualizando dados no servidor");
    EXPECT_TRUE(dialogs.IsProgressShown());
    Application().Dialogs().HideProgress();
    EXPECT_FALSE(dialogs.IsProgressShown());
    ASSERT_EQ(dialogs.Progress().size(), 2u);
    EXPECT_EQ(dialogs.Progress()[0].text, "Atualizando dados no servidor");
    EXPECT_EQ(dialogs.Progress()[0].formName, "frmTest");
}

// A modal dialog with a confirm button, shown from the main form.
class ModalTest : public FormsTest {
protected:
    void SetUp() override {
        FormsTest::SetUp();
        form->Show();
        dialog = new TForm(&Application());
        dialog->SetName("frmDialogo");
        auto* edit = make<TEdit>(dialog, "edtInscMuni");
        edit->SetText("123");
        auto* ok = make<TButton>(dialog, "btnOk");
        ok->SetModalResult(mrOk);
        dialog->OnClose = [this](TObject*, TCloseAction& action) {
            closes++;
            action = closeAction;
        };
        dialog->OnActivate = [this](TObject*) { log.add("dialog.activate"); };
        form->OnActivate = [this](TObject*) { log.add("form.activate"); };
    }

    QPointer<TForm> dialog;
    TCloseAction closeAction = caHide;
    int closes = 0;
    EventLog log;
};

TEST_F(ModalTest, TheScriptRunsWhileTheFormIsShownAndAButtonEndsTheLoop) {
    Screen().SetCursor(crHourGlass);
    TCursor cursorDuringModal = 0;
    dialogs.OnModal([&](TCustomForm& shown) {
        EXPECT_EQ(&shown, dialog.data());
        EXPECT_TRUE(shown.Visible());
        EXPECT_TRUE(shown.Active());
        cursorDuringModal = Screen().Cursor();
        ScriptedUser(shown).Click("btnOk");
    });
    EXPECT_EQ(dialog->ShowModal(), mrOk);
    EXPECT_EQ(cursorDuringModal, crDefault);
    EXPECT_EQ(Screen().Cursor(), crHourGlass) << "the cursor comes back";
    EXPECT_FALSE(dialog->Visible());
    EXPECT_EQ(closes, 1);
    EXPECT_TRUE(form->Active()) << "the form under it is active again";
    EXPECT_EQ(log.lines, QStringList({"dialog.activate", "form.activate"}));
    EXPECT_EQ(dialogs.ModalForms(), QStringList({"frmDialogo"}));
}

TEST_F(ModalTest, CloseActionNoneKeepsTheFormOpenAndTheScriptMustEndIt) {
    closeAction = caNone;
    dialogs.OnModal([&](TCustomForm& shown) { ScriptedUser(shown).Click("btnOk"); });
    EXPECT_THROW(dialog->ShowModal(), ScriptError);
    EXPECT_FALSE(dialog->Visible()) << "the form is hidden on the way out";
    EXPECT_FALSE(dialog->IsModal());
}

TEST_F(ModalTest, ClosingWithCaFreeReleasesTheFormAfterTheUserAction) {
    closeAction = caFree;
    dialogs.OnModal([](TCustomForm& shown) { ScriptedUser(shown).Close(); });
    TModalResult result = mrNone;
    Dispatch([&] {
        result = dialog->ShowModal();
        EXPECT_FALSE(dialog.isNull()) << "still there while the caller's handler runs";
    });
    EXPECT_EQ(result, mrCancel);
    EXPECT_TRUE(dialog.isNull());
}

TEST_F(ModalTest, AFormWithNoQueuedScriptIsAScriptError) {
    EXPECT_THROW(dialog->ShowModal(), ScriptError);
    EXPECT_FALSE(dialog->Visible());
}

TEST_F(ModalTest, AVisibleFormCannotBeShownModally) {
    dialog->Show();
    EXPECT_THROW(dialog->ShowModal(), EInvalidOperation);
    EXPECT_EQ(dialogs.PendingCount(), 0);
}

TEST_F(ModalTest, AnExceptionInOnShowEndsTheShowingAndTheNextShowRunsItAgain) {
    int shows = 0;
    dialog->OnShow = [&](TObject*) {
        if (++shows == 1)
            throw Exception("GetDadosEmissaoNF falhou");
    };
    dialogs.OnModal([](TCustomForm& shown) { shown.Close(); });
    EXPECT_THROW(dialog->ShowModal(), Exception);
    EXPECT_FALSE(dialog->Visible());
    EXPECT_EQ(dialog->ShowModal(), mrCancel);
    EXPECT_EQ(shows, 2);
}

} // namespace
