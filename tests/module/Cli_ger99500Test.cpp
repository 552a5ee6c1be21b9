// The life of the module's screens inside one load of the module: the main screen created once
// and re-used, its release on closing, creation failures, and the two dialogs created anew.

#include "MainScreenTest.h"
#include "module/Cli_ger99501.h"
#include "module/Cli_ger99502.h"
#include "module/TfrmDadosEmissaoNF.h"
#include "module/TfrmTpoper.h"
#include "platform/db/TClientDataSet.h"
#include "platform/forms/TApplication.h"
#include "platform/forms/TEdit.h"
#include "platform/forms/TLabel.h"
#include "platform/forms/TMaskEdit.h"
#include "platform/forms/TPageControl.h"
#include "platform/forms/TScreen.h"
#include "platform/forms/grid/GridInput.h"
#include "platform/forms/grid/TDBGrid.h"
#include "platform/net/NetExceptions.h"

#include <QPointer>
#include <gmock/gmock.h>

using namespace ger;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::SizeIs;

namespace {

int CountScreens(const QString& className) {
    int count = 0;
    for (int i = 0; i < Screen().FormCount(); ++i)
        count += Screen().Forms(i)->ClassName() == className;
    return count;
}

class ScreenLifecycleTest : public MainScreenTest {};

TEST_F(ScreenLifecycleTest, MainScreenIsTheDeclaredMdiChild) {
    TfrmTpOperFil& form = OpenScreen();
    EXPECT_EQ(form.Caption(), "Tipo de Operação por Filial");
    EXPECT_EQ(form.lblCodTela->Caption(), "GER99500");
    EXPECT_EQ(form.FormStyle(), fsMDIChild);
    EXPECT_TRUE(form.Visible());
    EXPECT_TRUE(form.Active());
    EXPECT_EQ(form.Owner(), &Application());
    EXPECT_TRUE(form.stInscMuni.isEmpty());
    EXPECT_TRUE(Cli_ger99500::boIdCriado);
    EXPECT_EQ(Screen().Cursor(), crDefault);
}

TEST_F(ScreenLifecycleTest, SecondIniProcBringsBackTheSameScreenAsLeftWithoutShowingAgain) {
    server->SetBranchSettings(true, "0101", "Horizonte Rio de Janeiro");
    TfrmTpOperFil& form = OpenScreen();
    ASSERT_TRUE(form.cdsTpOperFil->Active());
    ASSERT_TRUE(GridInput::ClickCell(Grid(), 2, 0));
    ASSERT_TRUE(User().SelectPage("pgcTipoOperFili", "tshTipoOperCli"));
    form.SetWindowState(wsMinimized);

    IniProc();

    EXPECT_EQ(Cli_ger99500::frmTpOperFil, &form);
    EXPECT_EQ(CountScreens("TfrmTpOperFil"), 1);
    EXPECT_EQ(form.WindowState(), wsNormal);
    EXPECT_TRUE(form.Active());
    EXPECT_THAT(server->CallsOf("GetTpOperFil"), SizeIs(1));
    EXPECT_EQ(form.cdsTpOperFil->RecNo(), 3);
    EXPECT_EQ(form.pgcTipoOperFili->ActivePage(), form.tshTipoOperCli);
}

TEST_F(ScreenLifecycleTest, SecondIniProcKeepsBranchTypedButNotYetChecked) {
    TfrmTpOperFil& form = OpenScreen();
    ASSERT_TRUE(User().Type("0301"));
    IniProc();
    EXPECT_EQ(form.medFilial->Text(), "0301");
    EXPECT_EQ(form.edtNmFilial->Text(), "");
}

TEST_F(ScreenLifecycleTest, ClosingMainScreenReleasesItAndNextIniProcCreatesANewOne) {
    TfrmTpOperFil& first = OpenScreen();
    ASSERT_TRUE(User().Type("0301"));
    QPointer<TfrmTpOperFil> closed = &first;

    ASSERT_TRUE(User().Close());

    EXPECT_TRUE(closed.isNull());
    EXPECT_EQ(Cli_ger99500::frmTpOperFil, nullptr);
    EXPECT_FALSE(Cli_ger99500::boIdCriado);
    TfrmTpOperFil& second = OpenScreen();
    EXPECT_EQ(CountScreens("TfrmTpOperFil"), 1);
    EXPECT_EQ(second.medFilial->Text(), "0001");
}

TEST_F(ScreenLifecycleTest, FailedConnectionLeavesNoScreenAndNextIniProcWorks) {
    server->Stop();
    EXPECT_THROW(IniProc(), ETransportError);
    EXPECT_EQ(Cli_ger99500::frmTpOperFil, nullptr);
    EXPECT_FALSE(Cli_ger99500::boIdCriado);
    EXPECT_EQ(CountScreens("TfrmTpOperFil"), 0);

    server->Start();
    TfrmTpOperFil& form = OpenScreen();
    EXPECT_TRUE(form.Visible());
    EXPECT_TRUE(Cli_ger99500::boIdCriado);
}

TEST_F(ScreenLifecycleTest, FailedShowLeavesNoScreenAndNextIniProcWorks) {
    server->SetBranchSettings(true, "9999", "Inexistente");
    EXPECT_THROW(IniProc(), ERemoteError);
    EXPECT_EQ(Cli_ger99500::frmTpOperFil, nullptr);
    EXPECT_FALSE(Cli_ger99500::boIdCriado);
    EXPECT_EQ(CountScreens("TfrmTpOperFil"), 0);

    server->SetBranchSettings(true, "0101", "Horizonte Rio de Janeiro");
    TfrmTpOperFil& form = OpenScreen();
    EXPECT_TRUE(form.cdsTpOperFil->Active());
}

TEST_F(ScreenLifecycleTest, EachAutomaticRegistrationClickCreatesANewDialogWithEmptySelections) {
    OpenWithBranch0001();
    std::vector<QPointer<TCustomForm>> shown;
    const auto script = [&](TCustomForm& dialog) {
        shown.emplace_back(&dialog);
        EXPECT_EQ(dialog.ClassName(), "TfrmTpoper");
        EXPECT_EQ(dialog.Caption(), "Cadastramento Automático de Tipo de Operação por Filial");
        EXPECT_EQ(dialog.Find<TLabel>("lblCodTela")->Caption(), "GER99501");
        for (const QString* selection :
             {&Cli_ger99501::stdInscEst, &Cli_ger99501::stdFilial, &Cli_ger99501::stdTpoOper,
              &Cli_ger99501::stdLancMan, &Cli_ger99501::stdLiber})
            EXPECT_TRUE(selection->isEmpty());
        Cli_ger99501::stdFilial = "'0001'";
        Cli_ger99501::stdLiber = "S";
        ScriptedUser(dialog).Close();
    };
    dialogs.OnModal(script);
    dialogs.OnModal(script);

    ASSERT_TRUE(User().Click("btnAutomatico"));
    ASSERT_THAT(shown, SizeIs(1));
    EXPECT_TRUE(shown[0].isNull());
    ASSERT_TRUE(User().Click("btnAutomatico"));

    EXPECT_THAT(dialogs.ModalForms(), ElementsAre("frmTpoper", "frmTpoper"));
    EXPECT_EQ(CountScreens("TfrmTpoper"), 0);
}

TEST_F(ScreenLifecycleTest, ClosedIssuingDataDialogIsReplacedByANewOneAtNextOpening) {
    OpenWithBranch0001();
    std::vector<QPointer<TCustomForm>> shown;
    const auto script = [&](TCustomForm& dialog) {
        shown.emplace_back(&dialog);
        EXPECT_EQ(Cli_ger99502::frmDadosEmissaoNF, &dialog);
        EXPECT_EQ(dialog.Find<TLabel>("lblCodTela")->Caption(), "GER99502");
        ScriptedUser(dialog).Close();
    };
    dialogs.OnModal(script);
    dialogs.OnModal(script);

    ASSERT_TRUE(GridInput::DoubleClickCell(Grid(), 0, 3));
    ASSERT_THAT(shown, SizeIs(1));
    EXPECT_TRUE(shown[0].isNull());
    EXPECT_FALSE(Cli_ger99502::boIdCriado);
    ASSERT_TRUE(GridInput::DoubleClickCell(Grid(), 1, 3));

    EXPECT_THAT(dialogs.ModalForms(), ElementsAre("frmDadosEmissaoNF", "frmDadosEmissaoNF"));
    EXPECT_EQ(CountScreens("TfrmDadosEmissaoNF"), 0);
    EXPECT_EQ(Cli_ger99502::frmDadosEmissaoNF, nullptr);
}

TEST_F(ScreenLifecycleTest, FinalizeReleasesOpenScreensAndClearsUnitState) {
    OpenWithBranch0001();
    Cli_ger99501::stdTpoOper = "'01'";

    Finalize();

    EXPECT_EQ(CountScreens("TfrmTpOperFil"), 0);
    EXPECT_EQ(Cli_ger99500::frmTpOperFil, nullptr);
    EXPECT_FALSE(Cli_ger99500::boIdCriado);
    EXPECT_FALSE(Cli_ger99502::boIdCriado);
    EXPECT_TRUE(Cli_ger99501::stdTpoOper.isEmpty());
    Initialize();
}

} // namespace
