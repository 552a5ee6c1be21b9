#pragma once
// Answering the modal windows of a test: message boxes, lookups and modal forms run their own
// event loop, so the test acts on them from a timer that fires inside that loop.
//
//   qttest::WhenModal([](QWidget* box) { qttest::PressButton(box, "OK"); });
//   QTest::keyClick(edit, Qt::Key_Tab);        // the check fails and shows its message box

#include <QString>
#include <functional>

class QPushButton;
class QWidget;

namespace ger::qttest {

// Runs `act` on the modal window once it is up (within 5 s). No modal window fails the test; a
// window that `act` leaves open fails the test and is closed, so the test goes on instead of
// waiting for a person.
void WhenModal(std::function<void(QWidget*)> act);
// The push button of `window` with that text, or null.
QPushButton* ButtonWithText(QWidget* window, const QString& text);
// Presses the button of that text, or fails and closes the window so the test goes on.
void PressButton(QWidget* window, const QString& text);

} // namespace ger::qttest
