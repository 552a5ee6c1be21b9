// The values a mixed load writes: a cycle of every combination both writes accept, never the
// same value twice in a row.

#include "tools/load/RowSettings.h"

#include "appserver/ArgumentRules.h"

#include <gtest/gtest.h>
#include <set>

using namespace ger;

TEST(RowSettingsTest, SuccessiveValuesAlwaysDiffer) {
    for (qint64 n = -RowSettings::kCycle; n < 3 * RowSettings::kCycle; ++n)
        EXPECT_NE(RowSettings::Nth(n), RowSettings::Nth(n + 1)) << n;
}

TEST(RowSettingsTest, TheCycleHoldsEveryCombinationOnce) {
    std::set<QString> seen;
    for (int n = 0; n < RowSettings::kCycle; ++n)
        seen.insert(RowSettings::Nth(n).text());
    EXPECT_EQ(seen.size(), size_t(2 * 2 * 7));
    EXPECT_EQ(RowSettings::Nth(RowSettings::kCycle), RowSettings::Nth(0));
    EXPECT_EQ(RowSettings::Nth(-1), RowSettings::Nth(RowSettings::kCycle - 1));
}

TEST(RowSettingsTest, EveryValueIsTakenByTheRowWriteAndTheBulkWrite) {
    for (int n = 0; n < RowSettings::kCycle; ++n) {
        const RowSettings value = RowSettings::Nth(n);
        EXPECT_NO_THROW(ArgumentRules::Flag(value.released, "Liberado"));
        EXPECT_NO_THROW(ArgumentRules::Flag(value.manualEntries, "Manual"));
        EXPECT_NO_THROW(ArgumentRules::AddressKind(value.addressKind, false)) << n;
    }
}

TEST(RowSettingsTest, TextShowsNoKindAsADash) {
    EXPECT_EQ(RowSettings::Nth(0).text(), "N/N/P");
    EXPECT_EQ(RowSettings::Nth(27).text(), "S/S/-");
    EXPECT_EQ((RowSettings{"S", "N", "M"}).text(), "S/N/M");
}
