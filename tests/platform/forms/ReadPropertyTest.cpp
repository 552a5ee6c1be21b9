// Controls read their own properties from form data values, as the loader hands them over.

#include "FormsTestSupport.h"
#include "platform/core/ComponentRegistry.h"
#include "platform/core/Exception.h"
#include "platform/forms/TButton.h"
#include "platform/forms/TLabel.h"
#include "platform/forms/TMaskEdit.h"
#include "platform/forms/TPageControl.h"
#include "platform/forms/TPanel.h"
#include "platform/forms/TTabSheet.h"

using namespace ger;
using namespace ger::formstest;

namespace {

class ReadPropertyTest : public FormsTest {
protected:
    void SetUp() override {
        FormsTest::SetUp();
        context = std::make_unique<TestFormDataContext>(form, TestFormDataContext::kDeferred);
        context->handlers.add<void(TObject*)>("medFilialExit", [this](TObject* s) {
            calls.append("exit " + static_cast<TComponent*>(s)->Name());
        });
        context->handlers.add<void(TObject*)>("medFilialChange",
                                              [this](TObject*) { calls.append("change"); });
        context->handlers.add<void(TObject*, Word&, TShiftState)>(
            "dbgPadraoKeyDown", [this](TObject*, Word&, TShiftState) { calls.append("keydown"); });
        form->BeginLoading();
    }
    TComponent* create(const QString& className, const QString& name) {
        TComponent* c = ComponentRegistry::Create(className, form);
        c->SetName(name);
        c->BeginLoading();
        c->SetParentComponent(form);
        return c;
    }
    void read(TComponent* c, std::initializer_list<FormDataProperty> properties) {
        for (const FormDataProperty& p : properties)
            c->ReadProperty(p, *context);
    }
    void finish() {
        context->resolve();
        for (int i = 0; i < form->ComponentCount(); ++i)
            form->Components(i)->EndLoading();
        form->EndLoading();
    }

    std::unique_ptr<TestFormDataContext> context;
    QStringList calls;
};

TEST_F(ReadPropertyTest, TheBranchEditLoadsItsMaskLengthColourAndHandlers) {
    auto* medFilial = dynamic_cast<TMaskEdit*>(create("TMaskEdit", "medFilial"));
    ASSERT_NE(medFilial, nullptr);
    read(medFilial,
         {intProperty("Left", 8), intProperty("Top", 20), intProperty("Width", 41),
          intProperty("Height", 21), stringProperty("EditMask", ">aaaa;0; "),
          intProperty("MaxLength", 4), identProperty("Color", "clInfoBk"),
          intProperty("TabOrder", 0), stringProperty("Text", "0001"),
          identProperty("OnExit", "medFilialExit"), identProperty("OnChange", "medFilialChange")});
    finish();
    EXPECT_EQ(medFilial->BoundsRect(), QRect(8, 20, 41, 21));
    EXPECT_EQ(medFilial->EditMask(), ">aaaa;0; ");
    EXPECT_EQ(medFilial->MaxLength(), 4);
    EXPECT_EQ(medFilial->Color(), clInfoBk);
    EXPECT_EQ(medFilial->Text(), "0001");
    EXPECT_TRUE(calls.isEmpty()) << "loading fires no OnChange";
    medFilial->OnExit(medFilial);
    medFilial->SetText("0002");
    EXPECT_EQ(calls, QStringList({"exit medFilial", "change"}));
}

TEST_F(ReadPropertyTest, CommonControlPropertiesAreReadByEveryControl) {
    auto* lblFilial = dynamic_cast<TLabel*>(create("TLabel", "lblFilial"));
    read(lblFilial,
         {stringProperty("Caption", "Filial"), identProperty("Font.Charset", "DEFAULT_CHARSET"),
          identProperty("Font.Color", "clWindowText"), intProperty("Font.Height", -11),
          stringProperty("Font.Name", "MS Sans Serif"), setProperty("Font.Style", {"fsBold"}),
          identProperty("ParentFont", "False"), stringProperty("Hint", "Código"),
          identProperty("ShowHint", "True"), identProperty("Cursor", "crHandPoint"),
          setProperty("Anchors", {"akLeft", "akTop"}), identProperty("Transparent", "True"),
          intProperty("PixelsPerInch", 96), identProperty("Ctl3D", "False")});
    auto* panel = dynamic_cast<TPanel*>(create("TPanel", "panFilial"));
    read(panel, {identProperty("Align", "alTop"), identProperty("BevelOuter", "bvNone"),
                 intProperty("Color", 0x008080), intProperty("Height", 41)});
    finish();
    EXPECT_EQ(lblFilial->Caption(), "Filial");
    EXPECT_TRUE(lblFilial->Font().IsBold());
    EXPECT_FALSE(lblFilial->ParentFont());
    EXPECT_EQ(lblFilial->Cursor(), crHandPoint);
    EXPECT_TRUE(lblFilial->ShowHint());
    EXPECT_EQ(panel->Align(), alTop);
    EXPECT_EQ(panel->BevelOuter(), bvNone);
    EXPECT_EQ(panel->Color(), clOlive);
    EXPECT_EQ(panel->BoundsRect(), QRect(0, 0, 400, 41));
}

struct BadProperty {
    const char* className;
    FormDataProperty property;
};

class BadPropertyTest : public ReadPropertyTest, public testing::WithParamInterface<BadProperty> {};

TEST_P(BadPropertyTest, IsALoadError) {
    TComponent* c = create(GetParam().className, "x");
    EXPECT_THROW(c->ReadProperty(GetParam().property, *context), EFormDataError);
}

INSTANTIATE_TEST_SUITE_P(
    Properties, BadPropertyTest,
    testing::Values(BadProperty{"TEdit", intProperty("Colour", 1)},
                    BadProperty{"TEdit", stringProperty("Left", "8")},
                    BadProperty{"TEdit", identProperty("Align", "alMiddle")},
                    BadProperty{"TEdit", identProperty("Color", "clPink")},
                    BadProperty{"TEdit", identProperty("OnExit", "semHandler")},
                    BadProperty{"TEdit", identProperty("OnKeyDown", "medFilialExit")},
                    BadProperty{"TLabel", setProperty("Font.Style", {"fsBlink"})},
                    BadProperty{"TLabel", intProperty("Font.Weight", 700)},
                    BadProperty{"TImage", binaryProperty("Picture.Data", "\x07TBitmap")},
                    BadProperty{"TComboBox", identProperty("Style", "csFancy")}));

TEST_F(ReadPropertyTest, ReferencesResolveOnceEveryComponentExists) {
    auto* pgc = dynamic_cast<TPageControl*>(create("TPageControl", "pgcTipoOperFili"));
    read(pgc, {identProperty("ActivePage", "tshTipoOperCli"),
               identProperty("OnKeyDown", "dbgPadraoKeyDown")});
    for (const char* name : {"tshTipoOperFili", "tshTipoOperCli"}) {
        auto* sheet = ComponentRegistry::Create("TTabSheet", form);
        sheet->SetName(name);
        sheet->SetParentComponent(pgc);
    }
    read(form, {identProperty("ActiveControl", "pgcTipoOperFili")});
    finish();
    EXPECT_EQ(pgc->ActivePage()->Name(), "tshTipoOperCli");
    EXPECT_EQ(form->ActiveControl(), pgc);
    form->Show();
    EXPECT_EQ(form->FocusedControl(), pgc) << "the declared ActiveControl gets the focus";
}

TEST_F(ReadPropertyTest, AReferenceToAComponentOfAnotherKindIsALoadError) {
    auto* label = create("TLabel", "lblFilial");
    read(form, {identProperty("ActiveControl", "lblFilial")});
    EXPECT_THROW(context->resolve(), EFormDataError);
    (void)label;
}

TEST_F(ReadPropertyTest, TheButtonsModalResultReadsByName) {
    auto* button = dynamic_cast<TButton*>(create("TButton", "btnOk"));
    read(button, {identProperty("ModalResult", "mrOk"), identProperty("Default", "True")});
    finish();
    EXPECT_EQ(button->ModalResult(), mrOk);
    EXPECT_TRUE(button->Default());
}

TEST_F(ReadPropertyTest, EveryControlClassIsRegisteredUnderItsName) {
    for (const char* name :
         {"TLabel", "TEdit", "TMaskEdit", "TComboBox", "TRadioButton", "TCheckBox", "TButton",
          "TPanel", "TGroupBox", "TScrollBox", "TPageControl", "TTabSheet", "TNotebook", "TPage",
          "TImage", "TSpeedButton", "TForm"}) {
        std::unique_ptr<TComponent> c(ComponentRegistry::Create(name, nullptr));
        EXPECT_EQ(c->ClassName(), name);
    }
}

} // namespace
