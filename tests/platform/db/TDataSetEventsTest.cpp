#include "DbTestSupport.h"
#include "platform/core/Exception.h"
#include "platform/db/EDatabaseError.h"
#include "support/ThrowsWithMessage.h"

#include <gtest/gtest.h>

using namespace ger;
using namespace ger::test;

namespace {

class DataSetEventsTest : public ::testing::Test {
protected:
    void SetUp() override {
        cds.SetName("cdsTpOperFil");
        cds.SetData(BranchPacket());
        log.Attach(cds);
    }
    QStringList Take() { return std::exchange(log.events, {}); }

    TClientDataSet cds{nullptr};
    EventLog log;
};

} // namespace

TEST_F(DataSetEventsTest, OpenAndCloseFireInPlatformOrder) {
    cds.Close();
    EXPECT_EQ(Take(), QStringList({"BeforeClose@browse", "AfterClose@inactive"}));
    cds.SetData(BranchPacket());
    EXPECT_EQ(Take(),
              QStringList({"BeforeOpen@inactive", "AfterOpen@browse", "AfterScroll@browse"}));
}

TEST_F(DataSetEventsTest, InsertFiresBeforeScrollAfterBeforeInsertAndNewRecordInInsertState) {
    cds.Insert();
    EXPECT_EQ(Take(),
              QStringList({"BeforeInsert@browse", "BeforeScroll@browse", "OnNewRecord@insert",
                           "AfterInsert@insert", "AfterScroll@insert"}));
    cds.Cancel();
    EXPECT_EQ(Take(), QStringList({"BeforeCancel@insert", "AfterCancel@browse"}));
}

TEST_F(DataSetEventsTest, InsertWhileEditingPostsTheModifiedEditFirst) {
    cds.Edit();
    cds.FieldByName("IDLIBERADO")->SetAsString("N");
    Take();
    cds.Append();
    EXPECT_EQ(Take(), QStringList({"BeforePost@edit", "AfterPost@browse", "BeforeInsert@browse",
                                   "BeforeScroll@browse", "OnNewRecord@insert",
                                   "AfterInsert@insert", "AfterScroll@insert"}));
    EXPECT_EQ(cds.ChangeCount(), 1);
}

TEST_F(DataSetEventsTest, EditPostAndDeleteFireInPlatformOrder) {
    cds.Edit();
    EXPECT_EQ(Take(), QStringList({"BeforeEdit@browse", "AfterEdit@edit"}));
    cds.Post();
    EXPECT_EQ(Take(), QStringList({"BeforePost@edit", "AfterPost@browse"}));
    cds.Delete();
    EXPECT_EQ(Take(), QStringList({"BeforeDelete@browse", "BeforeScroll@browse",
                                   "AfterDelete@browse", "AfterScroll@browse"}));
}

TEST_F(DataSetEventsTest, CheckBrowseModeCancelsAnUnmodifiedInsertAndPostsAModifiedOne) {
    cds.Insert();
    Take();
    cds.CheckBrowseMode();
    EXPECT_EQ(Take(), QStringList({"BeforeCancel@insert", "AfterCancel@browse"}));
    EXPECT_EQ(cds.RecordCount(), 3);
    cds.Insert();
    cds.FieldByName("OPERACAO")->SetAsString("04");
    Take();
    cds.CheckBrowseMode();
    EXPECT_EQ(Take(), QStringList({"BeforePost@insert", "AfterPost@browse"}));
    EXPECT_EQ(cds.RecordCount(), 4);
}

// A post leaves the dataset unmodified, so that a later edit that changes nothing is cancelled
// by Next rather than posted (which, on a screen, would write an unchanged row).
TEST_F(DataSetEventsTest, NextAfterAnEditThatChangedNothingCancelsEvenAfterAPost) {
    cds.Edit();
    cds.FieldByName("IDLIBERADO")->SetAsString("N");
    cds.Post();
    EXPECT_FALSE(cds.Modified());
    cds.Edit();
    Take();
    cds.Next();
    const QStringList events = Take();
    EXPECT_TRUE(events.contains("AfterCancel@browse")) << events.join(", ").toStdString();
    EXPECT_FALSE(events.contains("AfterPost@browse")) << events.join(", ").toStdString();
    EXPECT_EQ(cds.ChangeCount(), 1);
}

TEST_F(DataSetEventsTest, NextPastTheLastRowSetsEofAndThenOnlyBeforeScrollFires) {
    cds.SetRecNo(3);
    Take();
    cds.Next(); // tries to move: scrolls, finds the end
    EXPECT_EQ(Take(), QStringList({"BeforeScroll@browse", "AfterScroll@browse"}));
    EXPECT_TRUE(cds.Eof());
    cds.Next(); // at Eof: nothing moves
    EXPECT_EQ(Take(), QStringList({"BeforeScroll@browse"}));
    cds.Last(); // Last always scrolls and leaves Eof set
    EXPECT_EQ(Take(), QStringList({"BeforeScroll@browse", "AfterScroll@browse"}));
    EXPECT_TRUE(cds.Eof());
}

TEST_F(DataSetEventsTest, EditOnAnEmptyDataSetInserts) {
    cds.EmptyDataSet();
    Take();
    cds.Edit();
    EXPECT_EQ(cds.State(), dsInsert);
    EXPECT_TRUE(Take().contains("BeforeInsert@browse"));
}

TEST_F(DataSetEventsTest, FailingOnNewRecordDropsTheNewRecordAndRaises) {
    cds.Next();
    cds.OnNewRecord = [](TDataSet*) { throw Exception("defaults unavailable"); };
    EXPECT_THROW(cds.Insert(), Exception);
    EXPECT_EQ(cds.State(), dsBrowse);
    EXPECT_EQ(cds.RecNo(), 2);
    EXPECT_EQ(cds.DisplayRecordCount(), 3);
}

TEST_F(DataSetEventsTest, PostingOutsideEditRaisesNamingDataSetAndOperation) {
    EXPECT_THAT([&] { cds.Post(); }, ThrowsWithMessage<EDatabaseError>(
                                         "cdsTpOperFil.Post: Dataset not in edit or insert mode"));
    cds.Close();
    EXPECT_THROW(cds.First(), EDatabaseError);
    EXPECT_THROW(cds.Delete(), EDatabaseError);
    EXPECT_THROW(cds.RecordCount(), EDatabaseError);
    EXPECT_TRUE(cds.IsEmpty());
}

TEST_F(DataSetEventsTest, ReadOnlyDataSetRefusesChanges) {
    cds.SetReadOnly(true);
    EXPECT_THROW(cds.Edit(), EDatabaseError);
    EXPECT_THROW(cds.Insert(), EDatabaseError);
    EXPECT_THROW(cds.Delete(), EDatabaseError);
    EXPECT_EQ(cds.State(), dsBrowse);
    EXPECT_EQ(cds.RecordCount(), 3);
}

// A veto (an exception, EAbort included) in each Before event leaves the dataset exactly as
// it was: state, cursor, rows, pending values and change log.
struct Veto {
    const char* event;
    TDataSetNotifyEvent TDataSet::*member;
    std::function<void(TClientDataSet&)> prepare; // brings the dataset to where the event runs
    std::function<void(TClientDataSet&)> act;
};

class BeforeEventVetoTest : public ::testing::TestWithParam<Veto> {};

TEST_P(BeforeEventVetoTest, LeavesEverythingAsItWas) {
    TClientDataSet cds(nullptr);
    cds.SetData(BranchPacket());
    cds.Next();
    GetParam().prepare(cds);
    const TDataSetState state = cds.State();
    const int recNo = cds.RecNo();
    const QByteArray data = cds.Data();
    const QByteArray delta = cds.Delta();
    const QString pending = cds.FieldByName("IDLIBERADO")->AsString();
    cds.*(GetParam().member) = [](TDataSet*) { Abort(); };
    EXPECT_THROW(GetParam().act(cds), EAbort);
    EXPECT_EQ(cds.State(), state);
    EXPECT_EQ(cds.RecNo(), recNo);
    EXPECT_EQ(cds.Data(), data);
    EXPECT_EQ(cds.Delta(), delta);
    EXPECT_EQ(cds.FieldByName("IDLIBERADO")->AsString(), pending);
}

namespace {

void none(TClientDataSet&) {}
void editing(TClientDataSet& cds) {
    cds.Edit();
    cds.FieldByName("IDLIBERADO")->SetAsString("X");
}

} // namespace

INSTANTIATE_TEST_SUITE_P(
    EachBeforeEvent, BeforeEventVetoTest,
    ::testing::Values(
        Veto{"BeforeInsert", &TDataSet::BeforeInsert, none, [](TClientDataSet& c) { c.Insert(); }},
        Veto{"BeforeScrollOfInsert", &TDataSet::BeforeScroll, none,
             [](TClientDataSet& c) { c.Append(); }},
        Veto{"BeforeEdit", &TDataSet::BeforeEdit, none, [](TClientDataSet& c) { c.Edit(); }},
        Veto{"BeforePost", &TDataSet::BeforePost, editing, [](TClientDataSet& c) { c.Post(); }},
        Veto{"BeforeCancel", &TDataSet::BeforeCancel, editing,
             [](TClientDataSet& c) { c.Cancel(); }},
        Veto{"BeforeDelete", &TDataSet::BeforeDelete, none, [](TClientDataSet& c) { c.Delete(); }},
        Veto{"BeforeScrollOfDelete", &TDataSet::BeforeScroll, none,
             [](TClientDataSet& c) { c.Delete(); }},
        Veto{"BeforeScrollOfNext", &TDataSet::BeforeScroll, none,
             [](TClientDataSet& c) { c.Next(); }},
        Veto{"BeforeScrollOfLocate", &TDataSet::BeforeScroll, none,
             [](TClientDataSet& c) { c.Locate("CDFILIAL", "0001"); }},
        Veto{"BeforeClose", &TDataSet::BeforeClose, none, [](TClientDataSet& c) { c.Close(); }}),
    [](const auto& c) { return std::string(c.param.event); });

TEST(DataSetOpenVetoTest, BeforeOpenVetoKeepsTheDataSetClosed) {
    TClientDataSet cds(nullptr);
    cds.BeforeOpen = [](TDataSet*) { Abort(); };
    EXPECT_THROW(cds.SetData(BranchPacket()), EAbort);
    EXPECT_FALSE(cds.Active());
    EXPECT_EQ(cds.FieldCount(), 0);
}
