#include "qtview/QtDBEditView.h"

#include "platform/db/TField.h"
#include "platform/forms/dbctrls/TDBEdit.h"

#include <QLineEdit>

namespace ger {

QtDBEditView::QtDBEditView(TDBEdit& edit, QWidget* parent)
    : QtEditView(edit, parent) {}

void QtDBEditView::SyncContent() {
    QtEditView::SyncContent();
    const auto* edit = static_cast<const TDBEdit*>(Control());
    if (!edit)
        return;
    const TField* field = edit->Field();
    LineEdit()->setReadOnly(edit->ReadOnly() || !field || field->ReadOnly());
}

} // namespace ger
