#pragma once
// QtEditView: a one-line edit (TEdit, TMaskEdit and their kin) as a QLineEdit. The line edit
// never edits by itself: typed keys go to the model, which applies read-only, MaxLength,
// CharCase and the edit mask, and the widget shows the model's EditText (a masked edit's
// literals and blanks included), its caret and its selection.

#include "qtview/QtControlView.h"

class QLineEdit;

namespace ger {

class TCustomEdit;

class QtEditView : public QtControlView {
    Q_OBJECT
public:
    QtEditView(TCustomEdit& edit, QWidget* parent);

    QLineEdit* LineEdit() const;

protected:
    void ConnectSignals() override;
    void SyncContent() override;

private:
    void syncSelection();
    TCustomEdit* edit() const;
};

} // namespace ger
