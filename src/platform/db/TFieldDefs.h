#pragma once
// Field definitions of a client dataset: the columns CreateDataSet makes when the dataset has
// no data yet. Declared in code or in form data:
//
//   FieldDefs = <
//     item
//       Name = 'CDFILIAL'
//       DataType = ftString
//       Size = 4
//     end>

#include "platform/core/FormDataValue.h"
#include "platform/db/DbTypes.h"

#include <QString>
#include <vector>

namespace ger {

struct TFieldDef {
    QString Name;
    TFieldType DataType = ftString;
    int Size = 20;
    bool Required = false;
};

class TFieldDefs {
public:
    TFieldDef& Add(const QString& name, TFieldType dataType, int size = 20, bool required = false);
    int Count() const { return static_cast<int>(m_items.size()); }
    const TFieldDef& Items(int index) const { return m_items.at(static_cast<size_t>(index)); }
    // -1 when absent; names compare without regard to case.
    int IndexOf(const QString& name) const;
    void Clear() { m_items.clear(); }

    // Replaces the definitions with a form data collection; raises EFormDataError for an
    // unknown item property or a type other than ftString.
    void Read(const FormDataProperty& property);

private:
    std::vector<TFieldDef> m_items;
};

} // namespace ger
