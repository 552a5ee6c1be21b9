#include "script/ScriptedUser.h"

#include "platform/forms/TComboBox.h"
#include "platform/forms/TCustomForm.h"
#include "platform/forms/TPageControl.h"
#include "platform/forms/TTabSheet.h"
#include "platform/forms/UserInput.h"
#include "platform/forms/grid/GridInput.h"
#include "platform/forms/grid/TColumn.h"
#include "platform/forms/grid/TDBGrid.h"

namespace ger {

ScriptedUser::ScriptedUser(TCustomForm& form)
    : m_form(form) {}

TControl& ScriptedUser::Control(const QString& name) const {
    auto* control = dynamic_cast<TControl*>(m_form.FindComponent(name));
    if (!control)
        throw ScriptError(QStringLiteral("Form %1 has no control %2").arg(m_form.Name(), name));
    return *control;
}

void ScriptedUser::requireShown() const {
    if (!m_form.Visible())
        throw ScriptError(QStringLiteral("Form %1 is not shown").arg(m_form.Name()));
}

bool ScriptedUser::Focus(const QString& name) {
    requireShown();
    auto& control = Get<TWinControl>(name);
    if (!control.CanFocus())
        throw ScriptError(QStringLiteral("%1 cannot take the focus").arg(name));
    return UserInput::Focus(control);
}

bool ScriptedUser::Type(const QString& text) {
    requireShown();
    if (!m_form.FocusedControl())
        throw ScriptError(
            QStringLiteral("Typing \"%1\" with nothing focused on %2").arg(text, m_form.Name()));
    bool ok = true;
    for (QChar c : text)
        ok = UserInput::TypeChar(m_form, c) && ok;
    return ok;
}

bool ScriptedUser::Press(Word key, TShiftState shift) {
    requireShown();
    return UserInput::PressKey(m_form, key, shift);
}

// A page of a page control is clicked on its tab, which shows even while the page is hidden.
bool ScriptedUser::Click(const QString& name) {
    requireShown();
    TControl& control = Control(name);
    if (auto* sheet = dynamic_cast<TTabSheet*>(&control); sheet && sheet->PageControl()) {
        TPageControl& pages = *sheet->PageControl();
        if (!sheet->TabVisible() || !pages.Showing())
            throw ScriptError(QStringLiteral("the tab of %1 is not visible").arg(name));
        return UserInput::SelectPage(pages, *sheet);
    }
    if (!control.Showing())
        throw ScriptError(QStringLiteral("%1 is not visible").arg(name));
    return UserInput::Click(control);
}

bool ScriptedUser::DoubleClick(const QString& name) {
    requireShown();
    TControl& control = Control(name);
    if (!control.Showing())
        throw ScriptError(QStringLiteral("%1 is not visible").arg(name));
    return UserInput::DoubleClick(control);
}

bool ScriptedUser::Choose(const QString& comboName, const QString& item) {
    auto& combo = Get<TComboBox>(comboName);
    const int index = static_cast<int>(combo.Items().indexOf(item));
    if (index < 0)
        throw ScriptError(QStringLiteral("%1 does not list \"%2\"").arg(comboName, item));
    return Choose(comboName, index);
}

bool ScriptedUser::Choose(const QString& comboName, int index) {
    requireShown();
    auto& combo = Get<TComboBox>(comboName);
    if (index < 0 || index >= combo.Items().size())
        throw ScriptError(QStringLiteral("%1 has no item %2").arg(comboName).arg(index));
    if (!combo.Showing())
        throw ScriptError(QStringLiteral("%1 is not visible").arg(comboName));
    return UserInput::ChooseItem(combo, index);
}

bool ScriptedUser::SelectPage(const QString& pageControlName, const QString& sheetName) {
    requireShown();
    auto& pages = Get<TPageControl>(pageControlName);
    auto& sheet = Get<TTabSheet>(sheetName);
    if (sheet.PageControl() != &pages || !sheet.TabVisible() || !pages.Showing())
        throw ScriptError(QStringLiteral("%1 shows no tab %2").arg(pageControlName, sheetName));
    return UserInput::SelectPage(pages, sheet);
}

bool ScriptedUser::Close() {
    requireShown();
    return UserInput::CloseForm(m_form);
}

TDBGrid& ScriptedUser::shownGrid(const QString& name) const {
    requireShown();
    auto& grid = Get<TDBGrid>(name);
    if (!grid.Showing())
        throw ScriptError(QStringLiteral("%1 is not visible").arg(name));
    return grid;
}

void ScriptedUser::requireCellShown(const TDBGrid& grid, int row, int column) const {
    const bool rowShown = row >= grid.TopRow() && row < grid.RowCount() &&
                          row < grid.TopRow() + grid.VisibleRowCount();
    const bool columnShown =
        column >= 0 && column < grid.Columns().Count() && grid.Columns()[column]->Visible();
    if (!rowShown || !columnShown)
        throw ScriptError(QStringLiteral("%1 shows no cell at row %2, column %3")
                              .arg(grid.Name())
                              .arg(row)
                              .arg(column));
}

bool ScriptedUser::SelectCell(const QString& gridName, int row, int column) {
    TDBGrid& grid = shownGrid(gridName);
    requireCellShown(grid, row, column);
    return GridInput::ClickCell(grid, row, column);
}

bool ScriptedUser::DoubleClickCell(const QString& gridName, int row, int column) {
    TDBGrid& grid = shownGrid(gridName);
    requireCellShown(grid, row, column);
    return GridInput::DoubleClickCell(grid, row, column);
}

bool ScriptedUser::PickFromList(const QString& gridName, const QString& text) {
    TDBGrid& grid = shownGrid(gridName);
    if (!grid.EditorMode() || !grid.Focused()) {
        requireCellShown(grid, grid.CurrentRow(), grid.SelectedIndex());
        if (!GridInput::ClickCell(grid, grid.CurrentRow(), grid.SelectedIndex()))
            return false;
    }
    if (grid.EditorStyle() != esPickList)
        throw ScriptError(
            QStringLiteral("%1 shows no pick list on its current cell").arg(gridName));
    const int index = static_cast<int>(grid.EditorPickList().indexOf(text));
    if (index < 0)
        throw ScriptError(QStringLiteral("%1 does not offer \"%2\"").arg(gridName, text));
    return GridInput::ChoosePickItem(grid, index);
}

bool ScriptedUser::ClickEditButton(const QString& gridName) {
    TDBGrid& grid = shownGrid(gridName);
    if (grid.EditorStyle() != esEllipsis)
        throw ScriptError(QStringLiteral("%1 shows no ellipsis button").arg(gridName));
    return GridInput::ClickEditButton(grid);
}

TWinControl* ScriptedUser::Focused() const {
    return m_form.FocusedControl();
}

QString ScriptedUser::FocusedName() const {
    const TWinControl* focused = Focused();
    return focused ? focused->Name() : QString();
}

} // namespace ger
