#pragma once
// The value of one property in a form data file, as the classic nested
// `object Name: TClass ... end` syntax writes it:
//
//   Left = 8                          Integer
//   Font.Height = -11                 Integer (negative literals included)
//   Ratio = 1.5                       Float
//   Caption = 'Filial'                String ('' for a quote, #231 for a character code,
//                                     pieces joined with +)
//   Color = clInfoBk  / Enabled = False   Identifier
//   Options = [dgEditing, dgTitles]   Set (identifiers)
//   SQL.Strings = ('SELECT' 'FROM')   List (strings, one per line)
//   Columns = <item ... end item ... end>   Collection (each item a list of properties)
//   Picture.Data = {0A1B...}          Binary
//
// A component's ReadProperty receives these; it raises EFormDataError for a value of the
// wrong kind.

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

namespace ger {

struct FormDataProperty;

struct FormDataItem {
    std::vector<FormDataProperty> properties;
};

struct FormDataValue {
    enum class Kind { Integer, Float, String, Identifier, Set, List, Collection, Binary };

    Kind kind = Kind::Integer;
    qint64 integer = 0;
    double number = 0;
    QString text;      // String, Identifier
    QStringList items; // Set (identifiers), List (strings)
    std::vector<FormDataItem> collection;
    QByteArray binary;

    // Accessors that check the kind and raise EFormDataError naming the property.
    qint64 asInteger(const QString& property) const;
    QString asString(const QString& property) const;
    QString asIdentifier(const QString& property) const;
    bool asBoolean(const QString& property) const; // the identifiers True and False
    QStringList asList(const QString& property) const;
    QStringList asSet(const QString& property) const;
};

struct FormDataProperty {
    QString name; // dotted path as written: "SQL_IB.Strings", "Font.Style"
    FormDataValue value;
    int line = 0;
};

} // namespace ger
