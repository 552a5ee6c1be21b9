#pragma once
// QtComboBoxView: a combo box as a QComboBox (editable for csDropDown and csSimple). A click
// focuses the model's combo first (the focused control's OnExit may refuse) and opens the list
// only when the combo got the focus; the item picked in the list goes to the model as the
// user's choice (OnClick, then OnSelect or OnChange, once). Keys go to the model, which moves
// the choice; F4 and Alt+Down also open the list. The widget always shows the model's items,
// item and text.

#include "qtview/QtControlView.h"

class QComboBox;

namespace ger {

class TComboBox;

class QtComboBoxView : public QtControlView {
    Q_OBJECT
public:
    QtComboBoxView(TComboBox& combo, QWidget* parent);

    QComboBox* ComboBox() const;
    QWidget* FocusWidget() const override;

protected:
    void ConnectSignals() override;
    void SyncContent() override;
    bool MousePressed(QWidget* source, QMouseEvent& event) override;
    bool MouseReleased(QWidget* source, QMouseEvent& event) override;
    bool KeyPressed(QKeyEvent& event) override;

private:
    void chosen(int index);
    void openList();
    TComboBox* combo() const;
};

} // namespace ger
