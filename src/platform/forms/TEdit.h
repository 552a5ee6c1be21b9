#pragma once
// TEdit: the plain one-line edit of form data (behaviour in TCustomEdit).

#include "platform/forms/TCustomEdit.h"

namespace ger {

class TEdit : public TCustomEdit {
    Q_OBJECT
public:
    explicit TEdit(TComponent* AOwner);
    QString ClassName() const override { return QStringLiteral("TEdit"); }
};

} // namespace ger
