// The judgement of a whole mixed run: a clean run passes, and each kind of lost or split write
// is found and named.

#include "tools/load/RunVerdict.h"

#include <gtest/gtest.h>

using namespace ger;

namespace {

const RowSettings kBefore = RowSettings::Nth(0);
const RowSettings kA = RowSettings::Nth(1);
const RowSettings kB = RowSettings::Nth(2);
const RowSettings kC = RowSettings::Nth(3);

LoggedWrite W(qint64 start, qint64 end, const RowSettings& value) {
    return {start, end, value, WriteOutcome::Acknowledged};
}

// Clients 0 and 2 write rows, client 1 writes in bulk; `after` starts as a clean run leaves
// the database, and each test spoils one thing.
class RunVerdictTest : public testing::Test {
protected:
    RunVerdictTest() {
        MixShape shape;
        shape.busy = 3;
        shape.branches = {"0001", "0002"};
        shape.bulkTypes = {"21", "22"};
        shape.clientTypes = {"01", "02"};
        shape.clients = {"C1", "C2"};
        for (const QString& branch : shape.branches)
            for (const char* type : {"01", "02", "03", "04", "21", "22"})
                before.branches[branch][type] = kBefore;
        plan = MixPlan::Make(shape, before.branches);
        before.clientTypes = {{0, {"01"}}, {2, {}}};

        logs.resize(3);
        logs[0].ownWrites = {W(10, 20, kA), W(30, 40, kB)};
        logs[2].ownWrites = {W(10, 20, kC)};
        logs[0].sharedWrites[plan.sharedRows[0]] = {W(50, 60, kA)};
        logs[2].sharedWrites[plan.sharedRows[0]] = {W(55, 65, kB)};
        logs[0].typeChanges = {{"01", false}, {"02", true}};
        logs[1].bulkWrites = {W(10, 20, kA), W(30, 40, kB)};

        after = before;
        row(plan.clients[0].ownRow) = kB;
        row(plan.clients[2].ownRow) = kC;
        row(plan.sharedRows[0]) = kB;
        after.clientTypes = {{0, {"02"}}, {2, {}}};
        for (const QString& branch : shape.branches)
            for (const char* type : {"21", "22"})
                after.branches[branch][type] = kB;
    }

    RowSettings& row(const RowKey& key) { return after.branches[key.branch][key.type]; }
    RunVerdict judge() const { return RunVerdict::Judge(plan, before, after, kBefore, logs); }

    MixPlan plan;
    MixState before;
    MixState after;
    std::vector<ClientLog> logs;
};

} // namespace

TEST_F(RunVerdictTest, ARunThatLostNothingIsClean) {
    const RunVerdict verdict = judge();
    EXPECT_TRUE(verdict.isClean()) << verdict.lostUpdates.join('\n').toStdString()
                                   << verdict.partialBulk.join('\n').toStdString();
}

TEST_F(RunVerdictTest, AnOwnRowOnAnEarlierWriteIsALostUpdate) {
    row(plan.clients[0].ownRow) = kA;
    const RunVerdict verdict = judge();
    ASSERT_EQ(verdict.lostUpdates.size(), 1);
    EXPECT_TRUE(verdict.lostUpdates[0].startsWith(
        "linha própria do cliente 0 " + plan.clients[0].ownRow.text() + ": no fim " + kA.text()))
        << verdict.lostUpdates[0].toStdString();
}

TEST_F(RunVerdictTest, ASharedRowOnAValueNoLastWriterWroteIsALostUpdate) {
    row(plan.sharedRows[0]) = kC;
    EXPECT_EQ(judge().lostUpdates.size(), 1);
    row(plan.sharedRows[0]) = kA; // overlapped the last one to begin: may win
    EXPECT_TRUE(judge().isClean());
    row(plan.sharedRows[1]) = kA; // nobody wrote it
    EXPECT_EQ(judge().lostUpdates.size(), 1);
}

TEST_F(RunVerdictTest, AClientTypeListOtherThanTheChangesLeaveIsALostUpdate) {
    after.clientTypes[0] = {"01", "02"};
    const RunVerdict verdict = judge();
    ASSERT_EQ(verdict.lostUpdates.size(), 1);
    EXPECT_EQ(verdict.lostUpdates[0], "tipos do cliente C1 na filial 0001: -01");
}

TEST_F(RunVerdictTest, BulkRowsThatDisagreeAreAPartialBulkWrite) {
    after.branches["0002"]["22"] = kA;
    const RunVerdict verdict = judge();
    EXPECT_TRUE(verdict.lostUpdates.isEmpty());
    ASSERT_EQ(verdict.partialBulk.size(), 1);
    EXPECT_TRUE(verdict.partialBulk[0].contains("0002 " + kB.text() + " (22 " + kA.text()))
        << verdict.partialBulk[0].toStdString();
}

TEST_F(RunVerdictTest, ABulkSelectionOnAnEarlierBulkWriteIsALostUpdate) {
    for (const QString& branch : plan.bulkBranches)
        for (const QString& type : plan.bulkTypes)
            after.branches[branch][type] = kA;
    const RunVerdict verdict = judge();
    EXPECT_TRUE(verdict.partialBulk.isEmpty());
    ASSERT_EQ(verdict.lostUpdates.size(), 1);
    EXPECT_TRUE(verdict.lostUpdates[0].startsWith("cadastramento automático"));
}

TEST_F(RunVerdictTest, WhatTheClientsSawDuringTheRunIsKept) {
    logs[2].staleOwnReads = {"linha 0001/02 lida em 1 s"};
    logs[1].mixedReads = {"filial 0001 lida em 2 s", "filial 0002 lida em 3 s"};
    const RunVerdict verdict = judge();
    EXPECT_EQ(verdict.lostUpdates, QStringList{"linha 0001/02 lida em 1 s"});
    EXPECT_EQ(verdict.mixedReads.size(), 2);
    EXPECT_FALSE(verdict.isClean());
}
