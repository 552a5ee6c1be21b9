#pragma once
// Equality of decoded wire values (platform/net WireVariant) that QVariant's own operator==
// does not give: the same type as well as the same value, so a boolean never equals the
// integer 1 and a list never equals a string.

#include <QVariant>

namespace ger::fuzz {

bool sameWireValue(const QVariant& a, const QVariant& b);

} // namespace ger::fuzz
