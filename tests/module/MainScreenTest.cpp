#include "MainScreenTest.h"

#include "platform/db/TClientDataSet.h"
#include "platform/db/TStringField.h"
#include "platform/forms/TMaskEdit.h"
#include "platform/forms/grid/GridInput.h"
#include "platform/forms/grid/TDBGrid.h"

namespace ger {

void MainScreenTest::SetUp() {
    ScreenTest::SetUp();
    Initialize();
}

void MainScreenTest::TearDown() {
    m_user.reset();
    Finalize();
    ScreenTest::TearDown();
}

TfrmTpOperFil& MainScreenTest::OpenScreen() {
    IniProc();
    m_user = std::make_unique<ScriptedUser>(Form());
    return Form();
}

bool MainScreenTest::ChooseBranch(const QString& typed) {
    if (!User().Focus(QStringLiteral("medFilial")))
        return false;
    // As a person selects what the edit holds before typing over it.
    Form().medFilial->SelectAll();
    if (!User().Type(typed))
        return false;
    return User().Press(VK_TAB);
}

TfrmTpOperFil& MainScreenTest::OpenWithBranch0001() {
    TfrmTpOperFil& form = OpenScreen();
    EXPECT_TRUE(ChooseBranch(QStringLiteral("0001")));
    EXPECT_TRUE(form.cdsTpOperFil->Active());
    EXPECT_GT(form.cdsTpOperFil->RecordCount(), 3);
    dialogs.ClearMessages();
    server->ClearCalls();
    return form;
}

TDBGrid& MainScreenTest::Grid() const {
    return *Form().dbgPadrao;
}

int MainScreenTest::RowOf(const QString& code) const {
    const TDBGrid& grid = Grid();
    for (int row = 0; row < grid.RowCount(); ++row)
        if (grid.DisplayText(row, 0).left(2) == code)
            return row;
    return -1;
}

bool MainScreenTest::ClickCell(int row, int column) {
    if (row < 0 || row >= Grid().RowCount())
        return false;
    return GridInput::ClickCell(Grid(), row, column);
}

QString MainScreenTest::Stored(const QString& branch, const QString& type,
                               const QString& column) const {
    return server->StoredBranchType(branch, type, column);
}

} // namespace ger
