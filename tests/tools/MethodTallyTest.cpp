// Calls counted per method, latencies summed up, errors grouped by their message.

#include "tools/load/MethodTally.h"

#include <gtest/gtest.h>

using namespace ger;

TEST(MethodTallyTest, LatenciesAreSummedUpPerMethodAndOverall) {
    MethodTally tally;
    for (qint64 ms = 1; ms <= 100; ++ms)
        tally.record("GetTpOperFil", ms * 1000);
    tally.record("SetTpOperFil", 500'000);
    EXPECT_EQ(tally.calls(), 101);
    const auto perMethod = tally.perMethod();
    ASSERT_EQ(perMethod.size(), size_t(2));
    EXPECT_EQ(perMethod.at("GetTpOperFil").calls, 100);
    EXPECT_DOUBLE_EQ(perMethod.at("GetTpOperFil").p50Ms, 50.0);
    EXPECT_DOUBLE_EQ(perMethod.at("GetTpOperFil").p99Ms, 99.0);
    EXPECT_DOUBLE_EQ(perMethod.at("SetTpOperFil").p50Ms, 500.0);
    EXPECT_DOUBLE_EQ(tally.overall().p99Ms, 100.0);
    EXPECT_DOUBLE_EQ(tally.overall().maxMs, 500.0);
}

TEST(MethodTallyTest, ErrorsAreGroupedByMessageWithTheirMethods) {
    MethodTally tally;
    tally.fail("SetTpOperFil", "ocupado");
    tally.fail("SetGravaAut", "ocupado");
    tally.fail("SetTpOperFil", "ocupado");
    tally.fail("GetTpOperFil", "conexão perdida");
    EXPECT_EQ(tally.errors(), 4);
    ASSERT_EQ(tally.errorGroups().size(), size_t(2));
    EXPECT_EQ(tally.errorGroups().at("ocupado").count, 3);
    EXPECT_EQ(tally.errorGroups().at("ocupado").methods,
              (QStringList{"SetTpOperFil", "SetGravaAut"}));
    EXPECT_EQ(tally.messagesByCount(), (std::vector<QString>{"ocupado", "conexão perdida"}));
}

TEST(MethodTallyTest, MergingAddsCallsAndErrorCounts) {
    MethodTally first;
    first.record("GetTpOperFil", 1000);
    first.fail("SetTpOperFil", "ocupado");
    MethodTally second;
    second.record("GetTpOperFil", 3000);
    second.record("SetGravaAut", 2000);
    second.fail("SetGravaAut", "ocupado");
    second.fail("SetGravaAut", "outro");
    first.merge(second);
    EXPECT_EQ(first.calls(), 3);
    EXPECT_EQ(first.perMethod().at("GetTpOperFil").calls, 2);
    EXPECT_DOUBLE_EQ(first.perMethod().at("GetTpOperFil").maxMs, 3.0);
    EXPECT_EQ(first.errors(), 3);
    EXPECT_EQ(first.errorGroups().at("ocupado").count, 2);
    EXPECT_EQ(first.errorGroups().at("ocupado").methods,
              (QStringList{"SetTpOperFil", "SetGravaAut"}));
}

TEST(MethodTallyTest, AnEmptyTallyHasNoCallsAndNoErrors) {
    const MethodTally tally;
    EXPECT_EQ(tally.calls(), 0);
    EXPECT_EQ(tally.errors(), 0);
    EXPECT_EQ(tally.overall().calls, 0);
    EXPECT_TRUE(tally.messagesByCount().empty());
}
