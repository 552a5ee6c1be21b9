#include "qtview/QtActivationReturn.h"

#include "qtview/QtActiveWindow.h"

namespace ger {

QtActivationReturn::QtActivationReturn()
    : m_window(ActiveOrMainWindow()) {}

QtActivationReturn::~QtActivationReturn() {
    if (m_window && m_window->isVisible() && !m_window->isActiveWindow())
        m_window->activateWindow();
}

} // namespace ger
