#include "qtview/QtPageControlView.h"

#include "QtViewTestSupport.h"
#include "platform/core/Exception.h"
#include "platform/forms/TEdit.h"
#include "platform/forms/TPageControl.h"
#include "platform/forms/TTabSheet.h"

#include <QTabBar>

using namespace ger;
using namespace ger::qtviewtest;

namespace {

class QtPageControlViewTest : public QtViewTest {
protected:
    void SetUp() override {
        QtViewTest::SetUp();
        pages = make<TPageControl>(form, "pgcTipoOperFili");
        pages->SetAlign(alClient);
        first = new TTabSheet(form);
        first->SetName("tshTipoOperFili");
        first->SetCaption("Tipo de operação por Filial");
        first->SetPageControl(pages);
        second = new TTabSheet(form);
        second->SetName("tshTipoOperCli");
        second->SetCaption("Tipo de Operação por Cliente");
        second->SetPageControl(pages);
        edit = make<TEdit>(first, "edtPrimeira");
        edit->SetBounds(8, 8, 100, 21);
        pages->OnChange = [this](TObject*) { log.add("change"); };
        showForm();
    }
    QTabBar* tabs() const {
        auto* pagesView = qobject_cast<QtPageControlView*>(view->FindView(pages));
        return pagesView ? pagesView->TabBar() : nullptr;
    }
    void clickTab(int index) {
        QTest::mouseClick(tabs(), Qt::LeftButton, {}, tabs()->tabRect(index).center());
    }

    TPageControl* pages = nullptr;
    TTabSheet* first = nullptr;
    TTabSheet* second = nullptr;
    TEdit* edit = nullptr;
    EventLog log;
};

TEST_F(QtPageControlViewTest, TabsShowThePagesCaptionsAndTheActivePage) {
    ASSERT_NE(tabs(), nullptr);
    ASSERT_EQ(tabs()->count(), 2);
    EXPECT_EQ(tabs()->tabText(1), "Tipo de Operação por Cliente");
    EXPECT_EQ(tabs()->currentIndex(), 0);
    EXPECT_TRUE(widgetOf(first)->isVisible());
    EXPECT_FALSE(widgetOf(second)->isVisible());
}

TEST_F(QtPageControlViewTest, ClickingATabSwitchesTheModelsPage) {
    clickTab(1);
    EXPECT_EQ(pages->ActivePage(), second);
    EXPECT_EQ(log.lines, QStringList({"change"}));
    EXPECT_EQ(tabs()->currentIndex(), 1);
    EXPECT_FALSE(widgetOf(first)->isVisible());
    EXPECT_TRUE(widgetOf(second)->isVisible());
    EXPECT_EQ(focused(), tabs()) << "the page control took the focus";
}

TEST_F(QtPageControlViewTest, ARefusedChangeLeavesTheTabWhereTheModelIs) {
    pages->OnChanging = [](TObject*, bool& allow) { allow = false; };
    clickTab(1);
    EXPECT_EQ(pages->ActivePage(), first);
    EXPECT_EQ(tabs()->currentIndex(), 0);
    EXPECT_TRUE(log.lines.isEmpty());
}

TEST_F(QtPageControlViewTest, AnExitThatAbortsKeepsThePageAndTheFocus) {
    edit->SetFocus();
    edit->OnExit = [](TObject*) { Abort(); };
    clickTab(1);
    EXPECT_EQ(pages->ActivePage(), first);
    EXPECT_EQ(tabs()->currentIndex(), 0);
    EXPECT_EQ(focused(), widgetOf(edit));
}

TEST_F(QtPageControlViewTest, HiddenTabsAndNewCaptionsFollowTheModel) {
    second->SetCaption("Cliente");
    EXPECT_EQ(tabs()->tabText(1), "Cliente");
    second->SetTabVisible(false);
    EXPECT_EQ(tabs()->count(), 1);
}

TEST_F(QtPageControlViewTest, PagesSitBelowTheTabRowWhereTheModelLaysThemOut) {
    EXPECT_EQ(widgetOf(first)->geometry(), first->BoundsRect());
    EXPECT_EQ(first->Top(), 24);
}

} // namespace
