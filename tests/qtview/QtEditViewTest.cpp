#include "qtview/QtEditView.h"

#include "QtViewTestSupport.h"
#include "platform/forms/TEdit.h"
#include "platform/forms/TMaskEdit.h"
#include "platform/forms/UserInput.h"

#include <QInputMethodEvent>
#include <QLineEdit>

using namespace ger;
using namespace ger::qtviewtest;

namespace {

class QtEditViewTest : public QtViewTest {
protected:
    void SetUp() override {
        QtViewTest::SetUp();
        edit = make<TEdit>(form, "edtNome");
        edit->SetBounds(8, 8, 120, 21);
        edit->OnChange = [this](TObject*) { changes.append(edit->Text()); };
        masked = make<TMaskEdit>(form, "medFilial");
        masked->SetBounds(8, 40, 60, 21);
        masked->SetEditMask(">aaaa;0; ");
        masked->SetMaxLength(4);
        masked->OnChange = [this](TObject*) { changes.append(masked->Text()); };
        showForm();
        changes.clear();
    }
    QLineEdit* line(TControl* control) const { return widget<QLineEdit>(control); }

    TEdit* edit = nullptr;
    TMaskEdit* masked = nullptr;
    QStringList changes;
};

TEST_F(QtEditViewTest, TypedKeysReachTheModelWhichFiresOnChangeForEach) {
    ASSERT_EQ(focused(), line(edit));
    QTest::keyClicks(line(edit), "abc");
    EXPECT_EQ(edit->Text(), "abc");
    EXPECT_EQ(changes, QStringList({"a", "ab", "abc"}));
    EXPECT_EQ(line(edit)->text(), "abc");
    EXPECT_EQ(line(edit)->cursorPosition(), 3);
}

TEST_F(QtEditViewTest, BackspaceAndCaretKeysEditThroughTheModel) {
    QTest::keyClicks(line(edit), "abcd");
    QTest::keyClick(line(edit), Qt::Key_Left);
    QTest::keyClick(line(edit), Qt::Key_Backspace);
    EXPECT_EQ(edit->Text(), "abd");
    EXPECT_EQ(edit->SelStart(), 2);
    EXPECT_EQ(line(edit)->text(), "abd");
    EXPECT_EQ(line(edit)->cursorPosition(), 2);
}

TEST_F(QtEditViewTest, TheMaskUpperCasesAndTheWidgetShowsTheModelsEditText) {
    UserInput::Focus(*masked);
    ASSERT_EQ(focused(), line(masked));
    QTest::keyClicks(line(masked), "1a");
    EXPECT_EQ(masked->Text(), "1A  ");
    EXPECT_EQ(line(masked)->text(), masked->EditText());
    EXPECT_EQ(changes.last(), "1A  ");
}

TEST_F(QtEditViewTest, ReadOnlyEditsRefuseTypingInTheModelAndTheWidget) {
    edit->SetText("fixo");
    edit->SetReadOnly(true);
    QTest::keyClicks(line(edit), "x");
    EXPECT_EQ(edit->Text(), "fixo");
    EXPECT_EQ(line(edit)->text(), "fixo");
    EXPECT_TRUE(line(edit)->isReadOnly());
}

TEST_F(QtEditViewTest, TextSetByCodeIsShownAndFocusingByKeyboardSelectsIt) {
    masked->SetText("12");
    EXPECT_EQ(line(masked)->text(), "12  ");
    UserInput::Focus(*masked);
    EXPECT_EQ(line(masked)->selectedText(), "12  ");
}

TEST_F(QtEditViewTest, TheWidgetNeverEditsByItselfNotEvenFromAnInputMethod) {
    QInputMethodEvent compose;
    compose.setCommitString(QString::fromUtf8("çã"));
    QCoreApplication::sendEvent(line(edit), &compose);
    EXPECT_EQ(edit->Text(), QString::fromUtf8("çã"));
    EXPECT_EQ(changes.size(), 2);
    EXPECT_EQ(line(edit)->text(), edit->Text());
}

} // namespace
