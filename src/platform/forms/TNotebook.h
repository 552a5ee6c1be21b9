#pragma once
// TNotebook: pages (TPage) of which only the one at PageIndex is visible, so only its controls
// can be seen and focused. Unlike a page control it has no tabs: code chooses the page, and
// every change of PageIndex, by code too, fires OnPageChanged (not while loading). A change
// while the focus is inside the notebook moves the focus to the notebook first (the focused
// control's OnExit runs and may refuse), then to the first control of the new page. A
// PageIndex read from form data before the pages applies as they are added.
//
// Signals (besides TWinControl's): activePageChanged(), pagesChanged().

#include "platform/forms/TWinControl.h"

#include <QStringList>
#include <vector>

namespace ger {

class TPage;

class TNotebook : public TWinControl {
    Q_OBJECT
public:
    explicit TNotebook(TComponent* AOwner);
    ~TNotebook() override;
    QString ClassName() const override { return QStringLiteral("TNotebook"); }

    int PageCount() const { return static_cast<int>(m_pages.size()); }
    TPage* Page(int index) const { return m_pages.at(static_cast<size_t>(index)); }
    // The captions of the pages, in order.
    QStringList Pages() const;
    int PageIndex() const { return m_pageIndex; }
    void SetPageIndex(int value);
    // The caption of the page shown.
    QString ActivePage() const;
    void SetActivePage(const QString& caption);

    TNotifyEvent OnPageChanged;

    void ReadProperty(const FormDataProperty& property, FormDataContext& context) override;

signals:
    void activePageChanged();
    void pagesChanged();

private:
    friend class TPage;

    void insertPage(TPage* page);
    void removePage(TPage* page);
    void showOnlyActivePage();

    std::vector<TPage*> m_pages;
    int m_pageIndex = 0;
};

} // namespace ger
