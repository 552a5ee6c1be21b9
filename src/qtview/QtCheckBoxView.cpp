#include "qtview/QtCheckBoxView.h"

#include "platform/forms/TCheckBox.h"

#include <QCheckBox>

namespace ger {

QtCheckBoxView::QtCheckBoxView(TCheckBox& box, QWidget* parent)
    : QtControlView(box, new QCheckBox(parent)) {
    CheckBox()->setFocusPolicy(Qt::TabFocus);
}

QCheckBox* QtCheckBoxView::CheckBox() const {
    return static_cast<QCheckBox*>(Widget());
}

void QtCheckBoxView::SyncContent() {
    const auto* model = static_cast<const TCheckBox*>(Control());
    if (!model)
        return;
    QCheckBox* box = CheckBox();
    box->setText(model->Caption());
    box->setTristate(model->AllowGrayed() || model->State() == cbGrayed);
    const Qt::CheckState state = model->State() == cbChecked  ? Qt::Checked
                                 : model->State() == cbGrayed ? Qt::PartiallyChecked
                                                              : Qt::Unchecked;
    if (box->checkState() != state)
        box->setCheckState(state);
}

} // namespace ger
