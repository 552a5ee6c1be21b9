// Screen GER99501 in the host's real window, by keyboard: opened from the toolbar, the lists
// picked in the multi-choice lookup window (F3 from the radio button "Lista", "Marcar todos",
// the filter, Space), the values in the drop-down lists, confirmed with Ctrl+Enter, which
// writes on the server and refreshes the main grid.

#include "HostWindowTest.h"
#include "platform/db/TClientDataSet.h"
#include "platform/db/TField.h"
#include "platform/forms/TCustomForm.h"
#include "qtview/QtFormView.h"
#include "qtview/QtLookupDialog.h"
#include "support/qt/ModalWindow.h"
#include "support/qt/QtTestApplication.h"

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QTableView>
#include <QTest>
#include <gmock/gmock.h>

using namespace ger;

namespace {

class BulkRegistrationWindowTest : public HostWindowTest {
protected:
    // Answers the lookup window that F3 opens: `act` marks rows, then OK.
    static void PickInLookup(QWidget* modal, std::function<void(QtLookupDialog*)> act) {
        qttest::WhenModal([act = std::move(act)](QWidget* window) {
            auto* lookup = qobject_cast<QtLookupDialog*>(window);
            ASSERT_NE(lookup, nullptr);
            act(lookup);
            qttest::PressButton(lookup, QStringLiteral("OK"));
        });
        QTest::keyClick(KeyTarget(modal), Qt::Key_F3);
        ASSERT_TRUE(QTest::qWaitForWindowActive(modal));
    }
};

} // namespace

TEST_F(BulkRegistrationWindowTest, ListsPickedByKeyboardAreWrittenWithCtrlEnter) {
    OpenFromMenu();
    Type(QStringLiteral("0001"));
    Press(Qt::Key_Tab);
    ASSERT_TRUE(BranchDataSet()->Active());
    QString success;
    qttest::WhenModal([&](QWidget* modal) {
        ASSERT_TRUE(QTest::qWaitFor([modal] { return QApplication::activeWindow() == modal; }));
        EXPECT_EQ(QApplication::focusWidget(), DialogWidget(modal, "rdbLInscEst"))
            << "the checked radio button of the first group";
        PickInLookup(modal, [](QtLookupDialog* lookup) {
            QTest::keyClicks(lookup->SearchBox(), "110042490114");
            qttest::PressButton(lookup, QStringLiteral("Marcar todos"));
        });
        QTest::keyClick(KeyTarget(modal), Qt::Key_Tab);
        ASSERT_EQ(QApplication::focusWidget(), DialogWidget(modal, "rdbLFilial"));
        PickInLookup(modal, [](QtLookupDialog* lookup) {
            QTest::keyClick(lookup->SearchBox(), Qt::Key_Down);
            QTest::keyClick(lookup->Table(), Qt::Key_Space); // the first row, 0001
        });
        QTest::keyClick(KeyTarget(modal), Qt::Key_Tab);
        ASSERT_EQ(QApplication::focusWidget(), DialogWidget(modal, "rdbLTpOper"));
        PickInLookup(modal, [](QtLookupDialog* lookup) {
            QTest::keyClicks(lookup->SearchBox(), "Venda de mercadoria");
            qttest::PressButton(lookup, QStringLiteral("Marcar todos"));
        });
        QTest::keyClick(KeyTarget(modal), Qt::Key_Tab);
        auto* liberado = qobject_cast<QComboBox*>(DialogWidget(modal, "cbbLiberado"));
        ASSERT_EQ(QApplication::focusWidget(), liberado);
        QTest::keyClick(liberado, Qt::Key_Down);
        EXPECT_EQ(liberado->currentText(), QString::fromUtf8("Não"));
        qttest::WhenModal([&success](QWidget* box) {
            if (auto* message = qobject_cast<QMessageBox*>(box))
                success = message->text();
            qttest::PressButton(box, QStringLiteral("OK"));
        });
        QTest::keyClick(KeyTarget(modal), Qt::Key_Return, Qt::ControlModifier);
    });
    QTest::mouseClick(WidgetOf(QStringLiteral("btnAutomatico")), Qt::LeftButton);
    EXPECT_EQ(success, QString::fromUtf8("Cadastramento realizado com sucesso."));
    EXPECT_EQ(server->StoredBranchType(QStringLiteral("0001"), QStringLiteral("01"),
                                       QStringLiteral("IDLIBERADO")),
              "N");
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get())) << "the screen closed";
    EXPECT_EQ(BranchDataSet()->FieldByName(QStringLiteral("IDLIBERADO"))->AsString(), "N")
        << "the main grid shows the written row";
}
