#include "platform/forms/TCustomMaskEdit.h"

#include "platform/forms/FormsExceptions.h"
#include "platform/forms/PropertyReading.h"

namespace ger {

TCustomMaskEdit::TCustomMaskEdit(TComponent* AOwner)
    : TCustomEdit(AOwner) {}

void TCustomMaskEdit::SetEditMask(const QString& value) {
    if (value == m_editMask)
        return;
    const QString text = Text();
    m_editMask = value;
    m_mask = MaskPattern(value);
    SetText(text);
    emit changed();
}

QString TCustomMaskEdit::Text() const {
    if (!IsMasked())
        return EditText();
    const QString value = m_mask.strip(EditText());
    return m_mask.savesLiterals() ? m_mask.format(value, QLatin1Char(' ')) : value;
}

void TCustomMaskEdit::SetText(const QString& value) {
    if (!IsMasked()) {
        TCustomEdit::SetText(value);
        return;
    }
    TCustomEdit::SetText(m_mask.savesLiterals() ? m_mask.formatWithLiterals(value, m_mask.blank())
                                                : m_mask.format(value, m_mask.blank()));
}

void TCustomMaskEdit::ValidateEdit() {
    if (!IsMasked() || !Modified())
        return;
    const int missing = m_mask.firstMissing(EditText());
    if (missing < 0)
        return;
    SetSelection(missing, 0);
    throw EDBEditError(QStringLiteral("Invalid input value.  Use escape key to abandon changes"));
}

void TCustomMaskEdit::Reset() {
    if (!Modified())
        return;
    TCustomEdit::SetText(m_textAtEnter);
}

void TCustomMaskEdit::DoEnter() {
    m_textAtEnter = EditText();
    TCustomEdit::DoEnter();
}

void TCustomMaskEdit::DoExit() {
    ValidateEdit();
    TCustomEdit::DoExit();
}

void TCustomMaskEdit::DefaultKeyPress(QChar& key) {
    if (key == QChar(u'\x1b') && IsMasked() && Modified()) {
        Reset();
        key = QChar();
        return;
    }
    TCustomEdit::DefaultKeyPress(key);
}

QString TCustomMaskEdit::shownWithoutSelection() const {
    QString shown = EditText();
    if (shown.size() < m_mask.length())
        shown += QString(m_mask.length() - shown.size(), m_mask.blank());
    const int end = std::min<int>(SelStart() + SelLength(), m_mask.length());
    for (int i = SelStart(); i < end; ++i)
        if (!m_mask.isLiteral(i))
            shown[i] = m_mask.blank();
    return shown;
}

void TCustomMaskEdit::TypeCharacter(QChar c) {
    if (!IsMasked()) {
        TCustomEdit::TypeCharacter(c);
        return;
    }
    const int position = m_mask.nextInput(SelStart());
    if (position < 0 || (MaxLength() > 0 && position >= MaxLength()))
        return;
    const QChar accepted = m_mask.accept(position, ApplyCharCase(c));
    if (accepted.isNull())
        return;
    QString shown = shownWithoutSelection();
    shown[position] = accepted == QLatin1Char(' ') ? m_mask.blank() : accepted;
    const int next = m_mask.nextInput(position + 1);
    SetEditTextByUser(shown, next < 0 ? m_mask.length() : next);
}

void TCustomMaskEdit::DeleteBackward() {
    if (!IsMasked()) {
        TCustomEdit::DeleteBackward();
        return;
    }
    if (SelLength() > 0) {
        SetEditTextByUser(shownWithoutSelection(), SelStart());
        return;
    }
    const int position = m_mask.previousInput(SelStart() - 1);
    if (position < 0)
        return;
    QString shown = shownWithoutSelection();
    shown[position] = m_mask.blank();
    SetEditTextByUser(shown, position);
}

void TCustomMaskEdit::DeleteForward() {
    if (!IsMasked()) {
        TCustomEdit::DeleteForward();
        return;
    }
    if (SelLength() > 0) {
        SetEditTextByUser(shownWithoutSelection(), SelStart());
        return;
    }
    const int position = m_mask.nextInput(SelStart());
    if (position < 0)
        return;
    QString shown = shownWithoutSelection();
    shown[position] = m_mask.blank();
    SetEditTextByUser(shown, SelStart());
}

void TCustomMaskEdit::ReadProperty(const FormDataProperty& property, FormDataContext& context) {
    if (IsProperty(property, "EditMask")) {
        SetEditMask(ReadString(property));
        return;
    }
    TCustomEdit::ReadProperty(property, context);
}

} // namespace ger
