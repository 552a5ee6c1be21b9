// A bulk registration seen whole or not at all: in one branch's listing, and over the whole
// selection at the end.

#include "tools/load/BulkCheck.h"

#include <gtest/gtest.h>

using namespace ger;

namespace {

const RowSettings kOne = RowSettings::Nth(5);
const RowSettings kOther = RowSettings::Nth(6);
const QStringList kBulkTypes{"21", "22", "23"};

BranchRows Rows(const RowSettings& value) {
    // "01" lies outside the bulk types and may hold anything.
    return {{"01", kOther}, {"21", value}, {"22", value}, {"23", value}};
}

} // namespace

TEST(BulkCheckTest, RowsThatAgreeShowNoMix) {
    EXPECT_EQ(BulkCheck::Mix(Rows(kOne), kBulkTypes), std::nullopt);
    EXPECT_EQ(BulkCheck::Mix(Rows(kOne), kBulkTypes, kOne), std::nullopt);
}

TEST(BulkCheckTest, ARowOfAnotherWriteIsAMix) {
    BranchRows rows = Rows(kOne);
    rows["23"] = kOther;
    EXPECT_EQ(BulkCheck::Mix(rows, kBulkTypes),
              QStringLiteral("23 %1, 21 %2").arg(kOther.text(), kOne.text()));
}

TEST(BulkCheckTest, RowsOtherThanTheValueWrittenAreAMix) {
    EXPECT_EQ(BulkCheck::Mix(Rows(kOne), kBulkTypes, kOther),
              QStringLiteral("21 %1, gravado %2").arg(kOne.text(), kOther.text()));
}

TEST(BulkCheckTest, AMissingRowIsAMix) {
    BranchRows rows = Rows(kOne);
    rows.erase("22");
    EXPECT_EQ(BulkCheck::Mix(rows, kBulkTypes), QStringLiteral("22 ausente"));
}

TEST(BulkCheckTest, TheSelectionHoldsOneValueOnlyWhenEveryBranchHoldsIt) {
    std::map<QString, BranchRows> branches{{"0001", Rows(kOne)}, {"0002", Rows(kOne)}};
    EXPECT_EQ(BulkCheck::Uniform(branches, {"0001", "0002"}, kBulkTypes), kOne);
    branches["0002"] = Rows(kOther);
    EXPECT_EQ(BulkCheck::Uniform(branches, {"0001", "0002"}, kBulkTypes), std::nullopt);
    EXPECT_EQ(BulkCheck::Uniform(branches, {"0001"}, kBulkTypes), kOne);
    EXPECT_EQ(BulkCheck::Uniform(branches, {"0001", "0003"}, kBulkTypes), std::nullopt);
    branches["0002"] = Rows(kOne);
    branches["0002"].erase("21");
    EXPECT_EQ(BulkCheck::Uniform(branches, {"0001", "0002"}, kBulkTypes), std::nullopt);
}
