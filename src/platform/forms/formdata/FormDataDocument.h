#pragma once
// A parsed form data file: its root block and the name it was read from (a resource path
// or a file name), which every load error repeats.

#include "platform/forms/formdata/FormDataObject.h"

#include <QString>

namespace ger {

struct FormDataDocument {
    QString source;
    FormDataObject root;
};

} // namespace ger
