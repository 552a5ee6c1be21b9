#include "framework/IndiceCol.h"

#include "FrameworkTestSupport.h"
#include "platform/db/TDataSource.h"
#include "platform/forms/FormsExceptions.h"
#include "platform/forms/TForm.h"
#include "platform/forms/grid/TColumn.h"
#include "platform/forms/grid/TDBGrid.h"

using namespace ger;
using namespace ger::fwtest;

namespace {

// The client grid's two declared columns, over a dataset that may be closed.
class IndiceColTest : public FrameworkTest {
protected:
    void SetUp() override {
        form = new TForm(&Application());
        grid = new TDBGrid(form);
        grid->SetName(QStringLiteral("dbgTipoOperCli"));
        grid->SetParent(form);
        grid->Columns().Add()->SetFieldName(QStringLiteral("CDTIPOOPER"));
        grid->Columns().Add()->SetFieldName(QStringLiteral("NMTIPOOPER"));
    }

    TForm* form = nullptr;
    TDBGrid* grid = nullptr;
};

TEST_F(IndiceColTest, FindsTheColumnOfTheFieldWithoutRegardToCase) {
    EXPECT_EQ(IndiceCol(grid, QStringLiteral("CDTIPOOPER")), 0);
    EXPECT_EQ(IndiceCol(grid, QStringLiteral("NMTIPOOPER")), 1);
    EXPECT_EQ(IndiceCol(grid, QStringLiteral("nmTipoOper")), 1);
}

TEST_F(IndiceColTest, FollowsTheColumnWhenItMoves) {
    grid->Columns()[1]->SetIndex(0);
    EXPECT_EQ(IndiceCol(grid, QStringLiteral("CDTIPOOPER")), 1);
    EXPECT_EQ(IndiceCol(grid, QStringLiteral("NMTIPOOPER")), 0);
}

TEST_F(IndiceColTest, AFieldWithoutColumnGivesAnIndexTheColumnsRefuse) {
    EXPECT_EQ(IndiceCol(grid, QStringLiteral("CDFILIAL")), -1);
    EXPECT_THROW(grid->Columns()[IndiceCol(grid, QStringLiteral("CDFILIAL"))], EInvalidOperation);
}

} // namespace
