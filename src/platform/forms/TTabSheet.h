#pragma once
// TTabSheet: one page of a TPageControl, filling the page control's client area (alClient).
// Only the active page is visible, so the controls of the other pages cannot take the focus.
// Form data declares the pages nested in their page control, or names it with `PageControl`.

#include "platform/forms/TWinControl.h"

namespace ger {

class TPageControl;

class TTabSheet : public TWinControl {
    Q_OBJECT
public:
    explicit TTabSheet(TComponent* AOwner);
    ~TTabSheet() override;
    QString ClassName() const override { return QStringLiteral("TTabSheet"); }

    TPageControl* PageControl() const { return m_pageControl; }
    void SetPageControl(TPageControl* pageControl);
    // Position among the page control's pages.
    int PageIndex() const;
    void SetPageIndex(int value);
    bool TabVisible() const { return m_tabVisible; }
    void SetTabVisible(bool value);
    int ImageIndex() const { return m_imageIndex; }
    void SetImageIndex(int value) { m_imageIndex = value; }

    void SetParentComponent(TComponent* parent) override;
    void ReadProperty(const FormDataProperty& property, FormDataContext& context) override;

private:
    friend class TPageControl;

    TPageControl* m_pageControl = nullptr;
    bool m_tabVisible = true;
    int m_imageIndex = -1;
};

} // namespace ger
