#pragma once
// QtRadioButtonView: a radio button as a QRadioButton. Qt's own exclusiveness is off: the model
// unchecks the siblings, and each view shows its button's Checked. A left-justified caption
// puts the button on the right, as on the platform.

#include "qtview/QtControlView.h"

class QRadioButton;

namespace ger {

class TRadioButton;

class QtRadioButtonView : public QtControlView {
    Q_OBJECT
public:
    QtRadioButtonView(TRadioButton& button, QWidget* parent);
    QRadioButton* RadioButton() const;

protected:
    void SyncContent() override;
};

} // namespace ger
