// Selecting text in an edit by keyboard, as a person does: Shift with the arrows, Home and End
// extends the selection from where it started; Ctrl+A selects everything; typing replaces the
// selection, so a full code can be retyped without emptying it first.

#include "FormsTestSupport.h"
#include "platform/forms/TEdit.h"
#include "platform/forms/TMaskEdit.h"
#include "script/ScriptedUser.h"
#include "support/QtPrinters.h"

using namespace ger;
using namespace ger::formstest;

namespace {

class EditSelectionTest : public FormsTest {
protected:
    void SetUp() override {
        FormsTest::SetUp();
        edit = make<TEdit>(form, "edtNome");
        masked = make<TMaskEdit>(form, "medFilial");
        masked->SetTop(30);
        masked->SetEditMask(">aaaa;0; ");
        masked->SetMaxLength(4);
        form->Show();
    }

    // The selection as "start+length".
    static QString Selection(const TCustomEdit* e) {
        return QStringLiteral("%1+%2").arg(e->SelStart()).arg(e->SelLength());
    }

    ScriptedUser user() { return ScriptedUser(*form); }

    TEdit* edit = nullptr;
    TMaskEdit* masked = nullptr;
};

} // namespace

TEST_F(EditSelectionTest, ShiftWithArrowsHomeAndEndExtendsFromWhereTheSelectionStarted) {
    edit->SetText("Filial");
    ASSERT_TRUE(user().Focus("edtNome"));
    user().Press(VK_END);
    user().Press(VK_LEFT, ssShift);
    user().Press(VK_LEFT, ssShift);
    EXPECT_EQ(Selection(edit), "4+2");
    EXPECT_EQ(edit->SelText(), "al");
    user().Press(VK_RIGHT, ssShift);
    EXPECT_EQ(Selection(edit), "5+1") << "the caret moves back towards the anchor";
    user().Press(VK_HOME, ssShift);
    EXPECT_EQ(Selection(edit), "0+6") << "the anchor stays at the end";
    user().Press(VK_RIGHT);
    EXPECT_EQ(Selection(edit), "6+0") << "an arrow without Shift collapses to that side";
    user().Press(VK_HOME);
    user().Press(VK_END, ssShift);
    EXPECT_EQ(edit->SelText(), "Filial");
}

TEST_F(EditSelectionTest, CtrlASelectsAllAndTypingReplacesTheSelection) {
    masked->SetText("0001");
    ASSERT_TRUE(user().Focus("medFilial"));
    user().Press(VK_END);
    user().Type("9");
    EXPECT_EQ(masked->Text(), "0001") << "a full code takes no more characters";
    user().Press('A', ssCtrl);
    EXPECT_EQ(Selection(masked), "0+4");
    user().Type("0101");
    EXPECT_EQ(masked->Text(), "0101");
    user().Press(VK_HOME);
    user().Press(VK_END, ssShift);
    user().Type("12");
    EXPECT_EQ(masked->EditText().trimmed(), "12");
}
