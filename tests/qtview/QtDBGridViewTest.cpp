#include "qtview/QtDBGridView.h"

#include "QtViewTestSupport.h"
#include "platform/core/Exception.h"
#include "platform/db/TClientDataSet.h"
#include "platform/db/TDataSource.h"
#include "platform/db/TField.h"
#include "platform/forms/TEdit.h"
#include "platform/forms/UserInput.h"
#include "platform/forms/grid/TCanvas.h"
#include "platform/forms/grid/TColumn.h"
#include "platform/forms/grid/TDBGrid.h"
#include "qtview/QtColors.h"
#include "support/OperationTypeGrid.h"

#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <QToolButton>

using namespace ger;
using namespace ger::qtviewtest;

namespace {

// The per-branch grid in small (support/OperationTypeGrid.h), with set column widths and a
// coloured background; each test loads the rows it needs and shows the form.
class QtDBGridViewTest : public QtViewTest {
protected:
    void SetUp() override {
        QtViewTest::SetUp();
        const test::OperationTypeGrid parts = test::BuildOperationTypeGrid(
            *form, {380, 200,
                    TDBGridOptions(dgEditing | dgTitles | dgColLines | dgRowLines | dgTabs |
                                   dgAlwaysShowSelection | dgCancelOnExit),
                    150, 80});
        cds = parts.cds;
        dts = parts.dts;
        grid = parts.grid;
        other = parts.other;
        grid->SetColor(clInfoBk);
    }
    void load(int rows = 3) { test::LoadOperationTypes(*cds, test::OperationTypesPacket(rows)); }
    QtDBGridView* gridView() const { return qobject_cast<QtDBGridView*>(view->FindView(grid)); }
    QWidget* surface() const { return widgetOf(grid); }
    // A cell's rectangle in the grid widget.
    QRect cellRect(int row, int column) const {
        return grid->CellRect(row, column).ToQRect().translated(gridView()->ClientOrigin());
    }
    QImage cellImage(int row, int column) const {
        return surface()->grab().toImage().copy(cellRect(row, column));
    }
    void clickCell(int row, int column) {
        QTest::mouseClick(surface(), Qt::LeftButton, {}, cellRect(row, column).center());
    }
    QString value(const char* field) const {
        return cds->FieldByName(QString::fromLatin1(field))->AsString();
    }

    TClientDataSet* cds = nullptr;
    TDataSource* dts = nullptr;
    TDBGrid* grid = nullptr;
    TEdit* other = nullptr;
};

TEST_F(QtDBGridViewTest, CellsShowTheRowsDisplayTexts) {
    load();
    showForm();
    ASSERT_NE(gridView(), nullptr);
    EXPECT_EQ(cellImage(0, 1), cellImage(2, 1)) << "\"S\" and NULL both show \"Sim\"";
    EXPECT_NE(cellImage(0, 1), cellImage(1, 1)) << "\"N\" shows \"Não\"";
    EXPECT_NE(cellImage(-1, 1), cellImage(-1, 2)) << "each column shows its title";
    cds->Next();
    cds->Edit();
    cds->FieldByName("IDLIBERADO")->SetAsString("S");
    cds->Post();
    EXPECT_EQ(cellImage(1, 1), cellImage(2, 1)) << "the grid repaints what the model changed";
}

TEST_F(QtDBGridViewTest, AClickOnAnotherRowPostsTheEditAndMovesThere) {
    load();
    showForm();
    cds->Edit();
    cds->FieldByName("IDLANCMANUAL")->SetAsString("S");
    clickCell(2, 1);
    EXPECT_EQ(grid->CurrentRow(), 2);
    EXPECT_EQ(grid->SelectedIndex(), 1);
    EXPECT_EQ(cds->State(), dsBrowse);
    cds->First();
    EXPECT_EQ(value("IDLANCMANUAL"), "S");
    EXPECT_EQ(focused(), surface());
}

TEST_F(QtDBGridViewTest, ARefusedPostKeepsTheRow) {
    load();
    showForm();
    cds->BeforePost = [](TDataSet*) { Abort(); };
    cds->Edit();
    cds->FieldByName("IDLANCMANUAL")->SetAsString("S");
    clickCell(2, 1);
    EXPECT_EQ(grid->CurrentRow(), 0);
    EXPECT_EQ(cds->State(), dsEdit);
    EXPECT_TRUE(dialogs.Messages().empty());
}

TEST_F(QtDBGridViewTest, ThePickListsChoiceIsWrittenToTheField) {
    load();
    showForm();
    clickCell(0, 1);
    clickCell(0, 1);
    ASSERT_TRUE(grid->EditorMode());
    QToolButton* button = gridView()->EditorButton();
    ASSERT_TRUE(button->isVisible());
    EXPECT_EQ(focused(), gridView()->EditorWidget());
    EXPECT_EQ(gridView()->EditorWidget()->text(), "Sim");
    QTest::mouseClick(button, Qt::LeftButton);
    QListWidget* list = gridView()->PickList();
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->count(), 2);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(1)).center());
    EXPECT_EQ(value("IDLIBERADO"), "N");
    EXPECT_EQ(cds->State(), dsEdit);
    EXPECT_EQ(gridView()->EditorWidget()->text(), "Não");
    ProcessPending();
    EXPECT_EQ(gridView()->PickList(), nullptr) << "the list closes after the choice";
}

// Escape closes the open pick list and changes nothing; the editor keeps the keyboard.
TEST_F(QtDBGridViewTest, EscapeClosesThePickListWithoutAChoice) {
    load();
    showForm();
    clickCell(0, 1);
    clickCell(0, 1);
    ASSERT_TRUE(grid->EditorMode());
    QTest::keyClick(gridView()->EditorWidget(), Qt::Key_F4);
    QListWidget* list = gridView()->PickList();
    ASSERT_NE(list, nullptr);
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Escape);
    ProcessPending();
    EXPECT_EQ(gridView()->PickList(), nullptr) << "Escape closed the list";
    EXPECT_EQ(value("IDLIBERADO"), "S");
    EXPECT_EQ(gridView()->EditorWidget()->text(), "Sim");
    EXPECT_TRUE(grid->EditorMode());
}

// Each in-place editor, a click into its text: the editor stays, the grid on its cell.
class QtDBGridEditorClickTest : public QtDBGridViewTest, public testing::WithParamInterface<int> {};

TEST_P(QtDBGridEditorClickTest, AClickIntoTheOpenEditorsTextKeepsItOpenOnItsCell) {
    load();
    showForm();
    const int column = GetParam();
    grid->Columns()[0]->SetReadOnly(false);
    clickCell(1, column);
    clickCell(1, column);
    ASSERT_TRUE(grid->EditorMode());
    QLineEdit* editor = gridView()->EditorWidget();
    for (const QPoint at : {editor->rect().center(), QPoint(2, editor->height() / 2)}) {
        QTest::mouseClick(editor, Qt::LeftButton, {}, at);
        ProcessPending();
        ASSERT_TRUE(grid->EditorMode());
        EXPECT_EQ(grid->CurrentRow(), 1);
        EXPECT_EQ(grid->SelectedIndex(), column);
        EXPECT_EQ(focused(), gridView()->EditorWidget());
    }
    QTest::mouseDClick(editor, Qt::LeftButton, {}, editor->rect().center());
    ProcessPending();
    EXPECT_TRUE(grid->EditorMode());
}

INSTANTIATE_TEST_SUITE_P(Columns, QtDBGridEditorClickTest, testing::Values(0, 1, 2),
                         [](const auto& p) {
                             return p.param == 0 ? std::string("PlainText")
                                                 : "PickList" + std::to_string(p.param);
                         });

// dgColumnResize: the person drags a title's right edge; the model's column takes the width,
// never below the minimum, and the drag clicks no cell.
TEST_F(QtDBGridViewTest, DraggingATitlesEdgeResizesTheColumn) {
    grid->SetOptions(grid->Options() | dgColumnResize);
    load();
    showForm();
    const QRect title = cellRect(-1, 1);
    const QPoint edge(title.right() + 1, title.center().y());
    const int before = grid->Columns()[1]->Width();
    QTest::mousePress(surface(), Qt::LeftButton, {}, edge);
    QMouseEvent move(QEvent::MouseMove, edge + QPoint(40, 0), surface()->mapToGlobal(edge),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(surface(), &move);
    QTest::mouseRelease(surface(), Qt::LeftButton, {}, edge + QPoint(40, 0));
    EXPECT_EQ(grid->Columns()[1]->Width(), before + 40);
    EXPECT_EQ(grid->SelectedIndex(), 0) << "no cell was clicked";

    QTest::mousePress(surface(), Qt::LeftButton, {}, edge + QPoint(40, 0));
    QMouseEvent shrink(QEvent::MouseMove, QPoint(0, edge.y()), surface()->mapToGlobal(edge),
                       Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(surface(), &shrink);
    QTest::mouseRelease(surface(), Qt::LeftButton, {}, QPoint(0, edge.y()));
    EXPECT_EQ(grid->Columns()[1]->Width(), TDBGrid::MinColumnWidth);
}

TEST_F(QtDBGridViewTest, TypingIntoTheEditorGoesThroughTheModel) {
    load();
    showForm();
    clickCell(0, 1);
    QTest::keyClicks(surface(), "nao");
    ASSERT_TRUE(grid->EditorMode());
    EXPECT_EQ(gridView()->EditorWidget()->text(), "nao");
    QTest::keyClick(gridView()->EditorWidget(), Qt::Key_Down);
    cds->First();
    EXPECT_EQ(value("IDLIBERADO"), "n");
    clickCell(0, 0);
    QTest::keyClicks(surface(), "x");
    EXPECT_EQ(value("OPERACAO"), "01 - Venda") << "the read-only column refuses typing";
}

struct DownCase {
    const char* name;
    bool refuseInsert;
    int rowsAfter;
    TDataSetState stateAfter;
};

class QtDBGridDownTest : public QtDBGridViewTest, public ::testing::WithParamInterface<DownCase> {};

TEST_P(QtDBGridDownTest, DownPastTheLastRowGoesThroughTheModel) {
    load();
    if (GetParam().refuseInsert)
        cds->BeforeInsert = [](TDataSet*) { Abort(); };
    showForm();
    UserInput::Focus(*grid);
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(surface(), Qt::Key_Down);
    EXPECT_EQ(grid->RowCount(), GetParam().rowsAfter);
    EXPECT_EQ(cds->State(), GetParam().stateAfter);
    EXPECT_TRUE(dialogs.Messages().empty());
    EXPECT_EQ(focused(), gridView()->FocusWidget());
}

INSTANTIATE_TEST_SUITE_P(Append, QtDBGridDownTest,
                         ::testing::Values(DownCase{"Appends", false, 4, dsInsert},
                                           DownCase{"Refused", true, 3, dsBrowse}),
                         [](const auto& param) { return std::string(param.param.name); });

TEST_F(QtDBGridViewTest, AnOwnerDrawnPictureShowsTheCellBrushThroughItsTransparentColour) {
    TBitmap picture(16, 16, ColorToArgb(clOlive));
    for (int y = 4; y < 12; ++y)
        for (int x = 4; x < 12; ++x)
            picture.SetPixel(x, y, 0xFF000000u);
    grid->OnDrawColumnCell = [&](TObject*, const TRect& rect, int, TColumn* column,
                                 TGridDrawState) {
        if (column->FieldName() != "IDLANCMANUAL")
            return;
        TCanvas* canvas = grid->Canvas();
        canvas->FillRect(rect);
        const TRect target = Bounds(rect.Left + 39, rect.Top, picture.Width(), rect.Height());
        canvas->BrushCopy(target, picture, Bounds(0, 0, picture.Width(), rect.Height()), clOlive);
    };
    load();
    showForm();
    const QImage image = surface()->grab().toImage();
    const QPoint cell = cellRect(1, 2).topLeft() + QPoint(39, 0);
    EXPECT_EQ(image.pixelColor(cell + QPoint(1, 1)), ToQColor(clInfoBk))
        << "the olive ground takes the cell's brush";
    EXPECT_EQ(image.pixelColor(cell + QPoint(6, 6)), QColor(Qt::black));
    EXPECT_EQ(image.pixelColor(cellRect(1, 2).topLeft() + QPoint(2, 2)), ToQColor(clInfoBk))
        << "the filled cell hides its text";
}

TEST_F(QtDBGridViewTest, TheEllipsisButtonRunsTheModelsEditButtonClick) {
    load();
    int clicks = 0;
    grid->OnEditButtonClick = [&](TObject*) { ++clicks; };
    grid->Columns()[2]->SetButtonStyle(cbsEllipsis);
    showForm();
    clickCell(0, 2);
    clickCell(0, 2);
    ASSERT_TRUE(gridView()->EditorButton()->isVisible());
    EXPECT_EQ(gridView()->EditorButton()->text(), "...");
    QTest::mouseClick(gridView()->EditorButton(), Qt::LeftButton);
    EXPECT_EQ(clicks, 1);
}

TEST_F(QtDBGridViewTest, ADoubleClickRunsOnDblClick) {
    load();
    QStringList fields;
    grid->OnDblClick = [&](TObject*) { fields.append(grid->SelectedField()->FieldName()); };
    showForm();
    const QPoint at = cellRect(1, 2).center();
    QTest::mouseClick(surface(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(surface(), Qt::LeftButton, {}, at);
    QTest::mouseRelease(surface(), Qt::LeftButton, {}, at);
    EXPECT_EQ(fields, QStringList({"IDLANCMANUAL"}));
    EXPECT_EQ(grid->CurrentRow(), 1);
}

TEST_F(QtDBGridViewTest, TheScrollBarMovesTheCurrentRowWithoutAppending) {
    load(40);
    showForm();
    QScrollBar* bar = gridView()->ScrollBar();
    ASSERT_TRUE(bar->isVisible());
    EXPECT_EQ(bar->maximum(), grid->RowCount() - grid->VisibleRowCount());
    bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(grid->CurrentRow(), 1);
    EXPECT_TRUE(grid->Focused()) << "scrolling gives the grid the focus, as on the platform";
    bar->triggerAction(QAbstractSlider::SliderToMaximum);
    for (int i = 0; i < 5; ++i)
        bar->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(grid->CurrentRow(), 39);
    EXPECT_EQ(grid->RowCount(), 40);
    EXPECT_EQ(cds->State(), dsBrowse);
    EXPECT_EQ(bar->value(), grid->TopRow());
}

TEST_F(QtDBGridViewTest, AClosedDatasetShowsNoEditorAndNoRows) {
    showForm();
    clickCell(-1, 1);
    EXPECT_FALSE(gridView()->EditorWidget()->isVisible());
    EXPECT_FALSE(gridView()->ScrollBar()->isVisible());
    EXPECT_EQ(grid->SelectedField(), nullptr);
}

} // namespace
