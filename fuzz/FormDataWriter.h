#pragma once
// Writes a parsed form data tree (platform/forms FormDataParser) back as form data text, each
// value in a form the parser reads back as the same value: strings as quoted runs and #nnn
// codes, floats always with a decimal point or an exponent, lists as strings.

#include "platform/forms/formdata/FormDataObject.h"

#include <QString>

namespace ger::fuzz {

QString writeFormData(const FormDataObject& root);

} // namespace ger::fuzz
