#include "host/window/HostMainWindow.h"

#include "host/core/HostRuntime.h"
#include "platform/forms/TCustomForm.h"
#include "qtview/QtScreenView.h"

#include <QAction>
#include <QApplication>
#include <QFileInfo>
#include <QKeySequence>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>

namespace ger {

HostMainWindow::HostMainWindow(HostRuntime& runtime, const QString& databasePath)
    : m_runtime(runtime)
    , m_mdi(new QMdiArea(this)) {
    setWindowTitle(QStringLiteral("GER - %1").arg(QFileInfo(databasePath).fileName()));
    m_mdi->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_mdi->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(m_mdi);
    resize(1100, 720);

    QMenu* screens = menuBar()->addMenu(QStringLiteral("Telas"));
    QAction* open = screens->addAction(QStringLiteral("GER99500 - Tipo de Operação por Filial"));
    connect(open, &QAction::triggered, this, [this] { m_runtime.OpenMainScreen(); });
    screens->addSeparator();
    QAction* quit = screens->addAction(QStringLiteral("Sair"));
    quit->setShortcut(QKeySequence::Quit);
    connect(quit, &QAction::triggered, this, &QWidget::close);

    m_screenView = new QtScreenView([this](TCustomForm& form) { return frameFor(form); }, this);
}

// An MDI child's window goes into a frame in the MDI area; the view deletes the frame with
// itself once the model form is destroyed. Other forms get windows of their own.
QWidget* HostMainWindow::frameFor(TCustomForm& form) {
    if (form.FormStyle() != fsMDIChild)
        return nullptr;
    auto* frame = new QMdiSubWindow;
    frame->setAttribute(Qt::WA_DeleteOnClose, false);
    m_mdi->addSubWindow(frame);
    return frame;
}

} // namespace ger
