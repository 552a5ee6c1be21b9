#include "platform/forms/TScreen.h"

#include "platform/forms/TApplication.h"
#include "platform/forms/TCustomForm.h"

#include <algorithm>

namespace ger {

TScreen& Screen() {
    return Application().Screen();
}

void TScreen::SetCursor(TCursor value) {
    if (value == m_cursor)
        return;
    m_cursor = value;
    emit cursorChanged(value);
}

TWinControl* TScreen::ActiveControl() const {
    return m_active ? m_active->FocusedControl() : nullptr;
}

void TScreen::AddForm(TCustomForm* form) {
    m_forms.push_back(form);
    emit formAdded(form);
}

void TScreen::RemoveForm(TCustomForm* form) {
    std::erase(m_forms, form);
    if (m_active == form) {
        m_active = nullptr;
        emit activeFormChanged();
    }
    emit formRemoved(form);
}

void TScreen::Activate(TCustomForm* form) {
    if (form == m_active || !form->Visible())
        return;
    TCustomForm* old = m_active;
    m_active = form;
    std::erase(m_forms, form);
    m_forms.insert(m_forms.begin(), form);
    emit activeFormChanged();
    if (old)
        old->Deactivated();
    form->Activated();
}

void TScreen::FormHidden(TCustomForm* form) {
    if (form != m_active)
        return;
    auto next = std::find_if(m_forms.begin(), m_forms.end(),
                             [form](const TCustomForm* f) { return f != form && f->Visible(); });
    if (next != m_forms.end()) {
        Activate(*next);
        return;
    }
    m_active = nullptr;
    emit activeFormChanged();
    form->Deactivated();
}

} // namespace ger
