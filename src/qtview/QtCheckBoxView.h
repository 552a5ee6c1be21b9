#pragma once
// QtCheckBoxView: a check box as a QCheckBox showing the model's State (grayed as the partial
// state). The box never toggles itself: a click or the space bar goes to the model, which
// cycles the state and runs OnClick.

#include "qtview/QtControlView.h"

class QCheckBox;

namespace ger {

class TCheckBox;

class QtCheckBoxView : public QtControlView {
    Q_OBJECT
public:
    QtCheckBoxView(TCheckBox& box, QWidget* parent);
    QCheckBox* CheckBox() const;

protected:
    void SyncContent() override;
};

} // namespace ger
