// The focus rules of TCustomForm; the order of events is documented in TCustomForm.h.

#include "platform/forms/FormsExceptions.h"
#include "platform/forms/TButton.h"
#include "platform/forms/TCustomForm.h"
#include "platform/forms/TScreen.h"

namespace ger {
namespace {

const QString kCannotFocus = QStringLiteral("Cannot focus a disabled or invisible window");

} // namespace

TWinControl* TCustomForm::ActiveControl() const {
    return m_focused ? m_focused : m_pendingFocus;
}

void TCustomForm::SetActiveControl(TWinControl* control) {
    if (IsLoadingState()) {
        m_pendingFocus = control;
        return;
    }
    if (control && control != this && (control->ParentForm() != this || !control->CanFocus()))
        throw EInvalidOperation(kCannotFocus);
    if (!Active()) {
        m_pendingFocus = control;
        emit activeControlChanged();
        return;
    }
    MoveFocus(control ? control : this);
}

void TCustomForm::FocusControl(TWinControl* control) {
    if (!control || control->ParentForm() != this || !control->CanFocus() || !Visible() ||
        !Enabled())
        throw EInvalidOperation(kCannotFocus);
    if (Active()) {
        MoveFocus(control);
        return;
    }
    m_pendingFocus = control;
    Screen().Activate(this);
}

void TCustomForm::MoveFocus(TWinControl* target) {
    const quint64 move = ++m_focusMoves;
    if (!m_entered)
        m_entered = this;
    try {
        while (!m_entered->ContainsControl(target)) {
            TWinControl* leaving = m_entered;
            leaving->DoExit();
            if (move != m_focusMoves)
                return;
            m_entered = leaving->Parent() ? leaving->Parent() : this;
        }
    } catch (...) {
        if (move == m_focusMoves)
            m_entered = m_focused ? m_focused : this;
        throw;
    }
    if (target != this && !target->CanFocus()) {
        m_entered = m_focused ? m_focused : this;
        return;
    }
    CommitFocus(target == this ? nullptr : target);
    while (m_entered != target) {
        TWinControl* entering = target;
        while (entering->Parent() != m_entered)
            entering = entering->Parent();
        m_entered = entering;
        entering->DoEnter();
        if (move != m_focusMoves)
            return;
    }
}

void TCustomForm::CommitFocus(TWinControl* target) {
    m_pendingFocus = nullptr;
    if (target == m_focused)
        return;
    TWinControl* old = m_focused;
    m_focused = target;
    if (old)
        old->notifyFocus(false);
    if (target)
        target->notifyFocus(true);
    emit activeControlChanged();
}

void TCustomForm::FocusOnActivation() {
    TWinControl* target = m_pendingFocus;
    m_pendingFocus = nullptr;
    if (!target || target->ParentForm() != this || !target->CanFocus())
        target = m_focused;
    if (!target || !target->CanFocus())
        target = FindNextControl(nullptr, true, true, false);
    if (!target)
        target = FindNextControl(nullptr, true, false, false);
    if (target)
        MoveFocus(target);
}

void TCustomForm::DefocusControl(TWinControl* control, bool removing) {
    if (removing) {
        if (control->ContainsControl(m_entered))
            m_entered = control->Parent() ? control->Parent() : this;
        if (control->ContainsControl(m_pendingFocus))
            m_pendingFocus = nullptr;
    }
    if (control->ContainsControl(m_focused))
        CommitFocus(nullptr);
}

void TCustomForm::ControlRemoving(TWinControl* control) {
    if (control != this)
        DefocusControl(control, true);
}

bool TCustomForm::DialogKey(Word key, TShiftState shift) {
    if (shift.testFlag(ssAlt))
        return false;
    switch (key) {
    case VK_TAB:
        // Ctrl+Tab too: it is the way out of a control that keeps Tab (a grid with dgTabs).
        SelectNext(m_focused, !shift.testFlag(ssShift), true);
        return true;
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
        if (!m_focused || !m_focused->Parent())
            return false;
        m_focused->Parent()->SelectNext(m_focused, key == VK_RIGHT || key == VK_DOWN, false);
        return true;
    case VK_RETURN:
    case VK_ESCAPE:
        if (shift != TShiftState())
            return false;
        if (TWinControl* button = FindDefaultButton(key == VK_ESCAPE)) {
            button->Click();
            return true;
        }
        return false;
    default:
        return false;
    }
}

TWinControl* TCustomForm::FindDefaultButton(bool cancel) const {
    if (!cancel)
        if (auto* focused = dynamic_cast<TButton*>(m_focused))
            return focused;
    std::vector<TWinControl*> list;
    GetTabOrderList(list);
    for (TWinControl* control : list) {
        auto* button = dynamic_cast<TButton*>(control);
        if (button && button->CanFocus() && (cancel ? button->Cancel() : button->Default()))
            return button;
    }
    return nullptr;
}

} // namespace ger
