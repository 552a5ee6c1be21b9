#pragma once
// QtButtonView: a push button (TButton) as a QPushButton. It takes the focus when clicked, in the
// model (so the focused control's OnExit runs first); Enter and Escape reach the form's default
// and cancel buttons through the model's dialog keys.

#include "qtview/QtControlView.h"

class QPushButton;

namespace ger {

class TButton;

class QtButtonView : public QtControlView {
    Q_OBJECT
public:
    QtButtonView(TButton& button, QWidget* parent);
    QPushButton* PushButton() const;

protected:
    void SyncContent() override;
};

} // namespace ger
