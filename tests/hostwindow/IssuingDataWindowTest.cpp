// Screen GER99502 in the host's real window, by keyboard: opened with the space bar on the
// grid's address column, the kind chosen in its drop-down list, the registration typed or looked
// up (F3), confirmed with Ctrl+Enter, which writes the row, and closed with Escape.

#include "HostWindowTest.h"
#include "platform/forms/TCustomForm.h"
#include "platform/forms/grid/TDBGrid.h"
#include "qtview/QtFormView.h"
#include "qtview/QtLookupDialog.h"
#include "support/qt/ModalWindow.h"
#include "support/qt/QtTestApplication.h"

#include <QComboBox>
#include <QLineEdit>
#include <QTableView>
#include <QTest>
#include <gmock/gmock.h>

using namespace ger;

namespace {

constexpr int ColEndereco = 3;

class IssuingDataWindowTest : public HostWindowTest {
protected:
    // Loads branch 0001 and stands on the address column of the row of `type`.
    void StandOnAddressOf(const QString& type) {
        OpenFromMenu();
        Type(QStringLiteral("0001"));
        Press(Qt::Key_Tab);
        const int row = RowOf(type);
        ASSERT_GE(row, 0);
        ClickCell(0, ColEndereco);
        for (int i = 0; i < row; ++i)
            Press(Qt::Key_Down);
        ASSERT_EQ(Grid()->CurrentRow(), row);
        ASSERT_EQ(Grid()->SelectedIndex(), ColEndereco);
    }
    QString Stored(const QString& type, const QString& column) const {
        return server->StoredBranchType(QStringLiteral("0001"), type, column);
    }
};

// Every widget of the dialog lies inside its parent: nothing of the form data is cut off.
void ExpectEveryControlInsideItsParent(QWidget* modal) {
    auto* view = modal->findChild<QtFormView*>();
    ASSERT_NE(view, nullptr);
    TCustomForm* form = view->Form();
    for (int i = 0; i < form->ComponentCount(); ++i) {
        auto* control = dynamic_cast<TControl*>(form->Components(i));
        QWidget* widget = control ? view->WidgetOf(control) : nullptr;
        if (!widget || !control->Visible() || !widget->parentWidget())
            continue;
        EXPECT_TRUE(widget->parentWidget()->rect().contains(widget->geometry()))
            << control->Name().toStdString();
    }
}

} // namespace

TEST_F(IssuingDataWindowTest, ChosenByKeyboardConfirmedWithCtrlEnterAndClosedWithEscape) {
    StandOnAddressOf(QStringLiteral("01"));
    QString title;
    qttest::WhenModal([&](QWidget* modal) {
        title = modal->windowTitle();
        ExpectEveryControlInsideItsParent(modal);
        auto* combo = qobject_cast<QComboBox*>(DialogWidget(modal, "cbbSelecaoEndereco"));
        ASSERT_NE(combo, nullptr);
        EXPECT_EQ(combo->currentText(), QString::fromUtf8("Cobrança"));
        ASSERT_TRUE(QTest::qWaitForWindowActive(modal));
        ASSERT_EQ(QApplication::focusWidget(), combo) << "the first control that takes the focus";
        for (int i = 0; i < 5; ++i)
            QTest::keyClick(combo, Qt::Key_Down);
        EXPECT_EQ(combo->currentText(), "Empresa");
        auto* registration = qobject_cast<QLineEdit*>(DialogWidget(modal, "edtInscMuni"));
        ASSERT_NE(registration, nullptr);
        EXPECT_TRUE(registration->isEnabled());
        QTest::keyClick(combo, Qt::Key_Tab);
        ASSERT_EQ(QApplication::focusWidget(), registration);
        QTest::keyClick(registration, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(registration, "40213987");
        QTest::keyClick(registration, Qt::Key_Return, Qt::ControlModifier);
        QTest::keyClick(KeyTarget(modal), Qt::Key_Escape);
    });
    Press(Qt::Key_Space);
    EXPECT_EQ(title, QString::fromUtf8("Dados para Emissão de NF"));
    EXPECT_EQ(Stored(QStringLiteral("01"), QStringLiteral("IDENDEMISTPOPFIL")), "M");
    EXPECT_EQ(Stored(QStringLiteral("01"), QStringLiteral("CDINSCMUNI")), "40213987");
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get())) << "Escape closed the dialog";
    EXPECT_TRUE(Grid()->Focused());
}

// F3 in the registration edit opens the lookup of the company's registrations; the row chosen
// there fills the edit.
TEST_F(IssuingDataWindowTest, F3InTheRegistrationOpensTheLookupOfTheCompanysRegistrations) {
    StandOnAddressOf(QStringLiteral("29"));
    QString chosen;
    int offered = -1;
    qttest::WhenModal([&](QWidget* modal) {
        auto* registration = qobject_cast<QLineEdit*>(DialogWidget(modal, "edtInscMuni"));
        ASSERT_NE(registration, nullptr);
        ASSERT_TRUE(QTest::qWaitForWindowActive(modal));
        QTest::keyClick(KeyTarget(modal), Qt::Key_Tab);
        ASSERT_EQ(QApplication::focusWidget(), registration);
        qttest::WhenModal([&](QWidget* inner) {
            auto* lookup = qobject_cast<QtLookupDialog*>(inner);
            ASSERT_NE(lookup, nullptr);
            offered = lookup->Table()->model()->rowCount();
            QTest::keyClicks(lookup->SearchBox(), "3012");
            qttest::PressButton(lookup, QStringLiteral("OK"));
        });
        QTest::keyClick(registration, Qt::Key_F3);
        chosen = registration->text();
        QTest::keyClick(KeyTarget(modal), Qt::Key_Escape);
    });
    Press(Qt::Key_Space);
    EXPECT_EQ(offered, 6) << "company 01 has six registrations";
    EXPECT_EQ(chosen, "30125897");
}
