#include "tools/load/RowSettings.h"

#include <array>

namespace ger {

namespace {
// The address kinds both writes accept, and none.
constexpr std::array<QStringView, 7> kKinds{u"P", u"C", u"E", u"X", u"T", u"I", u""};
} // namespace

RowSettings RowSettings::Nth(qint64 n) {
    const auto k = static_cast<size_t>(((n % kCycle) + kCycle) % kCycle);
    return {k % 2 == 1 ? QStringLiteral("S") : QStringLiteral("N"),
            (k / 2) % 2 == 1 ? QStringLiteral("S") : QStringLiteral("N"),
            kKinds.at(k / 4).toString()};
}

QString RowSettings::text() const {
    return QStringLiteral("%1/%2/%3")
        .arg(released, manualEntries, addressKind.isEmpty() ? QStringLiteral("-") : addressKind);
}

} // namespace ger
