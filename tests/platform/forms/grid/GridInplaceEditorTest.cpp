#include "platform/forms/grid/GridInplaceEditor.h"

#include "platform/forms/Keys.h"

#include <gtest/gtest.h>

using namespace ger;

namespace {

struct SideCase {
    const char* name;
    int caretMoves; // Left presses after Deselect; -1: text left all selected
    bool left;
    bool right;
};

class GridInplaceEditorSideTest : public ::testing::TestWithParam<SideCase> {};

TEST_P(GridInplaceEditorSideTest, LeftAndRightLeaveTheCellOnlyFromAnEdge) {
    GridInplaceEditor editor;
    editor.Load("Sim");
    if (GetParam().caretMoves >= 0) {
        editor.Deselect();
        for (int i = 0; i < GetParam().caretMoves; ++i)
            editor.MoveCaret(VK_LEFT);
    }
    EXPECT_EQ(editor.LeftSide(), GetParam().left);
    EXPECT_EQ(editor.RightSide(), GetParam().right);
}

INSTANTIATE_TEST_SUITE_P(Grid, GridInplaceEditorSideTest,
                         ::testing::Values(SideCase{"AllSelected", -1, true, true},
                                           SideCase{"AtTheEnd", 0, false, true},
                                           SideCase{"InTheMiddle", 2, false, false},
                                           SideCase{"AtTheStart", 3, true, false}),
                         [](const auto& param) { return std::string(param.param.name); });

TEST(GridInplaceEditorTest, TypingReplacesTheSelectionAndBackspaceTakesOneCharacter) {
    GridInplaceEditor editor;
    editor.Load("Não");
    editor.TypeChar('s');
    editor.TypeChar('x');
    EXPECT_EQ(editor.Text(), "sx");
    editor.DeleteBackward();
    EXPECT_EQ(editor.Text(), "s");
    editor.MoveCaret(VK_HOME);
    editor.DeleteForward();
    EXPECT_EQ(editor.Text(), "");
    editor.DeleteBackward();
    editor.DeleteForward();
    EXPECT_EQ(editor.Text(), "") << "nothing left to delete";
    EXPECT_EQ(editor.SelStart(), 0);
}

} // namespace
