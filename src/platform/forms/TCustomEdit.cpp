#include "platform/forms/TCustomEdit.h"

#include "platform/forms/PropertyReading.h"
#include "platform/forms/TCustomForm.h"

#include <algorithm>

namespace ger {
namespace {

const PropertyTable<TCustomEdit>& editProperties() {
    using E = TCustomEdit&;
    using P = const FormDataProperty&;
    using C = FormDataContext&;
    static const PropertyTable<TCustomEdit> table{
        {"text", [](E e, P p, C) { e.SetText(ReadString(p)); }},
        {"maxlength", [](E e, P p, C) { e.SetMaxLength(ReadInt(p)); }},
        {"readonly", [](E e, P p, C) { e.SetReadOnly(ReadBool(p)); }},
        {"charcase",
         [](E e, P p, C) {
             e.SetCharCase(ReadEnum<TEditCharCase>(p, {{"ecNormal", ecNormal},
                                                       {"ecUpperCase", ecUpperCase},
                                                       {"ecLowerCase", ecLowerCase}}));
         }},
        {"autoselect", [](E e, P p, C) { e.SetAutoSelect(ReadBool(p)); }},
        {"passwordchar",
         [](E e, P p, C) {
             const QString s = ReadString(p);
             e.SetPasswordChar(s.isEmpty() ? QChar() : s.front());
         }},
        {"borderstyle",
         [](E e, P p, C) {
             e.SetBorderStyle(
                 ReadEnum<TBorderStyle>(p, {{"bsNone", bsNone}, {"bsSingle", bsSingle}}));
         }},
        {"onchange", [](E e, P p, C x) { e.OnChange = ReadEvent<TNotifyEvent>(p, x); }},
        // Appearance of the native edit; nothing to model.
        {"autosize", [](E, P p, C) { ReadBool(p); }},
        {"hideselection", [](E, P p, C) { ReadBool(p); }},
        {"oemconvert", [](E, P p, C) { ReadBool(p); }},
    };
    return table;
}

} // namespace

TCustomEdit::TCustomEdit(TComponent* AOwner)
    : TWinControl(AOwner) {
    SetBounds(0, 0, 121, 21);
    SetColor(clWindow);
    SetTabStop(true);
}

void TCustomEdit::SetText(const QString& value) {
    m_modified = false;
    if (value == EditText())
        return;
    SetSelection(0, 0);
    TWinControl::SetText(value);
}

void TCustomEdit::SetMaxLength(int value) {
    m_maxLength = std::max(0, value);
}

void TCustomEdit::SetReadOnly(bool value) {
    if (value == m_readOnly)
        return;
    m_readOnly = value;
    emit changed();
}

void TCustomEdit::SetCharCase(TEditCharCase value) {
    m_charCase = value;
}

void TCustomEdit::SetPasswordChar(QChar value) {
    if (value == m_passwordChar)
        return;
    m_passwordChar = value;
    emit changed();
}

void TCustomEdit::SetBorderStyle(TBorderStyle value) {
    if (value == m_borderStyle)
        return;
    m_borderStyle = value;
    emit changed();
}

void TCustomEdit::SetSelStart(int value) {
    SetSelection(value, 0);
}

void TCustomEdit::SetSelLength(int value) {
    SetSelection(m_selStart, value);
}

void TCustomEdit::UserPlaceCaret(int position, bool extend) {
    MoveCaret(position, extend);
}

void TCustomEdit::SelectAll() {
    SetSelection(0, static_cast<int>(EditText().size()));
}

QString TCustomEdit::SelText() const {
    return EditText().mid(m_selStart, m_selLength);
}

void TCustomEdit::SetSelection(int start, int length) {
    m_caretAtStart = false;
    applySelection(start, length);
}

// Shift+arrows: the end of the selection that is not the caret stays where it is.
void TCustomEdit::MoveCaret(int position, bool extend) {
    const int size = static_cast<int>(EditText().size());
    position = std::clamp(position, 0, size);
    if (!extend) {
        SetSelection(position, 0);
        return;
    }
    const int anchor = m_caretAtStart ? m_selStart + m_selLength : m_selStart;
    m_caretAtStart = position < anchor;
    applySelection(std::min(position, anchor), std::abs(position - anchor));
}

int TCustomEdit::Caret() const {
    return m_caretAtStart ? m_selStart : m_selStart + m_selLength;
}

void TCustomEdit::applySelection(int start, int length) {
    const int size = static_cast<int>(EditText().size());
    start = std::clamp(start, 0, size);
    length = std::clamp(length, 0, size - start);
    if (start == m_selStart && length == m_selLength)
        return;
    m_selStart = start;
    m_selLength = length;
    emit selectionChanged();
}

void TCustomEdit::Change() {
    if (OnChange && !IsLoadingState())
        OnChange(this);
}

void TCustomEdit::TextChanged() {
    TWinControl::TextChanged();
    Change();
}

bool TCustomEdit::WantsKey(Word key, TShiftState) const {
    return key == VK_LEFT || key == VK_RIGHT || key == VK_UP || key == VK_DOWN;
}

void TCustomEdit::DoEnter() {
    const TCustomForm* form = ParentForm();
    if (m_autoSelect && !(form && form->FocusingByMouse()))
        SelectAll();
    TWinControl::DoEnter();
}

void TCustomEdit::UserClick(const QPoint& at) {
    SetSelection(static_cast<int>(EditText().size()), 0);
    TWinControl::UserClick(at);
}

void TCustomEdit::DefaultKeyDown(Word& key, TShiftState shift) {
    const int size = static_cast<int>(EditText().size());
    const bool extend = shift.testFlag(ssShift);
    switch (key) {
    case VK_DELETE:
        if (!m_readOnly)
            DeleteForward();
        break;
    case VK_LEFT:
        if (!extend && m_selLength > 0)
            SetSelection(m_selStart, 0);
        else
            MoveCaret(Caret() - 1, extend);
        break;
    case VK_RIGHT:
        if (!extend && m_selLength > 0)
            SetSelection(m_selStart + m_selLength, 0);
        else
            MoveCaret(Caret() + 1, extend);
        break;
    case VK_HOME:
        MoveCaret(0, extend);
        break;
    case VK_END:
        MoveCaret(size, extend);
        break;
    case 'A':
        if (shift == TShiftState(ssCtrl))
            SelectAll();
        break;
    default:
        break;
    }
}

void TCustomEdit::DefaultKeyPress(QChar& key) {
    if (m_readOnly)
        return;
    if (key == QChar(u'\b'))
        DeleteBackward();
    else if (key.unicode() >= u' ')
        TypeCharacter(key);
}

QChar TCustomEdit::ApplyCharCase(QChar c) const {
    switch (m_charCase) {
    case ecUpperCase:
        return c.toUpper();
    case ecLowerCase:
        return c.toLower();
    case ecNormal:
        break;
    }
    return c;
}

void TCustomEdit::TypeCharacter(QChar c) {
    QString text = EditText();
    if (m_maxLength > 0 && text.size() - m_selLength + 1 > m_maxLength)
        return;
    text.replace(m_selStart, m_selLength, ApplyCharCase(c));
    SetEditTextByUser(text, m_selStart + 1);
}

void TCustomEdit::DeleteBackward() {
    if (m_selLength > 0) {
        DeleteForward();
        return;
    }
    if (m_selStart == 0)
        return;
    QString text = EditText();
    text.remove(m_selStart - 1, 1);
    SetEditTextByUser(text, m_selStart - 1);
}

void TCustomEdit::DeleteForward() {
    QString text = EditText();
    const int length = m_selLength > 0 ? m_selLength : 1;
    if (m_selStart >= text.size())
        return;
    text.remove(m_selStart, length);
    SetEditTextByUser(text, m_selStart);
}

void TCustomEdit::SetEditTextByUser(const QString& text, int caret) {
    if (text == EditText()) {
        SetSelection(caret, 0);
        return;
    }
    m_modified = true;
    StoreText(text);
    SetSelection(caret, 0);
    TextChanged();
}

void TCustomEdit::ReadProperty(const FormDataProperty& property, FormDataContext& context) {
    if (!ReadFromTable(editProperties(), *this, property, context))
        TWinControl::ReadProperty(property, context);
}

} // namespace ger
