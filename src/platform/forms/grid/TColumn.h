#pragma once
// TColumn: one column of a data grid, bound to a field of the grid's dataset by FieldName.
//
// Field() is the dataset's field of that name while the dataset is open (or, with persistent
// fields, also while it is closed); null when there is none. A column is edited in place only
// when neither it nor its field is ReadOnly. PickList offers texts to choose in the cell (a
// drop-down button when ButtonStyle is cbsAuto); ButtonStyle cbsEllipsis shows a button that
// runs the grid's OnEditButtonClick. Width, Color and Alignment follow the field and the grid
// until set.
//
// Columns live in their grid's TDBGridColumns, which owns them; every change is reported to
// the grid (layoutChanged).

#include "platform/core/FormDataContext.h"
#include "platform/core/FormDataValue.h"
#include "platform/core/TAlignment.h"
#include "platform/forms/TColor.h"
#include "platform/forms/grid/GridTypes.h"
#include "platform/forms/grid/TColumnTitle.h"

#include <QStringList>

namespace ger {

class TDBGrid;
class TDBGridColumns;
class TField;

class TColumn {
public:
    explicit TColumn(TDBGridColumns* collection);
    TColumn(const TColumn&) = delete;
    TColumn& operator=(const TColumn&) = delete;

    TDBGridColumns* Collection() const { return m_collection; }
    TDBGrid* Grid() const;
    // Position among the grid's columns; moving it reorders them.
    int Index() const;
    void SetIndex(int index);

    const QString& FieldName() const { return m_fieldName; }
    void SetFieldName(const QString& name);
    TField* Field() const;
    void SetField(TField* field);

    TColumnTitle& Title() { return m_title; }
    const TColumnTitle& Title() const { return m_title; }

    // In pixels: the set width, or one that fits the field's DisplayWidth (and the title).
    int Width() const;
    void SetWidth(int width);
    int DefaultWidth() const;
    bool ReadOnly() const { return m_readOnly; }
    void SetReadOnly(bool readOnly);
    bool Visible() const { return m_visible; }
    void SetVisible(bool visible);
    const QStringList& PickList() const { return m_pickList; }
    void SetPickList(const QStringList& items);
    TColumnButtonStyle ButtonStyle() const { return m_buttonStyle; }
    void SetButtonStyle(TColumnButtonStyle style);
    int DropDownRows() const { return m_dropDownRows; }
    void SetDropDownRows(int rows) { m_dropDownRows = rows; }
    // The field's alignment unless set.
    TAlignment Alignment() const;
    void SetAlignment(TAlignment alignment);
    // The grid's colour unless set.
    TColor Color() const;
    void SetColor(TColor color);
    // The grid's font unless set.
    TFont Font() const;
    void SetFont(const TFont& font);

    void ReadProperty(const FormDataProperty& property, FormDataContext& context);

private:
    friend class TColumnTitle;
    friend class TDBGridColumns;
    void Changed();

    TDBGridColumns* m_collection;
    QString m_fieldName;
    TColumnTitle m_title;
    int m_width = -1;
    bool m_readOnly = false;
    bool m_visible = true;
    QStringList m_pickList;
    TColumnButtonStyle m_buttonStyle = cbsAuto;
    int m_dropDownRows = 7;
    bool m_hasAlignment = false;
    TAlignment m_alignment = taLeftJustify;
    bool m_hasColor = false;
    TColor m_color = clWindow;
    bool m_hasFont = false;
    TFont m_font;
};

} // namespace ger
