// Editing cells in place: what reaches the field, what is refused, the editor's button, the
// key events that run first, and the column events.

#include "GridTestSupport.h"

using namespace ger;
using namespace ger::gridtest;

namespace {

class GridEditingTest : public GridTest {
protected:
    void SetUp() override {
        GridTest::SetUp();
        ASSERT_TRUE(user().Focus("dbgPadrao"));
    }
    void Post() { cds->Post(); }
};

TEST_F(GridEditingTest, CellsShowTheFieldsTextAndAnEmptyFlagReadsSim) {
    EXPECT_EQ(grid->DisplayText(0, 1), "Sim");
    EXPECT_EQ(grid->DisplayText(1, 1), "Não");
    EXPECT_EQ(grid->DisplayText(2, 1), "Sim") << "a NULL flag";
    EXPECT_EQ(grid->DisplayText(1, 0), "02 - Devolução");
    EXPECT_EQ(grid->DisplayText(3, 0), "") << "no such row";
    EXPECT_EQ(grid->TitleText(1), "IDLIBERADO") << "a field without a label is titled by its name";
    cds->FieldByName("IDLIBERADO")->SetDisplayLabel("Liberado");
    EXPECT_EQ(grid->TitleText(1), "Liberado");
}

struct PickCase {
    const char* name;
    const char* chosen;
    int row;
    const char* stored;
};

class GridPickListTest : public GridEditingTest, public ::testing::WithParamInterface<PickCase> {};

TEST_P(GridPickListTest, TheChosenTextIsStoredAsItsFirstCharacter) {
    const PickCase c = GetParam();
    ASSERT_TRUE(user().SelectCell("dbgPadrao", c.row, 2));
    ASSERT_TRUE(user().PickFromList("dbgPadrao", QString::fromUtf8(c.chosen)));
    EXPECT_EQ(Value("IDLANCMANUAL"), c.stored);
    EXPECT_EQ(grid->EditorText(), QString::fromUtf8(c.chosen))
        << "the editor shows the field's text";
    Post();
    EXPECT_EQ(Column("IDLANCMANUAL")[c.row], c.stored);
}

INSTANTIATE_TEST_SUITE_P(Grid, GridPickListTest,
                         ::testing::Values(PickCase{"Nao", "Não", 1, "N"},
                                           PickCase{"Sim", "Sim", 0, "S"}),
                         [](const auto& param) { return std::string(param.param.name); });

TEST_F(GridEditingTest, PickingFromACellWithoutAListIsABrokenScript) {
    EXPECT_THROW(user().PickFromList("dbgPadrao", "Sim"), ScriptError) << "OPERACAO has no list";
    user().Press(VK_RIGHT);
    EXPECT_THROW(user().PickFromList("dbgPadrao", "Talvez"), ScriptError);
    EXPECT_EQ(cds->State(), dsBrowse);
}

TEST_F(GridEditingTest, TypedTextIsWrittenWhenTheRowIsPostedAndKeepsItsFirstCharacter) {
    user().Press(VK_RIGHT);
    user().Type("nao");
    EXPECT_EQ(cds->State(), dsEdit) << "typing puts the dataset into edit";
    EXPECT_EQ(grid->EditorText(), "nao");
    EXPECT_EQ(Value("IDLIBERADO"), "S") << "not written before the row is left";
    user().Press(VK_DOWN);
    EXPECT_EQ(Column("IDLIBERADO"), QStringList({"n", "N", "<null>"}));
}

TEST_F(GridEditingTest, EnterWritesTheTextAndClosesTheEditor) {
    user().Press(VK_RIGHT);
    user().Type("N");
    user().Press(VK_RETURN);
    EXPECT_EQ(Value("IDLIBERADO"), "N");
    EXPECT_FALSE(grid->EditorMode());
    EXPECT_EQ(cds->State(), dsEdit);
    user().Press(VK_RETURN);
    EXPECT_TRUE(grid->EditorMode());
    EXPECT_EQ(grid->EditorText(), "Não");
}

TEST_F(GridEditingTest, MovingToAnotherColumnWritesTheText) {
    user().Press(VK_RIGHT);
    user().Type("x");
    user().Press(VK_RIGHT);
    EXPECT_EQ(Value("IDLIBERADO"), "x");
    EXPECT_EQ(grid->SelectedIndex(), 2);
}

TEST_F(GridEditingTest, ArrowsMoveTheCaretBeforeTheyLeaveTheCell) {
    user().Press(VK_RIGHT);
    user().Press(VK_F2);
    ASSERT_TRUE(grid->EditorMode());
    user().Press(VK_F2);
    EXPECT_EQ(grid->Editor().SelStart(), 3) << "F2 inside the editor puts the caret at the end";
    user().Press(VK_LEFT);
    EXPECT_EQ(grid->SelectedIndex(), 1);
    EXPECT_EQ(grid->Editor().SelStart(), 2);
    user().Press(VK_RIGHT);
    user().Press(VK_RIGHT);
    EXPECT_EQ(grid->SelectedIndex(), 2) << "from the end of the text Right leaves the cell";
}

enum class ReadOnlyCase { Column, Field, Grid, NoEditingOption, NoAutoEdit };

class GridReadOnlyTest : public GridEditingTest,
                         public ::testing::WithParamInterface<ReadOnlyCase> {};

TEST_P(GridReadOnlyTest, TypingChangesNothing) {
    switch (GetParam()) {
    case ReadOnlyCase::Column:
        grid->Columns()[1]->SetReadOnly(true);
        break;
    case ReadOnlyCase::Field:
        cds->FieldByName("IDLIBERADO")->SetReadOnly(true);
        break;
    case ReadOnlyCase::Grid:
        grid->SetReadOnly(true);
        break;
    case ReadOnlyCase::NoEditingOption:
        grid->SetOptions(grid->Options() & ~TDBGridOptions(dgEditing));
        break;
    case ReadOnlyCase::NoAutoEdit:
        dts->SetAutoEdit(false);
        break;
    }
    user().Press(VK_RIGHT);
    user().Type("n");
    user().Press(VK_BACK);
    user().Press(VK_DOWN);
    EXPECT_EQ(Column("IDLIBERADO"), QStringList({"S", "N", "<null>"}));
    EXPECT_EQ(cds->State(), dsBrowse);
    EXPECT_EQ(cds->ChangeCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(Grid, GridReadOnlyTest,
                         ::testing::Values(ReadOnlyCase::Column, ReadOnlyCase::Field,
                                           ReadOnlyCase::Grid, ReadOnlyCase::NoEditingOption,
                                           ReadOnlyCase::NoAutoEdit));

TEST_F(GridEditingTest, TheReadOnlyOperationColumnRefusesTyping) {
    user().Type("99");
    EXPECT_EQ(cds->State(), dsBrowse);
    EXPECT_EQ(Value("OPERACAO"), "01 - Venda");
}

TEST_F(GridEditingTest, OnKeyDownRunsFirstAndSwallowsKeysSetToZero) {
    QStringList seen;
    grid->OnKeyDown = [&](TObject*, Word& key, TShiftState) {
        seen << QStringLiteral("%1@%2").arg(key).arg(grid->CurrentRow());
        if (key == VK_DELETE || key == VK_INSERT || key == VK_UP)
            key = 0;
    };
    grid->SetOptions(grid->Options() | dgConfirmDelete);
    dialogs.Answer(mrYes);
    user().Press(VK_DOWN);
    user().Press(VK_UP);
    user().Press(VK_DELETE, ssCtrl);
    user().Press(VK_INSERT);
    EXPECT_EQ(seen, QStringList({"40@0", "38@1", "46@1", "45@1"}));
    EXPECT_EQ(grid->CurrentRow(), 1) << "Up was swallowed";
    EXPECT_EQ(grid->RowCount(), 3) << "nothing deleted, nothing inserted";
    EXPECT_EQ(cds->State(), dsBrowse);
    EXPECT_EQ(dialogs.PendingCount(), 1) << "no question was asked";
}

TEST_F(GridEditingTest, OnKeyPressSwallowsCharactersSetToNull) {
    grid->OnKeyPress = [](TObject*, QChar& key) {
        if (key != QLatin1Char('\r'))
            key = QChar();
    };
    user().Press(VK_RIGHT);
    user().Type("n");
    EXPECT_EQ(cds->State(), dsBrowse);
    EXPECT_FALSE(grid->EditorMode());
    user().Press(VK_RETURN);
    EXPECT_TRUE(grid->EditorMode()) << "Enter is passed on";
}

struct ButtonCase {
    const char* name;
    TColumnButtonStyle style;
    QStringList pickList;
    TEditStyle shown;
    int clicks;
};

class GridEditButtonTest : public GridEditingTest,
                           public ::testing::WithParamInterface<ButtonCase> {};

TEST_P(GridEditButtonTest, OnlyTheEllipsisRunsOnEditButtonClick) {
    const ButtonCase c = GetParam();
    int clicks = 0;
    grid->OnEditButtonClick = [&](TObject* sender) {
        EXPECT_EQ(sender, grid);
        ++clicks;
    };
    grid->Columns()[1]->SetButtonStyle(c.style);
    grid->Columns()[1]->SetPickList(c.pickList);
    user().Press(VK_RIGHT);
    EXPECT_EQ(grid->EditorStyle(), esSimple) << "no button while the editor is down";
    user().Press(VK_F2);
    EXPECT_EQ(grid->EditorStyle(), c.shown);
    if (c.shown == esEllipsis)
        EXPECT_TRUE(user().ClickEditButton("dbgPadrao"));
    else
        EXPECT_THROW(user().ClickEditButton("dbgPadrao"), ScriptError);
    grid->UserClickEditButton();
    // Ctrl+Enter is the editor's only while it shows an ellipsis; elsewhere it goes on to the
    // form (a screen's confirm button).
    EXPECT_EQ(grid->WantsKey(VK_RETURN, ssCtrl), c.shown == esEllipsis);
    user().Press(VK_RETURN, ssCtrl);
    EXPECT_EQ(clicks, c.clicks);
    EXPECT_EQ(cds->State(), dsBrowse) << "the button itself edits nothing";
}

INSTANTIATE_TEST_SUITE_P(
    Grid, GridEditButtonTest,
    ::testing::Values(ButtonCase{"Ellipsis", cbsEllipsis, {}, esEllipsis, 3},
                      ButtonCase{"EllipsisBeforePickList", cbsEllipsis, {"Sim"}, esEllipsis, 3},
                      ButtonCase{"AutoWithPickList", cbsAuto, {"Sim", "Não"}, esPickList, 0},
                      ButtonCase{"AutoWithoutPickList", cbsAuto, {}, esSimple, 0},
                      ButtonCase{"None", cbsNone, {"Sim", "Não"}, esSimple, 0}),
    [](const auto& param) { return std::string(param.param.name); });

TEST_F(GridEditingTest, ColumnEventsFollowTabAndArrowsAndWrapToTheNextRow) {
    QStringList log;
    grid->OnColExit = [&](TObject*) {
        log << QStringLiteral("exit %1").arg(grid->SelectedIndex());
    };
    grid->OnColEnter = [&](TObject*) {
        log << QStringLiteral("enter %1").arg(grid->SelectedIndex());
    };
    user().Press(VK_TAB);
    user().Press(VK_RIGHT);
    user().Press(VK_RIGHT);
    user().Press(VK_TAB);
    user().Press(VK_TAB, ssShift);
    user().Press(VK_LEFT);
    EXPECT_EQ(log, QStringList({"exit 0", "enter 1", "exit 1", "enter 2", "exit 2", "enter 0",
                                "exit 0", "enter 2", "exit 2", "enter 1"}));
    EXPECT_EQ(grid->CurrentRow(), 0) << "Tab on the last column went to the next row and back";
    EXPECT_EQ(user().FocusedName(), "dbgPadrao") << "with dgTabs the grid keeps Tab";
}

TEST_F(GridEditingTest, ARaisingOnColExitKeepsTheColumn) {
    bool entered = false;
    grid->OnColExit = [](TObject*) { Abort(); };
    grid->OnColEnter = [&](TObject*) { entered = true; };
    user().Press(VK_TAB);
    EXPECT_EQ(grid->SelectedIndex(), 0);
    EXPECT_FALSE(entered);
}

TEST_F(GridEditingTest, WithoutDgTabsTabLeavesTheGrid) {
    grid->SetOptions(grid->Options() & ~TDBGridOptions(dgTabs));
    user().Press(VK_TAB);
    EXPECT_EQ(user().FocusedName(), "edtOutro");
}

// With dgTabs the grid keeps Tab and Shift+Tab; Ctrl+Tab and Ctrl+Shift+Tab are the way out,
// forwards and backwards. As any exit of the grid, it leaves the row's edit as it is.
TEST_F(GridEditingTest, CtrlTabAndCtrlShiftTabLeaveTheGrid) {
    user().Press(VK_TAB);
    ASSERT_TRUE(user().PickFromList("dbgPadrao", "Não"));
    ASSERT_EQ(cds->State(), dsEdit);
    user().Press(VK_TAB, ssCtrl);
    EXPECT_EQ(user().FocusedName(), "edtOutro");
    EXPECT_EQ(cds->State(), dsEdit);
    EXPECT_EQ(cds->FieldByName("IDLIBERADO")->AsString(), "N");
    ASSERT_TRUE(user().Focus("dbgPadrao"));
    user().Press(VK_TAB, TShiftState(ssCtrl) | ssShift);
    EXPECT_EQ(user().FocusedName(), "edtOutro") << "backwards, round the form's two controls";
}

TEST_F(GridEditingTest, DoubleClickRunsOnDblClickOnTheClickedCell) {
    QStringList log;
    grid->OnDblClick = [&](TObject*) {
        log << QStringLiteral("%1,%2").arg(grid->CurrentRow()).arg(grid->SelectedIndex());
    };
    user().DoubleClickCell("dbgPadrao", 1, 2);
    EXPECT_EQ(log, QStringList({"1,2"}));
}

TEST_F(GridEditingTest, FocusControlOfAFieldSelectsItsColumnAndOpensTheEditor) {
    ASSERT_TRUE(user().Focus("edtOutro"));
    cds->FieldByName("IDLANCMANUAL")->FocusControl();
    EXPECT_EQ(user().FocusedName(), "dbgPadrao");
    EXPECT_EQ(grid->SelectedField(), cds->FieldByName("IDLANCMANUAL"));
    EXPECT_TRUE(grid->EditorMode());
}

// The client tab's way to start a row: focus the code column, insert, show the ellipsis while
// the dataset is being inserted into.
TEST_F(GridEditingTest, AnInsertIntoAnEmptyGridKeepsTheEditorOnTheFocusedColumn) {
    cds->EmptyDataSet();
    ASSERT_TRUE(user().Focus("edtOutro"));
    dts->OnStateChange = [this](TObject*) {
        const bool editing = IsEditMode(cds->State());
        grid->Columns()[1]->SetButtonStyle(editing ? cbsEllipsis : cbsNone);
    };
    cds->FieldByName("IDLIBERADO")->FocusControl();
    cds->Insert();
    EXPECT_EQ(user().FocusedName(), "dbgPadrao");
    EXPECT_TRUE(grid->EditorMode());
    EXPECT_EQ(grid->EditorStyle(), esEllipsis);
    cds->Cancel();
    EXPECT_EQ(grid->EditorStyle(), esSimple);
}

TEST_F(GridEditingTest, TabLeavesAClosedGrid) {
    cds->Close();
    user().Press(VK_TAB);
    EXPECT_EQ(user().FocusedName(), "edtOutro");
}

TEST_F(GridEditingTest, AClosedDataSetLeavesNoCurrentFieldAndKeysDoNothing) {
    cds->Close();
    EXPECT_EQ(grid->SelectedField(), nullptr);
    EXPECT_EQ(grid->RowCount(), 0);
    EXPECT_EQ(grid->DisplayText(0, 0), "");
    EXPECT_EQ(grid->Columns().Count(), 3) << "declared columns stay";
    EXPECT_TRUE(user().Press(VK_DOWN));
    EXPECT_TRUE(user().Press(VK_INSERT));
    EXPECT_TRUE(user().Type("n"));
    EXPECT_EQ(cds->State(), dsInactive);
    EXPECT_TRUE(dialogs.Messages().empty());
    Load(test::OperationTypesPacket());
    EXPECT_EQ(grid->SelectedField(), cds->FieldByName("OPERACAO"));
}

TEST_F(GridEditingTest, DefaultColumnsFollowTheVisibleFields) {
    grid->Columns().SetState(csDefault);
    EXPECT_EQ(grid->Columns().Count(), 3);
    cds->FieldByName("IDLANCMANUAL")->SetVisible(false);
    ASSERT_EQ(grid->Columns().Count(), 2);
    EXPECT_EQ(grid->Columns()[1]->FieldName(), "IDLIBERADO");
    cds->Close();
    EXPECT_EQ(grid->Columns().Count(), 0);
}

} // namespace

// Only the title row's column edges are handles, and only with dgColumnResize.
TEST_F(GridEditingTest, ColumnEdgesAreHandlesOnlyInTheTitleRowWithColumnResize) {
    const TRect title = grid->CellRect(-1, 1);
    const QPoint edge(title.Left + grid->Columns()[1]->Width(), title.Top + 2);
    EXPECT_EQ(grid->ColumnEdgeAt(edge), 1);
    EXPECT_EQ(grid->ColumnEdgeAt(edge + QPoint(3, 0)), 1);
    EXPECT_EQ(grid->ColumnEdgeAt(edge + QPoint(-10, 0)), -1) << "inside the title";
    const TRect data = grid->CellRect(0, 1);
    EXPECT_EQ(grid->ColumnEdgeAt(QPoint(edge.x(), data.Top + 2)), -1) << "a data row";
    grid->UserResizeColumn(1, 2);
    EXPECT_EQ(grid->Columns()[1]->Width(), TDBGrid::MinColumnWidth);
    grid->SetOptions(grid->Options() & ~TDBGridOptions(dgColumnResize));
    EXPECT_EQ(grid->ColumnEdgeAt(edge), -1);
}
