#pragma once
// The fixture of the tests of the host's real window: everything ger-host runs, in this
// process, with real widgets on the offscreen platform.
//
// The real application server on a loopback port over a temporary demo database
// (LoopbackAppServer); the host's runtime, which opens dtmDBGeral on that database and loads
// the built libPkg_ger99500.so by path, as ger-host does; Qt's dialog service (real message
// boxes, lookup and progress windows); the main window, shown and active. Tests act with QTest
// mouse and key events on the widgets only; the model is read, never driven, by them.

#include "host/core/HostRuntime.h"
#include "host/window/HostMainWindow.h"
#include "qtview/QtDialogService.h"
#include "qtview/QtProgressWindow.h"
#include "support/LoopbackAppServer.h"

#include <QPointer>
#include <QString>
#include <gtest/gtest.h>
#include <memory>

class QWidget;

namespace ger {

class QtDBGridView;
class QtFormView;
class TClientDataSet;
class TControl;
class TDBGrid;

class HostWindowTest : public ::testing::Test {
protected:
    static void SetUpTestSuite();
    void SetUp() override;
    void TearDown() override;

    // Chooses the menu entry "Telas -> GER99500 - Tipo de Operação por Filial".
    void OpenFromMenu();
    // The window of screen GER99500 in the MDI area, or null.
    QtFormView* ScreenView() const;
    // A control of the screen by name (fails the test when there is none), and its widget.
    TControl* Control(const QString& name) const;
    QWidget* WidgetOf(const QString& name) const;
    // The widget that holds Qt's focus when the control has the model's.
    QWidget* FocusWidgetOf(const QString& name) const;
    TDBGrid* Grid() const;
    QtDBGridView* GridView() const;
    TClientDataSet* BranchDataSet() const;

    // Types into the widget that has Qt's focus, as a person at the keyboard.
    static void Type(const QString& text);
    static void Press(int key);
    static QWidget* Focused();
    // A modal dialog's widget of a component of its form, or null.
    static QWidget* DialogWidget(QWidget* modal, const QString& name);
    // Where a key for the dialog goes: its focused widget, or the dialog itself while none of
    // its widgets has the focus (a window that just closed over it may have taken it along).
    static QWidget* KeyTarget(QWidget* modal);
    // Clicks the centre of a cell of the grid (display row, column).
    void ClickCell(int row, int column) const;
    // The display row whose operation starts with `code`, or -1.
    int RowOf(const QString& code) const;

    std::unique_ptr<LoopbackAppServer> server;
    std::unique_ptr<HostRuntime> runtime;
    std::unique_ptr<QtDialogService> dialogs;
    std::unique_ptr<HostMainWindow> window;
};

} // namespace ger
