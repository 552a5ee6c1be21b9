#pragma once
// QtScreenView: gives every form of the model's screen a window. When a form is shown for the
// first time it gets its QtFormView; `placement` (when set) decides where the view goes (a host
// puts its MDI children into its MDI area), otherwise the view is a top-level window. Modal
// forms get theirs from QtDialogService::RunModal. Views delete themselves with their forms.

#include <QObject>
#include <functional>

namespace ger {

class QtFormView;
class TCustomForm;

class QtScreenView : public QObject {
    Q_OBJECT
public:
    using Placement = std::function<void(QtFormView& view, TCustomForm& form)>;

    explicit QtScreenView(Placement placement = {}, QObject* parent = nullptr);

private:
    void follow(TCustomForm* form);
    void shown(TCustomForm* form);

    Placement m_placement;
};

} // namespace ger
