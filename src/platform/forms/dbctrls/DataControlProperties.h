#pragma once
// DataControlProperties: the form data properties every data-aware control reads, DataSource
// (a reference to a TDataSource, resolved when the form is loaded) and DataField, for any
// control class with SetDataSource(TDataSource*) and SetDataField(const QString&).
//
//   if (!ReadFromTable(DataControlProperties<TDBEdit>(), *this, property, context))
//       TCustomMaskEdit::ReadProperty(property, context);

#include "platform/db/TDataSource.h"
#include "platform/forms/PropertyReading.h"

namespace ger {

template <class Control> const PropertyTable<Control>& DataControlProperties() {
    using T = Control&;
    using P = const FormDataProperty&;
    using C = FormDataContext&;
    static const PropertyTable<Control> table{
        {"datasource",
         [](T t, P p, C c) {
             ReadReference<TDataSource>(p, c, "data source",
                                        [&t](TDataSource* source) { t.SetDataSource(source); });
         }},
        {"datafield", [](T t, P p, C) { t.SetDataField(ReadString(p)); }},
    };
    return table;
}

} // namespace ger
