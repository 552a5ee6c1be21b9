// The judgement of a row's final value against its writers' logs, and of a client's operation
// types against its additions and removals.

#include "tools/load/LostUpdateCheck.h"

#include <gtest/gtest.h>

using namespace ger;

namespace {

const RowSettings kBefore = RowSettings::Nth(0);
const RowSettings kA = RowSettings::Nth(1);
const RowSettings kB = RowSettings::Nth(2);
const RowSettings kC = RowSettings::Nth(3);

LoggedWrite W(qint64 start, qint64 end, const RowSettings& value,
              WriteOutcome outcome = WriteOutcome::Acknowledged) {
    return {start, end, value, outcome};
}

std::vector<RowSettings> Candidates(const std::vector<LoggedWrite>& writes) {
    return LostUpdateCheck::FinalCandidates(kBefore, writes);
}

using Values = std::vector<RowSettings>;
using Change = LostUpdateCheck::TypeChange;
constexpr auto kUnknown = WriteOutcome::Unknown;
constexpr auto kRefused = WriteOutcome::Refused;

} // namespace

TEST(LostUpdateCheckTest, WithoutWritesTheRowKeepsItsValue) {
    EXPECT_EQ(Candidates({}), Values{kBefore});
    EXPECT_TRUE(LostUpdateCheck::Holds(kBefore, kBefore, {}));
    EXPECT_FALSE(LostUpdateCheck::Holds(kA, kBefore, {}));
}

TEST(LostUpdateCheckTest, OneWriterInTurnMustEndOnItsLastAcknowledgedWrite) {
    const std::vector<LoggedWrite> writes{W(0, 10, kA), W(20, 30, kB), W(40, 50, kC)};
    EXPECT_EQ(Candidates(writes), Values{kC});
    EXPECT_FALSE(LostUpdateCheck::Holds(kB, kBefore, writes));
    EXPECT_FALSE(LostUpdateCheck::Holds(kBefore, kBefore, writes));
}

TEST(LostUpdateCheckTest, WritesOverlappingTheLastToBeginMayEachWin) {
    // A ended before C began; B began before C and ended after it began.
    const std::vector<LoggedWrite> writes{W(0, 10, kA), W(5, 30, kB), W(12, 20, kC)};
    EXPECT_EQ(Candidates(writes), (Values{kB, kC}));
    EXPECT_FALSE(LostUpdateCheck::Holds(kA, kBefore, writes));
}

TEST(LostUpdateCheckTest, AWriteEndingExactlyAsTheLastBeginsMayWin) {
    EXPECT_EQ(Candidates({W(0, 12, kA), W(12, 20, kB)}), (Values{kA, kB}));
    EXPECT_EQ(Candidates({W(0, 11, kA), W(12, 20, kB)}), Values{kB});
}

TEST(LostUpdateCheckTest, ARefusedWriteNeverWins) {
    EXPECT_EQ(Candidates({W(0, 10, kA), W(20, 30, kB, kRefused)}), Values{kA});
    EXPECT_EQ(Candidates({W(0, 10, kA, kRefused)}), Values{kBefore});
}

TEST(LostUpdateCheckTest, AnUnansweredWriteMayHaveLandedAtAnyTime) {
    // Its end is when the client gave up, not when the server committed.
    EXPECT_EQ(Candidates({W(0, 5, kA, kUnknown), W(20, 30, kB)}), (Values{kA, kB}));
    EXPECT_EQ(Candidates({W(0, 5, kA, kUnknown)}), (Values{kBefore, kA}));
}

TEST(LostUpdateCheckTest, AValueWrittenTwiceIsOneCandidate) {
    EXPECT_EQ(Candidates({W(0, 20, kA), W(5, 25, kA), W(10, 30, kB)}), (Values{kA, kB}));
}

TEST(LostUpdateCheckTest, ClientTypesFollowTheAcknowledgedChangesInOrder) {
    const std::vector<Change> changes{
        {"01", false}, {"02", true}, {"03", true}, {"03", false}, {"04", true, kRefused}};
    const std::map<QString, bool> expected{
        {"01", false}, {"02", true}, {"03", false}, {"04", false}, {"05", true}};
    EXPECT_EQ(LostUpdateCheck::ExpectedTypes({"01", "05"}, changes), expected);
    EXPECT_TRUE(LostUpdateCheck::TypeMismatches({"01", "05"}, changes, {"02", "05"}).isEmpty());
    // The refused addition must not have landed.
    EXPECT_EQ(LostUpdateCheck::TypeMismatches({"01", "05"}, changes, {"02", "04", "05"}),
              QStringList{"-04"});
}

TEST(LostUpdateCheckTest, ATypeWhoseLastChangeWentUnansweredMayBeEither) {
    const std::vector<Change> changes{{"01", true}, {"01", false, kUnknown}};
    EXPECT_TRUE(LostUpdateCheck::ExpectedTypes({}, changes).empty());
    EXPECT_TRUE(LostUpdateCheck::TypeMismatches({}, changes, {"01"}).isEmpty());
    EXPECT_TRUE(LostUpdateCheck::TypeMismatches({}, changes, {}).isEmpty());
    // A later acknowledged change settles it again.
    const std::vector<Change> settled{{"01", false, kUnknown}, {"01", true}};
    EXPECT_EQ(LostUpdateCheck::TypeMismatches({"01"}, settled, {}), QStringList{"+01"});
}

TEST(LostUpdateCheckTest, ALostAdditionRemovalOrStrangerIsNamed) {
    const std::vector<Change> changes{{"01", true}, {"02", false}};
    EXPECT_EQ(LostUpdateCheck::TypeMismatches({"02"}, changes, {"02", "09"}),
              (QStringList{"+01", "-02", "-09"}));
}
