#include "qtview/QtPageControlView.h"

#include "platform/forms/TPageControl.h"
#include "platform/forms/TTabSheet.h"
#include "platform/forms/UserInput.h"

#include <QFrame>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <QTabBar>

namespace ger {
namespace {

// Height of the tab row above the pages, as the model lays the pages out.
constexpr int TabRowHeight = 24;

} // namespace

QtPageControlView::QtPageControlView(TPageControl& pages, QWidget* parent)
    : QtContainerView(pages, new QWidget(parent))
    , m_tabBar(new QTabBar(Widget()))
    , m_frame(new QFrame(Widget())) {
    Widget()->setFocusPolicy(Qt::NoFocus);
    m_tabBar->setFocusPolicy(Qt::TabFocus);
    m_tabBar->setDrawBase(false);
    m_tabBar->setExpanding(false);
    m_frame->setFrameStyle(QFrame::StyledPanel | QFrame::Raised);
    WatchInput(m_tabBar);
    WatchInput(m_frame);
}

TPageControl* QtPageControlView::pageControl() const {
    return static_cast<TPageControl*>(Control());
}

QWidget* QtPageControlView::FocusWidget() const {
    return m_tabBar;
}

void QtPageControlView::ConnectSignals() {
    QtContainerView::ConnectSignals();
    connect(pageControl(), &TPageControl::pagesChanged, this, &QtPageControlView::watchPages);
    connect(pageControl(), &TPageControl::activePageChanged, this, &QtPageControlView::SyncContent);
    watchPages();
}

// Captions and tab visibility live on the pages: follow each page's changes.
void QtPageControlView::watchPages() {
    TPageControl* pages = pageControl();
    for (int i = 0; i < pages->PageCount(); ++i)
        connect(pages->Pages(i), &TControl::changed, this, &QtPageControlView::SyncContent,
                Qt::UniqueConnection);
    SyncContent();
}

std::vector<TTabSheet*> QtPageControlView::tabbedPages() const {
    std::vector<TTabSheet*> tabbed;
    TPageControl* pages = pageControl();
    for (int i = 0; i < pages->PageCount(); ++i)
        if (pages->Pages(i)->TabVisible())
            tabbed.push_back(pages->Pages(i));
    return tabbed;
}

void QtPageControlView::SyncContent() {
    if (!pageControl())
        return;
    const QSignalBlocker blocker(m_tabBar);
    const std::vector<TTabSheet*> tabbed = tabbedPages();
    while (m_tabBar->count() > static_cast<int>(tabbed.size()))
        m_tabBar->removeTab(m_tabBar->count() - 1);
    while (m_tabBar->count() < static_cast<int>(tabbed.size()))
        m_tabBar->addTab(QString());
    int current = -1;
    for (int i = 0; i < static_cast<int>(tabbed.size()); ++i) {
        if (m_tabBar->tabText(i) != tabbed[i]->Caption())
            m_tabBar->setTabText(i, tabbed[i]->Caption());
        if (tabbed[i] == pageControl()->ActivePage())
            current = i;
    }
    if (m_tabBar->currentIndex() != current)
        m_tabBar->setCurrentIndex(current);
}

void QtPageControlView::AfterGeometry() {
    const QSize size = Widget()->size();
    m_tabBar->setGeometry(0, 0, size.width(), TabRowHeight);
    m_frame->setGeometry(0, TabRowHeight - 2, size.width(), size.height() - TabRowHeight + 2);
}

void QtPageControlView::AfterRestack() {
    m_frame->lower();
    m_tabBar->raise();
}

bool QtPageControlView::MousePressed(QWidget* source, QMouseEvent& event) {
    if (source != m_tabBar || event.button() != Qt::LeftButton)
        return true;
    const int tab = m_tabBar->tabAt(event.position().toPoint());
    const std::vector<TTabSheet*> tabbed = tabbedPages();
    if (tab < 0 || tab >= static_cast<int>(tabbed.size()))
        return true;
    TTabSheet* page = tabbed[static_cast<size_t>(tab)];
    RunUserAction([this, page] { UserInput::SelectPage(*pageControl(), *page); });
    return true;
}

bool QtPageControlView::MouseReleased(QWidget* source, QMouseEvent& event) {
    if (source == m_tabBar)
        return true;
    return QtContainerView::MouseReleased(source, event);
}

} // namespace ger
