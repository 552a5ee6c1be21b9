// SetTipoOperCli and DelTipoOperCli: additions to a client's list and removals sent as the
// change list of a real client dataset, as the per-client grid produces them.

#include "AppServerTestSupport.h"
#include "platform/db/TClientDataSet.h"
#include "platform/db/TField.h"

using namespace ger;
using namespace ger::test;

namespace {

const QString kBranch = QStringLiteral("0001");

class ClientOperationsOnOneEngine : public AppServerTest {
protected:
    QString client(int index = 0) const { return DemoDatabase::ClientCode(index); }

    QStringList typesOf(const QString& clientCode, const QString& branch = kBranch) {
        QStringList types;
        for (const SqlRow& row :
             rowsOf(QStringLiteral("SELECT CDTIPOOPER FROM TIPOOPERCLIENTE WHERE CDFILIAL = '%1' "
                                   "AND CDCLIENTE = '%2' ORDER BY 1")
                        .arg(branch, clientCode)))
            types.append(*row.front());
        return types;
    }

    // A type clients may use that `clientCode` does not have at the branch yet.
    QString newType(const QString& clientCode) {
        return scalar(QStringLiteral("SELECT MIN(CDTIPOOPER) FROM TIPOOPERAC WHERE IDENTRSAIDOP "
                                     "= 'S' AND CDTIPOOPER NOT IN (SELECT CDTIPOOPER FROM "
                                     "TIPOOPERCLIENTE WHERE CDFILIAL = '%1' AND CDCLIENTE = '%2')")
                          .arg(kBranch, clientCode));
    }

    // The client's list loaded into a client dataset, as the screen holds it.
    void load(TClientDataSet& cds, const QString& clientCode) {
        cds.SetData(succeed("GetTipoOperCli", {Val(kBranch), Ref(clientCode), Ref(""), Val("S")}));
    }

    void deleteType(TClientDataSet& cds, const QString& type) {
        ASSERT_TRUE(cds.Locate("CDTIPOOPER", type));
        cds.Delete();
    }

    TClientDataSet m_cds{nullptr};
};

} // namespace

using ClientOperationsTest = OnEveryEngine<ClientOperationsOnOneEngine>;

TEST_P(ClientOperationsTest, SetTipoOperCliAddsTheTypeToTheClientAtTheBranch) {
    const QString type = newType(client());
    const QStringList before = typesOf(client());
    const QStringList otherBranch = typesOf(client(), "0301");
    Args args{Val(kBranch), Ref(client()), Val(type), Val("S")};
    const QByteArray payload = succeed("SetTipoOperCli", args);
    EXPECT_TRUE(payload.isEmpty()) << "no packet: the screen keeps its row as posted";
    QStringList expected = before;
    expected.append(type);
    expected.sort();
    EXPECT_EQ(typesOf(client()), expected);
    EXPECT_EQ(typesOf(client(), "0301"), otherBranch) << "other branch untouched";
    EXPECT_EQ(args[1].value.toString(), client());
}

TEST_P(ClientOperationsTest, SetTipoOperCliTwiceIsAlreadyRegistered) {
    const QString type = typesOf(client()).constFirst();
    const auto before = writtenTables();
    const ServerResult::Parts parts =
        fail("SetTipoOperCli", {Val(kBranch), Ref(client()), Val(type), Val("S")});
    EXPECT_EQ(parts.message, QStringLiteral("Tipo de operação já cadastrado."));
    EXPECT_EQ(parts.code, static_cast<int>(ServerResultCode::AlreadyRegistered));
    EXPECT_EQ(writtenTables(), before);
}

TEST_P(ClientOperationsTest, SetTipoOperCliRefusalsWriteNothing) {
    const QString supplierOnly =
        scalar("SELECT MIN(CDTIPOOPER) FROM TIPOOPERAC WHERE IDENTRSAIDOP = 'N'");
    ASSERT_FALSE(supplierOnly.isEmpty());
    const QString type = newType(client());
    const std::vector<std::pair<Args, ServerResultCode>> cases{
        {{Val(kBranch), Ref(client()), Val(supplierOnly), Val("S")}, ServerResultCode::NotFound},
        {{Val(kBranch), Ref(client()), Val("99"), Val("S")}, ServerResultCode::NotFound},
        {{Val(kBranch), Ref(client()), Val("1"), Val("S")}, ServerResultCode::NotFound},
        {{Val("9999"), Ref(client()), Val(type), Val("S")}, ServerResultCode::NotFound},
        {{Val(kBranch), Ref("000000000000000009999"), Val(type), Val("S")},
         ServerResultCode::NotFound},
        {{Val(kBranch), Ref(client()), Val(type), Val("N")}, ServerResultCode::InvalidArgument},
        {{Val(kBranch), Val(client()), Val(type), Val("S")}, ServerResultCode::InvalidArgument},
        {{Val(kBranch), Ref(client()), Val(type)}, ServerResultCode::InvalidArgument},
        {{Val(QStringLiteral("\uFEFF0001")), Ref(client()), Val(type), Val("S")},
         ServerResultCode::InvalidArgument},
        {{Val(QStringLiteral("\uFFFE0001")), Ref(client()), Val(type), Val("S")},
         ServerResultCode::InvalidArgument},
        {{Val(kBranch), Ref(u'\uFEFF' + client()), Val(type), Val("S")},
         ServerResultCode::InvalidArgument},
    };
    const auto before = writtenTables();
    for (const auto& [args, code] : cases) {
        Args sent = args;
        EXPECT_EQ(fail("SetTipoOperCli", sent).code, static_cast<int>(code));
    }
    EXPECT_EQ(writtenTables(), before);
}

TEST_P(ClientOperationsTest, DelTipoOperCliRemovesTheRowDeletedInTheDataset) {
    load(m_cds, client());
    const QStringList before = typesOf(client());
    const QStringList otherBranch = typesOf(client(), "0301");
    ASSERT_GE(before.size(), 2);
    ASSERT_FALSE(otherBranch.isEmpty());
    deleteType(m_cds, before.at(1));
    Args args{CallArgument::variant(m_cds.Delta()), Ref(client())};
    EXPECT_TRUE(succeed("DelTipoOperCli", args).isEmpty());
    QStringList expected = before;
    expected.removeAt(1);
    EXPECT_EQ(typesOf(client()), expected);
    EXPECT_EQ(typesOf(client(), "0301"), otherBranch);
    EXPECT_EQ(args[1].value.toString(), client());
}

TEST_P(ClientOperationsTest, DelTipoOperCliAppliesEveryRemovalAndRefusesInsertsAndEdits) {
    load(m_cds, client(2));
    const QStringList before = typesOf(client(2));
    ASSERT_GE(before.size(), 3);
    deleteType(m_cds, before.at(0));
    deleteType(m_cds, before.at(1));
    const QByteArray removals = m_cds.Delta();
    m_cds.Append();
    m_cds.FieldByName("CDFILIAL")->SetAsString(kBranch);
    m_cds.FieldByName("CDTIPOOPER")->SetAsString(newType(client(2)));
    m_cds.FieldByName("CDFORNCLIE")->SetAsString(client(2));
    m_cds.Post();
    ASSERT_TRUE(m_cds.Locate("CDTIPOOPER", before.at(2)));
    m_cds.Edit();
    m_cds.FieldByName("NMTIPOOPER")->SetAsString("Outro nome");
    m_cds.Post();
    ASSERT_EQ(m_cds.ChangeCount(), 4);

    const auto unchanged = writtenTables();
    const ServerResult::Parts parts =
        fail("DelTipoOperCli", {CallArgument::variant(m_cds.Delta()), Ref(client(2))});
    EXPECT_EQ(parts.code, static_cast<int>(ServerResultCode::InvalidArgument));
    EXPECT_EQ(parts.message.toStdString(),
              "Lista de alterações com uma inclusão ou alteração: só exclusões são aceitas.");
    EXPECT_EQ(writtenTables(), unchanged) << "not even the removals before the insert";

    succeed("DelTipoOperCli", {CallArgument::variant(removals), Ref(client(2))});
    EXPECT_EQ(typesOf(client(2)), before.mid(2));
}

TEST_P(ClientOperationsTest, DelTipoOperCliSentAgainAfterSuccessDoesNoHarm) {
    load(m_cds, client());
    const QString removed = typesOf(client()).constFirst();
    deleteType(m_cds, removed);
    const QByteArray delta = m_cds.Delta();
    succeed("DelTipoOperCli", {CallArgument::variant(delta), Ref(client())});
    const auto after = writtenTables();
    succeed("DelTipoOperCli", {CallArgument::variant(delta), Ref(client())});
    EXPECT_EQ(writtenTables(), after);
    EXPECT_FALSE(typesOf(client()).contains(removed));
}

TEST_P(ClientOperationsTest, DelTipoOperCliOfAnotherClientWritesNothing) {
    load(m_cds, client());
    deleteType(m_cds, typesOf(client()).constFirst());
    const auto before = writtenTables();
    const ServerResult::Parts parts =
        fail("DelTipoOperCli", {CallArgument::variant(m_cds.Delta()), Ref(client(1))});
    EXPECT_EQ(parts.code, static_cast<int>(ServerResultCode::InvalidArgument));
    EXPECT_EQ(writtenTables(), before);
}

TEST_P(ClientOperationsTest, DelTipoOperCliWithOneForeignRowWritesNoneOfTheOthers) {
    load(m_cds, client());
    deleteType(m_cds, typesOf(client()).at(0));
    const DeltaPacket own = DeltaPacket::Decode(m_cds.Delta());
    DeltaPacket mixed = own;
    PacketChange foreign = own.changes.front();
    for (size_t i = 0; i < mixed.fields.size(); ++i)
        if (mixed.fields[i].name == u"CDFORNCLIE")
            foreign.original[i] = client(1);
    mixed.changes.push_back(foreign);
    const auto before = writtenTables();
    fail("DelTipoOperCli", {CallArgument::variant(mixed.Encode()), Ref(client())});
    EXPECT_EQ(writtenTables(), before);
}

// A removal whose branch carries a byte-order mark would remove the row of the branch behind
// it: the whole list is refused.
TEST_P(ClientOperationsTest, DelTipoOperCliWithAMarkedBranchWritesNothing) {
    load(m_cds, client());
    deleteType(m_cds, typesOf(client()).constFirst());
    DeltaPacket marked = DeltaPacket::Decode(m_cds.Delta());
    for (size_t i = 0; i < marked.fields.size(); ++i)
        if (marked.fields[i].name == u"CDFILIAL")
            marked.changes.front().original[i] = QStringLiteral("\uFEFF") + kBranch;
    const auto before = writtenTables();
    const ServerResult::Parts parts =
        fail("DelTipoOperCli", {CallArgument::variant(marked.Encode()), Ref(client())});
    EXPECT_EQ(parts.code, static_cast<int>(ServerResultCode::InvalidArgument));
    EXPECT_EQ(writtenTables(), before);
}

TEST_P(ClientOperationsTest, DelTipoOperCliRefusesWhatIsNoUsableDelta) {
    load(m_cds, client());
    deleteType(m_cds, typesOf(client()).constFirst());
    const QByteArray delta = m_cds.Delta();
    DeltaPacket withoutClient = DeltaPacket::Decode(delta);
    for (size_t i = 0; i < withoutClient.fields.size(); ++i)
        if (withoutClient.fields[i].name == u"CDFORNCLIE") {
            withoutClient.fields.erase(withoutClient.fields.begin() + static_cast<long>(i));
            for (PacketChange& change : withoutClient.changes)
                change.original.erase(change.original.begin() + static_cast<long>(i));
            break;
        }
    const std::vector<QVariant> bad{
        delta.left(delta.size() - 1),      // truncated
        delta + QByteArray(1, '\0'),       // trailing byte
        m_cds.Data(),                      // a data packet, not a change list
        withoutClient.Encode(),            // without CDFORNCLIE
        QByteArray("GDPK"),                // a header alone
        QVariant(QStringLiteral("texto")), // not bytes at all
        QVariant(),                        // empty
    };
    const auto before = writtenTables();
    for (const QVariant& value : bad) {
        const ServerResult::Parts parts =
            fail("DelTipoOperCli", {CallArgument::variant(value), Ref(client())});
        EXPECT_EQ(parts.code, static_cast<int>(ServerResultCode::InvalidArgument))
            << parts.message.toStdString();
    }
    EXPECT_EQ(
        fail("DelTipoOperCli", {CallArgument::variant(delta), Ref("000000000000000009999")}).code,
        static_cast<int>(ServerResultCode::InvalidArgument))
        << "the rows are not the unknown client's";
    EXPECT_EQ(writtenTables(), before);
}

INSTANTIATE_TEST_SUITE_P(Engines, ClientOperationsTest, EveryEngine(), EngineName);
