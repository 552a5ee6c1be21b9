#pragma once
// TGroupBox: a framed container with a caption. Its aligned children are laid out below the
// caption line (13 pixels) and inside the frame (2 pixels).

#include "platform/forms/TWinControl.h"

namespace ger {

class TGroupBox : public TWinControl {
    Q_OBJECT
public:
    explicit TGroupBox(TComponent* AOwner);
    QString ClassName() const override { return QStringLiteral("TGroupBox"); }

    QRect AlignRect() const override;
};

} // namespace ger
