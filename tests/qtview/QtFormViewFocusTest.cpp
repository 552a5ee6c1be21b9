#include "QtViewTestSupport.h"
#include "platform/core/Exception.h"
#include "platform/forms/TButton.h"
#include "platform/forms/TEdit.h"
#include "platform/forms/TMaskEdit.h"
#include "platform/forms/TPanel.h"
#include "platform/forms/TSpeedButton.h"
#include "platform/forms/UserInput.h"
#include "qtview/QtFormView.h"

#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

using namespace ger;
using namespace ger::qtviewtest;

namespace {

// The branch panel of a screen: an edit inside a panel, a second control outside it, and a
// flat toolbar button.
class QtFormViewFocusTest : public QtViewTest {
protected:
    void SetUp() override {
        QtViewTest::SetUp();
        panel = make<TPanel>(form, "panFilial");
        panel->SetBounds(0, 0, 400, 41);
        medFilial = make<TMaskEdit>(panel, "medFilial");
        medFilial->SetBounds(8, 10, 60, 21);
        edtOutro = make<TEdit>(form, "edtOutro");
        edtOutro->SetBounds(8, 60, 120, 21);
        sbtConfirma = make<TSpeedButton>(form, "sbtConfirma");
        sbtConfirma->SetBounds(300, 60, 25, 25);
        sbtConfirma->SetFlat(true);
        sbtConfirma->SetHint("Confirmar");
        sbtConfirma->OnClick = [this](TObject*) { log.add("sbtConfirma.click"); };
        for (TWinControl* control :
             {static_cast<TWinControl*>(panel), static_cast<TWinControl*>(medFilial),
              static_cast<TWinControl*>(edtOutro)})
            log.trackFocus(control);
        showForm();
        log.lines.clear();
    }

    TPanel* panel = nullptr;
    TMaskEdit* medFilial = nullptr;
    TEdit* edtOutro = nullptr;
    TSpeedButton* sbtConfirma = nullptr;
    EventLog log;
};

TEST_F(QtFormViewFocusTest, QtFocusStartsWhereTheModelPutsIt) {
    ASSERT_EQ(form->FocusedControl(), medFilial);
    EXPECT_EQ(focused(), widgetOf(medFilial));
}

TEST_F(QtFormViewFocusTest, ClickingOutsideThePanelRunsTheExitChainInOrder) {
    click(edtOutro);
    EXPECT_EQ(log.lines, QStringList({"medFilial.exit", "panFilial.exit", "edtOutro.enter"}));
    EXPECT_EQ(form->FocusedControl(), edtOutro);
    EXPECT_EQ(focused(), widgetOf(edtOutro));
}

TEST_F(QtFormViewFocusTest, AnExitThatRefocusesAndAbortsKeepsQtFocusInTheEdit) {
    medFilial->OnExit = [this](TObject*) {
        log.add("medFilial.exit");
        medFilial->SetFocus();
        Abort();
    };
    click(edtOutro);
    EXPECT_EQ(log.lines, QStringList({"medFilial.exit"}));
    EXPECT_EQ(form->FocusedControl(), medFilial);
    EXPECT_EQ(focused(), widgetOf(medFilial));
    EXPECT_TRUE(dialogs.Messages().empty()) << "an abort is silent";
}

TEST_F(QtFormViewFocusTest, AnExitThatRaisesShowsTheMessageAndKeepsTheFocus) {
    medFilial->OnExit = [](TObject*) { throw Exception("Filial deve ser informada."); };
    click(edtOutro);
    EXPECT_EQ(dialogs.Texts(), QStringList({"Filial deve ser informada."}));
    EXPECT_EQ(focused(), widgetOf(medFilial));
}

TEST_F(QtFormViewFocusTest, AFlatButtonClicksWithoutRunningTheEditsExit) {
    auto* button = widget<QToolButton>(sbtConfirma);
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->focusPolicy(), Qt::NoFocus);
    EXPECT_TRUE(button->autoRaise());
    EXPECT_EQ(button->toolTip(), "Confirmar");
    click(sbtConfirma);
    EXPECT_EQ(log.lines, QStringList({"sbtConfirma.click"}));
    EXPECT_EQ(form->FocusedControl(), medFilial);
    EXPECT_EQ(focused(), widgetOf(medFilial));
}

TEST_F(QtFormViewFocusTest, TabMovesTheModelsFocusAndQtFollows) {
    QTest::keyClick(widgetOf(medFilial), Qt::Key_Tab);
    EXPECT_EQ(log.lines, QStringList({"medFilial.exit", "panFilial.exit", "edtOutro.enter"}));
    EXPECT_EQ(focused(), widgetOf(edtOutro));
    QTest::keyClick(widgetOf(edtOutro), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(form->FocusedControl(), medFilial);
    EXPECT_EQ(focused(), widgetOf(medFilial));
}

// A focus the keyboard moved is drawn as such (the style's focus frame on a tab bar, a check
// box, a button), as when Qt itself moves it with Tab; one moved by a click or by code is not.
TEST_F(QtFormViewFocusTest, AFocusMovedByKeyIsShownAsAKeyboardFocus) {
    QWidget* window = widgetOf(medFilial)->window();
    window->setAttribute(Qt::WA_KeyboardFocusChange, false);
    edtOutro->SetFocus();
    EXPECT_FALSE(window->testAttribute(Qt::WA_KeyboardFocusChange)) << "moved by code";
    QTest::keyClick(widgetOf(edtOutro), Qt::Key_Backtab, Qt::ShiftModifier);
    ASSERT_EQ(focused(), widgetOf(medFilial));
    EXPECT_TRUE(window->testAttribute(Qt::WA_KeyboardFocusChange)) << "moved by Shift+Tab";
    click(edtOutro);
    ASSERT_EQ(focused(), widgetOf(edtOutro));
    EXPECT_FALSE(window->testAttribute(Qt::WA_KeyboardFocusChange)) << "moved by a click";
}

TEST_F(QtFormViewFocusTest, FocusQtMovesByItselfGoesBackToTheModelsControl) {
    widgetOf(edtOutro)->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(form->FocusedControl(), medFilial);
    EXPECT_TRUE(log.lines.isEmpty());
    EXPECT_EQ(focused(), widgetOf(medFilial));
}

TEST_F(QtFormViewFocusTest, HidingTheFocusedWidgetMovesNoModelFocus) {
    widgetOf(medFilial)->hide();
    EXPECT_EQ(form->FocusedControl(), medFilial);
    EXPECT_TRUE(log.lines.isEmpty());
}

TEST_F(QtFormViewFocusTest, FocusTheModelRefusesReturnsToTheModelsControl) {
    medFilial->OnExit = [](TObject*) { Abort(); };
    widgetOf(edtOutro)->setFocus(Qt::MouseFocusReason);
    EXPECT_EQ(form->FocusedControl(), medFilial);
    EXPECT_EQ(focused(), widgetOf(medFilial));
}

TEST_F(QtFormViewFocusTest, FocusMovedByCodeMovesQtFocus) {
    edtOutro->SetFocus();
    EXPECT_EQ(focused(), widgetOf(edtOutro));
}

TEST_F(QtFormViewFocusTest, DisabledControlsAreDisabledWidgetsAndIgnoreClicks) {
    edtOutro->SetEnabled(false);
    EXPECT_FALSE(widgetOf(edtOutro)->isEnabled());
    panel->SetEnabled(false);
    EXPECT_FALSE(widgetOf(medFilial)->isEnabled()) << "a disabled container disables its controls";
    EXPECT_EQ(focused(), view.data()) << "the disabled control lost the focus";
    click(edtOutro);
    EXPECT_TRUE(log.lines.isEmpty());
    panel->SetEnabled(true);
    edtOutro->SetEnabled(true);
    EXPECT_TRUE(widgetOf(medFilial)->isEnabled());
    EXPECT_TRUE(widgetOf(edtOutro)->isEnabled());
}

TEST_F(QtFormViewFocusTest, ButtonsTakeTheFocusBeforeTheirClick) {
    auto* button = make<TButton>(form, "btnOk");
    button->SetBounds(200, 100, 75, 25);
    button->SetCaption("OK");
    button->OnClick = [this](TObject*) { log.add("btnOk.click"); };
    auto* push = widget<QPushButton>(button);
    ASSERT_NE(push, nullptr);
    EXPECT_EQ(push->text(), "OK");
    click(button);
    EXPECT_EQ(log.lines, QStringList({"medFilial.exit", "panFilial.exit", "btnOk.click"}));
    EXPECT_EQ(focused(), push);
}

TEST_F(QtFormViewFocusTest, KeysGoToTheModelsFocusedControlWhateverQtThinks) {
    QTest::keyClicks(view, "x");
    EXPECT_EQ(medFilial->Text(), "x");
    EXPECT_EQ(focused(), widgetOf(medFilial));
}

} // namespace
