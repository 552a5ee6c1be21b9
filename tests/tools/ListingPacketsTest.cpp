// The module's answers read back: the branch's rows by type, the client's types.

#include "tools/load/ListingPackets.h"

#include "appserver/PacketLayouts.h"
#include "platform/db/EDatabaseError.h"

#include <gtest/gtest.h>

using namespace ger;

TEST(ListingPacketsTest, BranchRowsAreKeyedByTypeWithNoKindEmpty) {
    DataPacket packet{PacketLayouts::BranchOperations(), {}};
    packet.rows.push_back({"01 - Venda", "S", "N", "0001", "01", "P"});
    packet.rows.push_back({"02 - Venda", "N", "S", "0001", "02", std::nullopt});
    const std::map<QString, RowSettings> rows = ListingPackets::BranchRows(packet.Encode());
    ASSERT_EQ(rows.size(), size_t(2));
    EXPECT_EQ(rows.at("01"), (RowSettings{"S", "N", "P"}));
    EXPECT_EQ(rows.at("02"), (RowSettings{"N", "S", ""}));
}

TEST(ListingPacketsTest, ClientTypesComeInThePacketsOrder) {
    DataPacket packet{PacketLayouts::ClientOperations(), {}};
    for (const char* type : {"07", "03"})
        packet.rows.push_back({"0001", type, "Nome", "000000000000000000001", "1", "Razão", "F"});
    EXPECT_EQ(ListingPackets::ClientTypes(packet.Encode()), (QStringList{"07", "03"}));
    EXPECT_TRUE(
        ListingPackets::ClientTypes(DataPacket{PacketLayouts::ClientOperations(), {}}.Encode())
            .isEmpty());
}

TEST(ListingPacketsTest, APacketWithoutTheColumnsOrNoPacketIsRefused) {
    const DataPacket other{{{"CDFILIAL", 4}}, {{"0001"}}};
    EXPECT_THROW(ListingPackets::BranchRows(other.Encode()), EDatabaseError);
    EXPECT_THROW(ListingPackets::ClientTypes(other.Encode()), EDatabaseError);
    EXPECT_THROW(ListingPackets::BranchRows(QByteArray("not a packet")), EDatabaseError);
}
