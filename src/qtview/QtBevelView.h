#pragma once
// QtBevelView: a bevel (TBevel) drawn by the view: a box, a frame or one line, lowered (shadow
// over light) or raised (light over shadow), in the platform's button shadow and highlight.

#include "qtview/QtControlView.h"

namespace ger {

class TBevel;

class QtBevelView : public QtControlView {
    Q_OBJECT
public:
    QtBevelView(TBevel& bevel, QWidget* parent);

protected:
    bool FillsBackground() const override { return false; }
    bool Paint(QWidget* source) override;
};

} // namespace ger
