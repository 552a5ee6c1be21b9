#pragma once
// TForm: the form class of form data (behaviour in TCustomForm). Screens derive from it.

#include "platform/forms/TCustomForm.h"

namespace ger {

class TForm : public TCustomForm {
    Q_OBJECT
public:
    explicit TForm(TComponent* AOwner);
    QString ClassName() const override { return QStringLiteral("TForm"); }
};

} // namespace ger
