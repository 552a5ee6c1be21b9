#include "framework/BaseScreenForm.h"

#include "FrameworkTestSupport.h"
#include "framework/TBtnPesquisa.h"
#include "framework/TButtonFlat.h"
#include "framework/TMessages.h"
#include "framework/TfrmPadrImportExport.h"
#include "framework/TfrmRotiGeral.h"
#include "platform/core/Exception.h"
#include "platform/db/TClientDataSet.h"
#include "platform/db/TField.h"
#include "platform/forms/Dispatch.h"
#include "platform/forms/TGroupBox.h"
#include "platform/forms/TImage.h"
#include "platform/forms/TLabel.h"
#include "platform/forms/TPanel.h"
#include "platform/forms/TProgressBar.h"
#include "platform/forms/UserInput.h"
#include "script/ScriptedUser.h"

#include <QPointer>
#include <functional>

using namespace ger;
using namespace ger::fwtest;

namespace {

// A routine screen built by the protocol of BaseScreenForm, with its own FormCreate and a
// button of its own in the base's toolbar.
class TfrmTesteRotina : public TfrmRotiGeral {
public:
    explicit TfrmTesteRotina(TComponent* AOwner)
        : TfrmRotiGeral(AOwner, DerivedScreen) {
        HandlerTable handlers = BaseHandlers();
        AddHandler(handlers, QStringLiteral("FormCreate"), &TfrmTesteRotina::FormCreate);
        AddHandler(handlers, QStringLiteral("sbtConfirmaClick"),
                   &TfrmTesteRotina::sbtConfirmaClick);
        LoadScreen({QStringLiteral(":/forms/TestRotina.dfm")}, handlers);
        sbtNovo = Bind<TButtonFlat>(QStringLiteral("sbtNovo"));
    }

    QString ClassName() const override { return QStringLiteral("TfrmTesteRotina"); }

    void FormCreate(TObject* Sender) {
        log << QStringLiteral("create, hint %1").arg(sbtNovo->ShowHint() ? "on" : "off");
        TfrmRotiGeral::FormCreate(Sender);
        log << QStringLiteral("after base, hint %1").arg(sbtNovo->ShowHint() ? "on" : "off");
    }

    void sbtConfirmaClick(TObject*) { log << msgPadrao->Msg(QStringLiteral("conf")); }

    TButtonFlat* sbtNovo = nullptr;
    QStringList log;
};

class BaseScreenFormTest : public FrameworkTest {
protected:
    TfrmTesteRotina* Create() {
        auto* screen = new TfrmTesteRotina(&Application());
        screen->AfterConstruction();
        return screen;
    }
};

TEST_F(BaseScreenFormTest, ADerivedScreenLoadsTheBaseFormAndItsOwnFileAsOne) {
    TfrmTesteRotina* screen = Create();
    EXPECT_EQ(screen->Name(), QStringLiteral("frmTesteRotina"));
    EXPECT_EQ(screen->Caption(), QStringLiteral("Tela de Teste"));
    EXPECT_EQ(screen->lblCodTela->Caption(), QStringLiteral("GER00001"));
    EXPECT_EQ(screen->msgPadrao->Msg(QStringLiteral("CONF")), QStringLiteral("Confirma operação?"));
    EXPECT_EQ(screen->sbtNovo->Parent(), screen->panBotoes);
    EXPECT_EQ(screen->sbtCancel->Top(), 123);
    EXPECT_EQ(screen->sbtConfirma->Top(), 8);
    EXPECT_EQ(screen->FindComponent(QStringLiteral("edtNome"))->Owner(), screen);
    EXPECT_EQ(static_cast<TControl*>(screen->FindComponent(QStringLiteral("edtNome")))->Parent(),
              screen->grbDadosRel);
}

TEST_F(BaseScreenFormTest, TheScreensFormCreateTakesTheEventAndRunsTheBasesFirst) {
    TfrmTesteRotina* screen = Create();
    EXPECT_EQ(screen->log, (QStringList{QStringLiteral("create, hint off"),
                                        QStringLiteral("after base, hint on")}));
    EXPECT_TRUE(screen->sbtCancel->ShowHint());
    EXPECT_TRUE(screen->sbtHelp->ShowHint());
}

TEST_F(BaseScreenFormTest, TheScreenBindsItsHandlerToABaseButton) {
    TfrmTesteRotina* screen = Create();
    screen->Show();
    screen->log.clear();
    EXPECT_TRUE(ScriptedUser(*screen).Click(QStringLiteral("sbtConfirma")));
    EXPECT_EQ(screen->log, QStringList{QStringLiteral("Confirma operação?")});
}

TEST_F(BaseScreenFormTest, TheLayoutPutsTheToolbarLeftOfTheDataArea) {
    TfrmTesteRotina* screen = Create();
    EXPECT_EQ(screen->panMenu->Top(), 0);
    EXPECT_EQ(screen->panMenu->Width(), screen->ClientWidth());
    EXPECT_EQ(screen->panBotoes->Top(), screen->panMenu->Height());
    EXPECT_EQ(screen->grbDadosRel->Left(), screen->panBotoes->Width());
    EXPECT_EQ(screen->grbDadosRel->Top(), screen->panMenu->Height());
    EXPECT_EQ(screen->grbDadosRel->Left() + screen->grbDadosRel->Width(), screen->ClientWidth());
    EXPECT_EQ(screen->panHelp->Left() + screen->panHelp->Width(), screen->panMenu->ClientWidth());
}

TEST_F(BaseScreenFormTest, CancelClosesAndReleasesAShownScreen) {
    QPointer<TfrmTesteRotina> screen = Create();
    screen->Show();
    EXPECT_TRUE(ScriptedUser(*screen).Click(QStringLiteral("sbtCancel")));
    EXPECT_TRUE(screen.isNull());
}

TEST_F(BaseScreenFormTest, CancelEndsAModalScreenWhichIsThenReleased) {
    QPointer<TfrmTesteRotina> screen = Create();
    dialogs.OnModal([](TCustomForm& f) { ScriptedUser(f).Click(QStringLiteral("sbtCancel")); });
    TModalResult result = mrNone;
    EXPECT_TRUE(Dispatch([&] {
        result = screen->ShowModal();
        EXPECT_FALSE(screen.isNull());
    }));
    EXPECT_EQ(result, mrCancel);
    EXPECT_TRUE(screen.isNull());
}

// The base forms' keys: Enter in an edit moves on as Tab does; Escape ends a modal screen as
// its cancel button does, and means nothing to a screen shown modelessly.
TEST_F(BaseScreenFormTest, EnterInAnEditMovesToTheNextControl) {
    QPointer<TfrmTesteRotina> screen = Create();
    screen->Show();
    ScriptedUser user(*screen);
    ASSERT_TRUE(user.Focus(QStringLiteral("edtNome")));
    ASSERT_TRUE(user.Type(QStringLiteral("Ana")));
    EXPECT_TRUE(user.Press(VK_RETURN));
    ASSERT_NE(screen->FocusedControl(), nullptr);
    EXPECT_EQ(screen->FocusedControl()->Name(), "edtCidade");
    EXPECT_TRUE(user.Press(VK_ESCAPE));
    EXPECT_FALSE(screen.isNull()) << "Escape closes only a modal screen";
}

// A lookup button takes no focus, so the keyboard reaches it from its edit: F3 there clicks it,
// and its hint says so.
TEST_F(BaseScreenFormTest, F3InTheAssociatedEditClicksTheLookupButton) {
    QPointer<TfrmTesteRotina> screen = Create();
    screen->Show();
    auto* lookup = screen->Find<TBtnPesquisa>("btpCidade");
    ASSERT_NE(lookup, nullptr);
    EXPECT_EQ(lookup->Hint(), "Pesquisar (F3)");
    int clicks = 0;
    lookup->OnClick = [&clicks](TObject*) { ++clicks; };
    ScriptedUser user(*screen);
    ASSERT_TRUE(user.Focus(QStringLiteral("edtNome")));
    user.Press(VK_F3);
    EXPECT_EQ(clicks, 0) << "edtNome has no lookup button";
    ASSERT_TRUE(user.Focus(QStringLiteral("edtCidade")));
    user.Press(VK_F3);
    EXPECT_EQ(clicks, 1);
    lookup->SetEnabled(false);
    user.Press(VK_F3);
    EXPECT_EQ(clicks, 1) << "a disabled button is not clicked by its key either";
}

// The confirm button takes no focus either: Ctrl+Enter clicks it, from any control, while it
// is enabled, and its hint says so.
TEST_F(BaseScreenFormTest, CtrlEnterClicksTheEnabledConfirmButton) {
    QPointer<TfrmTesteRotina> screen = Create();
    screen->Show();
    EXPECT_TRUE(screen->sbtConfirma->Hint().endsWith(" (Ctrl+Enter)"))
        << screen->sbtConfirma->Hint().toStdString();
    int clicks = 0;
    screen->sbtConfirma->OnClick = [&clicks](TObject*) { ++clicks; };
    ScriptedUser user(*screen);
    ASSERT_TRUE(user.Focus(QStringLiteral("edtNome")));
    user.Press(VK_RETURN, ssCtrl);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(screen->FocusedControl()->Name(), "edtNome") << "the focus stays";
    screen->sbtConfirma->SetEnabled(false);
    user.Press(VK_RETURN, ssCtrl);
    EXPECT_EQ(clicks, 1);
}

TEST_F(BaseScreenFormTest, EscapeEndsAModalScreenAsItsCancelButtonDoes) {
    QPointer<TfrmTesteRotina> screen = Create();
    dialogs.OnModal([](TCustomForm& f) {
        ScriptedUser user(f);
        user.Focus(QStringLiteral("edtCidade"));
        user.Press(VK_ESCAPE);
    });
    TModalResult result = mrNone;
    EXPECT_TRUE(Dispatch([&] { result = screen->ShowModal(); }));
    EXPECT_EQ(result, mrCancel);
    EXPECT_TRUE(screen.isNull());
}

// Closing a screen with a row being edited asks first; the answer decides the row's fate and
// whether the screen closes.
struct UnsavedCase {
    const char* name;
    TModalResult answer;
    bool closes;
    const char* stored; // what the dataset holds afterwards, when the screen still lives
};

class UnsavedChangeTest : public BaseScreenFormTest,
                          public testing::WithParamInterface<UnsavedCase> {};

TEST_P(UnsavedChangeTest, ClosingWithARowBeingEditedAsksWhetherToSaveIt) {
    QPointer<TfrmTesteRotina> screen = Create();
    screen->Show();
    auto* cds = screen->Find<TClientDataSet>("cdsTeste");
    ASSERT_NE(cds, nullptr);
    cds->CreateDataSet();
    cds->Append();
    cds->FieldByName("NOME")->SetAsString("Ana");
    cds->Post();
    int posts = 0;
    cds->AfterPost = [&posts](TDataSet*) { ++posts; };
    cds->Edit();
    cds->FieldByName("NOME")->SetAsString("Bia");
    dialogs.Answer(GetParam().answer);

    EXPECT_TRUE(UserInput::CloseForm(*screen));

    ASSERT_EQ(dialogs.Texts(), QStringList({UnsavedChangeText}));
    EXPECT_EQ(dialogs.Messages().front().buttons, TMsgDlgButtons(mbYes) | mbNo | mbCancel);
    EXPECT_EQ(screen.isNull(), GetParam().closes);
    EXPECT_EQ(posts, GetParam().answer == mrYes ? 1 : 0);
    if (!screen.isNull()) {
        EXPECT_EQ(cds->State(), dsEdit) << "Cancel keeps the edit as it was";
        EXPECT_EQ(cds->FieldByName("NOME")->AsString(), GetParam().stored);
    }
}

INSTANTIATE_TEST_SUITE_P(Answers, UnsavedChangeTest,
                         testing::Values(UnsavedCase{"Yes", mrYes, true, ""},
                                         UnsavedCase{"No", mrNo, true, ""},
                                         UnsavedCase{"Cancel", mrCancel, false, "Bia"}),
                         [](const auto& p) { return std::string(p.param.name); });

TEST_F(BaseScreenFormTest, ClosingWithNothingBeingEditedAsksNothing) {
    QPointer<TfrmTesteRotina> screen = Create();
    screen->Show();
    screen->Find<TClientDataSet>("cdsTeste")->CreateDataSet();
    EXPECT_TRUE(UserInput::CloseForm(*screen));
    EXPECT_TRUE(screen.isNull());
    EXPECT_TRUE(dialogs.Texts().isEmpty());
}

TEST_F(BaseScreenFormTest, HelpShowsThatThereIsNoHelp) {
    TfrmTesteRotina* screen = Create();
    screen->Show();
    EXPECT_TRUE(ScriptedUser(*screen).Click(QStringLiteral("sbtHelp")));
    ASSERT_EQ(dialogs.Messages().size(), 1u);
    EXPECT_EQ(dialogs.Messages()[0].text, QStringLiteral("Ajuda não disponível para esta tela."));
    EXPECT_EQ(dialogs.Messages()[0].type, mtInformation);
    EXPECT_TRUE(screen->Visible());
}

// The base forms alone, each from its own file.

struct BaseFormCase {
    const char* name;
    std::function<BaseScreenForm*()> create;
};

class BaseFormAloneTest : public BaseScreenFormTest,
                          public testing::WithParamInterface<BaseFormCase> {};

TEST_P(BaseFormAloneTest, LoadsAndBindsEveryComponentOfTheBase) {
    BaseScreenForm* form = GetParam().create();
    form->AfterConstruction();
    EXPECT_EQ(form->Name(), QString::fromLatin1(GetParam().name));
    EXPECT_NE(form->msgPadrao, nullptr);
    EXPECT_NE(form->lblCodTela, nullptr);
    EXPECT_NE(form->grbDadosRel, nullptr);
    ASSERT_NE(form->panMenu, nullptr);
    ASSERT_NE(form->panHelp, nullptr);
    ASSERT_NE(form->sbtHelp, nullptr);
    ASSERT_NE(form->panBotoes, nullptr);
    ASSERT_NE(form->sbtCancel, nullptr);
    EXPECT_EQ(form->panHelp->Parent(), form->panMenu);
    EXPECT_EQ(form->sbtHelp->Parent(), form->panHelp);
    EXPECT_EQ(form->sbtCancel->Parent(), form->panBotoes);
}

TEST_P(BaseFormAloneTest, ClosingReleasesIt) {
    QPointer<BaseScreenForm> form = GetParam().create();
    form->AfterConstruction();
    form->Show();
    EXPECT_TRUE(Dispatch([&] { form->Close(); }));
    EXPECT_TRUE(form.isNull());
}

INSTANTIATE_TEST_SUITE_P(
    BaseForms, BaseFormAloneTest,
    testing::Values(BaseFormCase{"frmRotiGeral", [] { return new TfrmRotiGeral(&Application()); }},
                    BaseFormCase{"frmPadrImportExport",
                                 [] { return new TfrmPadrImportExport(&Application()); }}),
    [](const testing::TestParamInfo<BaseFormCase>& param) { return param.param.name; });

TEST_F(BaseScreenFormTest, TheImportExportBaseHasItsTransferPartsAndNoConfirmButton) {
    auto* form = new TfrmPadrImportExport(&Application());
    EXPECT_EQ(form->FindComponent(QStringLiteral("sbtConfirma")), nullptr);
    EXPECT_EQ(form->sbtImportExport->Parent(), form->panBotoes);
    EXPECT_LT(form->sbtImportExport->Top(), form->sbtCancel->Top());
    EXPECT_FALSE(form->panProgresso->Visible());
    EXPECT_EQ(form->pgbProgresso->Parent(), form->panProgresso);
    EXPECT_EQ(form->lblProgresso->Parent(), form->panProgresso);
    EXPECT_EQ(form->Image1->Parent(), form->panProgresso);
    EXPECT_EQ(form->Image2->Parent(), form->panProgresso);
}

} // namespace
