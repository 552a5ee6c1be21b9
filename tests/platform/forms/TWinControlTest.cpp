#include "FormsTestSupport.h"
#include "platform/forms/FormsExceptions.h"
#include "platform/forms/TEdit.h"
#include "platform/forms/TGroupBox.h"
#include "platform/forms/TLabel.h"
#include "platform/forms/TPanel.h"

#include <memory>

using namespace ger;
using namespace ger::formstest;

namespace {

class AlignTest : public FormsTest {
protected:
    void SetUp() override {
        FormsTest::SetUp();
        form->SetBounds(0, 0, 600, 400);
    }
    TPanel* panel(TWinControl* parent, const QString& name, TAlign align, int w, int h) {
        auto* p = make<TPanel>(parent, name);
        p->SetBevelOuter(bvNone);
        p->SetBounds(0, 0, w, h);
        p->SetAlign(align);
        return p;
    }
};

TEST_F(AlignTest, TheParentLaysOutTopBottomLeftRightThenClient) {
    auto* client = panel(form, "client", alClient, 10, 10);
    auto* right = panel(form, "right", alRight, 50, 10);
    auto* left = panel(form, "left", alLeft, 80, 10);
    auto* bottom = panel(form, "bottom", alBottom, 10, 30);
    auto* top = panel(form, "top", alTop, 10, 41);
    auto* plain = panel(form, "plain", alNone, 20, 20);
    plain->SetBounds(7, 9, 20, 20);
    EXPECT_EQ(top->BoundsRect(), QRect(0, 0, 600, 41));
    EXPECT_EQ(bottom->BoundsRect(), QRect(0, 370, 600, 30));
    EXPECT_EQ(left->BoundsRect(), QRect(0, 41, 80, 329));
    EXPECT_EQ(right->BoundsRect(), QRect(550, 41, 50, 329));
    EXPECT_EQ(client->BoundsRect(), QRect(80, 41, 470, 329));
    EXPECT_EQ(plain->BoundsRect(), QRect(7, 9, 20, 20)) << "alNone keeps its own bounds";
}

TEST_F(AlignTest, TopControlsStackByTheirTopAndHiddenOnesTakeNoRoom) {
    auto* second = panel(form, "second", alTop, 10, 20);
    second->SetTop(100);
    auto* first = panel(form, "first", alTop, 10, 30);
    first->SetTop(0);
    auto* client = panel(form, "client", alClient, 10, 10);
    EXPECT_EQ(first->Top(), 0);
    EXPECT_EQ(second->Top(), 30);
    first->SetVisible(false);
    EXPECT_EQ(second->Top(), 0);
    EXPECT_EQ(client->BoundsRect(), QRect(0, 20, 600, 380));
    second->SetHeight(50);
    EXPECT_EQ(client->Top(), 50) << "resizing an aligned control lays the others out again";
}

TEST_F(AlignTest, ResizingTheParentLaysOutItsChildrenAgain) {
    auto* top = panel(form, "top", alTop, 10, 41);
    auto* client = panel(form, "client", alClient, 10, 10);
    form->SetBounds(0, 0, 300, 200);
    EXPECT_EQ(top->Width(), 300);
    EXPECT_EQ(client->BoundsRect(), QRect(0, 41, 300, 159));
}

TEST_F(AlignTest, BevelsBordersAndCaptionsNarrowTheAreaOfAlignedChildren) {
    auto* outer = make<TPanel>(form, "outer");
    outer->SetBounds(0, 0, 200, 100);
    outer->SetBevelInner(bvLowered);
    outer->SetBevelWidth(2);
    outer->SetBorderWidth(3);
    auto* inner = panel(outer, "inner", alClient, 1, 1);
    EXPECT_EQ(inner->BoundsRect(), QRect(7, 7, 186, 86));
    outer->SetBorderStyle(bsSingle);
    EXPECT_EQ(outer->ClientWidth(), 196);
    EXPECT_EQ(inner->BoundsRect(), QRect(7, 7, 182, 82));

    auto* group = make<TGroupBox>(form, "grbDadosRel");
    group->SetBounds(0, 0, 100, 100);
    auto* content = panel(group, "content", alClient, 1, 1);
    EXPECT_EQ(content->BoundsRect(), QRect(2, 15, 96, 83));
}

// The layout of GER99500 in small: a toolbar on top, a group box holding the branch panel (an
// edit reaching x 330) over a client panel whose grid may shrink to nothing.
TEST_F(AlignTest, TheMinimumExtentKeepsFixedSidesAndUnalignedControlsButNotStretchedLeaves) {
    panel(form, "toolbar", alTop, 10, 30);
    auto* group = make<TGroupBox>(form, "grbDadosRel");
    group->SetAlign(alClient);
    auto* branch = panel(group, "panFilial", alTop, 10, 41);
    auto* name = make<TEdit>(branch, "edtNmFilial");
    name->SetBounds(30, 8, 300, 21);
    auto* content = panel(group, "panTpOper", alClient, 10, 10);
    panel(content, "grid", alClient, 500, 300);
    // width: the edit plus the group box's sides (2 + 2); height: toolbar, the group box's
    // caption and bottom (15 + 2), the branch panel, nothing for the grid.
    EXPECT_EQ(form->MinimumExtent(), QSize(334, 30 + 17 + 41));

    auto* side = panel(content, "side", alLeft, 120, 10);
    make<TEdit>(side, "tall")->SetBounds(0, 0, 100, 200);
    EXPECT_EQ(form->MinimumExtent(), QSize(334, 30 + 17 + 41 + 200))
        << "a side panel's content sets the height of the area it stands in";
    side->SetVisible(false);
    EXPECT_EQ(form->MinimumExtent().height(), 30 + 17 + 41) << "hidden controls need no room";
    form->SetBounds(0, 0, 200, 60);
    EXPECT_EQ(form->MinimumExtent(), QSize(334, 30 + 17 + 41))
        << "the minimum does not follow the size the window has now";
}

TEST(ControlTreeTest, ContainmentParentFormAndReparenting) {
    TForm form(nullptr);
    auto* panel = new TPanel(&form);
    panel->SetParent(&form);
    auto* edit = new TEdit(&form);
    edit->SetParent(panel);
    EXPECT_TRUE(form.ContainsControl(edit));
    EXPECT_TRUE(panel->ContainsControl(edit));
    EXPECT_FALSE(edit->ContainsControl(panel));
    EXPECT_EQ(edit->ParentForm(), &form);
    EXPECT_THROW(panel->SetParent(panel), EInvalidOperation);
    edit->SetParent(&form);
    EXPECT_EQ(panel->ControlCount(), 0);
    EXPECT_EQ(form.ControlCount(), 2);
    delete panel;
    EXPECT_EQ(form.ControlCount(), 1);
}

TEST(ControlTreeTest, ParentColourAndFontFollowTheParentUntilSetOwnValues) {
    TForm form(nullptr);
    form.SetColor(clInfoBk);
    auto* label = new TLabel(&form);
    label->SetParent(&form);
    EXPECT_EQ(label->Color(), clInfoBk);
    TFont bold = label->Font();
    bold.Style = fsBold;
    label->SetFont(bold);
    EXPECT_TRUE(label->Font().IsBold());
    EXPECT_FALSE(form.Font().IsBold());
    label->SetColor(clWhite);
    form.SetColor(clBtnFace);
    EXPECT_EQ(label->Color(), clWhite);
}

TEST(ControlTreeTest, DestroyingAParentLeavesChildrenItDoesNotOwnWithoutParent) {
    auto form = std::make_unique<TForm>(nullptr);
    TEdit orphan(nullptr);
    orphan.SetParent(form.get());
    form.reset();
    EXPECT_EQ(orphan.Parent(), nullptr);
}

TEST(ControlTreeTest, SignalsReportChangesOnlyWhenAValueChanges) {
    TForm form(nullptr);
    auto* edit = new TEdit(&form);
    int changed = 0;
    int bounds = 0;
    QObject::connect(edit, &TControl::changed, [&] { ++changed; });
    QObject::connect(edit, &TControl::boundsChanged, [&] { ++bounds; });
    edit->SetLeft(10);
    edit->SetLeft(10);
    edit->SetEnabled(true);
    edit->SetHint("Pesquisar");
    EXPECT_EQ(bounds, 1);
    EXPECT_EQ(changed, 2);
}

} // namespace
