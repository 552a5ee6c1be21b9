#include "framework/TBtnPesquisa.h"

#include "FrameworkTestSupport.h"
#include "framework/MensErro.h"
#include "platform/db/TDataSource.h"
#include "platform/db/TField.h"
#include "platform/forms/TEdit.h"
#include "platform/forms/TForm.h"
#include "platform/forms/formdata/LoadFormData.h"
#include "script/ScriptedUser.h"

using namespace ger;
using namespace ger::fwtest;

namespace {

// A branch panel (edit and lookup button) above another edit, as on the main screen.
const char* const LookupForm = R"(object frmPesquisa: TForm
  Width = 400
  Height = 300
  object panFilial: TPanel
    Align = alTop
    Height = 40
    OnEnter = panFilialEnter
    object medFilial: TEdit
      Left = 8
      Top = 8
      TabOrder = 0
      OnEnter = medFilialEnter
      OnExit = medFilialExit
    end
    object btpFilial: TBtnPesquisa
      Left = 100
      Top = 8
      Hint = 'Pesquisar'
      Associate = medFilial
      Title = 'Filial'
      DataSource = dtsFilial
      EmptyError = 'N'#227'o h'#225' filial cadastrada.'
      OnBeforePesq = btpFilialBeforePesq
      OnAfterPesq = btpFilialAfterPesq
    end
  end
  object edtOutro: TEdit
    Left = 8
    Top = 60
    TabOrder = 1
    OnExit = edtOutroExit
  end
  object BtnPesquisa1: TBtnPesquisa
    Left = 8
    Top = 100
    Title = 'Fornecedor'
    EmptyError = 'N'#227'o h'#225' fornecedor cadastrado.'
    PesqChave = True
    OnClick = BtnPesquisa1Click
  end
  object qryFilial: TClientDataSet
  end
  object dtsFilial: TDataSource
    DataSet = qryFilial
  end
end
)";

class TBtnPesquisaTest : public FrameworkTest {
protected:
    void SetUp() override {
        HandlerTable handlers;
        const auto log = [this](const char* line) {
            return std::function<void(TObject*)>(
                [this, line](TObject*) { events << QString::fromLatin1(line); });
        };
        handlers.add<void(TObject*)>("panFilialEnter", log("panFilial.enter"));
        handlers.add<void(TObject*)>("medFilialEnter", log("medFilial.enter"));
        handlers.add<void(TObject*)>("medFilialExit", log("medFilial.exit"));
        handlers.add<void(TObject*)>("BtnPesquisa1Click", log("BtnPesquisa1.click"));
        handlers.add<void(TObject*)>("edtOutroExit", [this](TObject*) {
            events << QStringLiteral("edtOutro.exit");
            if (refuseExit)
                MensErro(QStringLiteral("Valor inválido."), true);
        });
        handlers.add<void(TObject*, bool&)>(
            "btpFilialBeforePesq", [this](TObject* sender, bool& allow) {
                events << QStringLiteral("before:%1").arg(static_cast<TComponent*>(sender)->Name());
                qryFilial()->SetData(rows);
                if (!allowLookup)
                    allow = false;
            });
        handlers.add<void(TObject*)>("btpFilialAfterPesq", [this](TObject*) {
            events << QStringLiteral("after:%1:%2")
                          .arg(qryFilial()->FieldByName(QStringLiteral("CDFILIAL"))->AsString(),
                               user().FocusedName());
        });
        form = new TForm(&Application());
        LoadFormData(form, QString::fromUtf8(LookupForm), QStringLiteral("lookup"), handlers);
        form->Show();
        user().Focus(QStringLiteral("edtOutro"));
        events.clear();
    }

    ScriptedUser user() const { return ScriptedUser(*form); }
    TClientDataSet* qryFilial() const {
        return form->Find<TClientDataSet>(QStringLiteral("qryFilial"));
    }
    TBtnPesquisa* button(const char* name) const {
        return form->Find<TBtnPesquisa>(QString::fromLatin1(name));
    }

    TForm* form = nullptr;
    QStringList events;
    QByteArray rows = ThreeBranches();
    bool allowLookup = true;
    bool refuseExit = false;
};

TEST_F(TBtnPesquisaTest, AChoiceMovesTheFocusToTheAssociateBeforeAfterPesq) {
    dialogs.ChooseLookupValue(QStringLiteral("0101"));
    EXPECT_TRUE(user().Click(QStringLiteral("btpFilial")));
    EXPECT_EQ(events,
              (QStringList{QStringLiteral("before:btpFilial"), QStringLiteral("edtOutro.exit"),
                           QStringLiteral("panFilial.enter"), QStringLiteral("medFilial.enter"),
                           QStringLiteral("after:0101:medFilial")}));
    ASSERT_EQ(dialogs.Lookups().size(), 1u);
    EXPECT_EQ(dialogs.Lookups().front().title, QStringLiteral("Filial"));
    EXPECT_EQ(user().FocusedName(), QStringLiteral("medFilial"));
}

TEST_F(TBtnPesquisaTest, ClickingFromTheAssociateRunsNoExit) {
    user().Focus(QStringLiteral("medFilial"));
    events.clear();
    dialogs.ChooseLookupValue(QStringLiteral("0103"));
    EXPECT_TRUE(user().Click(QStringLiteral("btpFilial")));
    EXPECT_EQ(events, (QStringList{QStringLiteral("before:btpFilial"),
                                   QStringLiteral("after:0103:medFilial")}));
}

TEST_F(TBtnPesquisaTest, TheButtonTakesNoFocus) {
    dialogs.CancelLookup();
    EXPECT_TRUE(user().Click(QStringLiteral("btpFilial")));
    EXPECT_EQ(events, QStringList{QStringLiteral("before:btpFilial")});
    EXPECT_EQ(user().FocusedName(), QStringLiteral("edtOutro"));
}

TEST_F(TBtnPesquisaTest, AllowPesqFalseEndsTheClickBeforeTheLookup) {
    allowLookup = false;
    EXPECT_TRUE(user().Click(QStringLiteral("btpFilial")));
    EXPECT_TRUE(dialogs.Lookups().empty());
    EXPECT_EQ(events, QStringList{QStringLiteral("before:btpFilial")});
    EXPECT_EQ(user().FocusedName(), QStringLiteral("edtOutro"));
}

TEST_F(TBtnPesquisaTest, AFailedExitCheckEndsTheClickWithoutAfterPesq) {
    refuseExit = true;
    dialogs.ChooseLookupValue(QStringLiteral("0101"));
    EXPECT_FALSE(user().Click(QStringLiteral("btpFilial")));
    EXPECT_EQ(events,
              (QStringList{QStringLiteral("before:btpFilial"), QStringLiteral("edtOutro.exit")}));
    EXPECT_EQ(dialogs.Texts(), QStringList{QStringLiteral("Valor inválido.")});
    EXPECT_EQ(user().FocusedName(), QStringLiteral("edtOutro"));
}

TEST_F(TBtnPesquisaTest, AnEmptyListShowsTheEmptyErrorAndMovesNothing) {
    rows = BranchRows({});
    EXPECT_TRUE(user().Click(QStringLiteral("btpFilial")));
    EXPECT_TRUE(dialogs.Lookups().empty());
    EXPECT_EQ(dialogs.Texts(), QStringList{QStringLiteral("Não há filial cadastrada.")});
    EXPECT_EQ(events, QStringList{QStringLiteral("before:btpFilial")});
    EXPECT_EQ(user().FocusedName(), QStringLiteral("edtOutro"));
}

TEST_F(TBtnPesquisaTest, AnAssociateThatCannotTakeTheFocusKeepsItWhereItIs) {
    form->Find<TEdit>(QStringLiteral("medFilial"))->SetEnabled(false);
    dialogs.ChooseLookupValue(QStringLiteral("0001"));
    EXPECT_TRUE(user().Click(QStringLiteral("btpFilial")));
    EXPECT_EQ(events, (QStringList{QStringLiteral("before:btpFilial"),
                                   QStringLiteral("after:0001:edtOutro")}));
}

TEST_F(TBtnPesquisaTest, WithoutDataSourceOnlyOnClickRuns) {
    EXPECT_TRUE(user().Click(QStringLiteral("BtnPesquisa1")));
    EXPECT_EQ(events, QStringList{QStringLiteral("BtnPesquisa1.click")});
    EXPECT_TRUE(dialogs.Lookups().empty());
    EXPECT_TRUE(dialogs.Messages().empty());
}

} // namespace
