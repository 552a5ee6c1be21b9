#include "platform/forms/TTabSheet.h"

#include "platform/core/ComponentRegistry.h"
#include "platform/forms/PropertyReading.h"
#include "platform/forms/TPageControl.h"

namespace ger {

TTabSheet::TTabSheet(TComponent* AOwner)
    : TWinControl(AOwner) {
    StoreVisible(false);
    SetAlign(alClient);
}

TTabSheet::~TTabSheet() {
    if (m_pageControl)
        m_pageControl->removePage(this);
}

void TTabSheet::SetPageControl(TPageControl* pageControl) {
    if (pageControl == m_pageControl)
        return;
    if (m_pageControl)
        m_pageControl->removePage(this);
    SetParent(pageControl);
    if (pageControl)
        pageControl->insertPage(this);
}

int TTabSheet::PageIndex() const {
    if (!m_pageControl)
        return -1;
    for (int i = 0; i < m_pageControl->PageCount(); ++i)
        if (m_pageControl->Pages(i) == this)
            return i;
    return -1;
}

void TTabSheet::SetPageIndex(int value) {
    if (m_pageControl)
        m_pageControl->movePage(this, value);
}

void TTabSheet::SetTabVisible(bool value) {
    if (value == m_tabVisible)
        return;
    m_tabVisible = value;
    emit changed();
}

void TTabSheet::SetParentComponent(TComponent* parent) {
    auto* pageControl = dynamic_cast<TPageControl*>(parent);
    if (!pageControl)
        throw EFormDataError(
            QStringLiteral("%1 (TTabSheet) must be declared inside a TPageControl").arg(Name()));
    SetPageControl(pageControl);
}

void TTabSheet::ReadProperty(const FormDataProperty& property, FormDataContext& context) {
    if (IsProperty(property, "PageControl")) {
        ReadReference<TPageControl>(property, context, "TPageControl",
                                    [this](TPageControl* p) { SetPageControl(p); });
    } else if (IsProperty(property, "TabVisible")) {
        SetTabVisible(ReadBool(property));
    } else if (IsProperty(property, "ImageIndex")) {
        SetImageIndex(ReadInt(property));
    } else if (IsProperty(property, "PageIndex")) {
        SetPageIndex(ReadInt(property));
    } else if (IsProperty(property, "Highlighted")) {
        ReadBool(property);
    } else {
        TWinControl::ReadProperty(property, context);
    }
}

GER_REGISTER_COMPONENT(TTabSheet)

} // namespace ger
