#pragma once
// QtLabelView: a label (TLabel) as a QLabel: caption, font (bold labels), alignment, layout and
// word wrap as the model says, its colour unless Transparent. A graphic control: no focus;
// clicks run OnClick without moving the focus. An AutoSize label is never narrower than its
// text needs, so a font wider than the platform's does not cut the caption.

#include "qtview/QtControlView.h"

class QLabel;

namespace ger {

class TLabel;

class QtLabelView : public QtControlView {
    Q_OBJECT
public:
    QtLabelView(TLabel& label, QWidget* parent);
    QLabel* Label() const;

protected:
    void SyncContent() override;
    QRect WidgetGeometry() const override;
    bool FillsBackground() const override;
};

} // namespace ger
