#pragma once
// TScreen: the application-wide state of the windowing system: the forms that exist (in
// activation order, the active form first), the active form, and the screen cursor that long
// operations set to the hourglass (crHourGlass, -11) and back to the default (crDefault, 0).
// One object, owned by the application: Screen().
//
// Activation. Showing a form activates it: the previously active form's OnDeactivate, then the
// new form's OnActivate, then the focus goes to its ActiveControl (or the first control in tab
// order) through the focus rules. Hiding the active form activates the next visible form (the
// one active before it), so closing a modal form gives the focus back to the form under it.
//
// Signals: cursorChanged(int), activeFormChanged(), formAdded(TCustomForm*),
// formRemoved(TCustomForm*).

#include "platform/forms/ControlTypes.h"

#include <QObject>
#include <vector>

namespace ger {

class TCustomForm;
class TWinControl;

class TScreen : public QObject {
    Q_OBJECT
public:
    TScreen() = default;

    TCursor Cursor() const { return m_cursor; }
    void SetCursor(TCursor value);

    int FormCount() const { return static_cast<int>(m_forms.size()); }
    TCustomForm* Forms(int index) const { return m_forms.at(static_cast<size_t>(index)); }
    TCustomForm* ActiveForm() const { return m_active; }
    // The control with the focus in the active form.
    TWinControl* ActiveControl() const;

signals:
    void cursorChanged(int cursor);
    void activeFormChanged();
    void formAdded(TCustomForm* form);
    void formRemoved(TCustomForm* form);

private:
    friend class TCustomForm;

    void AddForm(TCustomForm* form);
    void RemoveForm(TCustomForm* form);
    void Activate(TCustomForm* form);
    void FormHidden(TCustomForm* form);

    TCursor m_cursor = crDefault;
    std::vector<TCustomForm*> m_forms;
    TCustomForm* m_active = nullptr;
};

TScreen& Screen();

} // namespace ger
