#pragma once
// The fixture of the tests of screen GER99500: the real server (ScreenTest), the module
// initialised as the host does it (Initialize in SetUp, Finalize in TearDown), and helpers
// that open the screen and choose a branch as a person would.

#include "module/Cli_ger99500.h"
#include "module/Pkg_ger99500.h"
#include "module/TfrmTpOperFil.h"
#include "script/ScriptedUser.h"
#include "support/QtPrinters.h"
#include "support/ScreenTest.h"

#include <QStringList>
#include <memory>

namespace ger {

class TDBGrid;

class MainScreenTest : public ScreenTest {
protected:
    void SetUp() override;
    void TearDown() override;

    // IniProc, then the screen it opened.
    TfrmTpOperFil& OpenScreen();
    // Types the branch into medFilial and leaves the panel for the grid (Tab). The screen must
    // be open.
    bool ChooseBranch(const QString& typed);
    // Opens the screen and loads branch 0001; fails the test when the grid is not filled.
    TfrmTpOperFil& OpenWithBranch0001();

    TfrmTpOperFil& Form() const { return *Cli_ger99500::frmTpOperFil; }
    ScriptedUser& User() const { return *m_user; }
    TDBGrid& Grid() const;
    // The row whose operation type code (first two characters of OPERACAO) is `code`, moved to
    // through the grid's keys; -1 when the list has none.
    int RowOf(const QString& code) const;
    // Moves the grid to a display row and column by clicking the cell.
    bool ClickCell(int row, int column);
    // What the server stored for branch and operation type, column by name.
    QString Stored(const QString& branch, const QString& type, const QString& column) const;
    QStringList MessageTexts() const { return dialogs.Texts(); }

private:
    std::unique_ptr<ScriptedUser> m_user;
};

} // namespace ger
