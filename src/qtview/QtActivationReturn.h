#pragma once
// Gives the activation back to the window that had it (ActiveOrMainWindow) once a modal window
// shown in this scope has closed. Window managers do that by themselves; without one (a bare X
// server, the offscreen platform) the keyboard would go to no window at all.
//
//   const QtActivationReturn activation;
//   dialog.exec();

#include <QPointer>
#include <QWidget>

namespace ger {

class QtActivationReturn {
public:
    QtActivationReturn();
    ~QtActivationReturn();
    QtActivationReturn(const QtActivationReturn&) = delete;
    QtActivationReturn& operator=(const QtActivationReturn&) = delete;

    // The window given back to, or null.
    QWidget* window() const { return m_window; }

private:
    QPointer<QWidget> m_window;
};

} // namespace ger
