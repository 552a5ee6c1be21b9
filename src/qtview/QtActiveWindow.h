#pragma once
// The window a dialog stands over and gives the keyboard back to: the active window, else the
// application's visible main window. Right after a modal window has closed no window may be
// active yet (no window manager, or one slow to answer), and a dialog without an owner would
// leave the keyboard nowhere when it goes.

class QWidget;

namespace ger {

QWidget* ActiveOrMainWindow();

} // namespace ger
