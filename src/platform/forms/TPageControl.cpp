#include "platform/forms/TPageControl.h"

#include "platform/core/ComponentRegistry.h"
#include "platform/forms/PropertyReading.h"
#include "platform/forms/TCustomForm.h"
#include "platform/forms/TTabSheet.h"

#include <algorithm>

namespace ger {
namespace {

// Look of the tabs, the renderer's business.
bool isTabAppearance(const FormDataProperty& p) {
    for (const char* name : {"MultiLine", "TabPosition", "Style", "TabHeight", "TabWidth",
                             "HotTrack", "RaggedRight", "ScrollOpposite", "OwnerDraw"})
        if (IsProperty(p, name))
            return true;
    return false;
}

} // namespace

TPageControl::TPageControl(TComponent* AOwner)
    : TWinControl(AOwner) {
    SetBounds(0, 0, 289, 193);
    SetTabStop(true);
}

TPageControl::~TPageControl() {
    for (TTabSheet* page : m_pages)
        page->m_pageControl = nullptr;
    m_pages.clear();
    m_activePage = nullptr;
}

void TPageControl::insertPage(TTabSheet* page) {
    m_pages.push_back(page);
    page->m_pageControl = this;
    page->SetVisible(false);
    emit pagesChanged();
    if (!m_activePage)
        changeActivePage(page);
}

void TPageControl::removePage(TTabSheet* page) {
    const auto it = std::find(m_pages.begin(), m_pages.end(), page);
    if (it == m_pages.end())
        return;
    const auto next = m_pages.erase(it);
    page->m_pageControl = nullptr;
    emit pagesChanged();
    if (page != m_activePage)
        return;
    m_activePage = nullptr;
    if (!m_pages.empty())
        changeActivePage(next != m_pages.end() ? *next : m_pages.back());
    else
        emit activePageChanged();
}

void TPageControl::movePage(TTabSheet* page, int index) {
    std::erase(m_pages, page);
    index = std::clamp(index, 0, static_cast<int>(m_pages.size()));
    m_pages.insert(m_pages.begin() + index, page);
    emit pagesChanged();
}

void TPageControl::SetActivePage(TTabSheet* page) {
    if (page && page->PageControl() != this)
        return;
    changeActivePage(page);
}

int TPageControl::ActivePageIndex() const {
    const auto it = std::find(m_pages.begin(), m_pages.end(), m_activePage);
    return it == m_pages.end() ? -1 : static_cast<int>(it - m_pages.begin());
}

void TPageControl::SetActivePageIndex(int index) {
    SetActivePage(index >= 0 && index < PageCount() ? Pages(index) : nullptr);
}

void TPageControl::changeActivePage(TTabSheet* page) {
    if (page == m_activePage)
        return;
    TCustomForm* form = ParentForm();
    const bool moveFocus = form && form->Active();
    if (moveFocus && m_activePage && m_activePage->ContainsControl(form->FocusedControl())) {
        form->SetActiveControl(m_activePage);
        if (form->FocusedControl() != m_activePage)
            return;
    }
    if (page) {
        page->BringToFront();
        page->SetVisible(true);
        if (moveFocus && m_activePage && form->FocusedControl() == m_activePage)
            form->SetActiveControl(page->CanFocus() ? static_cast<TWinControl*>(page) : this);
    }
    if (m_activePage)
        m_activePage->SetVisible(false);
    m_activePage = page;
    emit activePageChanged();
    emit changed();
    if (moveFocus && m_activePage && form->FocusedControl() == m_activePage)
        m_activePage->SelectFirst();
}

TTabSheet* TPageControl::FindNextPage(TTabSheet* current, bool goForward,
                                      bool checkTabVisible) const {
    const int count = PageCount();
    if (count == 0)
        return nullptr;
    int start =
        static_cast<int>(std::find(m_pages.begin(), m_pages.end(), current) - m_pages.begin());
    if (start == count)
        start = goForward ? count - 1 : 0;
    int i = start;
    do {
        i = goForward ? (i + 1) % count : (i + count - 1) % count;
        if (!checkTabVisible || Pages(i)->TabVisible())
            return Pages(i);
    } while (i != start);
    return nullptr;
}

void TPageControl::UserSelectPage(TTabSheet* page) {
    if (!page || page == m_activePage || page->PageControl() != this || !page->TabVisible())
        return;
    bool allowChange = true;
    if (OnChanging)
        OnChanging(this, allowChange);
    if (!allowChange)
        return;
    changeActivePage(page);
    if (m_activePage == page && OnChange)
        OnChange(this);
}

void TPageControl::SelectNextPage(bool goForward) {
    UserSelectPage(FindNextPage(m_activePage, goForward, true));
}

void TPageControl::UserClick(const QPoint&) {}

bool TPageControl::WantsKey(Word key, TShiftState) const {
    return key == VK_LEFT || key == VK_RIGHT || key == VK_UP || key == VK_DOWN;
}

void TPageControl::DefaultKeyDown(Word& key, TShiftState) {
    if (key == VK_LEFT || key == VK_UP)
        SelectNextPage(false);
    else if (key == VK_RIGHT || key == VK_DOWN)
        SelectNextPage(true);
}

QRect TPageControl::AlignRect() const {
    return TWinControl::AlignRect().adjusted(4, 24, -4, -4);
}

void TPageControl::ReadProperty(const FormDataProperty& property, FormDataContext& context) {
    if (IsProperty(property, "ActivePage")) {
        ReadReference<TTabSheet>(property, context, "TTabSheet",
                                 [this](TTabSheet* page) { SetActivePage(page); });
    } else if (IsProperty(property, "OnChange")) {
        OnChange = ReadEvent<TNotifyEvent>(property, context);
    } else if (IsProperty(property, "OnChanging")) {
        OnChanging = ReadEvent<TTabChangingEvent>(property, context);
    } else if (!isTabAppearance(property)) {
        TWinControl::ReadProperty(property, context);
    }
}

GER_REGISTER_COMPONENT(TPageControl)

} // namespace ger
