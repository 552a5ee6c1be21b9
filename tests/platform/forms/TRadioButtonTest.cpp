#include "platform/forms/TRadioButton.h"

#include "FormsTestSupport.h"
#include "platform/forms/TCheckBox.h"
#include "platform/forms/TGroupBox.h"
#include "script/ScriptedUser.h"

using namespace ger;
using namespace ger::formstest;

namespace {

// Two of the bulk screen's groups: "Todos" / "Lista" for state registrations and for branches.
class RadioButtonTest : public FormsTest {
protected:
    void SetUp() override {
        FormsTest::SetUp();
        grbInscEst = make<TGroupBox>(form, "grbInscEst");
        grbFilial = make<TGroupBox>(form, "grbFilial");
        rdbTInscEst = radio(grbInscEst, "rdbTInscEst");
        rdbLInscEst = radio(grbInscEst, "rdbLInscEst");
        rdbTFilial = radio(grbFilial, "rdbTFilial");
        rdbLFilial = radio(grbFilial, "rdbLFilial");
    }

    TRadioButton* radio(TGroupBox* group, const QString& name) {
        auto* r = make<TRadioButton>(group, name);
        r->OnClick = [this, r](TObject*) { log.add(r->Name() + "Click"); };
        return r;
    }

    EventLog log;
    TGroupBox* grbInscEst = nullptr;
    TGroupBox* grbFilial = nullptr;
    TRadioButton* rdbTInscEst = nullptr;
    TRadioButton* rdbLInscEst = nullptr;
    TRadioButton* rdbTFilial = nullptr;
    TRadioButton* rdbLFilial = nullptr;
};

TEST_F(RadioButtonTest, CheckingOneUnchecksOnlyItsSiblingsInTheSameParent) {
    rdbLInscEst->SetChecked(true);
    rdbLFilial->SetChecked(true);
    rdbTInscEst->SetChecked(true);
    EXPECT_TRUE(rdbTInscEst->Checked());
    EXPECT_FALSE(rdbLInscEst->Checked());
    EXPECT_TRUE(rdbLFilial->Checked()) << "another group box is another group";
    EXPECT_FALSE(rdbTFilial->Checked());
}

TEST_F(RadioButtonTest, BecomingCheckedFiresOnClickAlsoFromCodeButUncheckingDoesNot) {
    rdbLInscEst->SetChecked(true);
    rdbTInscEst->SetChecked(true);
    rdbTInscEst->SetChecked(true);
    EXPECT_EQ(log.lines, QStringList({"rdbLInscEstClick", "rdbTInscEstClick"}));
}

TEST_F(RadioButtonTest, LoadingCheckedFiresNothing) {
    form->BeginLoading();
    TestFormDataContext context(form);
    rdbLFilial->ReadProperty(identProperty("Checked", "True"), context);
    form->EndLoading();
    EXPECT_TRUE(rdbLFilial->Checked());
    EXPECT_TRUE(log.lines.isEmpty());
}

TEST_F(RadioButtonTest, TheUsersClickChecksAndFocusesAndAClickOnTheCheckedOneFiresNothing) {
    form->Show();
    ScriptedUser user(*form);
    EXPECT_TRUE(user.Click("rdbLFilial"));
    EXPECT_TRUE(user.Click("rdbLFilial"));
    EXPECT_EQ(log.lines, QStringList({"rdbLFilialClick"}));
    EXPECT_EQ(user.FocusedName(), "rdbLFilial");
    user.Focus("rdbTFilial");
    user.Press(VK_SPACE);
    EXPECT_TRUE(rdbTFilial->Checked());
    EXPECT_FALSE(rdbLFilial->Checked());
}

TEST_F(RadioButtonTest, OnlyTheCheckedButtonOfAGroupIsATabStop) {
    rdbLInscEst->SetChecked(true);
    EXPECT_TRUE(rdbLInscEst->TabStop());
    EXPECT_FALSE(rdbTInscEst->TabStop());
    rdbTInscEst->SetChecked(true);
    EXPECT_FALSE(rdbLInscEst->TabStop());
    EXPECT_TRUE(rdbTInscEst->TabStop());
}

TEST_F(RadioButtonTest, ACheckBoxCyclesItsStateAndFiresOnClickOnEveryChange) {
    auto* box = make<TCheckBox>(form, "chkAtivo");
    box->OnClick = [&](TObject*) { log.add(box->Checked() ? "on" : "off"); };
    box->SetChecked(true);
    box->SetAllowGrayed(true);
    form->Show();
    ScriptedUser user(*form);
    user.Click("chkAtivo");
    EXPECT_EQ(box->State(), cbGrayed);
    user.Press(VK_SPACE);
    EXPECT_EQ(box->State(), cbUnchecked);
    EXPECT_EQ(log.lines, QStringList({"on", "off", "off"}));
}

} // namespace
