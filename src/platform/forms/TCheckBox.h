#pragma once
// TCheckBox: a two- or three-state box. As on the platform, every change of State fires
// OnClick, by the user (a click or the space bar cycles the state) or by code, except while
// loading.
//
// Signals (besides TWinControl's): checkedChanged().

#include "platform/forms/TWinControl.h"

namespace ger {

class TCheckBox : public TWinControl {
    Q_OBJECT
public:
    explicit TCheckBox(TComponent* AOwner);
    QString ClassName() const override { return QStringLiteral("TCheckBox"); }

    bool Checked() const { return m_state == cbChecked; }
    void SetChecked(bool value) { SetState(value ? cbChecked : cbUnchecked); }
    TCheckBoxState State() const { return m_state; }
    void SetState(TCheckBoxState value);
    bool AllowGrayed() const { return m_allowGrayed; }
    void SetAllowGrayed(bool value) { m_allowGrayed = value; }
    // Unchecked -> checked -> grayed (when allowed) -> unchecked.
    void Toggle();

    bool FocusesOnClick() const override { return true; }
    void UserClick(const QPoint& at) override;

    void ReadProperty(const FormDataProperty& property, FormDataContext& context) override;

signals:
    void checkedChanged();

protected:
    void DefaultKeyPress(QChar& key) override;

private:
    TCheckBoxState m_state = cbUnchecked;
    bool m_allowGrayed = false;
};

} // namespace ger
