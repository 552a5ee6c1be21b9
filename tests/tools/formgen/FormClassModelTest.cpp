// What ger-formgen reads from a screen's form data: the components and handlers its class must
// have, and the disagreements with the base form it refuses before anything is compiled.

#include "tools/formgen/FormClassModel.h"

#include "platform/core/Exception.h"
#include "platform/forms/formdata/FormDataParser.h"
#include "support/QtPrinters.h"
#include "support/ThrowsWithMessage.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

using namespace ger;
using namespace ger::formgen;

namespace {

const char kBase[] = R"(object frmRotiGeral: TfrmRotiGeral
  OnCreate = FormCreate
  OnClose = FormClose
  object panBotoes: TPanel
    object sbtConfirma: TButtonFlat
    end
    object sbtCancel: TButtonFlat
      OnClick = sbtCancelClick
    end
  end
end
)";

FormClassModel Read(const char* form) {
    return FormClassModel::Read(FormDataParser::parse(QString::fromUtf8(kBase), "base.dfm"),
                                FormDataParser::parse(QString::fromUtf8(form), "dir/screen.dfm"));
}

QStringList ComponentsOf(const FormClassModel& model) {
    QStringList components;
    for (const FormComponent& component : model.components)
        components << component.name + ": " + component.className;
    return components;
}

QStringList HandlersOf(const FormClassModel& model) {
    QStringList handlers;
    for (const FormHandler& handler : model.handlers) {
        QStringList events;
        for (const FormEvent& event : handler.events)
            events << event.className + "." + event.event;
        handlers << handler.name + " <- " + events.join(", ");
    }
    return handlers;
}

} // namespace

TEST(FormClassModelTest, TheScreensOwnComponentsAndEveryHandlerItsFileNames) {
    const FormClassModel model = Read(R"(inherited frmTeste: TfrmTeste
  OnCreate = FormCreate
  inherited panBotoes: TPanel
    inherited sbtConfirma: TButtonFlat
      OnClick = sbtConfirmaClick
    end
    object btnOutro: TButtonFlat
      OnClick = btnOutroClick
    end
  end
  object edtNome: TEdit
    Text = 'x'
    OnExit = edtNomeExit
    OnEnter = edtNomeEnter
  end
  object TTimer
  end
  object cdsDados: TClientDataSet
    AfterPost = cdsDadosAfterPost
    BeforeInsert = cdsDadosBeforeInsert
    object cdsDadosNOME: TStringField
      OnGetText = DadosGetText
    end
    object cdsDadosCODIGO: TStringField
      OnGetText = DadosGetText
    end
  end
end
)");
    EXPECT_EQ(model.className, "TfrmTeste");
    EXPECT_EQ(model.baseClassName, "TfrmRotiGeral");
    EXPECT_EQ(model.formFileName, "screen.dfm");
    EXPECT_EQ(ComponentsOf(model),
              QStringList({"btnOutro: TButtonFlat", "edtNome: TEdit", "cdsDados: TClientDataSet",
                           "cdsDadosNOME: TStringField", "cdsDadosCODIGO: TStringField"}))
        << "neither the base's components nor unnamed ones";
    EXPECT_EQ(HandlersOf(model),
              QStringList({"FormCreate <- TfrmRotiGeral.OnCreate",
                           "sbtConfirmaClick <- TButtonFlat.OnClick",
                           "btnOutroClick <- TButtonFlat.OnClick", "edtNomeExit <- TEdit.OnExit",
                           "edtNomeEnter <- TEdit.OnEnter",
                           "cdsDadosAfterPost <- TClientDataSet.AfterPost",
                           "cdsDadosBeforeInsert <- TClientDataSet.BeforeInsert",
                           "DadosGetText <- TStringField.OnGetText, TStringField.OnGetText"}))
        << "the root's events are the base class's; the base file's own handlers are not listed";
}

TEST(FormClassModelTest, OnlyIdentifiersOfOnBeforeAndAfterPropertiesAreEvents) {
    EXPECT_TRUE(IsEventProperty("OnExit"));
    EXPECT_TRUE(IsEventProperty("OnBeforePesq"));
    EXPECT_TRUE(IsEventProperty("BeforeConnect"));
    EXPECT_TRUE(IsEventProperty("AfterPost"));
    EXPECT_FALSE(IsEventProperty("Online"));
    EXPECT_FALSE(IsEventProperty("Options"));
    EXPECT_FALSE(IsEventProperty("Font.OnChange"));
    const FormClassModel model = Read(R"(inherited frmTeste: TfrmTeste
  object edtNome: TEdit
    OnExit = 'texto'
    Align = alTop
  end
end
)");
    EXPECT_TRUE(model.handlers.empty());
}

struct Refusal {
    const char* name;
    const char* form;
    const char* message;
};

class FormClassModelRefusalTest : public testing::TestWithParam<Refusal> {};

TEST_P(FormClassModelRefusalTest, NamesTheFileTheLineAndTheReason) {
    EXPECT_THAT([] { Read(GetParam().form); },
                test::ThrowsWithMessage<EFormDataError>(testing::HasSubstr(GetParam().message)));
}

const Refusal kRefusals[] = {
    {"InheritedUnknownToTheBase",
     "inherited frmTeste: TfrmTeste\n  inherited sbtNada: TButtonFlat\n  end\nend\n",
     "dir/screen.dfm:2: sbtNada is not a component of the base form TfrmRotiGeral"},
    {"InheritedOfAnotherClass",
     "inherited frmTeste: TfrmTeste\n  inherited sbtCancel: TSpeedButton\n  end\nend\n",
     "dir/screen.dfm:2: sbtCancel is a TButtonFlat in the base form, not a TSpeedButton"},
    {"ComponentNamedLikeOneOfTheBase",
     "inherited frmTeste: TfrmTeste\n  object SBTCANCEL: TButtonFlat\n  end\nend\n",
     "dir/screen.dfm:2: a second component named SBTCANCEL"},
    {"TwoComponentsOfOneName",
     "inherited frmTeste: TfrmTeste\n  object edtNome: TEdit\n  end\n"
     "  object panX: TPanel\n    object EDTNOME: TEdit\n    end\n  end\nend\n",
     "dir/screen.dfm:5: a second component named EDTNOME"},
    {"OneHandlerTwoSpellings",
     "inherited frmTeste: TfrmTeste\n  object edtA: TEdit\n    OnExit = edtExit\n  end\n"
     "  object edtB: TEdit\n    OnExit = EdtExit\n  end\nend\n",
     "dir/screen.dfm:6: the handler EdtExit is also written edtExit"},
    {"HandlerNamedLikeALaterComponent",
     "inherited frmTeste: TfrmTeste\n  OnShow = edtNome\n  object edtNome: TEdit\n  end\nend\n",
     "dir/screen.dfm:2: the handler edtNome has the name of a component"},
    {"UnnamedInherited", "inherited frmTeste: TfrmTeste\n  inherited TButtonFlat\n  end\nend\n",
     "dir/screen.dfm:2: an inherited TButtonFlat needs a name"},
    {"InlineFrame", "inherited frmTeste: TfrmTeste\n  inline fraX: TFrame\n  end\nend\n",
     "dir/screen.dfm:2: inline frames are not supported"},
    {"RootOfTheBaseClass", "inherited frmTeste: TfrmRotiGeral\nend\n",
     "dir/screen.dfm:1: the screen's root is of the base class TfrmRotiGeral"},
};

INSTANTIATE_TEST_SUITE_P(Cases, FormClassModelRefusalTest, testing::ValuesIn(kRefusals),
                         [](const auto& p) { return std::string(p.param.name); });
