#include "HostWindowTest.h"

#include "framework/HostSettings.h"
#include "host/core/HostOptions.h"
#include "platform/db/TClientDataSet.h"
#include "platform/forms/TApplication.h"
#include "platform/forms/TCustomForm.h"
#include "platform/forms/TScreen.h"
#include "platform/forms/grid/TDBGrid.h"
#include "qtview/QtControlView.h"
#include "qtview/QtDBGridView.h"
#include "qtview/QtFormView.h"
#include "support/qt/QtTestApplication.h"

#include <QAction>
#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QTest>

namespace ger {

void HostWindowTest::SetUpTestSuite() {
    qttest::EnsureApplication("test_host_window");
}

void HostWindowTest::SetUp() {
    server = std::make_unique<LoopbackAppServer>(SqlDialect::Oracle,
                                                 LoopbackAppServer::DataModule::LeftToHost);
    HostOptions options;
    options.settings = HostSettings::Current();
    options.modulePath = QStringLiteral(GER_MODULE_LIBRARY);
    runtime = std::make_unique<HostRuntime>(options);
    dialogs = std::make_unique<QtDialogService>();
    window = std::make_unique<HostMainWindow>(*runtime, options.settings.databasePath);
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
}

// The order of ger-host's end: the window, then the runtime (screens, module, data module).
void HostWindowTest::TearDown() {
    window.reset();
    runtime.reset();
    dialogs.reset();
    Application().SetMainForm(nullptr);
    Screen().SetCursor(crDefault);
    qttest::ProcessPending();
    server.reset();
}

void HostWindowTest::OpenFromMenu() {
    const QString entry = QString::fromUtf8("GER99500 - Tipo de Operação por Filial");
    for (QAction* menu : window->menuBar()->actions())
        if (menu->menu() && QString(menu->text()).remove(QLatin1Char('&')) == "Telas")
            for (QAction* action : menu->menu()->actions())
                if (QString(action->text()).remove(QLatin1Char('&')) == entry) {
                    action->trigger();
                    qttest::ProcessPending();
                    return;
                }
    ADD_FAILURE() << "no menu entry Telas -> " << entry.toStdString();
}

QtFormView* HostWindowTest::ScreenView() const {
    for (QMdiSubWindow* frame : window->MdiArea()->subWindowList()) {
        auto* view = qobject_cast<QtFormView*>(frame->widget());
        if (view && view->Form() && view->Form()->Name() == QLatin1String("frmTpOperFil"))
            return view;
    }
    return nullptr;
}

TControl* HostWindowTest::Control(const QString& name) const {
    QtFormView* view = ScreenView();
    TControl* control = view ? dynamic_cast<TControl*>(view->Form()->FindComponent(name)) : nullptr;
    EXPECT_NE(control, nullptr) << "screen GER99500 has no control " << name.toStdString();
    return control;
}

QWidget* HostWindowTest::WidgetOf(const QString& name) const {
    TControl* control = Control(name);
    return control ? ScreenView()->WidgetOf(control) : nullptr;
}

TDBGrid* HostWindowTest::Grid() const {
    return dynamic_cast<TDBGrid*>(Control(QStringLiteral("dbgPadrao")));
}

QWidget* HostWindowTest::FocusWidgetOf(const QString& name) const {
    TControl* control = Control(name);
    QtControlView* view = control ? ScreenView()->FindView(control) : nullptr;
    return view ? view->FocusWidget() : nullptr;
}

QtDBGridView* HostWindowTest::GridView() const {
    TDBGrid* grid = Grid();
    return grid ? qobject_cast<QtDBGridView*>(ScreenView()->FindView(grid)) : nullptr;
}

TClientDataSet* HostWindowTest::BranchDataSet() const {
    QtFormView* view = ScreenView();
    return view ? dynamic_cast<TClientDataSet*>(
                      view->Form()->FindComponent(QStringLiteral("cdsTpOperFil")))
                : nullptr;
}

void HostWindowTest::Type(const QString& text) {
    QTest::keyClicks(Focused(), text);
}

void HostWindowTest::Press(int key) {
    QTest::keyClick(Focused(), static_cast<Qt::Key>(key));
}

QWidget* HostWindowTest::Focused() {
    return QApplication::focusWidget();
}

QWidget* HostWindowTest::DialogWidget(QWidget* modal, const QString& name) {
    auto* view = modal->findChild<QtFormView*>();
    if (!view || !view->Form())
        return nullptr;
    return view->WidgetOf(dynamic_cast<TControl*>(view->Form()->FindComponent(name)));
}

QWidget* HostWindowTest::KeyTarget(QWidget* modal) {
    QWidget* focused = QApplication::focusWidget();
    return focused && focused->window() == modal ? focused : modal;
}

void HostWindowTest::ClickCell(int row, int column) const {
    QtDBGridView* view = GridView();
    ASSERT_NE(view, nullptr);
    const QRect cell = Grid()->CellRect(row, column).ToQRect().translated(view->ClientOrigin());
    QTest::mouseClick(ScreenView()->WidgetOf(Grid()), Qt::LeftButton, {}, cell.center());
}

int HostWindowTest::RowOf(const QString& code) const {
    const TDBGrid* grid = Grid();
    for (int row = 0; grid && row < grid->RowCount(); ++row)
        if (grid->DisplayText(row, 0).startsWith(code + QLatin1Char(' ')))
            return row;
    return -1;
}

} // namespace ger
