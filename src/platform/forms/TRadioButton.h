#pragma once
// TRadioButton: one choice of a group; the group is the radio buttons with the same Parent.
// Checking one unchecks its siblings. As on the platform, a button that becomes checked fires
// OnClick, whether the user clicked it or code set Checked (so a form's OnCreate that checks
// "Lista" runs the click handler that enables its lookup button); loading from form data fires
// nothing, and clicking the button already checked fires nothing. A checked radio button is a
// tab stop, an unchecked one is not.
//
// Signals (besides TWinControl's): checkedChanged().

#include "platform/forms/TWinControl.h"

namespace ger {

class TRadioButton : public TWinControl {
    Q_OBJECT
public:
    explicit TRadioButton(TComponent* AOwner);
    QString ClassName() const override { return QStringLiteral("TRadioButton"); }

    bool Checked() const { return m_checked; }
    void SetChecked(bool value);
    TAlignment Alignment() const { return m_alignment; }
    void SetAlignment(TAlignment value);

    bool FocusesOnClick() const override { return true; }
    void UserClick(const QPoint& at) override;

    void ReadProperty(const FormDataProperty& property, FormDataContext& context) override;

signals:
    void checkedChanged();

protected:
    void DefaultKeyPress(QChar& key) override;

private:
    bool m_checked = false;
    TAlignment m_alignment = taRightJustify;
};

} // namespace ger
