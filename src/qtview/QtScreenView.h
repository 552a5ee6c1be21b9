#pragma once
// QtScreenView: gives every form of the model's screen a window. When a form is shown for the
// first time it gets its QtFormView, created inside the widget that `placement` gives for the
// form (a host gives an MDI child a QMdiSubWindow already in its MDI area), or as a top-level
// window when there is no placement or it gives null. The view is created in its place, never
// shown elsewhere first: a top-level window shown and then taken into a frame would take the
// activation, and the keyboard, from the main window. Modal forms get their windows from
// QtDialogService::RunModal. Views delete themselves with their forms.

#include <QObject>
#include <functional>

class QWidget;

namespace ger {

class TCustomForm;

class QtScreenView : public QObject {
    Q_OBJECT
public:
    using Placement = std::function<QWidget*(TCustomForm& form)>;

    explicit QtScreenView(Placement placement = {}, QObject* parent = nullptr);

private:
    void follow(TCustomForm* form);
    void shown(TCustomForm* form);

    Placement m_placement;
};

} // namespace ger
