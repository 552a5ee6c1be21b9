#include "platform/forms/TPageControl.h"

#include "FormsTestSupport.h"
#include "platform/core/Exception.h"
#include "platform/forms/TEdit.h"
#include "platform/forms/TNotebook.h"
#include "platform/forms/TPage.h"
#include "platform/forms/TTabSheet.h"
#include "script/ScriptedUser.h"

using namespace ger;
using namespace ger::formstest;

namespace {

// The main screen's two tabs: per branch (a grid) and per client (a client field).
class PageControlTest : public FormsTest {
protected:
    void SetUp() override {
        FormsTest::SetUp();
        edtTop = make<TEdit>(form, "edtTop");
        pgc = make<TPageControl>(form, "pgcTipoOperFili");
        tshFili = sheet("tshTipoOperFili");
        tshCli = sheet("tshTipoOperCli");
        dbgPadrao = make<TEdit>(tshFili, "dbgPadrao");
        medCdCliente = make<TEdit>(tshCli, "medCdCliente");
        pgc->OnChange = [this](TObject*) { log.add("change " + pgc->ActivePage()->Name()); };
        pgc->OnChanging = [this](TObject*, bool& allow) {
            log.add("changing");
            allow = allowChange;
        };
        log.trackFocus(dbgPadrao);
        log.trackFocus(medCdCliente);
    }

    TTabSheet* sheet(const QString& name) {
        auto* page = new TTabSheet(form);
        page->SetName(name);
        page->SetPageControl(pgc);
        return page;
    }

    EventLog log;
    bool allowChange = true;
    TEdit* edtTop = nullptr;
    TPageControl* pgc = nullptr;
    TTabSheet* tshFili = nullptr;
    TTabSheet* tshCli = nullptr;
    TEdit* dbgPadrao = nullptr;
    TEdit* medCdCliente = nullptr;
};

TEST_F(PageControlTest, TheFirstPageIsActiveAndOnlyTheActivePageIsVisible) {
    EXPECT_EQ(pgc->PageCount(), 2);
    EXPECT_EQ(pgc->ActivePage(), tshFili);
    EXPECT_TRUE(tshFili->Visible());
    EXPECT_FALSE(tshCli->Visible());
    form->Show();
    EXPECT_TRUE(dbgPadrao->CanFocus());
    EXPECT_FALSE(medCdCliente->CanFocus());
    EXPECT_EQ(tshFili->BoundsRect(), QRect(4, 24, pgc->Width() - 8, pgc->Height() - 28))
        << "pages fill the area below the tabs";
}

TEST_F(PageControlTest, CodeChangesThePageWithoutOnChange) {
    pgc->SetActivePageIndex(1);
    EXPECT_EQ(pgc->ActivePage(), tshCli);
    EXPECT_TRUE(tshCli->Visible());
    EXPECT_FALSE(tshFili->Visible());
    EXPECT_TRUE(log.lines.isEmpty());
}

TEST_F(PageControlTest, TheUsersSwitchAsksOnChangingThenFiresOnChange) {
    form->Show();
    ScriptedUser user(*form);
    EXPECT_TRUE(user.SelectPage("pgcTipoOperFili", "tshTipoOperCli"));
    EXPECT_TRUE(user.SelectPage("pgcTipoOperFili", "tshTipoOperCli"));
    EXPECT_EQ(log.lines, QStringList({"changing", "change tshTipoOperCli"}))
        << "choosing the page already shown changes nothing";
    EXPECT_EQ(user.FocusedName(), "pgcTipoOperFili") << "clicking a tab focuses the page control";
    allowChange = false;
    user.SelectPage("pgcTipoOperFili", "tshTipoOperFili");
    EXPECT_EQ(pgc->ActivePage(), tshCli);
}

TEST_F(PageControlTest, ArrowKeysOnTheFocusedPageControlSwitchPagesAsTheUser) {
    form->Show();
    ScriptedUser user(*form);
    user.Focus("pgcTipoOperFili");
    user.Press(VK_RIGHT);
    EXPECT_EQ(pgc->ActivePage(), tshCli);
    EXPECT_EQ(log.lines, QStringList({"changing", "change tshTipoOperCli"}));
}

TEST_F(PageControlTest, LeavingAPageThatHoldsTheFocusRunsTheExitAndARefusalKeepsThePage) {
    form->Show();
    ScriptedUser user(*form);
    user.Focus("dbgPadrao");
    dbgPadrao->OnExit = [](TObject*) { Abort(); };
    log.lines.clear();
    EXPECT_THROW(pgc->SetActivePage(tshCli), EAbort);
    EXPECT_EQ(pgc->ActivePage(), tshFili);
    EXPECT_EQ(user.FocusedName(), "dbgPadrao");

    log.trackFocus(dbgPadrao);
    pgc->SetActivePage(tshCli);
    EXPECT_EQ(pgc->ActivePage(), tshCli);
    EXPECT_EQ(log.lines, QStringList({"dbgPadrao.exit", "medCdCliente.enter"}));
    EXPECT_EQ(user.FocusedName(), "medCdCliente") << "the first control of the new page";
}

TEST_F(PageControlTest, NestedFormDataPagesBelongToTheirPageControl) {
    auto* page = new TTabSheet(form);
    page->SetParentComponent(pgc);
    EXPECT_EQ(page->PageControl(), pgc);
    EXPECT_EQ(page->PageIndex(), 2);
    EXPECT_THROW(page->SetParentComponent(form), EFormDataError);
    delete page;
    EXPECT_EQ(pgc->PageCount(), 2);
}

class NotebookTest : public FormsTest {
protected:
    void SetUp() override {
        FormsTest::SetUp();
        nbk = make<TNotebook>(form, "nbkForneCli");
        nbk->OnPageChanged = [this](TObject*) { changes++; };
        form->BeginLoading();
        TestFormDataContext context(form);
        nbk->ReadProperty(intProperty("PageIndex", 1), context);
        fornecedor = page("Fornecedor");
        cliente = page("Cliente");
        form->EndLoading();
        medFornecedor = make<TEdit>(fornecedor, "medFornecedor");
        medCdCliente = make<TEdit>(cliente, "medCdCliente");
    }

    TPage* page(const QString& caption) {
        auto* p = new TPage(form);
        p->SetCaption(caption);
        p->SetParentComponent(nbk);
        return p;
    }

    TNotebook* nbk = nullptr;
    TPage* fornecedor = nullptr;
    TPage* cliente = nullptr;
    TEdit* medFornecedor = nullptr;
    TEdit* medCdCliente = nullptr;
    int changes = 0;
};

TEST_F(NotebookTest, APageIndexReadBeforeThePagesShowsOnlyThatPage) {
    EXPECT_EQ(nbk->Pages(), QStringList({"Fornecedor", "Cliente"}));
    EXPECT_EQ(nbk->ActivePage(), "Cliente");
    EXPECT_FALSE(fornecedor->Visible());
    EXPECT_TRUE(cliente->Visible());
    form->Show();
    EXPECT_FALSE(medFornecedor->CanFocus());
    EXPECT_TRUE(medCdCliente->CanFocus());
    EXPECT_EQ(changes, 0);
}

TEST_F(NotebookTest, ChangingThePageByCodeFiresOnPageChangedAndMovesTheFocusIntoIt) {
    form->Show();
    ScriptedUser user(*form);
    user.Focus("medCdCliente");
    nbk->SetPageIndex(0);
    EXPECT_EQ(changes, 1);
    EXPECT_TRUE(fornecedor->Visible());
    EXPECT_FALSE(cliente->Visible());
    EXPECT_EQ(user.FocusedName(), "medFornecedor");
    nbk->SetPageIndex(5);
    EXPECT_EQ(nbk->PageIndex(), 0);
    EXPECT_EQ(changes, 1);
}

} // namespace
