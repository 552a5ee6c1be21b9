#include "host/window/HostMainWindow.h"

#include "host/core/HostRuntime.h"
#include "platform/forms/TCustomForm.h"
#include "platform/forms/UserInput.h"
#include "qtview/QtFormView.h"
#include "qtview/QtScreenView.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPointer>

namespace ger {

HostMainWindow::HostMainWindow(HostRuntime& runtime, const QString& databasePath)
    : m_runtime(runtime)
    , m_mdi(new QMdiArea(this)) {
    setWindowTitle(QStringLiteral("GER - %1").arg(QFileInfo(databasePath).fileName()));
    m_mdi->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_mdi->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(m_mdi);
    resize(1100, 720);

    QMenu* screens = m_screens = menuBar()->addMenu(QStringLiteral("&Telas"));
    QAction* open = screens->addAction(QStringLiteral("&GER99500 - Tipo de Operação por Filial"));
    open->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_1));
    // Queued: a menu chosen by keyboard gives the focus back to where it was when it closes,
    // which must happen before the screen takes it.
    connect(
        open, &QAction::triggered, this, [this] { m_runtime.OpenMainScreen(); },
        Qt::QueuedConnection);
    screens->addSeparator();
    QAction* quit = screens->addAction(QStringLiteral("Sai&r"));
    quit->setShortcut(QKeySequence::Quit);
    connect(quit, &QAction::triggered, this, &QWidget::close);
    qApp->installEventFilter(this);

    m_screenView = new QtScreenView([this](TCustomForm& form) { return frameFor(form); }, this);
}

// F10 opens the first menu, whichever widget of this window has the focus: application-wide,
// before the screens' controls, which take every key for the model.
bool HostMainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    auto* widget = qobject_cast<QWidget*>(watched);
    if (key->key() != Qt::Key_F10 || key->modifiers() != Qt::NoModifier || !widget ||
        widget->window() != this || QApplication::activePopupWidget())
        return false;
    menuBar()->setActiveAction(m_screens->menuAction());
    // As when the menu is opened by keyboard from the bar: its first entry is highlighted, so
    // that Enter chooses it.
    if (!m_screens->actions().isEmpty())
        m_screens->setActiveAction(m_screens->actions().constFirst());
    return true;
}

void HostMainWindow::closeEvent(QCloseEvent* event) {
    for (QMdiSubWindow* frame : m_mdi->subWindowList()) {
        auto* view = qobject_cast<QtFormView*>(frame->widget());
        QPointer<TCustomForm> form = view ? view->Form() : nullptr;
        if (!form)
            continue;
        UserInput::CloseForm(*form);
        if (form && form->Visible()) {
            event->ignore();
            return;
        }
    }
    event->accept();
}

// An MDI child's window goes into a frame in the MDI area; the view deletes the frame with
// itself once the model form is destroyed. Other forms get windows of their own.
QWidget* HostMainWindow::frameFor(TCustomForm& form) {
    if (form.FormStyle() != fsMDIChild)
        return nullptr;
    auto* frame = new QMdiSubWindow;
    frame->setAttribute(Qt::WA_DeleteOnClose, false);
    m_mdi->addSubWindow(frame);
    // The MDI area watches the whole application for Ctrl+Tab to cycle its windows, and so
    // would take the key that leaves a grid; the screens are reached through the menu instead.
    qApp->removeEventFilter(m_mdi);
    return frame;
}

} // namespace ger
