#pragma once
// Keyboard: virtual key codes as on the platform (VK_RETURN is 13, VK_F2 is 113), the shift
// state, and the key events. Key parameters are references: a handler that sets the key to 0
// swallows it, and nothing after that handler sees it.

#include "platform/core/Events.h"

#include <QChar>
#include <QFlags>
#include <functional>

namespace ger {

using Word = quint16;

constexpr Word VK_BACK = 8;
constexpr Word VK_TAB = 9;
constexpr Word VK_RETURN = 13;
constexpr Word VK_SHIFT = 16;
constexpr Word VK_CONTROL = 17;
constexpr Word VK_MENU = 18;
constexpr Word VK_ESCAPE = 27;
constexpr Word VK_SPACE = 32;
constexpr Word VK_PRIOR = 33;
constexpr Word VK_NEXT = 34;
constexpr Word VK_END = 35;
constexpr Word VK_HOME = 36;
constexpr Word VK_LEFT = 37;
constexpr Word VK_UP = 38;
constexpr Word VK_RIGHT = 39;
constexpr Word VK_DOWN = 40;
constexpr Word VK_INSERT = 45;
constexpr Word VK_DELETE = 46;
constexpr Word VK_F1 = 112;
constexpr Word VK_F2 = 113;
constexpr Word VK_F3 = 114;
constexpr Word VK_F4 = 115;
constexpr Word VK_F5 = 116;
constexpr Word VK_F6 = 117;
constexpr Word VK_F7 = 118;
constexpr Word VK_F8 = 119;
constexpr Word VK_F9 = 120;
constexpr Word VK_F10 = 121;
constexpr Word VK_F11 = 122;
constexpr Word VK_F12 = 123;

enum TShiftStateFlag {
    ssShift = 0x1,
    ssAlt = 0x2,
    ssCtrl = 0x4,
    ssLeft = 0x8,
    ssRight = 0x10,
    ssMiddle = 0x20,
    ssDouble = 0x40
};
Q_DECLARE_FLAGS(TShiftState, TShiftStateFlag)
Q_DECLARE_OPERATORS_FOR_FLAGS(TShiftState)

using TKeyEvent = std::function<void(TObject* Sender, Word& Key, TShiftState Shift)>;
using TKeyPressEvent = std::function<void(TObject* Sender, QChar& Key)>;
// The mouse moved over a control: the buttons held and the point in client coordinates.
using TMouseMoveEvent = std::function<void(TObject* Sender, TShiftState Shift, int X, int Y)>;

} // namespace ger
