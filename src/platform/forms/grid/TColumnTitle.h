#pragma once
// TColumnTitle: the title cell of a grid column. Caption defaults to the column's field's
// DisplayLabel (the field name when it has none, the column's FieldName when there is no
// field) until one is set.

#include "platform/core/FormDataValue.h"
#include "platform/core/TAlignment.h"
#include "platform/forms/TColor.h"
#include "platform/forms/TFont.h"

#include <QString>

namespace ger {

class TColumn;

class TColumnTitle {
public:
    explicit TColumnTitle(TColumn* column)
        : m_column(column) {}

    QString Caption() const;
    void SetCaption(const QString& caption);
    // Back to following the field's label.
    void RestoreDefaultCaption();
    bool HasCaption() const { return m_hasCaption; }
    TAlignment Alignment() const { return m_alignment; }
    void SetAlignment(TAlignment alignment);
    TColor Color() const { return m_color; }
    void SetColor(TColor color);
    // The grid's TitleFont unless set.
    TFont Font() const;
    void SetFont(const TFont& font);

    // `Title.<subProperty>` of a column in form data.
    void ReadProperty(const QString& subProperty, const FormDataProperty& property);

private:
    void changed();

    TColumn* m_column;
    QString m_caption;
    bool m_hasCaption = false;
    TAlignment m_alignment = taLeftJustify;
    TColor m_color = clBtnFace;
    bool m_hasFont = false;
    TFont m_font;
};

} // namespace ger
