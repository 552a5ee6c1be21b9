#pragma once
// TButton: a push button with a window: it takes the focus when clicked (so the focused
// control's OnExit runs first). Clicking sets the form's ModalResult to the button's
// ModalResult (mrNone included, as on the platform) and then runs OnClick. Enter clicks the focused
// button or the Default one, Escape the Cancel one (TCustomForm::DialogKey); the space bar clicks
// the focused button.

#include "platform/forms/FormTypes.h"
#include "platform/forms/TWinControl.h"

namespace ger {

class TButton : public TWinControl {
    Q_OBJECT
public:
    explicit TButton(TComponent* AOwner);
    QString ClassName() const override { return QStringLiteral("TButton"); }

    bool Default() const { return m_default; }
    void SetDefault(bool value) { m_default = value; }
    bool Cancel() const { return m_cancel; }
    void SetCancel(bool value) { m_cancel = value; }
    TModalResult ModalResult() const { return m_modalResult; }
    void SetModalResult(TModalResult value) { m_modalResult = value; }

    bool FocusesOnClick() const override { return true; }
    void Click() override;

    void ReadProperty(const FormDataProperty& property, FormDataContext& context) override;

protected:
    void DefaultKeyPress(QChar& key) override;

private:
    bool m_default = false;
    bool m_cancel = false;
    TModalResult m_modalResult = mrNone;
};

} // namespace ger
