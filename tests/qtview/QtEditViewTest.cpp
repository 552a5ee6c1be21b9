#include "qtview/QtEditView.h"

#include "QtViewTestSupport.h"
#include "platform/forms/TEdit.h"
#include "platform/forms/TMaskEdit.h"
#include "platform/forms/UserInput.h"

#include <QInputMethodEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <cmath>

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

namespace {

// The WCAG contrast ratio of two colours: 1 (none) to 21 (black on white).
double Contrast(const QColor& a, const QColor& b) {
    const auto luminance = [](const QColor& c) {
        const auto channel = [](double v) {
            return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) +
               0.0722 * channel(c.blueF());
    };
    const double la = luminance(a) + 0.05;
    const double lb = luminance(b) + 0.05;
    return la > lb ? la / lb : lb / la;
}

} // namespace

TEST_F(QtEditViewTest, ADisabledEditsTextIsReadableOnTheButtonFace) {
    edit->SetColor(clBtnFace);
    edit->SetText("Horizonte Matriz");
    edit->SetEnabled(false);
    QLineEdit* shown = line(edit);
    ASSERT_FALSE(shown->isEnabled());
    const QPalette& palette = shown->palette();
    EXPECT_GE(Contrast(palette.color(QPalette::Disabled, QPalette::Text),
                       palette.color(QPalette::Disabled, QPalette::Base)),
              4.5);
}

// The mouse selects as the keyboard does: a click puts the caret where it points, a drag
// selects, Shift+click extends, a double click selects all; typing then replaces the selection.
TEST_F(QtEditViewTest, TheMouseSelectsTextAndTypingReplacesIt) {
    edit->SetText("Filial Matriz");
    QLineEdit* shown = line(edit);
    // The first point of the line that the widget maps to the caret position.
    const auto at = [shown](int position) {
        for (int x = 0; x < shown->width(); ++x)
            if (shown->cursorPositionAt(QPoint(x, shown->height() / 2)) == position)
                return QPoint(x, shown->height() / 2);
        ADD_FAILURE() << "no point of the line is position " << position;
        return QPoint();
    };
    const QPoint third = at(3);
    const QPoint sixth = at(6);
    QTest::mouseClick(shown, Qt::LeftButton, {}, third);
    EXPECT_TRUE(edit->Focused());
    EXPECT_EQ(edit->SelStart(), 3);
    EXPECT_EQ(edit->SelLength(), 0);

    QTest::mouseClick(shown, Qt::LeftButton, Qt::ShiftModifier, sixth);
    EXPECT_EQ(edit->SelText(), "ial");

    QTest::mousePress(shown, Qt::LeftButton, {}, at(0));
    QMouseEvent move(QEvent::MouseMove, at(6), shown->mapToGlobal(at(6)), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(shown, &move);
    EXPECT_EQ(edit->SelText(), "Filial") << "the drag selects as it goes";
    QTest::mouseRelease(shown, Qt::LeftButton, {}, at(6));
    EXPECT_EQ(edit->SelText(), "Filial");
    QTest::keyClicks(shown, "Sede");
    EXPECT_EQ(edit->Text(), "Sede Matriz");

    QTest::mouseDClick(shown, Qt::LeftButton, {}, at(2));
    EXPECT_EQ(edit->SelText(), "Sede Matriz");
    QTest::keyClick(shown, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(edit->SelLength(), static_cast<int>(edit->Text().size())) << "Ctrl+A";
}
