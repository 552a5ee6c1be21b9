#pragma once
// QtPanelView: a panel (TPanel) drawn by the view: its colour, the single border (2 pixels,
// outside the client area), the outer and inner bevels (raised: light top left, shadow bottom
// right; lowered: the reverse), each BevelWidth wide, and the caption at the panel's Alignment,
// centred vertically. The children sit in the client area, inside the border.

#include "qtview/QtContainerView.h"

namespace ger {

class TPanel;

class QtPanelView : public QtContainerView {
    Q_OBJECT
public:
    QtPanelView(TPanel& panel, QWidget* parent);

protected:
    bool Paint(QWidget* source) override;
};

} // namespace ger
