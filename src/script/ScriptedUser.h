#pragma once
// ScriptedUser: a person at one form, driven by name from tests and from the host's script
// mode. Every action goes through UserInput, so through the focus rules and the dispatch
// boundary: a check that fails in an OnExit shows its message (recorded by ScriptedDialogs)
// and the action returns false, as the screen would have behaved.
//
//   ScriptedUser user(form);
//   user.Focus("medFilial");        // focus arriving by keyboard: the edit selects its text
//   user.Type("1");                 // keystrokes to the focused control, through its mask
//   user.Press(VK_TAB);             // leaves the edit: medFilialExit, then panFilialExit
//   user.Click("sbtImportExport");  // a flat button: no focus change
//   user.Click("tshTipoOperCli");   // a page: a click on its tab, OnChange runs
//   user.Choose("cbbLiberado", "Não");
//   user.SelectCell("dbgPadrao", 2, 1);     // a click on a grid cell: row 2, column 1
//   user.PickFromList("dbgPadrao", "Não");  // the drop-down list of the current cell
//   user.ClickEditButton("dbgTipoOperCli"); // the ellipsis button of the current cell
//
// What a person could not do is a broken script and raises ScriptError: a name the form does
// not have, a form that is not shown, focusing or typing into a control that cannot take the
// focus, clicking one that is not visible, choosing an item a combo box does not list.
// Clicking a visible but disabled control does nothing.

#include "platform/forms/Keys.h"
#include "script/ScriptError.h"

#include <QString>

namespace ger {

class TControl;
class TCustomForm;
class TDBGrid;
class TWinControl;

class ScriptedUser {
public:
    explicit ScriptedUser(TCustomForm& form);

    TCustomForm& Form() const { return m_form; }
    // The form's component of that name; ScriptError when it has none, or none of type T.
    TControl& Control(const QString& name) const;
    template <class T> T& Get(const QString& name) const {
        T* found = dynamic_cast<T*>(&Control(name));
        if (!found)
            throw ScriptError(QStringLiteral("%1 is not of the expected kind").arg(name));
        return *found;
    }

    bool Focus(const QString& name);
    bool Type(const QString& text);
    bool Press(Word key, TShiftState shift = {});
    bool Click(const QString& name);
    bool DoubleClick(const QString& name);
    bool Choose(const QString& comboName, const QString& item);
    bool Choose(const QString& comboName, int index);
    bool SelectPage(const QString& pageControlName, const QString& sheetName);
    // Data grids: rows are the dataset's display rows (0-based), columns the grid's columns.
    bool SelectCell(const QString& gridName, int row, int column);
    bool DoubleClickCell(const QString& gridName, int row, int column);
    // Opens the current cell's editor when it is not up (a click on the cell), then chooses.
    bool PickFromList(const QString& gridName, const QString& text);
    bool ClickEditButton(const QString& gridName);
    bool Close();

    TWinControl* Focused() const;
    // The name of the focused control, or an empty string.
    QString FocusedName() const;

private:
    void requireShown() const;
    TDBGrid& shownGrid(const QString& name) const;
    void requireCellShown(const TDBGrid& grid, int row, int column) const;

    TCustomForm& m_form;
};

} // namespace ger
