#pragma once
// QtViewFactory: the right view for each kind of model control. Creators registered by other
// code (the data grid's view, a host's own controls) are tried first, the newest first; then the
// built-in kinds, most derived first; a win control of no known kind is mirrored as a plain
// container and a graphic control as an empty area that still takes clicks.

#include <QWidget>
#include <functional>

namespace ger {

class QtContainerView;
class QtControlView;
class TControl;

class QtViewFactory {
public:
    // Returns the view for a control of its kind (its widget a child of `parent`), or null.
    using Creator = std::function<QtControlView*(TControl& control, QWidget* parent)>;

    // Creates and starts the view of `control` inside `parent`.
    static QtControlView* Create(TControl& control, QtContainerView& parent);
    static void Register(Creator creator);

private:
    static QtControlView* createBuiltIn(TControl& control, QWidget* parent);
};

} // namespace ger
