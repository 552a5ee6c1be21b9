#include "qtview/QtScreenView.h"

#include "platform/forms/TCustomForm.h"
#include "platform/forms/TScreen.h"
#include "qtview/QtFormView.h"

namespace ger {

QtScreenView::QtScreenView(Placement placement, QObject* parent)
    : QObject(parent)
    , m_placement(std::move(placement)) {
    connect(&Screen(), &TScreen::formAdded, this, &QtScreenView::follow);
    for (int i = 0; i < Screen().FormCount(); ++i) {
        TCustomForm* form = Screen().Forms(i);
        follow(form);
        if (form->Visible())
            shown(form);
    }
}

void QtScreenView::follow(TCustomForm* form) {
    connect(form, &TCustomForm::shown, this, [this, form] { shown(form); });
}

void QtScreenView::shown(TCustomForm* form) {
    if (form->IsModal() || QtFormView::ViewOf(*form))
        return;
    new QtFormView(*form, m_placement ? m_placement(*form) : nullptr);
}

} // namespace ger
