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
    // The mouse places the caret where it points (Shift extends), a drag selects, a double
    // click selects all; each is a call on the model, which the widget then shows.
    bool MousePressed(QWidget* source, QMouseEvent& event) override;
    bool MouseMoved(QWidget* source, QMouseEvent& event) override;
    bool MouseReleased(QWidget* source, QMouseEvent& event) override;
    bool MouseDoubleClicked(QWidget* source, QMouseEvent& event) override;

private:
    void syncSelection();
    int positionAt(const QMouseEvent& event) const;
    // Selects from `anchor` to `caret` (a caret alone when they meet), once the edit is focused.
    void select(int anchor, int caret);

    int m_anchor = 0;
    TCustomEdit* edit() const;
};

} // namespace ger
