#include "DbTestSupport.h"
#include "platform/db/EDatabaseError.h"

#include <gtest/gtest.h>

using namespace ger;
using namespace ger::test;

namespace {

QByteArray Letters(std::initializer_list<const char*> letters) {
    std::vector<PacketRow> rows;
    for (const char* letter : letters)
        rows.push_back({V(letter)});
    return Packet({{"L", 1}}, rows);
}

QString Current(const TDataSet& ds) {
    return ds.FieldByName("L")->AsString();
}

} // namespace

TEST(DataSetCursorTest, WalkThroughTheDocumentedExample) {
    TClientDataSet cds(nullptr);
    cds.SetData(Letters({"A", "B", "C"}));
    EXPECT_EQ(Current(cds), "A");
    EXPECT_TRUE(cds.Bof());
    EXPECT_FALSE(cds.Eof());
    cds.Next();
    cds.Next();
    EXPECT_EQ(Current(cds), "C");
    EXPECT_FALSE(cds.Eof());
    cds.Next();
    EXPECT_EQ(Current(cds), "C");
    EXPECT_TRUE(cds.Eof());
    cds.Prior();
    EXPECT_EQ(Current(cds), "B");
    EXPECT_FALSE(cds.Bof());
    EXPECT_FALSE(cds.Eof());

    cds.Insert();
    EXPECT_EQ(cds.RecNo(), 2);
    EXPECT_EQ(cds.RecordCount(), 3);
    EXPECT_EQ(cds.DisplayRecordCount(), 4);
    EXPECT_TRUE(cds.FieldByName("L")->IsNull());
    cds.Cancel();
    EXPECT_EQ(Current(cds), "B");
    EXPECT_EQ(cds.RecordCount(), 3);

    cds.Append();
    cds.FieldByName("L")->SetAsString("D");
    cds.Post();
    EXPECT_EQ(Current(cds), "D");
    EXPECT_EQ(cds.RecNo(), 4);
    cds.Delete();
    EXPECT_EQ(Current(cds), "C");
    cds.First();
    cds.Delete();
    EXPECT_EQ(Current(cds), "B");
    EXPECT_EQ(Rows(cds), (std::vector<PacketRow>{{V("B")}, {V("C")}}));
}

TEST(DataSetCursorTest, EmptyDataSetHasNoCurrentRecordAndRefusesDelete) {
    TClientDataSet cds(nullptr);
    cds.SetData(Letters({}));
    EXPECT_TRUE(cds.IsEmpty());
    EXPECT_TRUE(cds.Bof());
    EXPECT_TRUE(cds.Eof());
    EXPECT_EQ(cds.RecNo(), 0);
    EXPECT_TRUE(cds.FieldByName("L")->IsNull());
    EXPECT_EQ(cds.MoveBy(5), 0);
    cds.Last();
    EXPECT_TRUE(cds.Bof() && cds.Eof());
    EXPECT_THROW(cds.Delete(), EDatabaseError);
}

TEST(DataSetCursorTest, InsertIntoEmptyThenPostGivesTheOnlyRow) {
    TClientDataSet cds(nullptr);
    cds.SetData(Letters({}));
    cds.Insert();
    EXPECT_FALSE(cds.IsEmpty());
    cds.FieldByName("L")->SetAsString("Z");
    cds.Post();
    EXPECT_EQ(cds.RecNo(), 1);
    EXPECT_EQ(Current(cds), "Z");
}

TEST(DataSetCursorTest, DeletingTheLastRemainingRowEmptiesTheDataSet) {
    TClientDataSet cds(nullptr);
    cds.SetData(Letters({"A"}));
    cds.Delete();
    EXPECT_TRUE(cds.IsEmpty());
    EXPECT_EQ(cds.RecNo(), 0);
    EXPECT_TRUE(cds.Eof());
}

TEST(DataSetCursorTest, MoveByClampsAndReportsTheDistanceMoved) {
    TClientDataSet cds(nullptr);
    cds.SetData(Letters({"A", "B", "C", "D"}));
    EXPECT_EQ(cds.MoveBy(2), 2);
    EXPECT_EQ(cds.MoveBy(10), 1);
    EXPECT_TRUE(cds.Eof());
    EXPECT_EQ(cds.MoveBy(-10), -3);
    EXPECT_TRUE(cds.Bof());
    cds.SetRecNo(3);
    EXPECT_EQ(Current(cds), "C");
    EXPECT_THROW(cds.SetRecNo(9), EDatabaseError);
}

TEST(DataSetCursorTest, CancelOfAppendReturnsToTheRowThatWasCurrent) {
    TClientDataSet cds(nullptr);
    cds.SetData(Letters({"A", "B", "C"}));
    cds.Next();
    cds.Append();
    EXPECT_EQ(cds.RecNo(), 4);
    cds.Cancel();
    EXPECT_EQ(Current(cds), "B");
}

TEST(DataSetCursorTest, PostOfInsertPlacesTheRowAtTheCursor) {
    TClientDataSet cds(nullptr);
    cds.SetData(Letters({"A", "B", "C"}));
    cds.Last();
    cds.Insert();
    cds.FieldByName("L")->SetAsString("X");
    cds.Post();
    EXPECT_EQ(cds.RecNo(), 3);
    EXPECT_EQ(Rows(cds), (std::vector<PacketRow>{{V("A")}, {V("B")}, {V("X")}, {V("C")}}));
}

TEST(DataSetCursorTest, ActiveRecordScopeReadsOtherRowsIncludingTheNewOne) {
    TClientDataSet cds(nullptr);
    cds.SetData(Letters({"A", "B"}));
    cds.Last();
    cds.Insert();
    cds.FieldByName("L")->SetAsString("N");
    QStringList shown;
    for (int row = 0; row < cds.DisplayRecordCount(); ++row) {
        TDataSet::ActiveRecordScope scope(cds, row);
        shown << Current(cds);
    }
    EXPECT_EQ(shown, QStringList({"A", "N", "B"}));
    EXPECT_EQ(Current(cds), "N");
    {
        TDataSet::ActiveRecordScope scope(cds, 0);
        EXPECT_THROW(cds.FieldByName("L")->SetAsString("Q"), EDatabaseError);
    }
    EXPECT_THROW(TDataSet::ActiveRecordScope(cds, 3), EDatabaseError);
}

TEST(DataSetCursorTest, ClosingDiscardsAnUnpostedEditAndDropsTheData) {
    TClientDataSet cds(nullptr);
    cds.SetData(Letters({"A"}));
    cds.Edit();
    cds.FieldByName("L")->SetAsString("Z");
    cds.Close();
    EXPECT_EQ(cds.State(), dsInactive);
    EXPECT_EQ(cds.FieldCount(), 0);
    EXPECT_THROW(cds.Open(), EDatabaseError);
    EXPECT_EQ(cds.ChangeCount(), 0);
}
