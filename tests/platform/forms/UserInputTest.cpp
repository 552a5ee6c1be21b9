#include "platform/forms/UserInput.h"

#include "FormsTestSupport.h"
#include "platform/forms/TButton.h"
#include "platform/forms/TEdit.h"
#include "platform/forms/TPanel.h"
#include "script/ScriptedUser.h"

using namespace ger;
using namespace ger::formstest;

namespace {

class KeyboardTest : public FormsTest {
protected:
    void SetUp() override {
        FormsTest::SetUp();
        edit = make<TEdit>(form, "edtCodigo");
        edit->OnKeyDown = [this](TObject*, Word& key, TShiftState shift) {
            log.add(
                QStringLiteral("down %1%2").arg(key).arg(shift.testFlag(ssCtrl) ? "+ctrl" : ""));
            if (key == swallowKey)
                key = 0;
        };
        edit->OnKeyPress = [this](TObject*, QChar& key) {
            log.add(QStringLiteral("press %1").arg(key.unicode()));
            if (key == swallowChar)
                key = QChar();
        };
        edit->OnKeyUp = [this](TObject*, Word& key, TShiftState) {
            log.add(QStringLiteral("up %1").arg(key));
        };
        edit->OnChange = [this](TObject*) { log.add("change " + edit->Text()); };
        form->Show();
    }

    TEdit* edit = nullptr;
    EventLog log;
    Word swallowKey = 0xFFFF;
    QChar swallowChar = QChar(0xFFFF);
};

TEST_F(KeyboardTest, ACharacterKeyRunsDownPressTheEditingThenUp) {
    ScriptedUser(*form).Type("a");
    EXPECT_EQ(log.lines, QStringList({"down 65", "press 97", "change a", "up 65"}));
}

TEST_F(KeyboardTest, AKeySwallowedInOnKeyDownStillGivesItsCharacter) {
    swallowKey = VK_BACK;
    edit->SetText("ab");
    log.lines.clear();
    ScriptedUser user(*form);
    user.Press(VK_END);
    log.lines.clear();
    user.Press(VK_BACK);
    EXPECT_EQ(log.lines, QStringList({"down 8", "press 8", "change a", "up 8"}));
}

TEST_F(KeyboardTest, ACharacterSwallowedInOnKeyPressChangesNothing) {
    swallowChar = QChar('x');
    ScriptedUser(*form).Type("xy");
    EXPECT_EQ(edit->Text(), "y");
}

TEST_F(KeyboardTest, FunctionKeysAndDeleteReachOnKeyDownWithoutACharacter) {
    ScriptedUser user(*form);
    user.Press(VK_F2);
    user.Press(VK_DELETE, ssCtrl);
    user.Press(VK_INSERT);
    EXPECT_EQ(log.lines,
              QStringList({"down 113", "up 113", "down 46+ctrl", "up 46", "down 45", "up 45"}));
}

TEST_F(KeyboardTest, KeyPreviewGivesTheFormTheKeyFirst) {
    form->SetKeyPreview(true);
    form->OnKeyDown = [this](TObject* sender, Word& key, TShiftState) {
        log.add(sender == form ? "form down" : "wrong sender");
        if (key == VK_F2)
            key = 0;
    };
    ScriptedUser user(*form);
    user.Press(VK_F2);
    user.Press(VK_F3);
    EXPECT_EQ(log.lines, QStringList({"form down", "up 113", "form down", "down 114", "up 114"}));
}

TEST_F(KeyboardTest, AccentedLettersArriveAsCharactersOnly) {
    ScriptedUser(*form).Type(QString::fromUtf8("ç"));
    EXPECT_EQ(log.lines, QStringList({"press 231", "change ç"}));
}

TEST(KeyMappingTest, KeysAndCharactersCorrespond) {
    EXPECT_EQ(UserInput::KeyForChar('a'), std::make_pair(Word('A'), TShiftState()));
    EXPECT_EQ(UserInput::KeyForChar('A'), std::make_pair(Word('A'), TShiftState(ssShift)));
    EXPECT_EQ(UserInput::KeyForChar('\r').first, VK_RETURN);
    EXPECT_EQ(UserInput::KeyForChar(QChar(0x00E7)).first, 0);
    EXPECT_EQ(UserInput::CharForKey('A', {}), QChar('a'));
    EXPECT_EQ(UserInput::CharForKey('A', ssShift), QChar('A'));
    EXPECT_EQ(UserInput::CharForKey('C', ssCtrl), QChar(3));
    EXPECT_TRUE(UserInput::CharForKey(VK_F2, {}).isNull());
    EXPECT_TRUE(UserInput::CharForKey('A', ssAlt).isNull());
}

class ScriptedUserTest : public FormsTest {};

TEST_F(ScriptedUserTest, WhatAPersonCouldNotDoIsAScriptError) {
    auto* hidden = make<TEdit>(form, "edtOculto");
    hidden->SetVisible(false);
    auto* disabled = make<TButton>(form, "btnDesligado");
    disabled->SetEnabled(false);
    int clicks = 0;
    disabled->OnClick = [&](TObject*) { ++clicks; };
    ScriptedUser user(*form);
    EXPECT_THROW(user.Click("btnDesligado"), ScriptError) << "the form is not shown";
    form->Show();
    EXPECT_THROW(user.Click("nada"), ScriptError);
    EXPECT_THROW(user.Click("edtOculto"), ScriptError);
    EXPECT_THROW(user.Focus("btnDesligado"), ScriptError);
    EXPECT_THROW(user.Type("x"), ScriptError) << "nothing has the focus";
    EXPECT_THROW(user.Get<TEdit>("btnDesligado"), ScriptError);
    EXPECT_TRUE(user.Click("btnDesligado")) << "a disabled button is there but does nothing";
    EXPECT_EQ(clicks, 0);
}

TEST_F(ScriptedUserTest, AButtonClickFocusesTheButtonFirstAndNotWhenTheExitFails) {
    auto* edit = make<TEdit>(form, "edtCodigo");
    auto* button = make<TButton>(form, "btnGravar");
    int clicks = 0;
    button->OnClick = [&](TObject*) { ++clicks; };
    bool refuse = true;
    edit->OnExit = [&](TObject*) {
        if (refuse)
            Abort();
    };
    form->Show();
    ScriptedUser user(*form);
    EXPECT_FALSE(user.Click("btnGravar"));
    EXPECT_EQ(clicks, 0);
    refuse = false;
    EXPECT_TRUE(user.DoubleClick("btnGravar"));
    EXPECT_EQ(clicks, 1) << "a double click is one click and the double click";
    EXPECT_EQ(user.FocusedName(), "btnGravar");
    user.Press(VK_SPACE);
    EXPECT_EQ(clicks, 2);
}

TEST_F(ScriptedUserTest, AClickOnAPanelRunsItsOnClickWithoutTakingTheFocus) {
    auto* edit = make<TEdit>(form, "edtCodigo");
    auto* panel = make<TPanel>(form, "panBotoes");
    bool clicked = false;
    panel->OnClick = [&](TObject*) { clicked = true; };
    form->Show();
    ScriptedUser(*form).Click("panBotoes");
    EXPECT_TRUE(clicked);
    EXPECT_EQ(form->FocusedControl(), edit);
}

} // namespace
