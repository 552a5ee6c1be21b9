#pragma once
// The string field of the query component, declared inside a TADOIBQuery in form data:
//
//   object qryFilialCDFILIAL: TADOIBStringField
//     DisplayLabel = 'C'#243'digo'
//     FieldName = 'CDFILIAL'
//     Size = 4
//   end
//
// It is a TStringField in every respect; the class exists so that form data naming it loads.

#include "platform/db/TStringField.h"

namespace ger {

class TADOIBStringField : public TStringField {
public:
    explicit TADOIBStringField(TComponent* AOwner)
        : TStringField(AOwner) {}

    QString ClassName() const override { return QStringLiteral("TADOIBStringField"); }
};

} // namespace ger
