// The page "Tipo de Operação por Cliente" of screen GER99500 in the host's real window: laid
// out as its form data says, and used by keyboard and by mouse against the real server.

#include "HostWindowTest.h"
#include "platform/db/TClientDataSet.h"
#include "platform/forms/TControl.h"
#include "platform/forms/TCustomForm.h"
#include "platform/forms/grid/TDBGrid.h"
#include "qtview/QtDBGridView.h"
#include "qtview/QtFormView.h"
#include "qtview/QtLookupDialog.h"
#include "qtview/QtPageControlView.h"
#include "support/qt/ModalWindow.h"

#include <QAbstractItemModel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTabBar>
#include <QTableView>
#include <QTest>
#include <QToolButton>
#include <gmock/gmock.h>

using namespace ger;
using ::testing::ElementsAre;

namespace {

const QString MariaNumber = QStringLiteral("92090028068");
const QString MariaCode = QStringLiteral("000000000000000000001");

class ClientPageWindowTest : public HostWindowTest {
protected:
    TDBGrid* ClientGrid() const {
        return dynamic_cast<TDBGrid*>(Control(QStringLiteral("dbgTipoOperCli")));
    }
    QtDBGridView* ClientGridView() const {
        return qobject_cast<QtDBGridView*>(ScreenView()->FindView(ClientGrid()));
    }
    TClientDataSet* ClientDataSet() const {
        return dynamic_cast<TClientDataSet*>(
            ScreenView()->Form()->FindComponent(QStringLiteral("cdsTpOperCli")));
    }
    QString StoredTypes() const {
        return server->Scalar(
            QStringLiteral("SELECT group_concat(CDTIPOOPER, ' ') FROM (SELECT CDTIPOOPER FROM "
                           "TIPOOPERCLIENTE WHERE CDFILIAL = '0001' AND CDCLIENTE = '%1' ORDER "
                           "BY 1)")
                .arg(MariaCode));
    }
    bool Enabled(const char* name) const { return WidgetOf(QLatin1String(name))->isEnabled(); }
    // Incluir, Excluir, Cancelar, Confirmar as the window shows them: "1 1 0 0".
    QString Toolbar() const {
        QStringList states;
        for (const char* name : {"sbtIncluir", "sbtExcluir", "sbtCancelar", "sbtImportExport"})
            states.append(Enabled(name) ? "1" : "0");
        return states.join(' ');
    }
    bool EllipsisShown() const {
        QToolButton* button = ClientGridView()->EditorButton();
        return button->isVisible() && button->text() == "...";
    }

    // Branch 0001 loaded, the client page chosen with a click on its tab, the client typed and
    // the grid entered with Tab.
    void OpenOnMaria() {
        OpenFromMenu();
        ASSERT_NE(ScreenView(), nullptr);
        Type(QStringLiteral("0001"));
        Press(Qt::Key_Tab);
        auto* pages = qobject_cast<QtPageControlView*>(
            ScreenView()->FindView(Control(QStringLiteral("pgcTipoOperFili"))));
        ASSERT_NE(pages, nullptr);
        QTabBar* tabs = pages->TabBar();
        QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
        ASSERT_EQ(tabs->currentIndex(), 1);
        QTest::mouseClick(WidgetOf(QStringLiteral("medCdCliente")), Qt::LeftButton);
        ASSERT_EQ(Focused(), WidgetOf(QStringLiteral("medCdCliente")));
        Type(MariaNumber);
        Press(Qt::Key_Tab);
        // The fetch's animation window has come and gone; the activation comes back to the
        // main window through the event loop.
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        ASSERT_EQ(ClientGrid()->RowCount(), 4);
        ASSERT_EQ(Focused(), FocusWidgetOf(QStringLiteral("dbgTipoOperCli")));
        server->ClearCalls();
    }

    // Answers the lookup that opens next by filtering on `type` and pressing Enter.
    static void ChooseInLookup(const QString& type, int* offered = nullptr) {
        qttest::WhenModal([type, offered](QWidget* modal) {
            auto* lookup = qobject_cast<QtLookupDialog*>(modal);
            ASSERT_NE(lookup, nullptr);
            if (offered)
                *offered = lookup->Table()->model()->rowCount();
            QTest::keyClicks(lookup->SearchBox(), type);
            QTest::keyClick(lookup->SearchBox(), Qt::Key_Return);
        });
    }
    static void AnswerYes(QString* asked) {
        qttest::WhenModal([asked](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            ASSERT_NE(box, nullptr);
            *asked = box->text();
            qttest::PressButton(box, QStringLiteral("Sim"));
        });
    }
};

TEST_F(ClientPageWindowTest, ThePageIsLaidOutAsItsFormDataSays) {
    OpenOnMaria();
    QWidget* grid = WidgetOf(QStringLiteral("dbgTipoOperCli"));
    QWidget* edit = WidgetOf(QStringLiteral("medCdCliente"));
    QWidget* page = WidgetOf(QStringLiteral("tshTipoOperCli"));
    EXPECT_EQ(edit->mapTo(page, QPoint(0, 0)), QPoint(56, 10));
    EXPECT_EQ(edit->size(), QSize(121, 21));
    EXPECT_EQ(WidgetOf(QStringLiteral("edtNmCliente"))->mapTo(page, QPoint(0, 0)), QPoint(204, 10));
    EXPECT_EQ(grid->mapTo(page, QPoint(0, 0)), QPoint(0, 41)) << "below the client panel";
    EXPECT_EQ(grid->width(), page->width());
    EXPECT_EQ(grid->mapTo(page, QPoint(0, grid->height())).y(), page->height());
    EXPECT_FALSE(WidgetOf(QStringLiteral("medFornecedor"))->isVisible());
    EXPECT_FALSE(WidgetOf(QStringLiteral("BtnPesquisa1"))->isVisible());
    EXPECT_EQ(ClientGrid()->CellRect(0, 1).Width(), 312);
    EXPECT_EQ(Toolbar(), "1 1 0 0");
}

// The whole round by keyboard: F2 starts a row with its code cell's editor and ellipsis,
// Ctrl+Enter opens the lookup, Ctrl+Enter confirms; Ctrl+Delete on the name column removes.
TEST_F(ClientPageWindowTest, ATypeIsAddedAndRemovedByKeyboard) {
    OpenOnMaria();
    EXPECT_FALSE(EllipsisShown());
    Press(Qt::Key_F2);
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get())) << "after the copy's animation";
    EXPECT_EQ(ClientDataSet()->State(), dsInsert);
    EXPECT_EQ(Toolbar(), "0 0 1 1");
    ASSERT_TRUE(EllipsisShown()) << "the new row's code cell is being edited";

    int offered = 0;
    ChooseInLookup(QStringLiteral("02"), &offered);
    QTest::keyClick(Focused(), Qt::Key_Return, Qt::ControlModifier);
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    EXPECT_GT(offered, 20);
    EXPECT_EQ(ClientGrid()->DisplayText(ClientGrid()->CurrentRow(), 0), "02");
    QTest::keyClick(Focused(), Qt::Key_Return, Qt::ControlModifier);
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));

    EXPECT_THAT(
        server->CallsOf(QStringLiteral("SetTipoOperCli")),
        ElementsAre(
            QStringLiteral("SetTipoOperCli(\"0001\", var \"%1\", \"02\", \"S\")").arg(MariaCode)));
    EXPECT_EQ(StoredTypes(), "01 02 10 19 28");
    EXPECT_EQ(ClientDataSet()->State(), dsBrowse);
    EXPECT_FALSE(EllipsisShown());
    EXPECT_EQ(Toolbar(), "1 1 0 0");

    Press(Qt::Key_Right);
    QString asked;
    AnswerYes(&asked);
    QTest::keyClick(Focused(), Qt::Key_Delete, Qt::ControlModifier);
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    EXPECT_EQ(asked, "Excluir registro?");
    EXPECT_EQ(StoredTypes(), "01 10 19 28");
}

TEST_F(ClientPageWindowTest, EscapeLeavesANewRowAndTheCodeColumnTakesNoTyping) {
    OpenOnMaria();
    QTest::keyClicks(Focused(), QStringLiteral("7x"));
    Press(Qt::Key_Backspace);
    EXPECT_EQ(ClientDataSet()->State(), dsBrowse);
    Press(Qt::Key_F2);
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    ASSERT_EQ(ClientDataSet()->State(), dsInsert);
    Press(Qt::Key_Escape);
    EXPECT_EQ(ClientDataSet()->State(), dsBrowse);
    EXPECT_EQ(ClientGrid()->RowCount(), 4);
    EXPECT_EQ(StoredTypes(), "01 10 19 28");
    EXPECT_EQ(Toolbar(), "1 1 0 0");
}

// By mouse: the toolbar's Incluir, the ellipsis, the confirm button, then Excluir with its
// question.
TEST_F(ClientPageWindowTest, ATypeIsAddedAndRemovedWithTheMouse) {
    OpenOnMaria();
    QTest::mouseClick(WidgetOf(QStringLiteral("sbtIncluir")), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    ASSERT_EQ(ClientDataSet()->State(), dsInsert);
    ASSERT_TRUE(EllipsisShown());
    ChooseInLookup(QStringLiteral("03"));
    QTest::mouseClick(ClientGridView()->EditorButton(), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    QTest::mouseClick(WidgetOf(QStringLiteral("sbtImportExport")), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    EXPECT_EQ(StoredTypes(), "01 03 10 19 28");
    EXPECT_FALSE(EllipsisShown());

    QString asked;
    AnswerYes(&asked);
    QTest::mouseClick(WidgetOf(QStringLiteral("sbtExcluir")), Qt::LeftButton);
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    EXPECT_EQ(asked, QString::fromUtf8("Confirma exclusão?"));
    EXPECT_EQ(StoredTypes(), "01 10 19 28");
    EXPECT_EQ(ClientGrid()->RowCount(), 4);
}

} // namespace
