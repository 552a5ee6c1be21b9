#pragma once
// UserInput: what the person at the screen does, as calls on the model. The Qt renderer and
// the scripted user both go through here; each call is one user action, run through the
// dispatch boundary (Dispatch), and returns true when it ran without an exception.
//
// Click. A win control that takes the focus on a click (edits, buttons, combo boxes, radio
// buttons, page controls, grids) gets it first, by the focus rules; if the move fails or the
// focus ends elsewhere, the click does nothing more. A graphic control (flat buttons, lookup
// buttons, labels, images) is clicked without any focus change, so no OnExit runs. Disabled or
// hidden controls ignore clicks. A double click is a click followed by the double click.
//
// Keys (order in TWinControl.h): a navigation key the focused control does not want goes to
// the form (Tab moves the focus) and ends there when the form used it. Otherwise KeyDown runs
// (the form's OnKeyDown first with KeyPreview), then, for a key that gives a character,
// KeyPress, then KeyUp. As on the platform, a key set to 0 in OnKeyDown still produces its
// character: a handler that wants to swallow the character does so in OnKeyPress.

#include "platform/forms/Keys.h"

#include <QPoint>
#include <utility>

namespace ger {

class TComboBox;
class TControl;
class TCustomForm;
class TPageControl;
class TTabSheet;
class TWinControl;

class UserInput {
public:
    // The focus arrives by keyboard or from the window system: an edit selects its text.
    static bool Focus(TWinControl& control);
    static bool Click(TControl& control, QPoint at = QPoint(-1, -1));
    static bool DoubleClick(TControl& control, QPoint at = QPoint(-1, -1));
    // A key to the form's focused control (or to the form when nothing has the focus).
    static bool PressKey(TCustomForm& form, Word key, TShiftState shift = {});
    // Typing one character: its key (when it has one) and the character.
    static bool TypeChar(TCustomForm& form, QChar character);
    // Picking an item from the drop-down list (the combo box takes the focus first).
    static bool ChooseItem(TComboBox& combo, int index);
    // Clicking a page's tab (the page control takes the focus first).
    static bool SelectPage(TPageControl& pages, TTabSheet& page);
    // The window's close button.
    static bool CloseForm(TCustomForm& form);

    // The virtual key and shift state that type `character`; key 0 when no key types it
    // directly (accented letters, punctuation), which then arrive as KeyPress only.
    static std::pair<Word, TShiftState> KeyForChar(QChar character);
    // The character a key gives, or a null QChar.
    static QChar CharForKey(Word key, TShiftState shift);

private:
    static bool clickFocus(TControl& control);
    static void deliverKey(TCustomForm& form, Word key, TShiftState shift, QChar character);
};

} // namespace ger
