#include "platform/forms/TApplication.h"

#include "platform/forms/DialogTypes.h"
#include "platform/forms/IDialogService.h"
#include "platform/forms/TCustomForm.h"

#include <QtDebug>

namespace ger {

TApplication& Application() {
    static TApplication* application = new TApplication;
    return *application;
}

TApplication::TApplication()
    : TComponent(nullptr) {}

TApplication::~TApplication() = default;

void TApplication::SetMainForm(TCustomForm* form) {
    if (form == m_mainForm)
        return;
    m_mainForm = form;
    emit mainFormChanged();
}

IDialogService& TApplication::Dialogs() const {
    if (!m_dialogs)
        throw Exception(QStringLiteral("Application: no dialog service is installed"));
    return *m_dialogs;
}

void TApplication::HandleException(const std::exception& e) {
    if (dynamic_cast<const EAbort*>(&e))
        return;
    const auto* exception = dynamic_cast<const Exception*>(&e);
    if (OnException) {
        OnException(this, exception ? *exception : Exception(QString::fromUtf8(e.what())));
        return;
    }
    ShowException(exception ? exception->Message() : QString::fromUtf8(e.what()));
}

void TApplication::ShowException(const QString& message) {
    QString text = message;
    if (!text.isEmpty() && text.back().unicode() > u'.')
        text += QLatin1Char('.');
    if (!m_dialogs) {
        qWarning("Unhandled exception with no dialog service: %s", qPrintable(text));
        return;
    }
    m_dialogs->MessageDlg(text, mtError, TMsgDlgButtons(mbOK));
}

void TApplication::Terminate() {
    if (m_terminated)
        return;
    m_terminated = true;
    emit terminated();
}

void TApplication::CheckModalForms() {
    if (TCustomForm* form = ModalForm())
        form->CheckModalEnd();
}

void TApplication::ScheduleRelease(TCustomForm* form) {
    for (const QPointer<TCustomForm>& released : m_released)
        if (released == form)
            return;
    m_released.emplace_back(form);
}

void TApplication::FreeReleasedForms() {
    while (!m_released.empty()) {
        QPointer<TCustomForm> form = m_released.front();
        m_released.erase(m_released.begin());
        if (form)
            form->Free();
    }
}

void TApplication::DestroyForms() {
    FreeReleasedForms();
    for (;;) {
        TCustomForm* newest = nullptr;
        for (int i = ComponentCount() - 1; i >= 0 && !newest; --i)
            newest = dynamic_cast<TCustomForm*>(Components(i));
        if (!newest)
            return;
        newest->Free();
    }
}

void TApplication::PopModal(TCustomForm* form) {
    std::erase(m_modal, form);
}

void TApplication::FormDestroyed(TCustomForm* form) {
    std::erase(m_modal, form);
    if (m_mainForm == form) {
        m_mainForm = nullptr;
        emit mainFormChanged();
    }
}

} // namespace ger
