#pragma once
// QtPageControlView: a page control (TPageControl) as a QTabBar over a framed page area. The
// pages are ordinary children (their widgets where the model lays them out, below the 24-pixel
// tab row); the tab bar lists the pages whose TabVisible is set and shows the model's
// ActivePage. Pressing a tab selects that page in the model (UserInput::SelectPage: the page
// control takes the focus first, OnChanging may refuse, the old page's focused control runs
// its OnExit), and the tab bar shows whatever page the model ends on. The tab bar holds Qt's
// focus while the page control has the model's focus; arrow keys go to the model.

#include "qtview/QtContainerView.h"

#include <vector>

class QFrame;
class QTabBar;

namespace ger {

class TPageControl;
class TTabSheet;

class QtPageControlView : public QtContainerView {
    Q_OBJECT
public:
    QtPageControlView(TPageControl& pages, QWidget* parent);

    QTabBar* TabBar() const { return m_tabBar; }
    QWidget* FocusWidget() const override;

protected:
    void ConnectSignals() override;
    void SyncContent() override;
    void AfterGeometry() override;
    void AfterRestack() override;
    bool MousePressed(QWidget* source, QMouseEvent& event) override;
    bool MouseReleased(QWidget* source, QMouseEvent& event) override;

private:
    TPageControl* pageControl() const;
    std::vector<TTabSheet*> tabbedPages() const;
    void watchPages();

    QTabBar* m_tabBar;
    QFrame* m_frame;
};

} // namespace ger
