#pragma once
// What Qt reports of the keyboard and the mouse, in the model's terms: virtual key codes and
// shift states as on the platform, and the platform's cursors as Qt cursor shapes.
//
//   Qt::Key_A without modifiers   -> 'A' (65), {}
//   Qt::Key_Backtab               -> VK_TAB, ssShift
//   Qt::Key_Delete with Control   -> VK_DELETE, ssCtrl
//   Qt::Key_F2                    -> VK_F2 (113)
//   a key with no platform code (media keys, dead keys) -> 0

#include "platform/forms/ControlTypes.h"
#include "platform/forms/Keys.h"

#include <Qt>

class QKeyEvent;

namespace ger {

TShiftState ShiftStateOf(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons = {});
Word VirtualKeyOf(int qtKey);

// What one key press means to the model: either a typed character (which UserInput turns into
// its key and the character) or a key with its shift state (which gives its own character, if
// any), or nothing.
struct KeyStroke {
    enum class Kind { None, Character, Key };
    Kind kind = Kind::None;
    QChar character;
    Word key = 0;
    TShiftState shift;
};
KeyStroke KeyStrokeOf(const QKeyEvent& event);

Qt::CursorShape CursorShapeOf(TCursor cursor);

} // namespace ger
