#pragma once
// TCustomMaskEdit: an edit whose text follows an EditMask (rules in MaskPattern). With a mask
// the edit always shows every position of the mask: literals, typed characters and the blank
// character in empty positions (EditText). Text is that text without the literals when the
// mask does not save them, blanks read as spaces: for ">aaaa;0; " and the typed "1", EditText
// and Text are both "1   ".
//
// Typing overwrites the position at the caret (literals are skipped) and moves to the next
// input position; a character the position does not accept is refused, as is one past
// MaxLength (when set). Backspace and Delete blank a position. Setting Text by code formats
// the value through the mask without checking it. When the focus leaves an edit the user
// changed, a required position left blank raises EDBEditError, so the focus stays; Escape
// gives back the text the edit had when the focus entered. Without a mask it is a plain edit.

#include "platform/forms/MaskPattern.h"
#include "platform/forms/TCustomEdit.h"

namespace ger {

class TCustomMaskEdit : public TCustomEdit {
    Q_OBJECT
public:
    explicit TCustomMaskEdit(TComponent* AOwner);
    QString ClassName() const override { return QStringLiteral("TCustomMaskEdit"); }

    const QString& EditMask() const { return m_editMask; }
    void SetEditMask(const QString& value);
    bool IsMasked() const { return !m_mask.isEmpty(); }
    const MaskPattern& Mask() const { return m_mask; }

    QString Text() const override;
    void SetText(const QString& value) override;

    // Raises EDBEditError when the user changed the text and a required position is blank.
    void ValidateEdit();
    // The text the edit had when the focus entered it.
    void Reset();

    void DoEnter() override;
    void DoExit() override;

    void ReadProperty(const FormDataProperty& property, FormDataContext& context) override;

protected:
    void DefaultKeyPress(QChar& key) override;
    void TypeCharacter(QChar c) override;
    void DeleteBackward() override;
    void DeleteForward() override;

private:
    // The shown text padded to the mask, with the selected input positions blanked.
    QString shownWithoutSelection() const;

    QString m_editMask;
    MaskPattern m_mask;
    QString m_textAtEnter;
};

} // namespace ger
