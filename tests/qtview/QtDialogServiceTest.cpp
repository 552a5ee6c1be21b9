#include "qtview/QtDialogService.h"

#include "QtViewTestSupport.h"
#include "platform/core/Exception.h"
#include "platform/forms/TButton.h"
#include "platform/forms/TScreen.h"
#include "qtview/QtLookupDialog.h"
#include "qtview/QtModalDialog.h"
#include "qtview/QtProgressWindow.h"
#include "support/qt/ModalWindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>
#include <QWindow>
#include <functional>

using namespace ger;
using namespace ger::qtviewtest;
using ger::qttest::PressButton;
using ger::qttest::WhenModal;

namespace {

// A person's double click: a click, then the second press that Qt reports as a double click.
void doubleClick(QWidget* widget, QPoint at) {
    QTest::mouseClick(widget, Qt::LeftButton, {}, at);
    QTest::mouseDClick(widget, Qt::LeftButton, {}, at);
    QTest::mouseRelease(widget, Qt::LeftButton, {}, at);
}

class QtDialogServiceTest : public QtViewTest {
protected:
    void SetUp() override {
        QtViewTest::SetUp();
        service = std::make_unique<QtDialogService>();
    }
    void TearDown() override {
        service.reset();
        QtViewTest::TearDown();
    }
    std::unique_ptr<QtDialogService> service;
};

struct MessageCase {
    TMsgDlgType type;
    TMsgDlgButtons buttons;
    QString press;
    TModalResult expected;
    QString title;
    QStringList shownButtons;
};

class QtMessageDlgTest : public QtDialogServiceTest,
                         public ::testing::WithParamInterface<MessageCase> {};

TEST_P(QtMessageDlgTest, ShowsTheTextWithPortugueseButtonsAndReturnsTheChoice) {
    const MessageCase& c = GetParam();
    QString title;
    QString text;
    QStringList buttons;
    WhenModal([&](QWidget* window) {
        auto* box = qobject_cast<QMessageBox*>(window);
        ASSERT_NE(box, nullptr);
        title = box->windowTitle();
        text = box->text();
        for (QAbstractButton* button : box->buttons())
            buttons.append(button->text());
        PressButton(box, c.press);
    });
    const TModalResult result =
        service->MessageDlg(QString::fromUtf8("Confirma exclusão?"), c.type, c.buttons);
    EXPECT_EQ(result, c.expected);
    EXPECT_EQ(title, c.title);
    EXPECT_EQ(text, QString::fromUtf8("Confirma exclusão?"));
    buttons.sort();
    EXPECT_EQ(buttons, c.shownButtons);
}

INSTANTIATE_TEST_SUITE_P(
    Types, QtMessageDlgTest,
    ::testing::Values(
        MessageCase{mtConfirmation,
                    mbYes | mbNo,
                    "Sim",
                    mrYes,
                    QString::fromUtf8("Confirmação"),
                    {"Não", "Sim"}},
        MessageCase{mtConfirmation,
                    mbYes | mbNo,
                    "Não",
                    mrNo,
                    QString::fromUtf8("Confirmação"),
                    {"Não", "Sim"}},
        MessageCase{mtError, mbOK, "OK", mrOk, "Erro", {"OK"}},
        MessageCase{mtInformation, mbOK, "OK", mrOk, QString::fromUtf8("Informação"), {"OK"}},
        MessageCase{
            mtWarning, mbOK | mbCancel, "Cancelar", mrCancel, "Aviso", {"Cancelar", "OK"}}));

TEST_F(QtDialogServiceTest, EscapeTakesCancelOrNo) {
    WhenModal([](QWidget* box) { QTest::keyClick(box, Qt::Key_Escape); });
    EXPECT_EQ(service->MessageDlg("Cancelar operação?", mtConfirmation, mbYes | mbNo), mrNo);
}

TEST_F(QtDialogServiceTest, AnExceptionOfAUserActionIsShownInAnErrorBox) {
    auto* button = make<TButton>(form, "btnFalha");
    button->OnClick = [](TObject*) { throw Exception("Falhou"); };
    showForm();
    QString shown;
    WhenModal([&](QWidget* box) {
        shown = static_cast<QMessageBox*>(box)->text();
        PressButton(box, "OK");
    });
    click(button);
    EXPECT_EQ(shown, "Falhou.");
}

TEST_F(QtDialogServiceTest, TheWindowActiveBeforeAMessageIsActiveAgainAfterIt) {
    showForm();
    view->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(view));
    WhenModal([](QWidget* box) { PressButton(box, "OK"); });
    service->MessageDlg(QString::fromUtf8("Filial não cadastrada."), mtError, mbOK);
    EXPECT_TRUE(QTest::qWaitForWindowActive(view));
}

TEST_F(QtDialogServiceTest, RunModalShowsTheFormInAModalDialogUntilItsLoopEnds) {
    showForm();
    auto* dialogForm = new TForm(&Application());
    dialogForm->SetName("frmDialogo");
    dialogForm->SetCaption("Dados para Emissão de NF");
    dialogForm->SetBounds(0, 0, 300, 200);
    auto* ok = make<TButton>(dialogForm, "btnOk");
    ok->SetBounds(10, 10, 75, 25);
    ok->SetModalResult(mrOk);
    QString title;
    bool modal = false;
    WhenModal([&](QWidget* window) {
        auto* dialog = qobject_cast<QtModalDialog*>(window);
        ASSERT_NE(dialog, nullptr);
        title = dialog->windowTitle();
        modal = dialog->isModal();
        QWidget* button = dialog->FormView()->WidgetOf(ok);
        QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center());
    });
    EXPECT_EQ(dialogForm->ShowModal(), mrOk);
    EXPECT_EQ(title, QString::fromUtf8("Dados para Emissão de NF"));
    EXPECT_TRUE(modal);
    EXPECT_FALSE(dialogForm->Visible());
    QtFormView* dialogView = QtFormView::ViewOf(*dialogForm);
    ASSERT_NE(dialogView, nullptr);
    EXPECT_FALSE(dialogView->isVisible());
    EXPECT_TRUE(dialogView->isWindow()) << "the view is given back after the run";
}

TEST_F(QtDialogServiceTest, TheModalWindowsCloseButtonIsTheFormsClose) {
    auto* dialogForm = new TForm(&Application());
    dialogForm->SetName("frmDialogo");
    WhenModal([](QWidget* window) { window->close(); });
    EXPECT_EQ(dialogForm->ShowModal(), mrCancel);
}

LookupRequest branches(bool multiSelect) {
    LookupRequest request;
    request.title = "Filial";
    request.columnTitles = QStringList({QString::fromUtf8("Código"), "Nome"});
    request.rows = {
        {"0001", "Matriz São Paulo"}, {"0002", "Filial Rio"}, {"0003", "Filial Recife"}};
    request.multiSelect = multiSelect;
    return request;
}

TEST_F(QtDialogServiceTest, TheLookupFiltersByTheSearchTextAndReturnsTheChosenRow) {
    int shownRows = -1;
    QString header;
    WhenModal([&](QWidget* window) {
        auto* lookup = qobject_cast<QtLookupDialog*>(window);
        ASSERT_NE(lookup, nullptr);
        header = lookup->Table()->model()->headerData(0, Qt::Horizontal).toString();
        QTest::keyClicks(lookup->SearchBox(), "rio");
        shownRows = lookup->Table()->model()->rowCount();
        PressButton(lookup, "OK");
    });
    const LookupResult result = service->ShowLookup(branches(false));
    EXPECT_TRUE(result.accepted);
    EXPECT_EQ(result.rows, std::vector<int>({1}));
    EXPECT_EQ(shownRows, 1);
    EXPECT_EQ(header, QString::fromUtf8("Código"));
}

TEST_F(QtDialogServiceTest, ADoubleClickChoosesARowAndCancelChoosesNothing) {
    WhenModal([](QWidget* window) {
        auto* table = static_cast<QtLookupDialog*>(window)->Table();
        const QRect row = table->visualRect(table->model()->index(2, 1));
        doubleClick(table->viewport(), row.center());
    });
    EXPECT_EQ(service->ShowLookup(branches(false)).rows, std::vector<int>({2}));
    WhenModal([](QWidget* window) { PressButton(window, "Cancelar"); });
    EXPECT_FALSE(service->ShowLookup(branches(false)).accepted);
}

TEST_F(QtDialogServiceTest, AMultipleLookupReturnsTheCheckedRows) {
    WhenModal([](QWidget* window) {
        auto* table = static_cast<QtLookupDialog*>(window)->Table();
        for (int row : {0, 2}) {
            const QRect cell = table->visualRect(table->model()->index(row, 0));
            doubleClick(table->viewport(), cell.center());
        }
        PressButton(window, "OK");
    });
    EXPECT_EQ(service->ShowLookup(branches(true)).rows, std::vector<int>({0, 2}));
}

// A few hundred rows: the filter narrows them, "Marcar todos" and "Desmarcar todos" act on the
// rows shown only, Space and a click toggle a row's mark, and OK returns the marked rows in
// their order.
TEST_F(QtDialogServiceTest, TheMultipleLookupMarksByKeyByClickAndForTheRowsShown) {
    LookupRequest request;
    request.title = "Filial";
    request.columnTitles = QStringList({QString::fromUtf8("Código"), "Nome"});
    for (int i = 0; i < 300; ++i)
        request.rows.push_back({QStringLiteral("%1").arg(i, 4, 10, QLatin1Char('0')),
                                QStringLiteral("Filial %1").arg(i)});
    request.multiSelect = true;
    int shown = -1;
    WhenModal([&](QWidget* window) {
        auto* lookup = qobject_cast<QtLookupDialog*>(window);
        ASSERT_NE(lookup, nullptr);
        QTest::keyClicks(lookup->SearchBox(), "001"); // 0001 and 0010 to 0019
        shown = lookup->Table()->model()->rowCount();
        PressButton(lookup, QStringLiteral("Marcar todos"));
        lookup->SearchBox()->clear();
        QTest::keyClicks(lookup->SearchBox(), "0015");
        PressButton(lookup, QStringLiteral("Desmarcar todos"));
        lookup->SearchBox()->clear();
        QTest::keyClick(lookup->SearchBox(), Qt::Key_Down); // into the table, on row 1
        QTest::keyClick(lookup->Table(), Qt::Key_Space);    // 0001 unmarked
        QTableView* table = lookup->Table();
        QTest::mouseClick(table->viewport(), Qt::LeftButton, {},
                          table->visualRect(table->model()->index(2, 1)).center()); // 0002
        PressButton(lookup, "OK");
    });
    const LookupResult result = service->ShowLookup(request);
    EXPECT_EQ(shown, 11);
    EXPECT_TRUE(result.accepted);
    EXPECT_EQ(result.rows, std::vector<int>({2, 10, 11, 12, 13, 14, 16, 17, 18, 19}));
}

TEST_F(QtDialogServiceTest, TheProgressWindowComesAndGoesOverTheForm) {
    showForm();
    service->ShowProgress(form, 1, "Atualizando dados no servidor");
    QPointer<QtProgressWindow> progress = service->ProgressWindow();
    ASSERT_FALSE(progress.isNull());
    EXPECT_TRUE(progress->isVisible());
    EXPECT_EQ(progress->Text(), "Atualizando dados no servidor");
    EXPECT_EQ(progress->Kind(), 1);
    service->ShowProgress(form, 6, QString());
    EXPECT_TRUE(progress.isNull()) << "a second animation replaces the first";
    service->HideProgress();
    EXPECT_EQ(service->ProgressWindow(), nullptr);
}

// A call framed for the application's main form, which the host has none of: the animation
// stands over the active window, which keeps the activation and the keyboard when it goes.
TEST_F(QtDialogServiceTest, AnAnimationWithoutAFormLeavesTheActiveWindowActive) {
    showForm();
    QWidget* active = QApplication::activeWindow();
    ASSERT_NE(active, nullptr);
    service->ShowProgress(nullptr, 1, QString());
    ASSERT_NE(service->ProgressWindow(), nullptr);
    EXPECT_EQ(service->ProgressWindow()->parentWidget(), active);
    service->HideProgress();
    QCoreApplication::processEvents();
    EXPECT_EQ(QApplication::activeWindow(), active);
}

// While the screen waits for the server, the animation is painted and the hourglass shown
// before the call blocks; a message of the call's failure is read without the animation over
// it, and with the normal cursor.
TEST_F(QtDialogServiceTest, TheAnimationIsExposedWithTheHourglassAndGoesBeforeAMessage) {
    showForm();
    service->ShowProgress(form, 1, "Atualizando dados no servidor");
    QPointer<QtProgressWindow> progress = service->ProgressWindow();
    ASSERT_FALSE(progress.isNull());
    ASSERT_NE(progress->windowHandle(), nullptr);
    EXPECT_TRUE(progress->windowHandle()->isExposed()) << "exposed before ShowProgress returns";
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);

    bool animationGone = false;
    bool cursorNormal = false;
    WhenModal([&](QWidget* window) {
        animationGone = progress.isNull();
        cursorNormal = QGuiApplication::overrideCursor() == nullptr;
        PressButton(window, "OK");
    });
    service->MessageDlg("Não foi possível gravar a alteração: sem conexão", mtError,
                        TMsgDlgButtons(mbOK));
    EXPECT_TRUE(animationGone);
    EXPECT_TRUE(cursorNormal);
    service->HideProgress();
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(QtDialogServiceTest, TheCursorFollowsTheScreen) {
    Screen().SetCursor(crHourGlass);
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
    Screen().SetCursor(crDefault);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST_F(QtDialogServiceTest, AServiceGoneLeavesNoCursorBehind) {
    Screen().SetCursor(crHourGlass);
    service.reset();
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

} // namespace
