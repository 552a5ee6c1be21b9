// The dataset sequences the screens run, end to end.

#include "DbTestSupport.h"
#include "platform/db/TStringField.h"

#include <gtest/gtest.h>

using namespace ger;
using namespace ger::test;

namespace {

QByteArray ServerList(const char* liberadoOf02) {
    return Packet({{"OPERACAO", 35}, {"IDLIBERADO", 1}}, {{V("01 - Venda"), V("S")},
                                                          {V("02 - Compra"), V(liberadoOf02)},
                                                          {V("03 - Remessa"), V("S")}});
}

} // namespace

// A posted row is sent, the server's list replaces the content inside AfterPost, the cursor
// goes back to the edited row and the log is merged.
TEST(ScreenUsageTest, AfterPostReloadsLocatesAndMerges) {
    TClientDataSet cds(nullptr);
    cds.SetData(ServerList("S"));
    QByteArray sent;
    cds.AfterPost = [&sent](TDataSet* ds) {
        auto* client = static_cast<TClientDataSet*>(ds);
        if (client->ChangeCount() == 0)
            return;
        const QString operacao = ds->FieldByName("OPERACAO")->AsString();
        sent = client->Delta();
        client->SetData(ServerList("N"));
        client->Locate("OPERACAO", operacao);
        client->MergeChangeLog();
    };
    cds.Next();
    cds.Edit();
    cds.FieldByName("IDLIBERADO")->SetAsString("Não");
    cds.Post();
    EXPECT_EQ(DeltaPacket::Decode(sent).changes.size(), 1u);
    EXPECT_EQ(cds.State(), dsBrowse);
    EXPECT_EQ(cds.RecNo(), 2);
    EXPECT_EQ(cds.FieldByName("IDLIBERADO")->AsString(), "N");
    EXPECT_EQ(cds.ChangeCount(), 0);
}

// Before an insert, the check dataset is refilled from the client's rows as they are before
// the new row exists; columns it does not declare are ignored.
TEST(ScreenUsageTest, CheckDataSetIsRefilledBeforeInsert) {
    TComponent form(nullptr);
    auto* cdsTpOperCli = new TClientDataSet(&form);
    auto* cdsVd = new TClientDataSet(&form);
    for (const char* name : {"CDFILIAL", "CDTIPOOPER", "NMTIPOOPER"}) {
        auto* field = new TStringField(&form);
        field->SetFieldName(name);
        field->SetParentComponent(cdsVd);
    }
    cdsTpOperCli->BeforeInsert = [cdsVd](TDataSet* ds) {
        if (!cdsVd->Active())
            cdsVd->CreateDataSet();
        cdsVd->EmptyDataSet();
        cdsVd->SetData(static_cast<TClientDataSet*>(ds)->Data());
    };
    cdsTpOperCli->SetData(
        Packet({{"CDFILIAL", 4}, {"CDTIPOOPER", 2}, {"NMTIPOOPER", 30}, {"CDFORNCLIE", 21}},
               {{V("0001"), V("01"), V("Venda"), V("C1")}}));
    cdsTpOperCli->Insert();
    EXPECT_EQ(cdsVd->RecordCount(), 1);
    EXPECT_EQ(cdsVd->FieldCount(), 3);
    EXPECT_TRUE(cdsVd->Locate("CDTIPOOPER", QStringLiteral("01")));
    cdsTpOperCli->FieldByName("CDTIPOOPER")->SetAsString("02");
    cdsTpOperCli->Post();
    cdsTpOperCli->Insert();
    EXPECT_EQ(cdsVd->RecordCount(), 2);
}

// A delete sends a delta carrying the row as fetched, with every column of the packet.
TEST(ScreenUsageTest, DeleteDeltaCarriesTheFetchedRowWhole) {
    TClientDataSet cds(nullptr);
    cds.SetData(Packet({{"CDFILIAL", 4}, {"CDTIPOOPER", 2}, {"CDFORNCLIE", 21}},
                       {{V("0001"), V("01"), V("C1")}, {V("0001"), V("02"), V("C1")}}));
    QByteArray sent;
    cds.AfterDelete = [&sent](TDataSet* ds) {
        auto* client = static_cast<TClientDataSet*>(ds);
        if (client->ChangeCount() > 0) {
            sent = client->Delta();
            client->MergeChangeLog();
        }
    };
    cds.Last();
    cds.Delete();
    const DeltaPacket delta = DeltaPacket::Decode(sent);
    ASSERT_EQ(delta.changes.size(), 1u);
    EXPECT_EQ(delta.changes[0].kind, ChangeKind::Delete);
    EXPECT_EQ(delta.changes[0].original, (PacketRow{V("0001"), V("02"), V("C1")}));
    EXPECT_EQ(cds.ChangeCount(), 0);
}
