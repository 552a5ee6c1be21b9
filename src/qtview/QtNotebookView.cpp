#include "qtview/QtNotebookView.h"

#include "platform/forms/TNotebook.h"

#include <QWidget>

namespace ger {

QtNotebookView::QtNotebookView(TNotebook& notebook, QWidget* parent)
    : QtContainerView(notebook, new QWidget(parent)) {
    Widget()->setFocusPolicy(Qt::NoFocus);
}

} // namespace ger
