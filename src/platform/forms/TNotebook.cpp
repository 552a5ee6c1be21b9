#include "platform/forms/TNotebook.h"

#include "platform/core/ComponentRegistry.h"
#include "platform/forms/PropertyReading.h"
#include "platform/forms/TCustomForm.h"
#include "platform/forms/TPage.h"

#include <algorithm>

namespace ger {

TNotebook::TNotebook(TComponent* AOwner)
    : TWinControl(AOwner) {
    SetBounds(0, 0, 150, 150);
}

TNotebook::~TNotebook() {
    for (TPage* page : m_pages)
        page->m_notebook = nullptr;
    m_pages.clear();
}

QStringList TNotebook::Pages() const {
    QStringList captions;
    for (const TPage* page : m_pages)
        captions.append(page->Caption());
    return captions;
}

QString TNotebook::ActivePage() const {
    return m_pageIndex >= 0 && m_pageIndex < PageCount() ? Page(m_pageIndex)->Caption() : QString();
}

void TNotebook::SetActivePage(const QString& caption) {
    const int index = static_cast<int>(Pages().indexOf(caption));
    if (index >= 0)
        SetPageIndex(index);
}

void TNotebook::insertPage(TPage* page) {
    m_pages.push_back(page);
    page->m_notebook = this;
    emit pagesChanged();
    showOnlyActivePage();
}

void TNotebook::removePage(TPage* page) {
    std::erase(m_pages, page);
    page->m_notebook = nullptr;
    emit pagesChanged();
    showOnlyActivePage();
}

void TNotebook::showOnlyActivePage() {
    for (int i = 0; i < PageCount(); ++i)
        if (i != m_pageIndex)
            Page(i)->SetVisible(false);
    if (m_pageIndex >= 0 && m_pageIndex < PageCount()) {
        Page(m_pageIndex)->BringToFront();
        Page(m_pageIndex)->SetVisible(true);
    }
}

void TNotebook::SetPageIndex(int value) {
    if (IsLoadingState()) {
        m_pageIndex = value;
        showOnlyActivePage();
        return;
    }
    if (value == m_pageIndex || value < 0 || value >= PageCount())
        return;
    TCustomForm* form = ParentForm();
    const bool moveFocus = form && form->Active();
    if (moveFocus && form->FocusedControl() != this && ContainsControl(form->FocusedControl())) {
        form->SetActiveControl(this);
        if (form->FocusedControl() != this)
            return;
    }
    m_pageIndex = value;
    showOnlyActivePage();
    emit activePageChanged();
    emit changed();
    if (moveFocus && form->FocusedControl() == this)
        SelectFirst();
    if (OnPageChanged)
        OnPageChanged(this);
}

void TNotebook::ReadProperty(const FormDataProperty& property, FormDataContext& context) {
    if (IsProperty(property, "PageIndex"))
        SetPageIndex(ReadInt(property));
    else if (IsProperty(property, "ActivePage"))
        SetActivePage(ReadString(property));
    else if (IsProperty(property, "OnPageChanged"))
        OnPageChanged = ReadEvent<TNotifyEvent>(property, context);
    else
        TWinControl::ReadProperty(property, context);
}

GER_REGISTER_COMPONENT(TNotebook)

} // namespace ger
