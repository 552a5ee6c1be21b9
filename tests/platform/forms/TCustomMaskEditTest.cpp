#include "FormsTestSupport.h"
#include "platform/forms/FormsExceptions.h"
#include "platform/forms/TEdit.h"
#include "platform/forms/TMaskEdit.h"
#include "script/ScriptedUser.h"

using namespace ger;
using namespace ger::formstest;

namespace {

struct TypingCase {
    const char* mask;
    int maxLength;
    const char* typed;
    const char* editText; // as shown
    const char* text;     // Text
};

class MaskTypingTest : public FormsTest, public testing::WithParamInterface<TypingCase> {};

TEST_P(MaskTypingTest, TypedCharactersFollowTheMask) {
    const TypingCase& c = GetParam();
    auto* edit = make<TMaskEdit>(form, "medTeste");
    edit->SetEditMask(QString::fromUtf8(c.mask));
    edit->SetMaxLength(c.maxLength);
    form->Show();
    ScriptedUser user(*form);
    user.Focus("medTeste");
    user.Type(QString::fromUtf8(c.typed));
    EXPECT_EQ(edit->EditText(), QString::fromUtf8(c.editText));
    EXPECT_EQ(edit->Text(), QString::fromUtf8(c.text));
}

INSTANTIATE_TEST_SUITE_P(
    Masks, MaskTypingTest,
    testing::Values(
        // The branch code: letters or digits, upper case, at most four.
        TypingCase{">aaaa;0; ", 4, "ab1c", "AB1C", "AB1C"},
        TypingCase{">aaaa;0; ", 4, "abcde", "ABCD", "ABCD"},
        TypingCase{">aaaa;0; ", 4, "1", "1   ", "1   "},
        TypingCase{">aaaa;0; ", 4, "a-b.c", "ABC ", "ABC "},
        // MaxLength shorter than the mask stops typing there.
        TypingCase{">aaaa;0; ", 2, "abc", "AB  ", "AB  "},
        // A CPF: refused letters, literals skipped; Text without literals.
        TypingCase{"000.000.000-00;0;_", 0, "123x45678901", "123.456.789-01", "12345678901"},
        TypingCase{"000.000.000-00;0;_", 0, "1234", "123.4__.___-__", "1234       "},
        // Literals kept in Text when the mask saves them.
        TypingCase{"00/00;1;_", 0, "1231", "12/31", "12/31"},
        // Letters only, then digits only.
        TypingCase{"LL-00;0;_", 0, "1ab2c3", "ab-23", "ab23"},
        // No mask: a plain edit.
        TypingCase{"", 3, "abcd", "abc", "abc"}));

class MaskEditTest : public FormsTest {
protected:
    void SetUp() override {
        FormsTest::SetUp();
        medFilial = make<TMaskEdit>(form, "medFilial");
        medFilial->SetEditMask(">aaaa;0; ");
        medFilial->SetMaxLength(4);
        medFilial->OnChange = [this](TObject*) { changes.append(medFilial->Text()); };
        other = make<TEdit>(form, "edtOutro");
    }

    TMaskEdit* medFilial = nullptr;
    TEdit* other = nullptr;
    QStringList changes;
};

TEST_F(MaskEditTest, OnChangeFiresForTypingAndForCodeButNotForTheSameText) {
    form->Show();
    ScriptedUser user(*form);
    user.Focus("medFilial");
    user.Type("1");
    EXPECT_TRUE(medFilial->Modified());
    medFilial->SetText("0002");
    EXPECT_FALSE(medFilial->Modified());
    medFilial->SetText("0002");
    EXPECT_EQ(changes, QStringList({"1   ", "0002"}));
}

TEST_F(MaskEditTest, LoadingFiresNoOnChange) {
    form->BeginLoading();
    medFilial->SetText("0001");
    form->EndLoading();
    EXPECT_TRUE(changes.isEmpty());
    EXPECT_EQ(medFilial->Text(), "0001");
    medFilial->SetText("0003");
    EXPECT_EQ(changes, QStringList({"0003"}));
}

TEST_F(MaskEditTest, FocusByKeyboardSelectsAllSoTypingReplacesTheText) {
    medFilial->SetText("0001");
    form->Show();
    ScriptedUser user(*form);
    user.Focus("edtOutro");
    user.Focus("medFilial");
    EXPECT_EQ(medFilial->SelLength(), 4);
    user.Type("2");
    EXPECT_EQ(medFilial->Text(), "2   ");
}

TEST_F(MaskEditTest, ClickPutsTheCaretAtTheEndInsteadOfSelecting) {
    auto* edit = make<TEdit>(form, "edtNome");
    edit->SetText("abc");
    form->Show();
    ScriptedUser user(*form);
    user.Click("edtNome");
    EXPECT_EQ(edit->SelLength(), 0);
    user.Type("d");
    EXPECT_EQ(edit->Text(), "abcd");
}

TEST_F(MaskEditTest, BackspaceAndDeleteBlankPositionsAndEscapeRestoresTheEnteredText) {
    medFilial->SetText("AB12");
    form->Show();
    ScriptedUser user(*form);
    user.Focus("medFilial");
    user.Press(VK_END);
    user.Press(VK_BACK);
    EXPECT_EQ(medFilial->EditText(), "AB1 ");
    user.Press(VK_HOME);
    user.Press(VK_DELETE);
    EXPECT_EQ(medFilial->EditText(), " B1 ");
    user.Press(VK_ESCAPE);
    EXPECT_EQ(medFilial->EditText(), "AB12");
    EXPECT_FALSE(medFilial->Modified());
}

TEST_F(MaskEditTest, ReadOnlyRefusesTypingButTakesTheFocus) {
    medFilial->SetText("0001");
    medFilial->SetReadOnly(true);
    form->Show();
    ScriptedUser user(*form);
    user.Focus("medFilial");
    user.Type("9");
    user.Press(VK_DELETE);
    EXPECT_EQ(medFilial->Text(), "0001");
    EXPECT_EQ(user.FocusedName(), "medFilial");
}

TEST_F(MaskEditTest, ARequiredPositionLeftBlankKeepsTheFocusWhenLeaving) {
    auto* medCpf = make<TMaskEdit>(form, "medCpf");
    medCpf->SetEditMask("000.000.000-00;0;_");
    bool exitRan = false;
    medCpf->OnExit = [&](TObject*) { exitRan = true; };
    form->Show();
    ScriptedUser user(*form);
    user.Focus("medCpf");
    user.Type("123");
    EXPECT_FALSE(user.Focus("edtOutro"));
    EXPECT_EQ(user.FocusedName(), "medCpf");
    EXPECT_FALSE(exitRan);
    EXPECT_EQ(dialogs.Texts(),
              QStringList({"Invalid input value.  Use escape key to abandon changes."}));
    EXPECT_EQ(medCpf->SelStart(), 4) << "the caret goes to the first blank position";
    user.Press(VK_ESCAPE);
    EXPECT_TRUE(user.Focus("edtOutro")) << "an unchanged text is not checked";
    EXPECT_TRUE(exitRan);
}

TEST_F(MaskEditTest, SettingTheMaskReformatsTheText) {
    auto* edit = make<TMaskEdit>(form, "medCnpj");
    edit->SetText("12345678000195");
    edit->SetEditMask("00.000.000/0000-00;0;_");
    EXPECT_EQ(edit->EditText(), "12.345.678/0001-95");
    EXPECT_EQ(edit->Text(), "12345678000195");
}

} // namespace
