#include "qtview/QtContainerView.h"

#include "QtViewTestSupport.h"
#include "platform/forms/TEdit.h"
#include "platform/forms/TGroupBox.h"
#include "platform/forms/TLabel.h"
#include "platform/forms/TPanel.h"
#include "platform/forms/TScrollBox.h"
#include "platform/forms/TSpeedButton.h"
#include "qtview/QtColors.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>

using namespace ger;
using namespace ger::qtviewtest;

namespace {

class QtContainerViewTest : public QtViewTest {};

TEST_F(QtContainerViewTest, GeometryFollowsAlignAndTheFormsSize) {
    auto* top = make<TPanel>(form, "panFilial");
    top->SetHeight(41);
    top->SetAlign(alTop);
    auto* bottom = make<TPanel>(form, "panBotoes");
    bottom->SetHeight(30);
    bottom->SetAlign(alBottom);
    auto* rest = make<TPanel>(form, "panTpOper");
    rest->SetAlign(alClient);
    showForm();
    EXPECT_EQ(widgetOf(top)->geometry(), QRect(0, 0, 400, 41));
    EXPECT_EQ(widgetOf(bottom)->geometry(), QRect(0, 270, 400, 30));
    EXPECT_EQ(widgetOf(rest)->geometry(), QRect(0, 41, 400, 229));
    form->SetBounds(0, 0, 500, 400);
    EXPECT_EQ(view->size(), QSize(500, 400));
    EXPECT_EQ(widgetOf(top)->geometry(), QRect(0, 0, 500, 41));
    EXPECT_EQ(widgetOf(rest)->geometry(), QRect(0, 41, 500, 329));
    top->SetVisible(false);
    EXPECT_FALSE(widgetOf(top)->isVisible());
    EXPECT_EQ(widgetOf(rest)->geometry(), QRect(0, 0, 500, 370));
}

TEST_F(QtContainerViewTest, ChildrenSitInsideASingleBorder) {
    auto* panel = make<TPanel>(form, "panFilial");
    panel->SetBounds(10, 10, 200, 50);
    panel->SetBorderStyle(bsSingle);
    auto* edit = make<TEdit>(panel, "medFilial");
    edit->SetBounds(5, 6, 60, 21);
    showForm();
    EXPECT_EQ(widgetOf(edit)->geometry(), QRect(7, 8, 60, 21));
    EXPECT_EQ(widgetOf(edit)->parentWidget(), widgetOf(panel));
}

TEST_F(QtContainerViewTest, ControlsAddedAndDestroyedLaterGetAndLoseTheirWidgets) {
    showForm();
    auto* panel = make<TPanel>(form, "panNovo");
    auto* edit = make<TEdit>(panel, "edtNovo");
    edit->SetText("novo");
    auto* line = widget<QLineEdit>(edit);
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(line->text(), "novo");
    EXPECT_TRUE(line->isVisible());
    QPointer<QWidget> gone(line);
    delete edit;
    EXPECT_EQ(view->FindView(edit), nullptr);
    ProcessPending();
    EXPECT_TRUE(gone.isNull());
}

TEST_F(QtContainerViewTest, AControlMovedToAnotherParentMovesItsWidget) {
    auto* left = make<TPanel>(form, "panEsquerda");
    auto* right = make<TPanel>(form, "panDireita");
    auto* edit = make<TEdit>(left, "edtMovido");
    showForm();
    edit->SetParent(right);
    EXPECT_EQ(widgetOf(edit)->parentWidget(), widgetOf(right));
    EXPECT_EQ(view->RootView()->FindView(edit)->ParentView()->Control(), right);
}

TEST_F(QtContainerViewTest, ColoursAndFontsComeFromTheModel) {
    auto* edit = make<TEdit>(form, "medFilial");
    edit->SetColor(clInfoBk);
    auto* name = make<TEdit>(form, "edtNmFilial");
    name->SetColor(clBtnFace);
    name->SetEnabled(false);
    auto* label = make<TLabel>(form, "lblFilial");
    label->SetCaption("Filial");
    TFont bold = label->Font();
    bold.Style = fsBold;
    label->SetFont(bold);
    showForm();
    EXPECT_EQ(widgetOf(edit)->palette().color(QPalette::Base), QColor(0xFF, 0xFF, 0xE1));
    EXPECT_EQ(widgetOf(name)->palette().color(QPalette::Disabled, QPalette::Base),
              ToQColor(clBtnFace));
    EXPECT_EQ(widgetOf(form)->palette().color(QPalette::Window), ToQColor(clBtnFace));
    auto* qlabel = widget<QLabel>(label);
    ASSERT_NE(qlabel, nullptr);
    EXPECT_EQ(qlabel->text(), "Filial");
    EXPECT_TRUE(qlabel->font().bold());
    EXPECT_EQ(qlabel->focusPolicy(), Qt::NoFocus);
}

TEST_F(QtContainerViewTest, ParentColourAndFontReachTheChildren) {
    auto* panel = make<TPanel>(form, "panFilial");
    auto* label = make<TLabel>(panel, "lblFilial");
    label->SetCaption("Filial");
    showForm();
    panel->SetColor(clInfoBk);
    EXPECT_EQ(widgetOf(label)->palette().color(QPalette::Window), ToQColor(clInfoBk));
    TFont font = panel->Font();
    font.Style = fsItalic;
    panel->SetFont(font);
    EXPECT_TRUE(widgetOf(label)->font().italic());
}

TEST_F(QtContainerViewTest, GraphicControlsAreStackedBelowWinControls) {
    auto* edit = make<TEdit>(form, "edtCodigo");
    auto* button = make<TSpeedButton>(form, "btpFilial");
    showForm();
    const QObjectList order = widgetOf(form)->children();
    EXPECT_LT(order.indexOf(widgetOf(button)), order.indexOf(widgetOf(edit)));
}

TEST_F(QtContainerViewTest, ScrollBoxesScrollWhenChildrenReachPastTheirArea) {
    auto* box = make<TScrollBox>(form, "scbDados");
    box->SetBounds(0, 0, 200, 100);
    auto* edit = make<TEdit>(box, "edtLonge");
    edit->SetBounds(10, 300, 100, 21);
    showForm();
    auto* area = qobject_cast<QScrollArea*>(widgetOf(box));
    ASSERT_NE(area, nullptr);
    EXPECT_EQ(widgetOf(edit)->parentWidget(), area->widget());
    EXPECT_GE(area->widget()->height(), 321);
}

TEST_F(QtContainerViewTest, GroupBoxesShowTheirCaption) {
    auto* box = make<TGroupBox>(form, "grbDadosRel");
    box->SetCaption("Dados");
    showForm();
    auto* group = widget<QGroupBox>(box);
    ASSERT_NE(group, nullptr);
    EXPECT_EQ(group->title(), "Dados");
}

} // namespace
