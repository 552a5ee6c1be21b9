#pragma once
// One line of a host script, parsed. The script language, one command per line (blank lines
// and lines starting with # are skipped):
//
//   iniproc                  opens screen GER99500 (the module's IniProc)
//   focus NAME               gives the focus to a control, as by keyboard
//   type TEXT                types the rest of the line into the focused control
//   key KEY [SHIFT...]       presses a key: Tab, Enter, Escape, Space, Insert, Delete,
//                            Backspace, Up, Down, Left, Right, PageUp, PageDown, Home, End,
//                            F1..F12 or one character; SHIFT is Shift, Ctrl or Alt
//   click NAME / dblclick NAME
//   cell GRID ROW COLUMN     selects a grid cell (1-based, as shown)
//   pick TEXT                picks TEXT from the focused combo box's list, or from the current
//                            grid cell's pick list
//   answer yes|no|ok         the answer to the next question
//   choose KEYVALUE          the row of the next lookup whose first column is KEYVALUE;
//   choose -                 the next lookup is closed without a choice
//   dump NAME                prints a control's state, or a grid's rows as shown
//   messages                 prints the messages shown so far and forgets them
//   close NAME               closes a form
//
// NAME is a component of the active form, or Form.Component.

#include "platform/forms/FormTypes.h"
#include "platform/forms/Keys.h"

#include <QString>

namespace ger {

struct ScriptCommand {
    enum class Kind {
        IniProc,
        Focus,
        Type,
        Key,
        Click,
        DoubleClick,
        Cell,
        Pick,
        Answer,
        Choose,
        Dump,
        Messages,
        Close
    };

    Kind kind = Kind::IniProc;
    int line = 0;      // 1-based line of the script
    QString source;    // the line as written, for the transcript
    QString name;      // focus, click, dblclick, cell, dump, close
    QString text;      // type, pick, choose (empty: close the lookup without a choice)
    Word key = 0;      // key
    TShiftState shift; // key
    int row = 0;       // cell, 1-based
    int column = 0;    // cell, 1-based
    TModalResult answer = mrNone;
};

} // namespace ger
