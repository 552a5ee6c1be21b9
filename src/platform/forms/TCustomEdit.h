#pragma once
// TCustomEdit: a one-line text edit. The text changes by code (Text := ...) or by the user's
// typing (KeyPress with a character, Backspace, Delete); both fire OnChange when the text
// really changes, except while the form data is being loaded. Code clears Modified, typing
// sets it. A caret and a selection (SelStart, SelLength) decide where typing goes: focusing
// the edit by keyboard selects all the text (AutoSelect), so typing replaces it; a mouse click
// puts the caret at the end. Shift with the arrows, Home and End extends the selection from its
// other end (the anchor); Ctrl+A selects all. Typing is refused when ReadOnly, and beyond MaxLength
// (0: no limit); CharCase converts typed letters.
//
// Signals (besides TWinControl's): selectionChanged().

#include "platform/forms/TWinControl.h"

namespace ger {

class TCustomEdit : public TWinControl {
    Q_OBJECT
public:
    explicit TCustomEdit(TComponent* AOwner);
    QString ClassName() const override { return QStringLiteral("TCustomEdit"); }

    void SetText(const QString& value) override;
    // The text as shown; a masked edit shows its literals and blanks here.
    QString EditText() const { return TControl::Text(); }

    int MaxLength() const { return m_maxLength; }
    void SetMaxLength(int value);
    bool ReadOnly() const { return m_readOnly; }
    void SetReadOnly(bool value);
    TEditCharCase CharCase() const { return m_charCase; }
    void SetCharCase(TEditCharCase value);
    bool AutoSelect() const { return m_autoSelect; }
    void SetAutoSelect(bool value) { m_autoSelect = value; }
    QChar PasswordChar() const { return m_passwordChar; }
    void SetPasswordChar(QChar value);
    TBorderStyle BorderStyle() const { return m_borderStyle; }
    void SetBorderStyle(TBorderStyle value);
    bool Modified() const { return m_modified; }
    void SetModified(bool value) { m_modified = value; }

    int SelStart() const { return m_selStart; }
    int SelLength() const { return m_selLength; }
    void SetSelStart(int value);
    void SetSelLength(int value);
    void SelectAll();
    // The person put the caret at `position` with the mouse; `extend` (Shift held, or a drag)
    // selects from the anchor to there.
    void UserPlaceCaret(int position, bool extend);
    QString SelText() const;
    void Clear() { SetText(QString()); }

    TNotifyEvent OnChange;

    bool FocusesOnClick() const override { return true; }
    bool WantsKey(Word key, TShiftState shift) const override;
    void DoEnter() override;
    void UserClick(const QPoint& at) override;

    void ReadProperty(const FormDataProperty& property, FormDataContext& context) override;

signals:
    void selectionChanged();

protected:
    // OnChange, unless loading. Data-aware edits add their notification.
    virtual void Change();
    void TextChanged() override;
    void DefaultKeyDown(Word& key, TShiftState shift) override;
    void DefaultKeyPress(QChar& key) override;
    // The editing the user's keys do; a masked edit replaces them.
    virtual void TypeCharacter(QChar c);
    virtual void DeleteBackward();
    virtual void DeleteForward();
    // Shows `text` as the user's edit (Modified, OnChange) with the caret at `caret`.
    void SetEditTextByUser(const QString& text, int caret);
    void SetSelection(int start, int length);
    // Moves the caret; with `extend` the selection grows or shrinks from its anchor.
    void MoveCaret(int position, bool extend);
    int Caret() const;
    QChar ApplyCharCase(QChar c) const;

private:
    int m_maxLength = 0;
    bool m_readOnly = false;
    TEditCharCase m_charCase = ecNormal;
    bool m_autoSelect = true;
    QChar m_passwordChar;
    TBorderStyle m_borderStyle = bsSingle;
    bool m_modified = false;
    int m_selStart = 0;
    int m_selLength = 0;
    bool m_caretAtStart = false; // the caret is at SelStart, the anchor at its end

    void applySelection(int start, int length);
};

} // namespace ger
