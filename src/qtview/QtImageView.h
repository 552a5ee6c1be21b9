#pragma once
// QtImageView: an image control (TImage) drawn by the view: the picture at the top left, centred
// (Center) or stretched to the bounds (Stretch), with its bottom-left colour transparent when
// Transparent is set. Hidden images, which screens use as picture sources, are hidden widgets.

#include "qtview/QtControlView.h"

namespace ger {

class TImage;

class QtImageView : public QtControlView {
    Q_OBJECT
public:
    QtImageView(TImage& image, QWidget* parent);

protected:
    void ConnectSignals() override;
    bool FillsBackground() const override { return false; }
    bool Paint(QWidget* source) override;
};

} // namespace ger
