// The data-aware edit and label: they show the current record's field and follow the cursor;
// the edit writes what is typed through the data source.

#include "platform/forms/dbctrls/TDBEdit.h"

#include "../FormsTestSupport.h"
#include "platform/db/DataPacket.h"
#include "platform/db/TClientDataSet.h"
#include "platform/db/TDataSource.h"
#include "platform/db/TField.h"
#include "platform/forms/TEdit.h"
#include "platform/forms/dbctrls/TDBText.h"
#include "platform/forms/formdata/LoadFormData.h"
#include "script/ScriptedUser.h"

using namespace ger;
using namespace ger::formstest;

namespace {

class DBEditTest : public FormsTest {
protected:
    void SetUp() override {
        FormsTest::SetUp();
        cds = new TClientDataSet(form);
        cds->SetName("cdsDadosEmissaoNF");
        dts = new TDataSource(form);
        dts->SetName("dtsDadosEmissaoNF");
        dts->SetDataSet(cds);
        cds->SetData(DataPacket{{{"NMFILIAL", 30}, {"NRINSJURFILI", 20}},
                                {{QString("Matriz"), QString("12345678901")},
                                 {QString("Filial Sul"), QString("12ABC34501DE35")}}}
                         .Encode());
        name = make<TDBEdit>(form, "dbeNmFilial");
        name->SetDataSource(dts);
        name->SetDataField("NMFILIAL");
        other = make<TEdit>(form, "edtOutro");
        form->Show();
    }

    ScriptedUser user() { return ScriptedUser(*form); }

    TClientDataSet* cds = nullptr;
    TDataSource* dts = nullptr;
    TDBEdit* name = nullptr;
    TEdit* other = nullptr;
};

TEST_F(DBEditTest, ShowsTheCurrentRecordAndFollowsTheCursor) {
    EXPECT_EQ(name->Text(), "Matriz");
    EXPECT_EQ(name->Field(), cds->FieldByName("NMFILIAL"));
    cds->Next();
    EXPECT_EQ(name->Text(), "Filial Sul");
    cds->Close();
    EXPECT_EQ(name->Text(), "");
    EXPECT_EQ(name->Field(), nullptr);
}

TEST_F(DBEditTest, ADisabledEditJustShows) {
    name->SetEnabled(false);
    cds->Last();
    EXPECT_EQ(name->Text(), "Filial Sul");
    EXPECT_EQ(cds->State(), dsBrowse);
}

TEST_F(DBEditTest, ShowsTheDisplayTextWithoutTheFocusAndTheTextWithIt) {
    cds->FieldByName("NMFILIAL")->OnGetText = [](TField* sender, QString& text, bool display) {
        text = display ? sender->AsString().toUpper() : sender->AsString();
    };
    ASSERT_TRUE(user().Focus("edtOutro"));
    cds->First();
    EXPECT_EQ(name->Text(), "MATRIZ");
    user().Focus("dbeNmFilial");
    EXPECT_EQ(name->Text(), "Matriz");
    user().Focus("edtOutro");
    EXPECT_EQ(name->Text(), "MATRIZ");
}

TEST_F(DBEditTest, AFieldsEditMaskFormatsTheShownText) {
    auto* taxNumber = make<TDBEdit>(form, "dbeNrInsJurFili");
    cds->FieldByName("NRINSJURFILI")->SetEditMask("000.000.000-00;0;_");
    taxNumber->SetDataSource(dts);
    taxNumber->SetDataField("NRINSJURFILI");
    EXPECT_EQ(taxNumber->EditText(), "123.456.789-01");
    EXPECT_EQ(taxNumber->Text(), "12345678901");
    EXPECT_EQ(cds->FieldByName("NRINSJURFILI")->DisplayText(), "123.456.789-01")
        << "the toolkit's FormatMaskText is installed for fields";
}

TEST_F(DBEditTest, TypingEditsThroughTheDataSourceAndLeavingWritesTheField) {
    ASSERT_TRUE(user().Focus("dbeNmFilial"));
    user().Type("Centro");
    EXPECT_EQ(cds->State(), dsEdit);
    EXPECT_EQ(cds->FieldByName("NMFILIAL")->AsString(), "Matriz") << "not written yet";
    ASSERT_TRUE(user().Focus("edtOutro"));
    EXPECT_EQ(cds->FieldByName("NMFILIAL")->AsString(), "Centro");
    cds->Post();
    EXPECT_EQ(cds->ChangeCount(), 1);
}

TEST_F(DBEditTest, PostingWritesWhatIsTypedAndEscapeGivesTheFieldBack) {
    ASSERT_TRUE(user().Focus("dbeNmFilial"));
    user().Type("X");
    user().Press(VK_ESCAPE);
    EXPECT_EQ(name->Text(), "Matriz");
    user().Type("Y");
    cds->Post();
    EXPECT_EQ(cds->FieldByName("NMFILIAL")->AsString(), "Y");
}

TEST_F(DBEditTest, AReadOnlyFieldRefusesTyping) {
    cds->FieldByName("NMFILIAL")->SetReadOnly(true);
    ASSERT_TRUE(user().Focus("dbeNmFilial"));
    user().Type("X");
    user().Press(VK_DELETE);
    EXPECT_EQ(cds->State(), dsBrowse);
    EXPECT_EQ(name->Text(), "Matriz");
}

TEST_F(DBEditTest, TheLabelShowsTheDisplayText) {
    auto* label = new TDBText(form);
    label->SetParent(form);
    label->SetDataSource(dts);
    label->SetDataField("NRINSJURFILI");
    cds->FieldByName("NRINSJURFILI")->SetEditMask("AA.AAA.AAA/AAAA-00;0;_");
    cds->Last();
    EXPECT_EQ(label->Caption(), "12.ABC.345/01DE-35");
    label->SetDataField("NADA");
    EXPECT_EQ(label->Caption(), "");
}

using DataControlFormDataTest = FormsTest;

TEST_F(DataControlFormDataTest, DataSourceAndDataFieldComeFromFormData) {
    HandlerTable handlers;
    LoadFormData(form, QStringLiteral(R"(object frmDados: TForm
  object dbeNmFilial: TDBEdit
    DataSource = dtsDados
    DataField = 'NMFILIAL'
  end
  object dbtNmFilial: TDBText
    DataSource = dtsDados
    DataField = 'NMFILIAL'
  end
  object dtsDados: TDataSource
    DataSet = cdsDados
  end
  object cdsDados: TClientDataSet
  end
end
)"),
                 QStringLiteral("dados.dfm"), handlers);
    auto* cds = form->Find<TClientDataSet>("cdsDados");
    ASSERT_NE(cds, nullptr);
    cds->SetData(DataPacket{{{"NMFILIAL", 30}}, {{QString("Matriz")}}}.Encode());
    EXPECT_EQ(form->Find<TDBEdit>("dbeNmFilial")->Text(), "Matriz");
    EXPECT_EQ(form->Find<TDBText>("dbtNmFilial")->Caption(), "Matriz");
}

} // namespace
