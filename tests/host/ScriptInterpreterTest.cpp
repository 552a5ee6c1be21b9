#include "host/core/ScriptInterpreter.h"

#include "host/core/HostScriptDialogs.h"
#include "host/core/ScriptParser.h"
#include "host/core/ScriptRun.h"
#include "platform/core/Exception.h"
#include "platform/forms/TApplication.h"
#include "platform/forms/TButton.h"
#include "platform/forms/TComboBox.h"
#include "platform/forms/TEdit.h"
#include "platform/forms/TForm.h"
#include "platform/forms/TLabel.h"
#include "platform/forms/TPanel.h"

#include <QFile>
#include <QTemporaryDir>
#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace ger;
using ::testing::HasSubstr;
using ::testing::Not;

namespace {

template <class T> T* Make(TForm* form, TWinControl* parent, const QString& name) {
    auto* control = new T(form);
    control->SetName(name);
    control->SetParent(parent);
    return control;
}

// Two small forms built in code stand in for a module's screens: a main form with a name edit
// (focused first) and a code edit in a panel whose exit check refuses an empty code, buttons that
// open a modal dialog, ask a question and open a lookup; and the dialog, with an edit and an OK
// button.
class ScreensFixture : public ::testing::Test {
protected:
    void TearDown() override {
        Application().DestroyForms();
        Application().SetMainForm(nullptr);
    }

    void openMain() {
        ++iniProcCalls;
        if (main)
            return main->Show();
        main = new TForm(&Application());
        main->SetName(QStringLiteral("frmPrincipal"));
        main->SetCaption(QStringLiteral("Principal"));
        Make<TEdit>(main, main, QStringLiteral("edtNome"));
        auto* panel = Make<TPanel>(main, main, QStringLiteral("panDados"));
        code = Make<TEdit>(main, panel, QStringLiteral("edtCodigo"));
        code->OnExit = [this](TObject*) {
            if (code->Text().isEmpty()) {
                Application().Dialogs().MessageDlg(QStringLiteral("Código deve ser informado."),
                                                   mtError, mbOK);
                code->SetFocus();
                Abort();
            }
        };
        result = Make<TLabel>(main, main, QStringLiteral("lblResultado"));
        auto* open = Make<TButton>(main, main, QStringLiteral("btnAbrir"));
        open->OnClick = [this](TObject*) { result->SetCaption(showDialog()); };
        auto* ask = Make<TButton>(main, main, QStringLiteral("btnPerguntar"));
        ask->OnClick = [this](TObject*) {
            const TModalResult answer = Application().Dialogs().MessageDlg(
                QStringLiteral("Confirma?"), mtConfirmation, TMsgDlgButtons(mbYes) | mbNo);
            result->SetCaption(answer == mrYes ? QStringLiteral("sim") : QStringLiteral("não"));
        };
        auto* save = Make<TButton>(main, main, QStringLiteral("btnGravar"));
        save->OnClick = [this](TObject*) {
            Application().Dialogs().ShowProgress(main, 1, QStringLiteral("Gravando"));
            Application().Dialogs().HideProgress();
        };
        auto* lookup = Make<TButton>(main, main, QStringLiteral("btnPesquisar"));
        lookup->OnClick = [this](TObject*) {
            const LookupRequest request{QStringLiteral("Filiais"),
                                        {QStringLiteral("Código"), QStringLiteral("Nome")},
                                        {{QStringLiteral("0001"), QStringLiteral("0002")},
                                         {QStringLiteral("0002"), QStringLiteral("Loja")}}};
            const LookupResult chosen = Application().Dialogs().ShowLookup(request);
            result->SetCaption(chosen.accepted ? request.rows.at(chosen.rows.front()).at(1)
                                               : QStringLiteral("(nenhuma)"));
        };
        auto* several = Make<TButton>(main, main, QStringLiteral("btnVarios"));
        several->OnClick = [this](TObject*) {
            LookupRequest request{
                QStringLiteral("Tipos"),
                {QStringLiteral("Código")},
                {{QStringLiteral("01")}, {QStringLiteral("02")}, {QStringLiteral("03")}}};
            request.multiSelect = true;
            const LookupResult chosen = Application().Dialogs().ShowLookup(request);
            QStringList keys;
            for (int row : chosen.rows)
                keys.append(request.rows.at(row).at(0));
            result->SetCaption(keys.join(u','));
        };
        auto* kind = Make<TComboBox>(main, main, QStringLiteral("cbbTipo"));
        kind->SetStyle(csDropDownList);
        kind->SetItems({QStringLiteral("Filial"), QStringLiteral("Cobrança")});
        kind->OnChange = [this, kind](TObject*) { result->SetCaption(kind->Text()); };
        main->Show();
    }

    QString showDialog() {
        auto* dialog = new TForm(&Application());
        dialog->SetName(QStringLiteral("frmDialogo"));
        auto* answer = Make<TEdit>(dialog, dialog, QStringLiteral("edtResposta"));
        Make<TButton>(dialog, dialog, QStringLiteral("btnOk"))->SetModalResult(mrOk);
        const TModalResult modal = dialog->ShowModal();
        const QString text = modal == mrOk ? answer->Text() : QStringLiteral("(cancelado)");
        dialog->Release();
        return text;
    }

    // Runs a script; returns the exit code, with the transcript and error kept.
    int run(const QString& script) {
        QTextStream stream(&transcript);
        HostScriptDialogs dialogs;
        ScriptInterpreter interpreter(
            dialogs, [this] { openMain(); }, stream);
        const int exitCode = interpreter.Run(ParseScript(script));
        error = interpreter.Error();
        return exitCode;
    }

    TForm* main = nullptr;
    TEdit* code = nullptr;
    TLabel* result = nullptr;
    int iniProcCalls = 0;
    QString transcript;
    QString error;
};

TEST_F(ScreensFixture, EchoesEachLineAndPrintsWhatItChanged) {
    ASSERT_EQ(run("iniproc\nfocus edtCodigo\ntype 0001\nfocus edtNome\ndump edtCodigo\n"), 0)
        << error.toStdString();
    EXPECT_EQ(transcript, "> iniproc\n"
                          "  active form: frmPrincipal\n"
                          "  focus: edtNome\n"
                          "> focus edtCodigo\n"
                          "  focus: edtCodigo\n"
                          "> type 0001\n"
                          "> focus edtNome\n"
                          "  focus: edtNome\n"
                          "> dump edtCodigo\n"
                          "  TEdit edtCodigo text=\"0001\" enabled=yes visible=yes focused=no\n");
}

TEST_F(ScreensFixture, AFailedExitCheckShowsItsMessageAndKeepsTheFocus) {
    ASSERT_EQ(run("iniproc\nfocus edtCodigo\nkey Tab\ndump edtCodigo\nmessages\nmessages\n"), 0)
        << error.toStdString();
    EXPECT_THAT(transcript.toStdString(),
                HasSubstr("> key Tab\n  (action aborted)\n> dump edtCodigo\n"
                          "  TEdit edtCodigo text=\"\" enabled=yes visible=yes focused=yes\n"));
    EXPECT_THAT(transcript.toStdString(),
                HasSubstr("> messages\n  mtError: Código deve ser informado.\n"
                          "> messages\n  (no messages)\n"));
}

TEST_F(ScreensFixture, LinesAfterAModalFormIsShownDriveItUntilItCloses) {
    ASSERT_EQ(run("iniproc\n"
                  "click btnAbrir\n"
                  "focus edtResposta\n"
                  "type resposta dada\n"
                  "dump frmPrincipal.lblResultado\n"
                  "click btnOk\n"
                  "dump lblResultado\n"),
              0)
        << error.toStdString();
    const std::string text = transcript.toStdString();
    EXPECT_THAT(text, HasSubstr("> click btnAbrir\n  active form: frmDialogo\n"
                                "  focus: edtResposta\n> focus edtResposta\n"))
        << "the click has not returned while the dialog is open";
    EXPECT_THAT(text, HasSubstr("TLabel lblResultado text=\"\""));
    EXPECT_THAT(text, HasSubstr("TLabel lblResultado text=\"resposta dada\""));
    EXPECT_THAT(text, HasSubstr("> click btnOk\n  focus: btnOk\n  active form: frmPrincipal\n"
                                "  focus: btnAbrir\n"));
}

TEST_F(ScreensFixture, TheScriptEndingWhileAModalFormIsOpenIsAScriptError) {
    EXPECT_EQ(run("iniproc\nclick btnAbrir\nfocus edtResposta\n"), 1);
    EXPECT_THAT(error.toStdString(), HasSubstr("frmDialogo"));
    EXPECT_THAT(error.toStdString(), HasSubstr("line 2"))
        << "the error belongs to the line that showed the form";
}

TEST_F(ScreensFixture, ClosingTheModalFormEndsItsLoop) {
    ASSERT_EQ(run("iniproc\nclick btnAbrir\nclose frmDialogo\ndump lblResultado\n"), 0)
        << error.toStdString();
    EXPECT_THAT(transcript.toStdString(), HasSubstr("text=\"(cancelado)\""));
}

TEST_F(ScreensFixture, AProgressAnimationPutUpByAnActionIsReported) {
    ASSERT_EQ(run("iniproc\nclick btnGravar\nclick btnGravar\nfocus edtNome\n"), 0)
        << error.toStdString();
    EXPECT_THAT(transcript.toStdString(),
                HasSubstr("> click btnGravar\n  progress: Gravando\n  focus: btnGravar\n"
                          "> click btnGravar\n  progress: Gravando\n> focus edtNome\n"
                          "  focus: edtNome\n"));
}

TEST_F(ScreensFixture, AnUnknownControlStopsTheScriptAtItsLine) {
    EXPECT_EQ(run("iniproc\nfocus edtCodigo\nclick btnInexistente\ntype nunca\n"), 1);
    EXPECT_THAT(error.toStdString(), HasSubstr("line 3"));
    EXPECT_THAT(error.toStdString(), HasSubstr("btnInexistente"));
    EXPECT_THAT(transcript.toStdString(), Not(HasSubstr("type nunca")));
}

TEST_F(ScreensFixture, AQuestionTakesTheQueuedAnswerAndWithoutOneStopsTheScript) {
    ASSERT_EQ(run("iniproc\nanswer no\nclick btnPerguntar\ndump lblResultado\n"), 0)
        << error.toStdString();
    EXPECT_THAT(transcript.toStdString(), HasSubstr("text=\"não\""));
    transcript.clear();
    EXPECT_EQ(run("iniproc\nclick btnPerguntar\n"), 1);
    EXPECT_THAT(error.toStdString(), HasSubstr("line 2"));
}

TEST_F(ScreensFixture, ChooseTakesTheRowWhoseKeyMatchesNotAnyCell) {
    ASSERT_EQ(run("iniproc\nchoose 0002\nclick btnPesquisar\ndump lblResultado\n"), 0)
        << error.toStdString();
    EXPECT_THAT(transcript.toStdString(), HasSubstr("text=\"Loja\""));
    transcript.clear();
    EXPECT_EQ(run("choose 0009\nclick btnPesquisar\n"), 1);
    EXPECT_THAT(error.toStdString(), HasSubstr("0009"));
}

// Every lookup window is told in the transcript with the keys it offers; "choose -" closes the
// next one without a choice.
TEST_F(ScreensFixture, ChooseDashClosesTheLookupUnchosenAndEveryLookupIsTold) {
    ASSERT_EQ(run("iniproc\nchoose -\nclick btnPesquisar\ndump lblResultado\n"), 0)
        << error.toStdString();
    EXPECT_THAT(transcript.toStdString(),
                HasSubstr("> click btnPesquisar\n  lookup \"Filiais\": 2 rows: 0001 0002\n"));
    EXPECT_THAT(transcript.toStdString(), HasSubstr("text=\"(nenhuma)\""));
}

// "pick" chooses from the focused combo box as a person does from its list, which runs
// OnChange; "dump" tells the combo's index.
TEST_F(ScreensFixture, PickChoosesAnItemOfTheFocusedComboBox) {
    ASSERT_EQ(run("iniproc\nfocus cbbTipo\ndump cbbTipo\npick Cobrança\ndump cbbTipo\n"
                  "dump lblResultado\n"),
              0)
        << error.toStdString();
    EXPECT_THAT(transcript.toStdString(), HasSubstr("TComboBox cbbTipo text=\"\" enabled=yes "
                                                    "visible=yes focused=yes index=-1"));
    EXPECT_THAT(transcript.toStdString(), HasSubstr("text=\"Cobrança\" enabled=yes visible=yes "
                                                    "focused=yes index=1"));
    EXPECT_THAT(transcript.toStdString(), HasSubstr("TLabel lblResultado text=\"Cobrança\""));
    transcript.clear();
    EXPECT_EQ(run("iniproc\nfocus cbbTipo\npick Exterior\n"), 1);
    EXPECT_THAT(error.toStdString(), HasSubstr("Exterior"));
}

// In a multi-choice lookup "choose" marks every key it names and confirms; a single-choice
// lookup takes one.
TEST_F(ScreensFixture, ChooseMarksEveryKeyOfAMultiChoiceLookup) {
    ASSERT_EQ(run("iniproc\nchoose 03 01\nclick btnVarios\ndump lblResultado\n"), 0)
        << error.toStdString();
    EXPECT_THAT(transcript.toStdString(),
                HasSubstr("> click btnVarios\n  lookup \"Tipos\": 3 rows: 01 02 03\n"));
    EXPECT_THAT(transcript.toStdString(), HasSubstr("TLabel lblResultado text=\"01,03\""));
    transcript.clear();
    EXPECT_EQ(run("iniproc\nchoose 01 04\nclick btnVarios\n"), 1);
    EXPECT_THAT(error.toStdString(), HasSubstr("04"));
}

TEST_F(ScreensFixture, NamesFindFormsAndControlsWithoutRegardToCase) {
    ASSERT_EQ(run("iniproc\nfocus FRMPRINCIPAL.EDTCODIGO\ndump frmprincipal\n"), 0)
        << error.toStdString();
    EXPECT_THAT(transcript.toStdString(), HasSubstr("  focus: edtCodigo\n"));
    EXPECT_THAT(transcript.toStdString(), HasSubstr("TForm frmPrincipal text=\"Principal\""));
    transcript.clear();
    EXPECT_EQ(run("dump frmOutro.edtNome\n"), 1);
    EXPECT_THAT(error.toStdString(), HasSubstr("frmOutro"));
}

class ScriptFileTest : public ScreensFixture {
protected:
    int runFile(const QByteArray& contents) {
        const QString path = dir.filePath(QStringLiteral("teste.script"));
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(contents);
        file.close();
        QTextStream out(&transcript);
        QTextStream err(&error);
        return RunScriptFile(
            path, [this] { openMain(); }, out, err);
    }

    QTemporaryDir dir;
};

TEST_F(ScriptFileTest, AnUnknownLineRunsNothingAndGivesExitCodeTwo) {
    EXPECT_EQ(runFile("iniproc\nfocus edtCodigo\n\nsaltar edtNome\n"), kScriptUnreadable);
    EXPECT_THAT(error.toStdString(), HasSubstr("line 4: unknown command \"saltar\""));
    EXPECT_EQ(iniProcCalls, 0);
    EXPECT_TRUE(transcript.isEmpty());
}

TEST_F(ScriptFileTest, AScriptErrorGivesExitCodeOneAfterWhatRan) {
    EXPECT_EQ(runFile("iniproc\ndump edtNada\n"), kScriptFailed);
    EXPECT_EQ(iniProcCalls, 1);
    EXPECT_THAT(error.toStdString(), HasSubstr("line 2"));
}

TEST_F(ScriptFileTest, AFileThatCannotBeReadGivesExitCodeTwo) {
    QTextStream out(&transcript);
    QTextStream err(&error);
    EXPECT_EQ(RunScriptFile(
                  dir.filePath("nao-existe.script"), [] {}, out, err),
              kScriptUnreadable);
    EXPECT_THAT(error.toStdString(), HasSubstr("nao-existe.script"));
}

TEST_F(ScriptFileTest, ARunLeavesNoDialogServiceInstalled) {
    EXPECT_EQ(runFile("iniproc\n"), kScriptOk);
    EXPECT_EQ(Application().DialogService(), nullptr);
}

} // namespace
