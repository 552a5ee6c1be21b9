#include "platform/forms/TPage.h"

#include "platform/core/ComponentRegistry.h"
#include "platform/core/Exception.h"
#include "platform/forms/TNotebook.h"

namespace ger {

TPage::TPage(TComponent* AOwner)
    : TWinControl(AOwner) {
    StoreVisible(false);
    SetAlign(alClient);
}

TPage::~TPage() {
    if (m_notebook)
        m_notebook->removePage(this);
}

void TPage::SetNotebook(TNotebook* notebook) {
    if (notebook == m_notebook)
        return;
    if (m_notebook)
        m_notebook->removePage(this);
    SetParent(notebook);
    if (notebook)
        notebook->insertPage(this);
}

void TPage::SetParentComponent(TComponent* parent) {
    auto* notebook = dynamic_cast<TNotebook*>(parent);
    if (!notebook)
        throw EFormDataError(
            QStringLiteral("%1 (TPage) must be declared inside a TNotebook").arg(Name()));
    SetNotebook(notebook);
}

GER_REGISTER_COMPONENT(TPage)

} // namespace ger
