#include "qtview/QtRadioButtonView.h"

#include "platform/forms/TRadioButton.h"

#include <QRadioButton>

namespace ger {

QtRadioButtonView::QtRadioButtonView(TRadioButton& button, QWidget* parent)
    : QtControlView(button, new QRadioButton(parent)) {
    RadioButton()->setFocusPolicy(Qt::TabFocus);
    RadioButton()->setAutoExclusive(false);
}

QRadioButton* QtRadioButtonView::RadioButton() const {
    return static_cast<QRadioButton*>(Widget());
}

void QtRadioButtonView::SyncContent() {
    const auto* model = static_cast<const TRadioButton*>(Control());
    if (!model)
        return;
    QRadioButton* button = RadioButton();
    button->setText(model->Caption());
    button->setLayoutDirection(model->Alignment() == taLeftJustify ? Qt::RightToLeft
                                                                   : Qt::LeftToRight);
    if (button->isChecked() != model->Checked())
        button->setChecked(model->Checked());
}

} // namespace ger
