#include "qtview/QtModalDialog.h"

#include "platform/forms/TCustomForm.h"
#include "platform/forms/UserInput.h"
#include "qtview/QtFormView.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QEventLoop>
#include <QVBoxLayout>

namespace ger {

QtModalDialog::QtModalDialog(TCustomForm& form, QWidget* parent)
    : QDialog(parent)
    , m_form(&form)
    , m_view(QtFormView::Ensure(form))
    , m_viewParent(m_view->parentWidget())
    , m_viewFlags(m_view->windowFlags()) {
    setObjectName(form.Name());
    setWindowTitle(form.Caption());
    setWindowModality(Qt::ApplicationModal);
    connect(&form, &TControl::textChanged, this,
            [this] { setWindowTitle(m_form ? m_form->Caption() : QString()); });
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    m_view->setParent(this, Qt::Widget);
    layout->addWidget(m_view);
    m_view->SyncWindow();
}

QtModalDialog::~QtModalDialog() {
    giveBackView();
}

void QtModalDialog::Run() {
    if (!m_form || m_form->IsModalLoopDone())
        return;
    QEventLoop loop;
    connect(m_form, &TCustomForm::modalLoopEnded, &loop, &QEventLoop::quit);
    connect(m_form, &TControl::destroying, &loop, &QEventLoop::quit);
    show();
    activateWindow();
    if (m_view)
        m_view->SyncFocus();
    loop.exec(QEventLoop::DialogExec);
    hide();
    giveBackView();
}

void QtModalDialog::giveBackView() {
    if (!m_view || m_view->parentWidget() != this)
        return;
    layout()->removeWidget(m_view);
    m_view->hide();
    m_view->setParent(m_viewParent, m_viewFlags);
}

void QtModalDialog::closeEvent(QCloseEvent* event) {
    event->ignore();
    if (m_form)
        UserInput::CloseForm(*m_form);
}

// A key that reaches the dialog itself (no widget of the form has the focus, as for a moment
// after a nested window closed) goes to the form, whose keys (Escape: cancel) still work; the
// dialog's own handling (Escape: reject) is never used.
void QtModalDialog::keyPressEvent(QKeyEvent* event) {
    if (m_view)
        QCoreApplication::sendEvent(m_view, event);
    event->accept();
}

} // namespace ger
