#include "platform/forms/TComboBox.h"

#include "FormsTestSupport.h"
#include "script/ScriptedUser.h"

using namespace ger;
using namespace ger::formstest;

namespace {

// The address kind combo of the issuing-data dialog.
class ComboBoxTest : public FormsTest {
protected:
    void SetUp() override {
        FormsTest::SetUp();
        combo = make<TComboBox>(form, "cbbSelecaoEndereco");
        combo->SetStyle(csDropDownList);
        combo->SetItems({"Filial", "Cobrança", "Exterior", "Exportação", "Entrega",
                         "Inscrição Estadual", "Empresa", ""});
        combo->OnChange = [this](TObject*) { log.add("change " + combo->Text()); };
        combo->OnClick = [this](TObject*) { log.add("click"); };
    }

    TComboBox* combo = nullptr;
    EventLog log;
};

TEST_F(ComboBoxTest, StartsWithNoSelectionAndAnEmptyText) {
    EXPECT_EQ(combo->ItemIndex(), -1);
    EXPECT_EQ(combo->Text(), "");
}

TEST_F(ComboBoxTest, CodeSettingItemIndexFiresNothing) {
    combo->SetItemIndex(6);
    EXPECT_EQ(combo->Text(), "Empresa");
    combo->SetItemIndex(42);
    EXPECT_EQ(combo->ItemIndex(), -1) << "an index out of range selects nothing";
    combo->SetText("Entrega");
    EXPECT_EQ(combo->ItemIndex(), 4);
    EXPECT_TRUE(log.lines.isEmpty());
}

TEST_F(ComboBoxTest, TheUsersChoiceFiresClickThenChangeEvenForTheSameItem) {
    form->Show();
    ScriptedUser user(*form);
    EXPECT_TRUE(user.Choose("cbbSelecaoEndereco", "Empresa"));
    EXPECT_TRUE(user.Choose("cbbSelecaoEndereco", 6));
    EXPECT_EQ(log.lines, QStringList({"click", "change Empresa", "click", "change Empresa"}));
    EXPECT_THROW(user.Choose("cbbSelecaoEndereco", "Nenhum"), ScriptError);
}

TEST_F(ComboBoxTest, OnSelectTakesThePlaceOfOnChangeWhenAssigned) {
    combo->OnSelect = [this](TObject*) { log.add("select"); };
    form->Show();
    ScriptedUser(*form).Choose("cbbSelecaoEndereco", 1);
    EXPECT_EQ(log.lines, QStringList({"click", "select"}));
}

TEST_F(ComboBoxTest, ArrowKeysAndFirstLettersChooseAsTheUser) {
    form->Show();
    ScriptedUser user(*form);
    user.Focus("cbbSelecaoEndereco");
    user.Press(VK_DOWN);
    user.Press(VK_DOWN);
    user.Press(VK_UP);
    user.Type("e");
    user.Type("e");
    user.Press(VK_HOME);
    user.Press(VK_UP);
    EXPECT_EQ(log.lines, QStringList({"click", "change Filial", "click", "change Cobrança", "click",
                                      "change Filial", "click", "change Exterior", "click",
                                      "change Exportação", "click", "change Filial"}))
        << "Up on the first item changes nothing";
    EXPECT_EQ(user.FocusedName(), "cbbSelecaoEndereco") << "the combo keeps the arrow keys";
}

TEST_F(ComboBoxTest, FormDataMayGiveTheIndexBeforeTheItems) {
    auto* cbbLancMan = new TComboBox(form);
    TestFormDataContext context(form);
    form->BeginLoading();
    cbbLancMan->BeginLoading();
    cbbLancMan->ReadProperty(identProperty("Style", "csDropDownList"), context);
    cbbLancMan->ReadProperty(intProperty("ItemIndex", 1), context);
    cbbLancMan->ReadProperty(listProperty("Items.Strings", {"Sim", "Não"}), context);
    cbbLancMan->EndLoading();
    form->EndLoading();
    EXPECT_EQ(cbbLancMan->ItemIndex(), 1);
    EXPECT_EQ(cbbLancMan->Text(), "Não");
}

TEST_F(ComboBoxTest, AnEditableComboTakesTypedTextAndFiresOnChange) {
    combo->SetStyle(csDropDown);
    combo->SetItemIndex(-1);
    form->Show();
    ScriptedUser user(*form);
    user.Focus("cbbSelecaoEndereco");
    user.Type("Fi");
    EXPECT_EQ(combo->Text(), "Fi");
    combo->SetText("Filial");
    EXPECT_EQ(combo->ItemIndex(), 0);
    EXPECT_EQ(log.lines, QStringList({"change F", "change Fi", "change Filial"}));
}

} // namespace
