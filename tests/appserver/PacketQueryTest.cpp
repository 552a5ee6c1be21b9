// PacketQuery, the read path of the lists: rows copied into a packet without conversions,
// NULL kept apart from the empty string, and the statement reusable after any outcome.

#include "appserver/PacketQuery.h"

#include "SeededDatabase.h"
#include "platform/db/EDatabaseError.h"
#include "platform/sql/ESqlError.h"

using namespace ger;

namespace {

const std::vector<PacketField> kLayout{{"CODIGO", 2}, {"NOME", 10}};

class PacketQueryTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_dir.isValid());
        m_db = std::make_unique<DatabaseConnection>(m_dir.filePath("q.sqlite"),
                                                    DatabaseConnection::OpenMode::CreateIfMissing);
        m_db->executeScript("CREATE TABLE T (CODIGO TEXT, NOME TEXT);"
                            "INSERT INTO T VALUES ('01', 'Ação'), ('02', NULL), ('03', ''),"
                            "('04', CAST(x'C328' AS TEXT));");
    }

    QTemporaryDir m_dir;
    std::unique_ptr<DatabaseConnection> m_db;
};

} // namespace

TEST_F(PacketQueryTest, CopiesRowsKeepingNullApartFromEmpty) {
    PacketQuery query(*m_db, "SELECT CODIGO, NOME FROM T WHERE CODIGO <= :P ORDER BY 1", kLayout);
    query.bind(":P", "03");
    const DataPacket packet = DataPacket::Decode(query.packet());
    EXPECT_EQ(packet.fields, kLayout);
    EXPECT_EQ(packet.rows, (std::vector<PacketRow>{{QStringLiteral("01"), QStringLiteral("Ação")},
                                                   {QStringLiteral("02"), std::nullopt},
                                                   {QStringLiteral("03"), QString("")}}));
    query.bind(":P", "01");
    EXPECT_EQ(DataPacket::Decode(query.packet()).rows.size(), 1u) << "rebound and run again";
}

TEST_F(PacketQueryTest, UnboundParameterIsNullAndMatchesNothing) {
    PacketQuery query(*m_db, "SELECT CODIGO, NOME FROM T WHERE CODIGO = :P", kLayout);
    query.bind(":P", "01");
    ASSERT_EQ(DataPacket::Decode(query.packet()).rows.size(), 1u);
    EXPECT_TRUE(DataPacket::Decode(query.packet()).rows.empty()) << "bindings cleared after a run";
}

TEST_F(PacketQueryTest, TextThatIsNotUtf8IsRefusedAndTheStatementStaysUsable) {
    PacketQuery query(*m_db, "SELECT CODIGO, NOME FROM T WHERE CODIGO >= :P ORDER BY 1", kLayout);
    query.bind(":P", "04");
    EXPECT_THROW(query.packet(), EDatabaseError);
    query.bind(":P", "03");
    EXPECT_THROW(query.packet(), EDatabaseError) << "row 04 still follows";
    PacketQuery first(*m_db, "SELECT CODIGO, NOME FROM T WHERE CODIGO = :P", kLayout);
    first.bind(":P", "01");
    EXPECT_EQ(DataPacket::Decode(first.packet()).rows.size(), 1u);
}

TEST_F(PacketQueryTest, StatementOutOfStepWithItsLayoutIsRefused) {
    EXPECT_THROW(PacketQuery(*m_db, "SELECT CODIGO FROM T", kLayout), EDatabaseError);
    EXPECT_THROW(PacketQuery(*m_db, "SELECT NOME, CODIGO FROM T", kLayout), EDatabaseError);
    EXPECT_THROW(PacketQuery(*m_db, "SELECT CODIGO, NOME FROM NENHUMA", kLayout), ESqlError);
    PacketQuery query(*m_db, "SELECT CODIGO, NOME FROM T WHERE CODIGO = :P", kLayout);
    EXPECT_THROW(query.bind(":Q", "01"), EDatabaseError);
}
