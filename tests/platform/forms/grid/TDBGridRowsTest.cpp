// The grid's rows are the dataset's: moving posts, Down past the end appends, Insert inserts,
// Ctrl+Delete deletes, Escape cancels, leaving the grid cancels an untouched new row.

#include "GridTestSupport.h"
#include "platform/db/EDatabaseError.h"

using namespace ger;
using namespace ger::gridtest;

namespace {

class GridRowsTest : public GridTest {
protected:
    void SetUp() override {
        GridTest::SetUp();
        ASSERT_TRUE(user().Focus("dbgPadrao"));
    }
};

TEST_F(GridRowsTest, MovingToAnotherRowPostsTheEditWithTheChosenValues) {
    QStringList posted;
    cds->AfterPost = [&](TDataSet*) {
        posted = {Value("OPERACAO"), Value("IDLIBERADO"), Value("IDLANCMANUAL")};
    };
    user().Press(VK_RIGHT);
    ASSERT_TRUE(user().PickFromList("dbgPadrao", "Não"));
    EXPECT_EQ(cds->State(), dsEdit);
    EXPECT_EQ(Value("IDLIBERADO"), "N");
    EXPECT_EQ(grid->DisplayText(0, 1), "Não");

    ASSERT_TRUE(user().Press(VK_DOWN));
    EXPECT_EQ(posted, QStringList({"01 - Venda", "N", "N"}));
    EXPECT_EQ(cds->State(), dsBrowse);
    EXPECT_EQ(grid->CurrentRow(), 1);
    EXPECT_EQ(cds->ChangeCount(), 1);
    EXPECT_EQ(Column("IDLIBERADO"), QStringList({"N", "N", "<null>"}));
}

TEST_F(GridRowsTest, ClickingAnotherRowPostsTooAndLandsOnTheClickedCell) {
    user().Press(VK_RIGHT);
    user().Type("n");
    ASSERT_TRUE(user().SelectCell("dbgPadrao", 2, 2));
    EXPECT_EQ(Column("IDLIBERADO"), QStringList({"n", "N", "<null>"}));
    EXPECT_EQ(grid->CurrentRow(), 2);
    EXPECT_EQ(grid->SelectedIndex(), 2);
    EXPECT_EQ(cds->State(), dsBrowse);
}

struct FailingPost {
    const char* name;
    bool silent;
};

class GridFailingPostTest : public GridRowsTest,
                            public ::testing::WithParamInterface<FailingPost> {};

TEST_P(GridFailingPostTest, KeepsTheRowAndTheEdit) {
    cds->BeforePost = [](TDataSet*) {
        if (GetParam().silent)
            Abort();
        throw EDatabaseError("Filial fechada");
    };
    user().Press(VK_RIGHT);
    user().PickFromList("dbgPadrao", "Não");
    EXPECT_FALSE(user().Press(VK_DOWN));
    EXPECT_EQ(grid->CurrentRow(), 0);
    EXPECT_EQ(cds->State(), dsEdit);
    EXPECT_EQ(Value("IDLIBERADO"), "N");
    EXPECT_EQ(dialogs.Texts(),
              GetParam().silent ? QStringList() : QStringList({"Filial fechada."}));
    EXPECT_EQ(cds->ChangeCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(Grid, GridFailingPostTest,
                         ::testing::Values(FailingPost{"Abort", true}, FailingPost{"Error", false}),
                         [](const auto& param) { return std::string(param.param.name); });

TEST_F(GridRowsTest, DownPastTheLastRowAppendsOnceAndUpTakesItBack) {
    user().Press(VK_END, ssCtrl);
    ASSERT_EQ(grid->CurrentRow(), 2);
    user().Press(VK_DOWN);
    EXPECT_EQ(cds->State(), dsInsert);
    EXPECT_EQ(grid->RowCount(), 4);
    EXPECT_EQ(grid->CurrentRow(), 3);
    EXPECT_EQ(grid->Indicator(3), RowIndicator::Inserting);

    user().Press(VK_DOWN);
    EXPECT_EQ(grid->RowCount(), 4) << "Down on an untouched new row adds nothing more";
    EXPECT_EQ(grid->CurrentRow(), 3);

    user().Press(VK_UP);
    EXPECT_EQ(cds->State(), dsBrowse);
    EXPECT_EQ(grid->RowCount(), 3);
    EXPECT_EQ(grid->CurrentRow(), 2);
    EXPECT_EQ(cds->ChangeCount(), 0);
}

TEST_F(GridRowsTest, DownOnATypedNewRowPostsItAndAppendsTheNext) {
    user().Press(VK_END, ssCtrl);
    user().Press(VK_DOWN);
    user().Press(VK_RIGHT);
    user().Type("S");
    user().Press(VK_DOWN);
    EXPECT_EQ(Column("IDLIBERADO"), QStringList({"S", "N", "<null>", "S", "<null>"}));
    EXPECT_EQ(cds->State(), dsInsert);
    EXPECT_EQ(cds->ChangeCount(), 1);
}

TEST_F(GridRowsTest, ARefusingBeforeInsertMakesAppendAndInsertDoAndShowNothing) {
    int refused = 0;
    cds->BeforeInsert = [&](TDataSet*) {
        ++refused;
        Abort();
    };
    user().Press(VK_END, ssCtrl);
    user().Press(VK_DOWN);
    user().Press(VK_INSERT);
    EXPECT_EQ(refused, 2);
    EXPECT_EQ(cds->State(), dsBrowse);
    EXPECT_EQ(grid->RowCount(), 3);
    EXPECT_EQ(grid->CurrentRow(), 2);
    EXPECT_TRUE(dialogs.Messages().empty());
}

TEST_F(GridRowsTest, InsertAddsARowAtTheCursor) {
    user().Press(VK_DOWN);
    user().Press(VK_INSERT);
    EXPECT_EQ(cds->State(), dsInsert);
    EXPECT_EQ(grid->CurrentRow(), 1);
    EXPECT_EQ(grid->DisplayText(1, 0), "");
    EXPECT_EQ(grid->DisplayText(2, 0), "02 - Devolução");
}

enum class Refusal { NoEditingOption, ReadOnlyGrid, ReadOnlyDataSet };

class GridRefusedAppendTest : public GridRowsTest, public ::testing::WithParamInterface<Refusal> {};

TEST_P(GridRefusedAppendTest, NoRowIsAdded) {
    switch (GetParam()) {
    case Refusal::NoEditingOption:
        grid->SetOptions(grid->Options() & ~TDBGridOptions(dgEditing));
        break;
    case Refusal::ReadOnlyGrid:
        grid->SetReadOnly(true);
        break;
    case Refusal::ReadOnlyDataSet:
        cds->SetReadOnly(true);
        break;
    }
    user().Press(VK_END, ssCtrl);
    user().Press(VK_DOWN);
    user().Press(VK_INSERT);
    EXPECT_EQ(grid->RowCount(), 3);
    EXPECT_EQ(cds->State(), dsBrowse);
}

INSTANTIATE_TEST_SUITE_P(Grid, GridRefusedAppendTest,
                         ::testing::Values(Refusal::NoEditingOption, Refusal::ReadOnlyGrid,
                                           Refusal::ReadOnlyDataSet));

struct DeleteCase {
    const char* name;
    bool confirm;
    TModalResult answer;
    bool deleted;
};

class GridDeleteTest : public GridRowsTest, public ::testing::WithParamInterface<DeleteCase> {};

TEST_P(GridDeleteTest, CtrlDeleteDeletesTheCurrentRowAsConfirmed) {
    const DeleteCase c = GetParam();
    TDBGridOptions options = grid->Options();
    options.setFlag(dgConfirmDelete, c.confirm);
    grid->SetOptions(options);
    if (c.confirm)
        dialogs.Answer(c.answer);
    user().Press(VK_DOWN);
    user().Press(VK_DELETE, ssCtrl);

    EXPECT_EQ(Column("OPERACAO"),
              c.deleted ? QStringList({"01 - Venda", "03 - Remessa"})
                        : QStringList({"01 - Venda", "02 - Devolução", "03 - Remessa"}));
    EXPECT_EQ(cds->ChangeCount(), c.deleted ? 1 : 0);
    ASSERT_EQ(dialogs.Messages().size(), c.confirm ? 1u : 0u);
    if (c.confirm) {
        EXPECT_EQ(dialogs.Messages()[0].text, "Excluir registro?");
        EXPECT_EQ(dialogs.Messages()[0].type, mtConfirmation);
        EXPECT_EQ(dialogs.Messages()[0].buttons, TMsgDlgButtons(mbYes | mbNo));
    }
}

INSTANTIATE_TEST_SUITE_P(Grid, GridDeleteTest,
                         ::testing::Values(DeleteCase{"WithoutQuestion", false, mrNone, true},
                                           DeleteCase{"AnsweredYes", true, mrYes, true},
                                           DeleteCase{"AnsweredNo", true, mrNo, false}),
                         [](const auto& param) { return std::string(param.param.name); });

TEST_F(GridRowsTest, DeleteWithoutCtrlDeletesNoRow) {
    user().Press(VK_DELETE);
    EXPECT_EQ(grid->RowCount(), 3);
}

TEST_F(GridRowsTest, EscapeFirstDropsTheTypedTextThenCancelsTheEditExactly) {
    const QByteArray before = cds->Data();
    user().Press(VK_DOWN);
    user().Press(VK_RIGHT);
    user().Type("sim");
    ASSERT_EQ(cds->State(), dsEdit);
    ASSERT_EQ(grid->EditorText(), "sim");

    user().Press(VK_ESCAPE);
    EXPECT_EQ(cds->State(), dsEdit) << "the first Escape gives the field back to the editor";
    EXPECT_FALSE(grid->EditorModified());
    EXPECT_FALSE(grid->EditorMode());

    user().Press(VK_ESCAPE);
    EXPECT_EQ(cds->State(), dsBrowse);
    EXPECT_EQ(cds->Data(), before);
    EXPECT_EQ(grid->CurrentRow(), 1);
}

TEST_F(GridRowsTest, EscapeAfterAPickCancelsAtOnce) {
    const QByteArray before = cds->Data();
    user().Press(VK_RIGHT);
    user().PickFromList("dbgPadrao", "Não");
    user().Press(VK_ESCAPE);
    EXPECT_EQ(cds->State(), dsBrowse);
    EXPECT_EQ(cds->Data(), before);
    EXPECT_EQ(grid->DisplayText(0, 1), "Sim");
}

TEST_F(GridRowsTest, EscapeOnANewRowTakesItAway) {
    user().Press(VK_INSERT);
    user().Press(VK_ESCAPE);
    EXPECT_EQ(cds->State(), dsBrowse);
    EXPECT_EQ(Column("OPERACAO"), QStringList({"01 - Venda", "02 - Devolução", "03 - Remessa"}));
}

struct ExitCase {
    const char* name;
    bool cancelOnExit;
    bool typed;
    bool keptRow;
};

class GridCancelOnExitTest : public GridRowsTest, public ::testing::WithParamInterface<ExitCase> {};

TEST_P(GridCancelOnExitTest, LeavingTheGridOnANewRow) {
    const ExitCase c = GetParam();
    TDBGridOptions options = grid->Options();
    options.setFlag(dgCancelOnExit, c.cancelOnExit);
    grid->SetOptions(options);
    user().Press(VK_END, ssCtrl);
    user().Press(VK_DOWN);
    user().Press(VK_RIGHT);
    if (c.typed)
        user().Type("N");
    ASSERT_TRUE(user().Focus("edtOutro"));

    EXPECT_EQ(grid->RowCount(), c.keptRow ? 4 : 3);
    EXPECT_EQ(cds->State(), c.keptRow ? dsInsert : dsBrowse);
    if (c.typed) {
        EXPECT_EQ(Value("IDLIBERADO"), "N") << "leaving writes the typed text to the field";
    }
    EXPECT_FALSE(grid->EditorMode());
}

INSTANTIATE_TEST_SUITE_P(Grid, GridCancelOnExitTest,
                         ::testing::Values(ExitCase{"UntouchedIsCancelled", true, false, false},
                                           ExitCase{"TypedIsKept", true, true, true},
                                           ExitCase{"UntouchedIsKeptWithoutTheOption", false, false,
                                                    true}),
                         [](const auto& param) { return std::string(param.param.name); });

TEST_F(GridRowsTest, PageDownMovesAScreenfulAndCtrlHomeGoesBack) {
    grid->SetHeight(grid->RowHeight() * 5);
    cds->SetData(DataPacket{{{"OPERACAO", 35}, {"IDLIBERADO", 1}, {"IDLANCMANUAL", 1}},
                            std::vector<PacketRow>(10, {V("x"), V("S"), V("S")})}
                     .Encode());
    const int page = grid->VisibleRowCount();
    ASSERT_GT(page, 0);
    user().Press(VK_NEXT);
    EXPECT_EQ(grid->CurrentRow(), page);
    EXPECT_LE(grid->TopRow(), grid->CurrentRow());
    EXPECT_GT(grid->TopRow() + page, grid->CurrentRow()) << "the current row stays in view";
    user().Press(VK_HOME, ssCtrl);
    EXPECT_EQ(grid->CurrentRow(), 0);
    EXPECT_EQ(grid->TopRow(), 0);
}

} // namespace
