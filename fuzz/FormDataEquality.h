#pragma once
// Equality of two parsed form data trees in everything but the line numbers: kinds, names,
// classes, properties in order with their values, children in order.

#include "platform/forms/formdata/FormDataObject.h"

namespace ger::fuzz {

bool sameFormData(const FormDataObject& a, const FormDataObject& b);

} // namespace ger::fuzz
