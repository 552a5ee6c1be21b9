#pragma once
// QtDBEditView: a data-aware edit (TDBEdit) as a QLineEdit, like any edit (the model follows the
// record and shows the field's DisplayText or, focused, its Text). The line edit also looks
// read-only whenever the model refuses typing for want of a modifiable field: no field, or a
// read-only one.

#include "qtview/QtEditView.h"

namespace ger {

class TDBEdit;

class QtDBEditView : public QtEditView {
    Q_OBJECT
public:
    QtDBEditView(TDBEdit& edit, QWidget* parent);

protected:
    void SyncContent() override;
};

} // namespace ger
