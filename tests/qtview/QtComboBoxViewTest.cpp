#include "qtview/QtComboBoxView.h"

#include "QtViewTestSupport.h"
#include "platform/core/Exception.h"
#include "platform/forms/TComboBox.h"
#include "platform/forms/TEdit.h"
#include "platform/forms/UserInput.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>

using namespace ger;
using namespace ger::qtviewtest;

namespace {

class QtComboBoxViewTest : public QtViewTest {
protected:
    void SetUp() override {
        QtViewTest::SetUp();
        edit = make<TEdit>(form, "edtCodigo");
        edit->SetBounds(8, 8, 60, 21);
        combo = make<TComboBox>(form, "cbbLiberado");
        combo->SetBounds(8, 40, 120, 21);
        combo->SetStyle(csDropDownList);
        combo->SetItems({"Sim", "Não"});
        combo->SetItemIndex(0);
        combo->OnChange = [this](TObject*) { changes.append(combo->Text()); };
        showForm();
    }
    QComboBox* box() const { return widget<QComboBox>(combo); }
    // The person opens the list with the mouse and clicks an item.
    void pickFromList(int row) {
        click(combo);
        ASSERT_TRUE(box()->view()->isVisible()) << "the list opens when the combo has the focus";
        QAbstractItemView* list = box()->view();
        const QRect item = list->visualRect(list->model()->index(row, 0));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, item.center());
    }

    TEdit* edit = nullptr;
    TComboBox* combo = nullptr;
    QStringList changes;
};

TEST_F(QtComboBoxViewTest, ShowsTheModelsItemsAndItem) {
    ASSERT_NE(box(), nullptr);
    EXPECT_EQ(box()->count(), 2);
    EXPECT_EQ(box()->itemText(1), "Não");
    EXPECT_EQ(box()->currentIndex(), 0);
    EXPECT_FALSE(box()->isEditable());
    combo->SetItemIndex(1);
    EXPECT_EQ(box()->currentIndex(), 1);
    EXPECT_TRUE(changes.isEmpty()) << "code setting the item fires nothing";
}

TEST_F(QtComboBoxViewTest, AChoiceFromTheListFiresOnChangeOnce) {
    pickFromList(1);
    EXPECT_EQ(changes, QStringList({"Não"}));
    EXPECT_EQ(combo->ItemIndex(), 1);
    EXPECT_EQ(box()->currentIndex(), 1);
    EXPECT_EQ(form->FocusedControl(), combo);
}

TEST_F(QtComboBoxViewTest, ChoosingTheItemAlreadySelectedStillFiresOnChange) {
    pickFromList(0);
    EXPECT_EQ(changes, QStringList({"Sim"}));
}

TEST_F(QtComboBoxViewTest, ArrowKeysChooseThroughTheModel) {
    UserInput::Focus(*combo);
    QTest::keyClick(box(), Qt::Key_Down);
    EXPECT_EQ(changes, QStringList({"Não"}));
    EXPECT_EQ(box()->currentIndex(), 1);
}

TEST_F(QtComboBoxViewTest, TheListStaysClosedWhenTheFocusedControlRefusesToLetGo) {
    edit->OnExit = [](TObject*) { Abort(); };
    click(combo);
    EXPECT_FALSE(box()->view()->isVisible());
    EXPECT_EQ(focused(), widgetOf(edit));
}

TEST_F(QtComboBoxViewTest, AWidgetChangeTheModelDoesNotTakeIsUndone) {
    combo->OnChange = [this](TObject*) { combo->SetItemIndex(0); };
    pickFromList(1);
    EXPECT_EQ(combo->ItemIndex(), 0);
    EXPECT_EQ(box()->currentIndex(), 0);
}

} // namespace

// The text of an editable combo box is a child widget of the combo's: a click into it, like one
// into a grid's in-place editor, must reach the model as a click on the combo.
TEST_F(QtComboBoxViewTest, AClickIntoAnEditableCombosTextFocusesTheCombo) {
    combo->SetStyle(csDropDown);
    ProcessPending();
    QLineEdit* line = box()->lineEdit();
    ASSERT_NE(line, nullptr);
    QTest::mouseClick(line, Qt::LeftButton, {}, line->rect().center());
    ProcessPending();
    EXPECT_TRUE(combo->Focused());
    EXPECT_EQ(combo->Text(), "Sim");
}
