// Screen GER99500 in the host's real window, used with the keyboard and the mouse: the branch
// typed or looked up, its check, the grid it fills, and a row's change written to the server.

#include "HostWindowTest.h"
#include "framework/BaseScreenForm.h"
#include "platform/db/TClientDataSet.h"
#include "platform/db/TStringField.h"
#include "platform/forms/Dispatch.h"
#include "platform/forms/TCustomForm.h"
#include "platform/forms/grid/TColumn.h"
#include "platform/forms/grid/TDBGrid.h"
#include "qtview/QtColors.h"
#include "qtview/QtDBGridView.h"
#include "qtview/QtFormView.h"
#include "qtview/QtLookupDialog.h"
#include "support/qt/ModalWindow.h"
#include "support/qt/QtTestApplication.h"

#include <QApplication>
#include <QFontMetrics>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMessageBox>
#include <QScrollArea>
#include <QScrollBar>
#include <QTableView>
#include <QTest>
#include <QToolButton>
#include <gmock/gmock.h>

using namespace ger;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

namespace {

constexpr int ColLiberado = 1;

class MainScreenWindowTest : public HostWindowTest {
protected:
    QString BranchName(const QString& code) const {
        return server->Scalar(
            QStringLiteral("SELECT NMFILIAL FROM FILIAL WHERE CDFILIAL = '%1'").arg(code));
    }
    QString Stored(const QString& branch, const QString& type, const QString& column) const {
        return server->StoredBranchType(branch, type, column);
    }
    QString EditText(const QString& name) const {
        auto* edit = qobject_cast<QLineEdit*>(WidgetOf(name));
        return edit ? edit->text() : QStringLiteral("<no line edit>");
    }

    // Opens the screen from the menu, types the branch where the focus is and leaves with Tab.
    void OpenAndTypeBranch(const QString& branch) {
        OpenFromMenu();
        ASSERT_NE(ScreenView(), nullptr);
        ASSERT_EQ(Focused(), WidgetOf(QStringLiteral("medFilial")));
        Type(branch);
        Press(Qt::Key_Tab);
    }
};

TEST_F(MainScreenWindowTest, TheMenuOpensTheScreenInTheMdiAreaOnce) {
    EXPECT_EQ(window->windowTitle(), "GER - empresa.db");
    OpenFromMenu();
    QtFormView* view = ScreenView();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->windowTitle(), QString::fromUtf8("Tipo de Operação por Filial"));
    EXPECT_TRUE(view->isVisible());
    EXPECT_EQ(Focused(), WidgetOf(QStringLiteral("medFilial")));
    OpenFromMenu();
    EXPECT_EQ(window->MdiArea()->subWindowList().size(), 1) << "a second choice brings it back";
}

// The menu without the mouse: F10 opens it, its entries have mnemonics, and the screen has a
// shortcut of its own that works from inside a screen too.
TEST_F(MainScreenWindowTest, TheMenuAndTheScreenAreReachedByKeyboard) {
    QTest::keyClick(window.get(), Qt::Key_F10);
    qttest::ProcessPending();
    QMenu* screens = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(screens, nullptr) << "F10 opens the first menu";
    EXPECT_EQ(screens->title(), "&Telas");
    ASSERT_NE(screens->activeAction(), nullptr) << "Enter would choose nothing";
    EXPECT_EQ(screens->activeAction(), screens->actions().constFirst());
    QTest::keyClick(screens, Qt::Key_G);
    qttest::ProcessPending();
    ASSERT_NE(ScreenView(), nullptr) << "G chooses GER99500";
    EXPECT_EQ(Focused(), WidgetOf(QStringLiteral("medFilial")));

    TCustomForm* form = ScreenView()->Form();
    Dispatch([form] { form->Close(); });
    qttest::ProcessPending();
    ASSERT_EQ(ScreenView(), nullptr);
    QTest::keyClick(window.get(), Qt::Key_1, Qt::ControlModifier);
    qttest::ProcessPending();
    ASSERT_NE(ScreenView(), nullptr) << "Ctrl+1 opens GER99500";
    QTest::keyClick(Focused(), Qt::Key_F10);
    qttest::ProcessPending();
    EXPECT_NE(qobject_cast<QMenu*>(QApplication::activePopupWidget()), nullptr)
        << "F10 from inside the screen";
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
}

TEST_F(MainScreenWindowTest, ChoosingTheScreenAgainRestoresItWhenMinimised) {
    OpenFromMenu();
    ASSERT_NE(ScreenView(), nullptr);
    QMdiSubWindow* frame = window->MdiArea()->subWindowList().value(0);
    ASSERT_NE(frame, nullptr);
    frame->showMinimized();
    qttest::ProcessPending();
    ASSERT_TRUE(frame->isMinimized());
    EXPECT_EQ(ScreenView()->Form()->WindowState(), wsMinimized) << "the model knows it";
    OpenFromMenu();
    EXPECT_FALSE(frame->isMinimized());
    EXPECT_EQ(ScreenView()->Form()->WindowState(), wsNormal);
    EXPECT_EQ(window->MdiArea()->activeSubWindow(), frame);
}

// A maximised screen gives its grid the room (more rows shown); a frame smaller than the
// toolbar and the branch panel scrolls instead of squeezing them.
TEST_F(MainScreenWindowTest, TheGridFollowsTheWindowsSizeAndASmallWindowScrolls) {
    OpenAndTypeBranch(QStringLiteral("0001"));
    QMdiSubWindow* frame = window->MdiArea()->subWindowList().value(0);
    ASSERT_NE(frame, nullptr);
    const int rowsBefore = Grid()->VisibleRowCount();
    const int heightBefore = Grid()->Height();
    window->resize(1200, 900);
    frame->showMaximized();
    qttest::ProcessPending();
    EXPECT_GT(Grid()->Height(), heightBefore);
    EXPECT_GT(Grid()->VisibleRowCount(), rowsBefore);
    EXPECT_EQ(GridView()->Widget()->height(), Grid()->Height()) << "the widget follows the model";

    frame->showNormal();
    frame->resize(300, 120);
    qttest::ProcessPending();
    TCustomForm* form = ScreenView()->Form();
    EXPECT_EQ(form->Height(), form->MinimumExtent().height());
    auto* scroll = ScreenView()->findChild<QScrollArea*>();
    ASSERT_NE(scroll, nullptr);
    EXPECT_TRUE(scroll->verticalScrollBar()->isVisible());
    EXPECT_EQ(Control(QStringLiteral("panFilial"))->Height(), 41)
        << "the branch panel keeps its size";
}

// Every column title fits its column at the designed width, with the grid's text margin of
// 2 pixels on either side.
TEST_F(MainScreenWindowTest, NoColumnTitleIsCutAtTheDesignedWidths) {
    OpenAndTypeBranch(QStringLiteral("0001"));
    const QFontMetrics metrics(ToQFont(Grid()->TitleFont()));
    for (int i = 0; i < Grid()->Columns().Count(); ++i)
        EXPECT_LE(metrics.horizontalAdvance(Grid()->TitleText(i)) + 4,
                  Grid()->Columns()[i]->Width())
            << Grid()->TitleText(i).toStdString();
}

// Closing the application with a row being edited asks, as closing the screen does: Cancel
// keeps everything open, No drops the change and lets the application close.
TEST_F(MainScreenWindowTest, ClosingTheApplicationWhileEditingAsksFirst) {
    OpenAndTypeBranch(QStringLiteral("0001"));
    ASSERT_TRUE(BranchDataSet()->Active());
    BranchDataSet()->Edit();
    BranchDataSet()->FieldByName(QStringLiteral("IDLIBERADO"))->SetAsString(QStringLiteral("N"));
    QString asked;
    qttest::WhenModal([&asked](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr);
        asked = box->text();
        qttest::PressButton(box, QStringLiteral("Cancelar"));
    });
    EXPECT_FALSE(window->close());
    EXPECT_EQ(asked, UnsavedChangeText);
    ASSERT_NE(ScreenView(), nullptr);
    EXPECT_EQ(BranchDataSet()->State(), dsEdit);

    qttest::WhenModal([](QWidget* modal) { qttest::PressButton(modal, QString::fromUtf8("Não")); });
    EXPECT_TRUE(window->close());
    qttest::ProcessPending();
    EXPECT_EQ(ScreenView(), nullptr);
    EXPECT_THAT(server->CallsOf(QStringLiteral("SetTpOperFil")), IsEmpty());
}

TEST_F(MainScreenWindowTest, EveryButtonOfTheToolbarShowsItsPictureAndHint) {
    OpenFromMenu();
    ASSERT_NE(ScreenView(), nullptr);
    const QStringList shown = {"sbtImportExport", "btnAutomatico", "sbtCancel", "sbtHelp",
                               "btpFilial"};
    for (const QString& name : shown) {
        auto* button = qobject_cast<QToolButton*>(WidgetOf(name));
        ASSERT_NE(button, nullptr) << name.toStdString();
        EXPECT_TRUE(button->isVisible()) << name.toStdString();
        EXPECT_FALSE(button->icon().isNull()) << name.toStdString() << " has no picture";
        EXPECT_FALSE(button->toolTip().isEmpty()) << name.toStdString() << " has no hint";
        EXPECT_EQ(button->focusPolicy(), Qt::NoFocus) << name.toStdString();
    }
}

TEST_F(MainScreenWindowTest, TypingABranchAndLeavingTheEditFillsTheGrid) {
    OpenAndTypeBranch(QStringLiteral("0001"));
    EXPECT_EQ(EditText(QStringLiteral("edtNmFilial")), BranchName(QStringLiteral("0001")));
    EXPECT_THAT(server->CallsOf(QStringLiteral("GetTpOperFil")),
                ElementsAre("GetTpOperFil(\"0001\")"));
    ASSERT_TRUE(BranchDataSet()->Active());
    const QString types = server->Scalar(
        QStringLiteral("SELECT COUNT(*) FROM TIPOOPERFILIAL WHERE CDFILIAL = '0001'"));
    EXPECT_EQ(QString::number(Grid()->RowCount()), types);
    EXPECT_EQ(Focused(), FocusWidgetOf(QStringLiteral("pgcTipoOperFili")))
        << "the focus goes on to the next control of the tab order, the page control";
    EXPECT_GE(RowOf(QStringLiteral("01")), 0);
}

// The grid keeps Tab for its cells; Ctrl+Tab leaves it in the real window too (the MDI area
// must not take the key for switching windows), and Enter in the branch edit moves on as Tab.
TEST_F(MainScreenWindowTest, CtrlTabLeavesTheGridAndEnterLeavesTheBranchEdit) {
    OpenFromMenu();
    ASSERT_EQ(Focused(), WidgetOf(QStringLiteral("medFilial")));
    Type(QStringLiteral("0001"));
    Press(Qt::Key_Return);
    ASSERT_TRUE(BranchDataSet()->Active()) << "Enter left the branch panel, which loaded the list";
    Press(Qt::Key_Tab);
    ASSERT_TRUE(Grid()->Focused());
    Press(Qt::Key_Tab);
    EXPECT_TRUE(Grid()->Focused()) << "Tab moves between the grid's cells";
    QTest::keyClick(Focused(), Qt::Key_Tab, Qt::ControlModifier);
    qttest::ProcessPending();
    EXPECT_FALSE(Grid()->Focused());
    EXPECT_EQ(ScreenView()->Form()->FocusedControl()->Name(), "medFilial")
        << "the tab order wraps to the branch edit";
}

TEST_F(MainScreenWindowTest, AFailedCheckShowsItsMessageAndKeepsTheFocusInTheEdit) {
    OpenFromMenu();
    ASSERT_EQ(Focused(), WidgetOf(QStringLiteral("medFilial")));
    Type(QStringLiteral("9999"));
    QString shown;
    qttest::WhenModal([&shown](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr);
        shown = box->text();
        qttest::PressButton(box, QStringLiteral("OK"));
    });
    Press(Qt::Key_Tab);
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get())) << "the window is active again";
    EXPECT_EQ(shown, QString::fromUtf8("Filial não cadastrada."));
    EXPECT_EQ(Focused(), WidgetOf(QStringLiteral("medFilial")));
    EXPECT_EQ(EditText(QStringLiteral("medFilial")), "9999");
    EXPECT_FALSE(BranchDataSet()->Active()) << "no list was fetched";
    EXPECT_THAT(server->CallsOf(QStringLiteral("GetTpOperFil")), IsEmpty());
}

TEST_F(MainScreenWindowTest, NaoInThePickListAndDownWriteTheRowToTheServer) {
    OpenAndTypeBranch(QStringLiteral("0001"));
    const int row = RowOf(QStringLiteral("01"));
    ASSERT_GE(row, 0);
    ASSERT_EQ(Stored("0001", "01", "IDLIBERADO"), "S");
    const QString lancManual = Stored("0001", "01", "IDLANCMANUAL");
    const QString endereco = Stored("0001", "01", "IDENDEMISTPOPFIL");
    server->ClearCalls();

    ClickCell(row, ColLiberado);
    ClickCell(row, ColLiberado);
    QtDBGridView* grid = GridView();
    ASSERT_TRUE(grid->EditorButton()->isVisible()) << "the pick list's arrow";
    QTest::mouseClick(grid->EditorButton(), Qt::LeftButton);
    QListWidget* list = grid->PickList();
    ASSERT_NE(list, nullptr);
    ASSERT_EQ(list->count(), 2);
    ASSERT_EQ(list->item(1)->text(), QString::fromUtf8("Não"));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(1)).center());
    EXPECT_EQ(grid->EditorWidget()->text(), QString::fromUtf8("Não"));
    EXPECT_THAT(server->Calls(), IsEmpty()) << "nothing is written before the row is left";

    QTest::keyClick(grid->EditorWidget(), Qt::Key_Down);
    EXPECT_THAT(server->CallsOf(QStringLiteral("SetTpOperFil")),
                ElementsAre(QStringLiteral("SetTpOperFil(\"01\", \"0001\", \"N\", \"%1\", \"%2\", "
                                           "var \"\")")
                                .arg(lancManual, endereco)));
    EXPECT_EQ(Stored("0001", "01", "IDLIBERADO"), "N");
    EXPECT_EQ(BranchDataSet()->State(), dsBrowse);
    EXPECT_EQ(BranchDataSet()->ChangeCount(), 0) << "the reloaded list has no pending change";
    EXPECT_EQ(Grid()->DisplayText(row, ColLiberado), QString::fromUtf8("Não"));
    EXPECT_FALSE(dialogs->ProgressWindow()) << "the progress window went after the write";
}

TEST_F(MainScreenWindowTest, ABranchChosenInTheLookupIsLoadedWhenTheEditIsLeft) {
    OpenAndTypeBranch(QStringLiteral("0001"));
    ASSERT_TRUE(BranchDataSet()->Active());
    server->ClearCalls();
    qttest::WhenModal([](QWidget* modal) {
        auto* lookup = qobject_cast<QtLookupDialog*>(modal);
        ASSERT_NE(lookup, nullptr);
        QTest::keyClicks(lookup->SearchBox(), "0101");
        ASSERT_EQ(lookup->Table()->model()->rowCount(), 1);
        qttest::PressButton(lookup, QStringLiteral("OK"));
    });
    QTest::mouseClick(WidgetOf(QStringLiteral("btpFilial")), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get())) << "the window is active again";
    EXPECT_EQ(EditText(QStringLiteral("medFilial")), "0101");
    EXPECT_EQ(Focused(), WidgetOf(QStringLiteral("medFilial")));
    EXPECT_FALSE(BranchDataSet()->Active()) << "entering the edit closed the old list";
    EXPECT_THAT(server->Calls(), IsEmpty());

    Press(Qt::Key_Tab);
    EXPECT_THAT(server->CallsOf(QStringLiteral("GetTpOperFil")),
                ElementsAre("GetTpOperFil(\"0101\")"));
    EXPECT_EQ(EditText(QStringLiteral("edtNmFilial")), BranchName(QStringLiteral("0101")));
    EXPECT_TRUE(BranchDataSet()->Active());
}

TEST_F(MainScreenWindowTest, TheAutomaticRegistrationOpensAsAModalWindowAndClosesBackToTheScreen) {
    OpenFromMenu();
    ASSERT_NE(ScreenView(), nullptr);
    QString title;
    qttest::WhenModal([&title](QWidget* modal) {
        title = modal->windowTitle();
        auto* view = modal->findChild<QtFormView*>();
        ASSERT_NE(view, nullptr);
        auto* close =
            dynamic_cast<TControl*>(view->Form()->FindComponent(QStringLiteral("sbtCancel")));
        ASSERT_NE(close, nullptr);
        QTest::mouseClick(view->WidgetOf(close), Qt::LeftButton);
    });
    QTest::mouseClick(WidgetOf(QStringLiteral("btnAutomatico")), Qt::LeftButton);
    EXPECT_EQ(title, QString::fromUtf8("Cadastramento Automático de Tipo de Operação por Filial"));
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get())) << "the window is active again";
    EXPECT_EQ(Focused(), WidgetOf(QStringLiteral("medFilial")));
}

TEST_F(MainScreenWindowTest, EscapeClosesTheAutomaticRegistrationBackToTheScreen) {
    OpenFromMenu();
    ASSERT_NE(ScreenView(), nullptr);
    bool opened = false;
    qttest::WhenModal([&opened](QWidget* modal) {
        opened = true;
        // The dialog's shell has no control that takes the focus: the key goes to its window.
        QTest::keyClick(modal->focusWidget() ? modal->focusWidget() : modal, Qt::Key_Escape);
    });
    QTest::mouseClick(WidgetOf(QStringLiteral("btnAutomatico")), Qt::LeftButton);
    EXPECT_TRUE(opened);
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get())) << "the dialog closed";
    EXPECT_EQ(Focused(), WidgetOf(QStringLiteral("medFilial")));
}

} // namespace
