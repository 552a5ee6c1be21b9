// Who writes what in a mixed load: no two clients share an own row or a client pair, and no
// per-row write reaches the bulk selection.

#include "tools/load/MixPlan.h"

#include "appserver/database/DemoSeedData.h"
#include "tools/load/LoadOptions.h"
#include "tools/load/MixedLoad.h"

#include <gtest/gtest.h>
#include <set>

using namespace ger;

namespace {

// Three branches with types 01..05 (0003 without 05) and the bulk types 21 and 22.
std::map<QString, BranchRows> Listings() {
    std::map<QString, BranchRows> listings;
    for (const char* branch : {"0001", "0002", "0003"})
        for (const char* type : {"01", "02", "03", "04", "05", "21", "22"})
            listings[branch][type] = RowSettings::Nth(0);
    listings["0003"].erase("05");
    return listings;
}

MixShape Shape(int busy) {
    MixShape shape;
    shape.busy = busy;
    shape.branches = {"0001", "0002", "0003"};
    shape.bulkTypes = {"21", "22"};
    shape.clientTypes = {"01", "02"};
    shape.clients = {"C1", "C2", "C3", "C4"};
    return shape;
}

} // namespace

TEST(MixPlanTest, OneClientInTenWritesInBulk) {
    const MixPlan plan = MixPlan::Make(Shape(12), Listings());
    ASSERT_EQ(plan.clients.size(), size_t(12));
    for (const ClientPlan& client : plan.clients)
        EXPECT_EQ(client.isBulkWriter, client.index == 1 || client.index == 11) << client.index;
    EXPECT_EQ(plan.rowWriters(), 10);
    EXPECT_EQ(plan.bulkWriters(), 2);
}

TEST(MixPlanTest, RowsAndPairsAreEachOnesOwnAndOutsideTheBulkSelection) {
    const std::map<QString, BranchRows> listings = Listings();
    const MixPlan plan = MixPlan::Make(Shape(12), listings);
    ASSERT_EQ(plan.sharedRows.size(), size_t(4));
    std::set<RowKey> rows(plan.sharedRows.begin(), plan.sharedRows.end());
    std::set<std::pair<QString, QString>> pairs;
    for (const ClientPlan& client : plan.clients) {
        if (client.isBulkWriter)
            continue;
        EXPECT_TRUE(rows.insert(client.ownRow).second) << client.ownRow.text().toStdString();
        EXPECT_TRUE(pairs.insert({client.pair.branch, client.pair.client}).second);
    }
    EXPECT_EQ(rows.size(), size_t(14));
    for (const RowKey& row : rows) {
        EXPECT_FALSE(plan.bulkTypes.contains(row.type)) << row.text().toStdString();
        EXPECT_TRUE(listings.at(row.branch).contains(row.type)) << row.text().toStdString();
    }
}

TEST(MixPlanTest, SharedRowsSpreadOverTheBranches) {
    const MixPlan plan = MixPlan::Make(Shape(2), Listings());
    ASSERT_EQ(plan.sharedRows.size(), size_t(4));
    EXPECT_EQ(plan.sharedRows[0], (RowKey{"0001", "01"}));
    EXPECT_EQ(plan.sharedRows[1], (RowKey{"0002", "01"}));
    EXPECT_EQ(plan.sharedRows[2], (RowKey{"0003", "01"}));
    EXPECT_EQ(plan.sharedRows[3], (RowKey{"0001", "02"}));
}

TEST(MixPlanTest, TooFewRowsOrPairsForTheClientsAreRefused) {
    EXPECT_THROW(MixPlan::Make(Shape(13), Listings()), ELoadUsage);
    MixShape fewClients = Shape(12);
    fewClients.clients = {"C1", "C2", "C3"};
    EXPECT_THROW(MixPlan::Make(fewClients, Listings()), ELoadUsage);
    EXPECT_TRUE(MixPlan::Make(Shape(0), Listings()).clients.empty());
}

TEST(MixPlanTest, TheDemoShapeBulkWritesTheLastFifteenTypesOfEveryBranch) {
    const MixShape shape = MixedLoad::DemoShape(50);
    EXPECT_EQ(shape.branches.size(), qsizetype(DemoSeedData::Branches().size()));
    EXPECT_EQ(shape.bulkTypes.size(), 15);
    EXPECT_EQ(shape.bulkTypes.front(), "21");
    EXPECT_EQ(shape.bulkTypes.back(), "35");
    EXPECT_EQ(shape.clientTypes, (QStringList{"01", "02", "03"}));
    EXPECT_EQ(shape.clients.size(), 56);
}
