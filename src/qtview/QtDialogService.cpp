#include "qtview/QtDialogService.h"

#include "platform/forms/TApplication.h"
#include "platform/forms/TCustomForm.h"
#include "qtview/QtActivationReturn.h"
#include "qtview/QtFormView.h"
#include "qtview/QtLookupDialog.h"
#include "qtview/QtModalDialog.h"
#include "qtview/QtProgressWindow.h"
#include "qtview/QtScreenCursor.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>

namespace ger {
namespace {

QMessageBox::Icon iconOf(TMsgDlgType type) {
    switch (type) {
    case mtWarning:
        return QMessageBox::Warning;
    case mtError:
        return QMessageBox::Critical;
    case mtInformation:
        return QMessageBox::Information;
    case mtConfirmation:
        return QMessageBox::Question;
    case mtCustom:
        break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::ButtonRole roleOf(TMsgDlgBtn button) {
    switch (button) {
    case mbYes:
    case mbYesToAll:
        return QMessageBox::YesRole;
    case mbNo:
    case mbNoToAll:
        return QMessageBox::NoRole;
    case mbOK:
    case mbAll:
        return QMessageBox::AcceptRole;
    case mbCancel:
    case mbAbort:
        return QMessageBox::RejectRole;
    case mbHelp:
        return QMessageBox::HelpRole;
    default:
        return QMessageBox::ActionRole;
    }
}

// As the platform picks them: the default button is OK, else Yes, else the first; Escape is
// Cancel, else No, else OK, else the first.
TMsgDlgBtn pick(const QList<TMsgDlgBtn>& buttons, std::initializer_list<TMsgDlgBtn> preferred) {
    for (TMsgDlgBtn button : preferred)
        if (buttons.contains(button))
            return button;
    return buttons.front();
}

} // namespace

QtDialogService::QtDialogService(bool install)
    : m_cursor(std::make_unique<QtScreenCursor>()) {
    if (install)
        Install();
}

QtDialogService::~QtDialogService() {
    HideProgress();
    if (Application().DialogService() == this)
        Application().SetDialogService(nullptr);
}

void QtDialogService::Install() {
    Application().SetDialogService(this);
}

QString QtDialogService::ButtonText(TMsgDlgBtn button) {
    switch (button) {
    case mbYes:
        return QStringLiteral("Sim");
    case mbNo:
        return QStringLiteral("Não");
    case mbOK:
        return QStringLiteral("OK");
    case mbCancel:
        return QStringLiteral("Cancelar");
    case mbAbort:
        return QStringLiteral("Abortar");
    case mbRetry:
        return QStringLiteral("Repetir");
    case mbIgnore:
        return QStringLiteral("Ignorar");
    case mbAll:
        return QStringLiteral("Todos");
    case mbNoToAll:
        return QStringLiteral("Não para todos");
    case mbYesToAll:
        return QStringLiteral("Sim para todos");
    case mbHelp:
        return QStringLiteral("Ajuda");
    }
    return {};
}

QString QtDialogService::TitleOf(TMsgDlgType type) {
    switch (type) {
    case mtWarning:
        return QStringLiteral("Aviso");
    case mtError:
        return QStringLiteral("Erro");
    case mtInformation:
        return QStringLiteral("Informação");
    case mtConfirmation:
        return QStringLiteral("Confirmação");
    case mtCustom:
        break;
    }
    return Application().Title();
}

TModalResult QtDialogService::MessageDlg(const QString& text, TMsgDlgType type,
                                         TMsgDlgButtons buttons) {
    // A message about the call under way (its failure, mostly) is not to be read through the
    // animation: the window goes now; HideProgress then has nothing left to remove.
    HideProgress();
    const QtActivationReturn activation;
    QList<TMsgDlgBtn> list = ButtonsOf(buttons);
    if (list.isEmpty())
        list.append(mbOK);
    QMessageBox box(iconOf(type), TitleOf(type), text, QMessageBox::NoButton, activation.window());
    QHash<QAbstractButton*, TMsgDlgBtn> byWidget;
    for (TMsgDlgBtn button : list)
        byWidget.insert(box.addButton(ButtonText(button), roleOf(button)), button);
    const TMsgDlgBtn defaultButton = pick(list, {mbOK, mbYes});
    const TMsgDlgBtn escapeButton = pick(list, {mbCancel, mbNo, mbOK});
    box.setDefaultButton(static_cast<QPushButton*>(byWidget.key(defaultButton)));
    box.setEscapeButton(byWidget.key(escapeButton));
    box.exec();
    return ModalResultOf(byWidget.value(box.clickedButton(), escapeButton));
}

void QtDialogService::RunModal(TCustomForm& form) {
    const QtActivationReturn activation;
    QtModalDialog dialog(form, QApplication::activeWindow());
    dialog.Run();
}

LookupResult QtDialogService::ShowLookup(const LookupRequest& request) {
    const QtActivationReturn activation;
    QtLookupDialog dialog(request, QApplication::activeWindow());
    return dialog.Run();
}

void QtDialogService::ShowProgress(TCustomForm* over, int kind, const QString& text) {
    HideProgress();
    // Without a form (the application's main form, which the host does not have) the window
    // stands over the active window.
    QWidget* formWindow = over ? QtFormView::ViewOf(*over) : QApplication::activeWindow();
    m_progressOwner = formWindow ? formWindow->window() : nullptr;
    m_progress = new QtProgressWindow(formWindow, kind, text);
    m_progress->Present(formWindow);
}

void QtDialogService::HideProgress() {
    if (!m_progress)
        return;
    delete m_progress.data();
    m_progress = nullptr;
    if (m_progressOwner && !QApplication::activeWindow() && !QApplication::activeModalWidget())
        m_progressOwner->activateWindow();
    m_progressOwner = nullptr;
}

} // namespace ger
