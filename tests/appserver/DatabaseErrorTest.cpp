// A database that refuses a write in the middle of a method: the transaction is rolled back
// whole and the result is a failed one carrying the database's own message. Triggers stand
// in for whatever a real database may refuse (a full disk, a constraint added later).

#include "AppServerTestSupport.h"
#include "platform/db/TClientDataSet.h"
#include "platform/net/NetExceptions.h"
#include "support/ThrowsWithMessage.h"

using namespace ger;
using namespace ger::test;

namespace {

class DatabaseErrorTest : public AppServerTest {
protected:
    void prepareDatabase() override {
        db().executeScript(QStringLiteral(
            "CREATE TRIGGER BLOQUEIA_0302 BEFORE INSERT ON TIPOOPERFILIAL "
            "WHEN NEW.CDFILIAL = '0302' BEGIN SELECT RAISE(ABORT, 'filial 0302 bloqueada'); END;"
            "CREATE TRIGGER BLOQUEIA_TIPO_07 BEFORE UPDATE ON TIPOOPERFILIAL "
            "WHEN NEW.CDTIPOOPER = '07' BEGIN SELECT RAISE(ABORT, 'tipo 07 bloqueado'); END;"
            "CREATE TRIGGER BLOQUEIA_EXCLUSAO BEFORE DELETE ON TIPOOPERCLIENTE "
            "WHEN OLD.CDTIPOOPER = (SELECT MAX(CDTIPOOPER) FROM TIPOOPERCLIENTE "
            "WHERE CDCLIENTE = OLD.CDCLIENTE AND CDFILIAL = OLD.CDFILIAL) "
            "BEGIN SELECT RAISE(ABORT, 'exclusão bloqueada'); END;"));
    }

    void expectDatabaseFailure(const ServerResult::Parts& parts, const char* databaseMessage) {
        EXPECT_EQ(parts.code, static_cast<int>(ServerResultCode::DatabaseError));
        EXPECT_TRUE(parts.message.startsWith(QStringLiteral("Erro no banco de dados")))
            << parts.message.toStdString();
        EXPECT_TRUE(parts.message.contains(QString::fromUtf8(databaseMessage)))
            << parts.message.toStdString();
    }
};

} // namespace

TEST_F(DatabaseErrorTest, BulkWriteRefusedOnOneBranchWritesNoBranchAtAll) {
    const auto before = writtenTables();
    expectDatabaseFailure(fail("SetGravaAut", {Ref("T"), Ref("T"), Ref("'01','02'"), Ref("N"),
                                               Ref("N"), Val("0001"), Ref("X")}),
                          "filial 0302 bloqueada");
    EXPECT_EQ(writtenTables(), before);
    succeed("SetGravaAut", {Ref("T"), Ref("'0001','0101'"), Ref("'01','02'"), Ref("N"), Ref("N"),
                            Val("0001"), Ref("X")});
    EXPECT_NE(writtenTables(), before) << "the next write goes through: nothing was left open";
}

TEST_F(DatabaseErrorTest, RefusedRowWriteLeavesTheRowAndTheReference) {
    const auto before = writtenTables();
    Args args{Val("07"), Val("0001"), Val("N"), Val("N"), Val("M"), Ref("31428573")};
    expectDatabaseFailure(fail("SetTpOperFil", args), "tipo 07 bloqueado");
    EXPECT_EQ(writtenTables(), before);
    EXPECT_EQ(args[5].value.toString(), QStringLiteral("31428573"));
}

TEST_F(DatabaseErrorTest, RemovalsRefusedOnOneRowRemoveNone) {
    const QString client = DemoDatabase::ClientCode(0);
    TClientDataSet cds(nullptr);
    cds.SetData(succeed("GetTipoOperCli", {Val("0001"), Ref(client), Ref(""), Val("S")}));
    ASSERT_GE(cds.RecordCount(), 2);
    cds.First();
    cds.Delete();
    cds.Last();
    cds.Delete();
    const auto before = writtenTables();
    expectDatabaseFailure(fail("DelTipoOperCli", {CallArgument::variant(cds.Delta()), Ref(client)}),
                          "exclusão bloqueada");
    EXPECT_EQ(writtenTables(), before);
}

TEST_F(DatabaseErrorTest, ReadFailureOfGetTpOperFilIsARemoteException) {
    db().executeScript(QStringLiteral("ALTER TABLE TIPOOPERAC RENAME TO TIPOOPERAC_ANTIGA"));
    EXPECT_THAT(
        [&] { call("GetTpOperFil", {Val("0001")}); },
        ThrowsWithMessage<ERemoteError>(testing::AllOf(
            testing::StartsWith("Erro no banco de dados"), testing::HasSubstr("TIPOOPERAC"))));
}
