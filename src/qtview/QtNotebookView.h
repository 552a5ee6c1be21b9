#pragma once
// QtNotebookView: a notebook (TNotebook) as a plain container. It has no tabs: its pages (TPage)
// are children that the model shows one at a time, and each page's widget follows its page's
// Visible, so the notebook shows the page at the model's PageIndex.

#include "qtview/QtContainerView.h"

namespace ger {

class TNotebook;

class QtNotebookView : public QtContainerView {
    Q_OBJECT
public:
    QtNotebookView(TNotebook& notebook, QWidget* parent);
};

} // namespace ger
