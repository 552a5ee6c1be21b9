#include "qtview/QtButtonView.h"

#include "platform/forms/TButton.h"

#include <QPushButton>

namespace ger {

QtButtonView::QtButtonView(TButton& button, QWidget* parent)
    : QtControlView(button, new QPushButton(parent)) {
    PushButton()->setFocusPolicy(Qt::TabFocus);
    PushButton()->setAutoDefault(false);
}

QPushButton* QtButtonView::PushButton() const {
    return static_cast<QPushButton*>(Widget());
}

void QtButtonView::SyncContent() {
    const auto* model = static_cast<const TButton*>(Control());
    if (!model)
        return;
    PushButton()->setText(model->Caption());
    PushButton()->setDefault(model->Default());
}

} // namespace ger
