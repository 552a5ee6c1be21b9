#pragma once
// HostMainWindow: the host's main window. An MDI area holds the module's child windows (forms
// with FormStyle fsMDIChild, as screen GER99500 is); other forms get windows of their own, and
// modal forms are shown by the dialog service. The menu "Telas" opens screen GER99500 through
// the module's IniProc, as a user action (an exception is shown, not thrown). The keyboard
// reaches it all: mnemonics, F10 for the menu bar from any widget of the window (the screens'
// controls take every other key), Ctrl+1 for the screen.
//
// Title: "GER - <database file name>".

#include <QMainWindow>

class QMdiArea;
class QMenu;

namespace ger {

class HostRuntime;
class QtScreenView;
class TCustomForm;

class HostMainWindow : public QMainWindow {
    Q_OBJECT
public:
    HostMainWindow(HostRuntime& runtime, const QString& databasePath);

    QMdiArea* MdiArea() const { return m_mdi; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Closing the application closes every screen first, as a person would one by one: a
    // screen that refuses (a change not written, Cancel) keeps the application open.
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* frameFor(TCustomForm& form);

    HostRuntime& m_runtime;
    QMdiArea* m_mdi;
    QtScreenView* m_screenView;
    QMenu* m_screens;
};

} // namespace ger
