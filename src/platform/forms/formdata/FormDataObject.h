#pragma once
// One `object Name: TClass ... end` block of a form data file, as parsed: its header, its
// properties in the order written, and the blocks nested in it.
//
//   object frmX: TfrmX            kind Object, the root: read by the form object itself
//     Caption = 'X'
//     object panFilial: TPanel    kind Object: a new component inside frmX
//     end
//     inherited grbDados: TGroupBox   kind Inherited: declared by the base form's file
//     end
//   end
//
// `inline` declares an embedded frame: created like an object, while the `inherited` blocks
// inside it name the frame's own components.

#include "platform/core/FormDataValue.h"

#include <QString>
#include <vector>

namespace ger {

struct FormDataObject {
    enum class Kind { Object, Inherited, Inline };

    Kind kind = Kind::Object;
    QString name; // empty for an unnamed component (`object TTimer`)
    QString className;
    int line = 0;
    std::vector<FormDataProperty> properties;
    std::vector<FormDataObject> children;
};

} // namespace ger
