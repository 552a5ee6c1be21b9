#pragma once
// TMaskEdit: the masked edit of form data (behaviour in TCustomMaskEdit).

#include "platform/forms/TCustomMaskEdit.h"

namespace ger {

class TMaskEdit : public TCustomMaskEdit {
    Q_OBJECT
public:
    explicit TMaskEdit(TComponent* AOwner);
    QString ClassName() const override { return QStringLiteral("TMaskEdit"); }
};

} // namespace ger
