#include "qtview/QtKeys.h"

#include <QKeyEvent>

namespace ger {

TShiftState ShiftStateOf(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons) {
    TShiftState shift;
    if (modifiers.testFlag(Qt::ShiftModifier))
        shift |= ssShift;
    if (modifiers.testFlag(Qt::ControlModifier))
        shift |= ssCtrl;
    if (modifiers.testFlag(Qt::AltModifier))
        shift |= ssAlt;
    if (buttons.testFlag(Qt::LeftButton))
        shift |= ssLeft;
    if (buttons.testFlag(Qt::RightButton))
        shift |= ssRight;
    if (buttons.testFlag(Qt::MiddleButton))
        shift |= ssMiddle;
    return shift;
}

Word VirtualKeyOf(int qtKey) {
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z)
        return static_cast<Word>('A' + (qtKey - Qt::Key_A));
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
        return static_cast<Word>('0' + (qtKey - Qt::Key_0));
    if (qtKey >= Qt::Key_F1 && qtKey <= Qt::Key_F12)
        return static_cast<Word>(VK_F1 + (qtKey - Qt::Key_F1));
    switch (qtKey) {
    case Qt::Key_Backspace:
        return VK_BACK;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return VK_TAB;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return VK_RETURN;
    case Qt::Key_Shift:
        return VK_SHIFT;
    case Qt::Key_Control:
        return VK_CONTROL;
    case Qt::Key_Alt:
        return VK_MENU;
    case Qt::Key_Escape:
        return VK_ESCAPE;
    case Qt::Key_Space:
        return VK_SPACE;
    case Qt::Key_PageUp:
        return VK_PRIOR;
    case Qt::Key_PageDown:
        return VK_NEXT;
    case Qt::Key_End:
        return VK_END;
    case Qt::Key_Home:
        return VK_HOME;
    case Qt::Key_Left:
        return VK_LEFT;
    case Qt::Key_Up:
        return VK_UP;
    case Qt::Key_Right:
        return VK_RIGHT;
    case Qt::Key_Down:
        return VK_DOWN;
    case Qt::Key_Insert:
        return VK_INSERT;
    case Qt::Key_Delete:
        return VK_DELETE;
    default:
        return 0;
    }
}

KeyStroke KeyStrokeOf(const QKeyEvent& event) {
    KeyStroke stroke;
    stroke.shift = ShiftStateOf(event.modifiers());
    if (event.key() == Qt::Key_Backtab)
        stroke.shift |= ssShift;
    const QString text = event.text();
    const bool commandChord = stroke.shift.testFlag(ssCtrl) || stroke.shift.testFlag(ssAlt);
    if (text.size() == 1 && text.front().isPrint() && !commandChord) {
        stroke.kind = KeyStroke::Kind::Character;
        stroke.character = text.front();
        return stroke;
    }
    stroke.key = VirtualKeyOf(event.key());
    if (stroke.key != 0) {
        stroke.kind = KeyStroke::Kind::Key;
        return stroke;
    }
    if (text.size() == 1 && text.front().isPrint()) {
        stroke.kind = KeyStroke::Kind::Character;
        stroke.character = text.front();
    }
    return stroke;
}

Qt::CursorShape CursorShapeOf(TCursor cursor) {
    switch (cursor) {
    case crNone:
        return Qt::BlankCursor;
    case crCross:
        return Qt::CrossCursor;
    case crIBeam:
        return Qt::IBeamCursor;
    case crSizeNESW:
        return Qt::SizeBDiagCursor;
    case crSizeNS:
    case crVSplit:
        return Qt::SizeVerCursor;
    case crSizeNWSE:
        return Qt::SizeFDiagCursor;
    case crSizeWE:
    case crHSplit:
        return Qt::SizeHorCursor;
    case crUpArrow:
        return Qt::UpArrowCursor;
    case crHourGlass:
    case crSQLWait:
        return Qt::WaitCursor;
    case crDrag:
    case crMultiDrag:
        return Qt::DragMoveCursor;
    case crNoDrop:
    case crNo:
        return Qt::ForbiddenCursor;
    case crAppStart:
        return Qt::BusyCursor;
    case crHelp:
        return Qt::WhatsThisCursor;
    case crHandPoint:
        return Qt::PointingHandCursor;
    case crSizeAll:
        return Qt::SizeAllCursor;
    default:
        return Qt::ArrowCursor;
    }
}

} // namespace ger
