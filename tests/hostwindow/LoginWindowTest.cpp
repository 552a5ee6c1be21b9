// A server that asks who connects: the desktop asks the person once, by keyboard, and every
// later connection of the run uses what the server admitted.

#include "HostWindowTest.h"
#include "host/window/LoginDialog.h"
#include "platform/db/TClientDataSet.h"
#include "support/qt/ModalWindow.h"
#include "support/qt/QtTestApplication.h"

#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMessageBox>
#include <QTest>

using namespace ger;

namespace {

class LoginWindowTest : public HostWindowTest {
protected:
    void SetUp() override {
        HostWindowTest::SetUp();
        server->RequireLogin(QStringLiteral("maria"), QStringLiteral("segredo"));
        runtime->SetLoginPrompt(LoginDialog::Ask);
    }

    // Answers the login dialog with `user` and `password` typed and Enter, noting its reason;
    // `next` is set to act on the window that comes up after it.
    void WhenAsked(const QString& user, const QString& password,
                   std::function<void(QWidget*)> next = {}) {
        qttest::WhenModal([this, user, password, next](QWidget* modal) {
            auto* dialog = qobject_cast<LoginDialog*>(modal);
            ASSERT_NE(dialog, nullptr);
            reasons.append(dialog->findChild<QLabel*>(QStringLiteral("lblMotivo"))->text());
            auto* userEdit = dialog->findChild<QLineEdit*>(QStringLiteral("edtUsuario"));
            ASSERT_TRUE(QTest::qWaitFor([userEdit] { return Focused() == userEdit; }))
                << "the user's field has the focus";
            QTest::keyClicks(Focused(), user);
            QTest::keyClick(Focused(), Qt::Key_Tab);
            ASSERT_EQ(Focused(), dialog->findChild<QLineEdit*>(QStringLiteral("edtSenha")));
            QTest::keyClicks(Focused(), password);
            if (next)
                qttest::WhenModal(next);
            QTest::keyClick(Focused(), Qt::Key_Return);
        });
    }

    QStringList reasons;
};

} // namespace

TEST_F(LoginWindowTest, ThePersonIsAskedOnceAndTheScreenWorks) {
    WhenAsked(QStringLiteral("maria"), QStringLiteral("segredo"));
    OpenFromMenu();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    ASSERT_NE(ScreenView(), nullptr);
    ASSERT_EQ(reasons.size(), 1);
    EXPECT_TRUE(reasons[0].contains(QString::fromUtf8("exige usuário e senha")))
        << reasons[0].toStdString();
    ASSERT_EQ(Focused(), WidgetOf(QStringLiteral("medFilial")));
    Type(QStringLiteral("0001"));
    Press(Qt::Key_Tab);
    EXPECT_GT(BranchDataSet()->RecordCount(), 0);

    // The server forgets idle sessions and restarts: the next connection logs in unasked.
    server->Stop();
    server->Start();
    window->MdiArea()->closeAllSubWindows();
    qttest::ProcessPending();
    ASSERT_EQ(ScreenView(), nullptr);
    OpenFromMenu();
    ASSERT_NE(ScreenView(), nullptr);
    EXPECT_EQ(reasons.size(), 1);
}

TEST_F(LoginWindowTest, AWrongPasswordIsAskedAgainAndEscapeGivesUp) {
    QString shown;
    WhenAsked(QStringLiteral("maria"), QStringLiteral("errada"), [this, &shown](QWidget* modal) {
        // The second request, after the wrong password: given up with Escape.
        auto* dialog = qobject_cast<LoginDialog*>(modal);
        ASSERT_NE(dialog, nullptr);
        reasons.append(dialog->findChild<QLabel*>(QStringLiteral("lblMotivo"))->text());
        EXPECT_EQ(dialog->credential().user, "maria") << "the user tried is offered again";
        auto* passwordEdit = dialog->findChild<QLineEdit*>(QStringLiteral("edtSenha"));
        ASSERT_TRUE(QTest::qWaitFor([passwordEdit] { return Focused() == passwordEdit; }))
            << "with the user given, the password's field has the focus";
        qttest::WhenModal([&shown](QWidget* box) {
            auto* message = qobject_cast<QMessageBox*>(box);
            ASSERT_NE(message, nullptr);
            shown = message->text();
            qttest::PressButton(message, QStringLiteral("OK"));
        });
        QTest::keyClick(Focused(), Qt::Key_Escape);
    });
    OpenFromMenu();
    EXPECT_TRUE(QTest::qWaitForWindowActive(window.get()));
    ASSERT_EQ(reasons.size(), 2);
    EXPECT_TRUE(reasons[1].contains(QString::fromUtf8("Usuário ou senha inválidos")));
    EXPECT_TRUE(shown.contains(QString::fromUtf8("recusou o acesso"))) << shown.toStdString();
    EXPECT_EQ(ScreenView(), nullptr);
}
