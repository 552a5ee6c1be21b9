#include "qtview/QtGroupBoxView.h"

#include "platform/forms/TGroupBox.h"

#include <QGroupBox>

namespace ger {

QtGroupBoxView::QtGroupBoxView(TGroupBox& box, QWidget* parent)
    : QtContainerView(box, new QGroupBox(parent)) {
    GroupBox()->setFocusPolicy(Qt::NoFocus);
}

QGroupBox* QtGroupBoxView::GroupBox() const {
    return static_cast<QGroupBox*>(Widget());
}

void QtGroupBoxView::SyncContent() {
    if (Control() && GroupBox()->title() != Control()->Caption())
        GroupBox()->setTitle(Control()->Caption());
}

} // namespace ger
