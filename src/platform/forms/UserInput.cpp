#include "platform/forms/UserInput.h"

#include "platform/forms/Dispatch.h"
#include "platform/forms/TComboBox.h"
#include "platform/forms/TCustomForm.h"
#include "platform/forms/TPageControl.h"
#include "platform/forms/TTabSheet.h"

#include <QPointer>
#include <QScopedValueRollback>

namespace ger {
namespace {

bool isNavigationKey(Word key) {
    switch (key) {
    case VK_TAB:
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
    case VK_RETURN:
    case VK_ESCAPE:
        return true;
    default:
        return false;
    }
}

} // namespace

bool UserInput::Focus(TWinControl& control) {
    return Dispatch([&control] { control.SetFocus(); });
}

bool UserInput::clickFocus(TControl& control) {
    auto* win = dynamic_cast<TWinControl*>(&control);
    if (!win)
        return control.Showing() && control.IsEffectivelyEnabled();
    if (!win->CanFocus())
        return false;
    if (!win->FocusesOnClick())
        return true;
    TCustomForm* form = win->ParentForm();
    {
        const QScopedValueRollback byMouse(form->m_focusingByMouse, true);
        form->FocusControl(win);
    }
    return win->Focused();
}

bool UserInput::Click(TControl& control, QPoint at) {
    return Dispatch([&control, at] {
        if (clickFocus(control))
            control.UserClick(at);
    });
}

bool UserInput::DoubleClick(TControl& control, QPoint at) {
    return Dispatch([&control, at] {
        if (!clickFocus(control))
            return;
        QPointer<TControl> guard(&control);
        control.UserClick(at);
        if (guard)
            control.UserDoubleClick(at);
    });
}

bool UserInput::PressKey(TCustomForm& form, Word key, TShiftState shift) {
    return Dispatch([&form, key, shift] { deliverKey(form, key, shift, CharForKey(key, shift)); });
}

bool UserInput::TypeChar(TCustomForm& form, QChar character) {
    const auto [key, shift] = KeyForChar(character);
    return Dispatch(
        [&form, key = key, shift = shift, character] { deliverKey(form, key, shift, character); });
}

void UserInput::deliverKey(TCustomForm& form, Word key, TShiftState shift, QChar character) {
    QPointer<TWinControl> focused = form.FocusedControl();
    TWinControl* target = focused ? focused.data() : &form;
    if (key != 0 && isNavigationKey(key) && !(focused && focused->WantsKey(key, shift)) &&
        form.DialogKey(key, shift))
        return;
    const bool preview = form.KeyPreview() && target != &form;
    if (key != 0) {
        Word down = key;
        if (preview && form.OnKeyDown)
            form.OnKeyDown(&form, down, shift);
        if (down != 0 && (focused || target == &form))
            target->KeyDown(down, shift);
    }
    if (!character.isNull()) {
        QChar pressed = character;
        if (preview && form.OnKeyPress)
            form.OnKeyPress(&form, pressed);
        if (!pressed.isNull() && (focused || target == &form))
            target->KeyPress(pressed);
    }
    if (key != 0) {
        Word up = key;
        if (preview && form.OnKeyUp)
            form.OnKeyUp(&form, up, shift);
        if (up != 0 && (focused || target == &form))
            target->KeyUp(up, shift);
    }
}

bool UserInput::ChooseItem(TComboBox& combo, int index) {
    return Dispatch([&combo, index] {
        if (clickFocus(combo))
            combo.UserChoose(index);
    });
}

bool UserInput::SelectPage(TPageControl& pages, TTabSheet& page) {
    return Dispatch([&pages, &page] {
        if (clickFocus(pages))
            pages.UserSelectPage(&page);
    });
}

bool UserInput::CloseForm(TCustomForm& form) {
    return Dispatch([&form] { form.Close(); });
}

std::pair<Word, TShiftState> UserInput::KeyForChar(QChar character) {
    const char16_t c = character.unicode();
    if (c >= u'a' && c <= u'z')
        return {static_cast<Word>(c - u'a' + 'A'), {}};
    if (c >= u'A' && c <= u'Z')
        return {static_cast<Word>(c), ssShift};
    if (c >= u'0' && c <= u'9')
        return {static_cast<Word>(c), {}};
    switch (c) {
    case u' ':
        return {VK_SPACE, {}};
    case u'\r':
    case u'\n':
        return {VK_RETURN, {}};
    case u'\t':
        return {VK_TAB, {}};
    case u'\b':
        return {VK_BACK, {}};
    case u'\x1b':
        return {VK_ESCAPE, {}};
    default:
        return {0, {}};
    }
}

QChar UserInput::CharForKey(Word key, TShiftState shift) {
    if (shift.testFlag(ssAlt))
        return {};
    if (key >= 'A' && key <= 'Z') {
        if (shift.testFlag(ssCtrl))
            return QChar(static_cast<char16_t>(key - 'A' + 1));
        return QChar(static_cast<char16_t>(shift.testFlag(ssShift) ? key : key - 'A' + 'a'));
    }
    if (key >= '0' && key <= '9' && !shift.testFlag(ssShift) && !shift.testFlag(ssCtrl))
        return QChar(static_cast<char16_t>(key));
    switch (key) {
    case VK_SPACE:
        return QChar(u' ');
    case VK_RETURN:
        return QChar(u'\r');
    case VK_TAB:
        return QChar(u'\t');
    case VK_BACK:
        return QChar(u'\b');
    case VK_ESCAPE:
        return QChar(u'\x1b');
    default:
        return {};
    }
}

} // namespace ger
