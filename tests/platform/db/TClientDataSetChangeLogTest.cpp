#include "DbTestSupport.h"
#include "platform/db/EDatabaseError.h"

#include <gtest/gtest.h>

using namespace ger;
using namespace ger::test;

namespace {

const std::vector<PacketField> Columns = {{"CDTIPOOPER", 2}, {"NMTIPOOPER", 30}, {"EXTRA", 5}};

QByteArray ClientPacket() {
    return Packet(Columns, {{V("01"), V("Venda"), V("x")},
                            {V("02"), V("Compra"), N()},
                            {V("03"), V("Remessa"), V("z")}});
}

void Set(TDataSet& ds, const char* field, const char* value) {
    ds.FieldByName(field)->SetAsString(QString::fromUtf8(value));
}

void EditRow(TClientDataSet& cds, int recNo, const char* name) {
    cds.SetRecNo(recNo);
    cds.Edit();
    Set(cds, "NMTIPOOPER", name);
    cds.Post();
}

void InsertRow(TClientDataSet& cds, int recNo, const char* code, const char* name) {
    cds.SetRecNo(recNo);
    cds.Insert();
    Set(cds, "CDTIPOOPER", code);
    Set(cds, "NMTIPOOPER", name);
    cds.Post();
}

void DeleteRow(TClientDataSet& cds, int recNo) {
    cds.SetRecNo(recNo);
    cds.Delete();
}

struct Scenario {
    const char* name;
    std::function<void(TClientDataSet&)> act;
    std::vector<PacketChange> expected;
};

class ChangeLogScenarioTest : public ::testing::TestWithParam<Scenario> {
protected:
    void SetUp() override {
        cds.SetData(ClientPacket());
        GetParam().act(cds);
    }
    TClientDataSet cds{nullptr};
};

} // namespace

TEST_P(ChangeLogScenarioTest, DeltaHoldsOneFoldedEntryPerChangedRow) {
    const DeltaPacket delta = DeltaPacket::Decode(cds.Delta());
    EXPECT_EQ(delta.fields, Columns);
    EXPECT_EQ(delta.changes, GetParam().expected);
    EXPECT_EQ(cds.ChangeCount(), static_cast<int>(GetParam().expected.size()));
}

TEST_P(ChangeLogScenarioTest, CancelUpdatesRestoresAFreshlyLoadedDataSet) {
    cds.CancelUpdates();
    TClientDataSet fresh(nullptr);
    fresh.SetData(ClientPacket());
    EXPECT_EQ(cds.Data(), fresh.Data());
    EXPECT_EQ(cds.ChangeCount(), 0);
    EXPECT_EQ(cds.Delta(), fresh.Delta());
}

TEST_P(ChangeLogScenarioTest, MergeEmptiesTheLogAndKeepsTheCurrentRows) {
    const QByteArray current = cds.Data();
    cds.MergeChangeLog();
    EXPECT_EQ(cds.ChangeCount(), 0);
    EXPECT_TRUE(DeltaPacket::Decode(cds.Delta()).changes.empty());
    EXPECT_EQ(cds.Data(), current);
    cds.CancelUpdates();
    EXPECT_EQ(cds.Data(), current);
}

INSTANTIATE_TEST_SUITE_P(
    Scenarios, ChangeLogScenarioTest,
    ::testing::Values(
        Scenario{
            "Edit",
            [](TClientDataSet& c) { EditRow(c, 2, "Compra nova"); },
            {{ChangeKind::Modify, {V("02"), V("Compra"), N()}, {V("02"), V("Compra nova"), N()}}}},
        Scenario{"EditToEmptyIsNotNull",
                 [](TClientDataSet& c) { EditRow(c, 1, ""); },
                 {{ChangeKind::Modify, {V("01"), V("Venda"), V("x")}, {V("01"), V(""), V("x")}}}},
        Scenario{"EditTwiceKeepsFirstOriginal",
                 [](TClientDataSet& c) {
                     EditRow(c, 2, "A");
                     EditRow(c, 2, "B");
                 },
                 {{ChangeKind::Modify, {V("02"), V("Compra"), N()}, {V("02"), V("B"), N()}}}},
        Scenario{"Insert",
                 [](TClientDataSet& c) { InsertRow(c, 2, "07", "Bonificação"); },
                 {{ChangeKind::Insert, {}, {V("07"), V("Bonificação"), N()}}}},
        Scenario{"Delete",
                 [](TClientDataSet& c) { DeleteRow(c, 1); },
                 {{ChangeKind::Delete, {V("01"), V("Venda"), V("x")}, {}}}},
        Scenario{"InsertThenEditStaysInsert",
                 [](TClientDataSet& c) {
                     InsertRow(c, 1, "07", "Bonif");
                     EditRow(c, 1, "Bonificação");
                 },
                 {{ChangeKind::Insert, {}, {V("07"), V("Bonificação"), N()}}}},
        Scenario{"InsertThenDeleteCancelsOut",
                 [](TClientDataSet& c) {
                     InsertRow(c, 3, "07", "Bonif");
                     DeleteRow(c, 3);
                 },
                 {}},
        Scenario{"EditThenDeleteIsDeleteOfOriginal",
                 [](TClientDataSet& c) {
                     EditRow(c, 3, "Outra");
                     DeleteRow(c, 3);
                 },
                 {{ChangeKind::Delete, {V("03"), V("Remessa"), V("z")}, {}}}},
        Scenario{
            "PostWithoutChangeLogsAModification",
            [](TClientDataSet& c) { EditRow(c, 1, "Venda"); },
            {{ChangeKind::Modify, {V("01"), V("Venda"), V("x")}, {V("01"), V("Venda"), V("x")}}}},
        Scenario{"EditThreeTimesIsOneEntry",
                 [](TClientDataSet& c) {
                     EditRow(c, 2, "A");
                     EditRow(c, 2, "B");
                     EditRow(c, 2, "C");
                 },
                 {{ChangeKind::Modify, {V("02"), V("Compra"), N()}, {V("02"), V("C"), N()}}}},
        Scenario{"EditTwiceThenDeleteIsOneDelete",
                 [](TClientDataSet& c) {
                     EditRow(c, 2, "A");
                     EditRow(c, 2, "B");
                     DeleteRow(c, 2);
                 },
                 {{ChangeKind::Delete, {V("02"), V("Compra"), N()}, {}}}},
        Scenario{"SeveralRowsInOrderOfFirstChange",
                 [](TClientDataSet& c) {
                     EditRow(c, 3, "R");
                     DeleteRow(c, 1);
                     c.Append();
                     Set(c, "CDTIPOOPER", "09");
                     c.Post();
                 },
                 {{ChangeKind::Modify, {V("03"), V("Remessa"), V("z")}, {V("03"), V("R"), V("z")}},
                  {ChangeKind::Delete, {V("01"), V("Venda"), V("x")}, {}},
                  {ChangeKind::Insert, {}, {V("09"), N(), N()}}}}),
    [](const auto& c) { return std::string(c.param.name); });

TEST(ClientDataSetTest, CancelOfAnEditRestoresExactlyTheOldValues) {
    TClientDataSet cds(nullptr);
    cds.SetData(ClientPacket());
    cds.Next();
    const QByteArray before = cds.Data();
    cds.Edit();
    Set(cds, "NMTIPOOPER", "mudado");
    cds.FieldByName("EXTRA")->SetAsString("novo");
    cds.Cancel();
    EXPECT_EQ(cds.Data(), before);
    EXPECT_EQ(cds.FieldByName("NMTIPOOPER")->AsString(), "Compra");
    EXPECT_TRUE(cds.FieldByName("EXTRA")->IsNull());
    EXPECT_EQ(cds.ChangeCount(), 0);
}

TEST(ClientDataSetTest, EmptyDataSetRemovesRowsWithoutLoggingThem) {
    TClientDataSet cds(nullptr);
    cds.SetData(ClientPacket());
    EditRow(cds, 1, "x");
    cds.EmptyDataSet();
    EXPECT_TRUE(cds.Active());
    EXPECT_TRUE(cds.IsEmpty());
    EXPECT_EQ(cds.ChangeCount(), 0);
    EXPECT_EQ(DataPacket::Decode(cds.Data()).fields, Columns);
}

TEST(ClientDataSetTest, ChangesMadeWithoutLoggingAreNotInTheDelta) {
    TClientDataSet cds(nullptr);
    cds.SetData(ClientPacket());
    cds.SetLogChanges(false);
    DeleteRow(cds, 1);
    EditRow(cds, 1, "y");
    EXPECT_EQ(cds.ChangeCount(), 0);
    EXPECT_EQ(cds.RecordCount(), 2);
    cds.SetLogChanges(true);
    DeleteRow(cds, 1);
    EXPECT_EQ(cds.ChangeCount(), 1);
    EXPECT_THROW(cds.SetLogChanges(false), EDatabaseError);
}

TEST(ClientDataSetTest, MalformedPacketLeavesTheDataSetAsItWas) {
    TClientDataSet cds(nullptr);
    cds.SetData(ClientPacket());
    EditRow(cds, 1, "x");
    const QByteArray data = cds.Data();
    const QByteArray delta = cds.Delta();
    EXPECT_THROW(cds.SetData(QByteArray("GDPK\x01")), EDatabaseError);
    EXPECT_THROW(cds.SetData(delta), EDatabaseError);
    EXPECT_EQ(cds.Data(), data);
    EXPECT_EQ(cds.ChangeCount(), 1);
}

// A grid reads each drawn row's status through ActiveRecordScope, so the status follows the
// row read, not only the cursor.
TEST(ClientDataSetTest, UpdateStatusTellsEachRowsUnmergedChange) {
    TClientDataSet cds(nullptr);
    cds.SetData(ClientPacket());
    EditRow(cds, 2, "mudado");
    InsertRow(cds, 1, "09", "Nova");
    auto statusOf = [&](int row) {
        TDataSet::ActiveRecordScope scope(cds, row);
        return cds.UpdateStatus();
    };
    EXPECT_EQ(statusOf(0), usInserted);
    EXPECT_EQ(statusOf(1), usUnmodified);
    EXPECT_EQ(statusOf(2), usModified) << "the edited row moved down by the insert";
    EXPECT_EQ(statusOf(3), usUnmodified);
    cds.Edit();
    EXPECT_EQ(cds.UpdateStatus(), usInserted) << "editing again keeps the posted status";
    cds.Cancel();
    cds.Append();
    EXPECT_EQ(cds.UpdateStatus(), usUnmodified) << "a row not yet posted holds no change";
    cds.Cancel();
    cds.MergeChangeLog();
    EXPECT_EQ(statusOf(2), usUnmodified);
    cds.Close();
    EXPECT_EQ(cds.UpdateStatus(), usUnmodified);
}
