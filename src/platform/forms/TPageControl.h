#pragma once
// TPageControl: tabbed pages (TTabSheet). ActivePage is the page shown. Setting it by code
// fires nothing; the user's switch (a tab click or the arrow keys, UserSelectPage) asks
// OnChanging, changes the page and then fires OnChange. Changing the page while the focus is
// on a control of the old page first moves the focus to the old page itself (that control's
// OnExit runs and may refuse, which leaves the page as it was); if the page had the focus, the
// first control of the new page gets it. The first page added becomes the active one until
// something else is chosen. Pages are laid out inside the tab area (4 pixels on each side,
// 24 at the top for the tabs).
//
// Signals (besides TWinControl's): activePageChanged(), pagesChanged().

#include "platform/forms/TWinControl.h"

#include <vector>

namespace ger {

class TTabSheet;

using TTabChangingEvent = std::function<void(TObject* Sender, bool& AllowChange)>;

class TPageControl : public TWinControl {
    Q_OBJECT
public:
    explicit TPageControl(TComponent* AOwner);
    ~TPageControl() override;
    QString ClassName() const override { return QStringLiteral("TPageControl"); }

    int PageCount() const { return static_cast<int>(m_pages.size()); }
    TTabSheet* Pages(int index) const { return m_pages.at(static_cast<size_t>(index)); }
    TTabSheet* ActivePage() const { return m_activePage; }
    void SetActivePage(TTabSheet* page);
    int ActivePageIndex() const;
    void SetActivePageIndex(int index);
    TTabSheet* FindNextPage(TTabSheet* current, bool goForward, bool checkTabVisible) const;
    // The user selects `page`: OnChanging, the change, OnChange.
    void UserSelectPage(TTabSheet* page);
    void SelectNextPage(bool goForward);

    TNotifyEvent OnChange;
    TTabChangingEvent OnChanging;

    bool FocusesOnClick() const override { return true; }
    void UserClick(const QPoint& at) override;
    bool WantsKey(Word key, TShiftState shift) const override;
    QRect AlignRect() const override;

    void ReadProperty(const FormDataProperty& property, FormDataContext& context) override;

signals:
    void activePageChanged();
    void pagesChanged();

protected:
    void DefaultKeyDown(Word& key, TShiftState shift) override;

private:
    friend class TTabSheet;

    void insertPage(TTabSheet* page);
    void removePage(TTabSheet* page);
    void movePage(TTabSheet* page, int index);
    void changeActivePage(TTabSheet* page);

    std::vector<TTabSheet*> m_pages;
    TTabSheet* m_activePage = nullptr;
};

} // namespace ger
