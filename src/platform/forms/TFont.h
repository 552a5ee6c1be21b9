#pragma once
// A control's font, as form data describes it (`Font.Name = 'MS Sans Serif'`,
// `Font.Height = -11`, `Font.Style = [fsBold]`). A value type: controls hold a copy and, while
// ParentFont is set, show their parent's font instead (see TControl::Font).

#include "platform/core/FormDataValue.h"
#include "platform/forms/TColor.h"

#include <QFlags>
#include <QString>

namespace ger {

enum TFontStyle { fsBold = 0x1, fsItalic = 0x2, fsUnderline = 0x4, fsStrikeOut = 0x8 };
Q_DECLARE_FLAGS(TFontStyles, TFontStyle)
Q_DECLARE_OPERATORS_FOR_FLAGS(TFontStyles)

enum TFontPitch { fpDefault, fpVariable, fpFixed };

class TFont {
public:
    QString Name = QStringLiteral("MS Sans Serif");
    // Negative: character height in pixels; positive: cell height. The platform's default is -11.
    int Height = -11;
    TColor Color = clWindowText;
    TFontStyles Style;
    int Charset = 1; // DEFAULT_CHARSET
    TFontPitch Pitch = fpDefault;

    // Size in points at 96 pixels per inch.
    int Size() const;
    void SetSize(int points);
    bool IsBold() const { return Style.testFlag(fsBold); }

    // Reads `Font.<subProperty>`; raises EFormDataError for an unknown sub-property or value.
    void ReadProperty(const QString& subProperty, const FormDataProperty& property);

    friend bool operator==(const TFont&, const TFont&) = default;
};

} // namespace ger
