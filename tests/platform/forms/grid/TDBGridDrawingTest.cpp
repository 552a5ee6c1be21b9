// Painting through a canvas: every visible cell is drawn, then handed to OnDrawColumnCell
// with its rectangle, column and state while the fields read that cell's row.

#include "GridTestSupport.h"
#include "platform/db/TStringField.h"
#include "platform/forms/grid/RecordingCanvas.h"

using namespace ger;
using namespace ger::gridtest;

namespace {

struct DrawnCell {
    TRect rect;
    int dataCol;
    TColumn* column;
    TGridDrawState state;
    QString operation;
};

class GridDrawingTest : public GridTest {
protected:
    void SetUp() override {
        GridTest::SetUp();
        grid->SetColor(clInfoBk);
        grid->OnDrawColumnCell = [this](TObject* sender, const TRect& rect, int dataCol,
                                        TColumn* column, TGridDrawState state) {
            EXPECT_EQ(sender, grid);
            drawn.push_back({rect, dataCol, column, state, Value("OPERACAO")});
        };
    }

    RecordingCanvas canvas;
    std::vector<DrawnCell> drawn;
};

TEST_F(GridDrawingTest, EveryCellIsHandedToOnDrawColumnCellOnItsRow) {
    ASSERT_TRUE(user().Focus("edtOutro"));
    grid->Paint(canvas);
    const QStringList operations{"01 - Venda", "02 - Devolução", "03 - Remessa"};
    ASSERT_EQ(drawn.size(), 9u);
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 3; ++col) {
            const DrawnCell& cell = drawn[static_cast<size_t>(row * 3 + col)];
            EXPECT_EQ(cell.rect, grid->CellRect(row, col)) << row << "," << col;
            EXPECT_EQ(cell.dataCol, col);
            EXPECT_EQ(cell.column, grid->Columns()[col]);
            EXPECT_EQ(cell.operation, operations[row]) << "fields read the row being drawn";
            EXPECT_EQ(cell.state.testFlag(gdSelected), row == 0 && col == 0);
            EXPECT_FALSE(cell.state.testFlag(gdFocused)) << "the grid has no focus";
        }
    }
    EXPECT_EQ(cds->RecNo(), 1) << "drawing leaves the cursor alone";
}

TEST_F(GridDrawingTest, CellsAreLaidOutLeftToRightAndTopToBottomWithoutOverlap) {
    for (int row = 0; row < 3; ++row) {
        for (int col = 0; col < 3; ++col) {
            const TRect rect = grid->CellRect(row, col);
            EXPECT_EQ(rect.Width(), grid->Columns()[col]->Width());
            EXPECT_EQ(rect.Height(), grid->RowHeight());
            if (col > 0) {
                EXPECT_GE(rect.Left, grid->CellRect(row, col - 1).Right);
            }
            if (row > 0) {
                EXPECT_GE(rect.Top, grid->CellRect(row - 1, col).Bottom);
            }
            int hitRow = -1;
            int hitCol = -1;
            ASSERT_TRUE(grid->CellAt(rect.Center(), hitRow, hitCol));
            EXPECT_EQ(hitRow, row);
            EXPECT_EQ(hitCol, col);
        }
    }
    EXPECT_EQ(grid->CellRect(-1, 1).Top, 0) << "the title row";
    EXPECT_GE(grid->CellRect(0, 1).Top, grid->CellRect(-1, 1).Bottom);
}

TEST_F(GridDrawingTest, DefaultDrawingWritesTitlesAndDisplayTextsBeforeTheHandler) {
    grid->Paint(canvas);
    const QStringList texts = canvas.Texts();
    EXPECT_EQ(texts.mid(0, 3), QStringList({"OPERACAO", "IDLIBERADO", "IDLANCMANUAL"}));
    EXPECT_EQ(texts.mid(3, 3), QStringList({"01 - Venda", "Sim", "Não"}));
    EXPECT_EQ(texts.mid(6, 3), QStringList({"02 - Devolução", "Não", "Sim"}));

    canvas.Clear();
    drawn.clear();
    grid->SetDefaultDrawing(false);
    grid->Paint(canvas);
    EXPECT_EQ(canvas.Texts(), QStringList({"OPERACAO", "IDLIBERADO", "IDLANCMANUAL"}));
    EXPECT_EQ(drawn.size(), 9u) << "the handler still runs";
}

TEST_F(GridDrawingTest, TheSelectedCellIsHighlightedWhileTheGridHasTheFocus) {
    ASSERT_TRUE(user().Focus("dbgPadrao"));
    user().Press(VK_DOWN);
    user().Press(VK_RIGHT);
    grid->Paint(canvas);
    const DrawnCell& selected = drawn[4];
    EXPECT_EQ(selected.state, TGridDrawState(gdSelected | gdFocused));
    const auto texts = canvas.CallsOf(CanvasCall::Kind::TextRect);
    const auto cell = std::find_if(texts.begin(), texts.end(), [&](const CanvasCall& call) {
        return call.rect == grid->CellRect(1, 1);
    });
    ASSERT_NE(cell, texts.end());
    EXPECT_EQ(cell->brush.Color, clHighlight);
    EXPECT_EQ(cell->fontColor, clHighlightText);
    const auto plain = std::find_if(texts.begin(), texts.end(), [&](const CanvasCall& call) {
        return call.rect == grid->CellRect(1, 0);
    });
    ASSERT_NE(plain, texts.end());
    EXPECT_EQ(plain->brush.Color, clInfoBk);
}

TEST_F(GridDrawingTest, AHandlerCanWipeACellAndCopyAPictureWithATransparentColour) {
    TBitmap folders(16, 16, 0xFF808000u);
    grid->OnDrawColumnCell = [&](TObject*, const TRect& rect, int dataCol, TColumn*,
                                 TGridDrawState) {
        if (dataCol != 2)
            return;
        grid->Canvas()->FillRect(rect);
        grid->Canvas()->BrushCopy(Bounds(rect.Left + 39, rect.Top, folders.Width(), rect.Height()),
                                  folders, Bounds(0, 0, folders.Width(), rect.Height()), clOlive);
    };
    grid->Paint(canvas);
    const auto copies = canvas.CallsOf(CanvasCall::Kind::BrushCopy);
    ASSERT_EQ(copies.size(), 3u);
    for (int row = 0; row < 3; ++row) {
        const CanvasCall& copy = copies[static_cast<size_t>(row)];
        const TRect cell = grid->CellRect(row, 2);
        EXPECT_EQ(copy.rect, Bounds(cell.Left + 39, cell.Top, 16, cell.Height()));
        EXPECT_EQ(copy.source, Bounds(0, 0, 16, cell.Height()));
        EXPECT_EQ(copy.transparent, clOlive);
        EXPECT_EQ(copy.brush.Color, clInfoBk) << "transparent pixels take the cell's brush";
        EXPECT_EQ(copy.bitmap, folders);
    }
    const auto& calls = canvas.Calls();
    const auto copyAt = std::find_if(calls.begin(), calls.end(), [](const CanvasCall& call) {
        return call.kind == CanvasCall::Kind::BrushCopy;
    });
    ASSERT_GE(copyAt - calls.begin(), 2);
    EXPECT_EQ((copyAt - 1)->kind, CanvasCall::Kind::FillRect) << "the letter is wiped first";
    EXPECT_EQ((copyAt - 2)->kind, CanvasCall::Kind::TextRect);
    EXPECT_EQ(grid->Canvas(), grid->Canvas()) << "outside painting a canvas is still there";
}

TEST_F(GridDrawingTest, OnlyTheRowsThatFitAreDrawnAndAClosedGridDrawsTitlesOnly) {
    grid->SetHeight(grid->BoundsRect().height() - grid->ClientHeight() + 2 * grid->RowHeight());
    grid->Paint(canvas);
    EXPECT_EQ(drawn.size(), 3u) << "one data row below the titles";
    drawn.clear();
    canvas.Clear();
    cds->Close();
    grid->Paint(canvas);
    EXPECT_TRUE(drawn.empty());
    EXPECT_EQ(canvas.Texts().size(), 3u);
}

TEST_F(GridDrawingTest, AFieldsEditMaskShowsInItsCells) {
    cds->SetData(DataPacket{{{"OPERACAO", 35}, {"IDLIBERADO", 1}, {"IDLANCMANUAL", 1}},
                            {{V("12345678901"), V("S"), V("S")}}}
                     .Encode());
    cds->FieldByName("OPERACAO")->SetEditMask("000.000.000-00;0;_");
    EXPECT_EQ(grid->DisplayText(0, 0), "123.456.789-01");
}

TEST_F(GridDrawingTest, TheIndicatorMarksTheCurrentRowAndItsState) {
    grid->SetOptions(grid->Options() | dgIndicator);
    EXPECT_EQ(grid->Indicator(0), RowIndicator::Current);
    EXPECT_EQ(grid->Indicator(1), RowIndicator::None);
    cds->Edit();
    EXPECT_EQ(grid->Indicator(0), RowIndicator::Editing);
    grid->Paint(canvas);
    EXPECT_TRUE(canvas.Texts().contains("I"));
    EXPECT_EQ(grid->CellRect(0, 0).Left, TDBGrid::IndicatorWidth + 1);
}

} // namespace
