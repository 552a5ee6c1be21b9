// Several clients at once, each on its own session, their calls run by the server's call
// workers: writes from all of them land, none is lost or refused as locked, and reads made
// meanwhile see whole lists.

#include "AppServerTestSupport.h"
#include "platform/core/Exception.h"

#include <atomic>
#include <thread>

using namespace ger;
using namespace ger::test;

namespace {

constexpr int kClients = 4;
constexpr int kRounds = 15;

class ConcurrencyOnOneEngine : public AppServerTest {};

} // namespace

using ConcurrencyTest = OnEveryEngine<ConcurrencyOnOneEngine>;

TEST_P(ConcurrencyTest, ClientsWritingAtOnceAllSucceedAndTheLastWriteOfEachRowStays) {
    const QString branches[kClients] = {"0001", "0101", "0201", "0301"};
    std::atomic<int> failures{0};
    std::atomic<int> wrongReads{0};
    const int listSize = count("SELECT COUNT(*) FROM TIPOOPERFILIAL WHERE CDFILIAL = '0001'");
    std::vector<std::thread> threads;
    for (int c = 0; c < kClients; ++c)
        threads.emplace_back([&, c] {
            try {
                RemoteClient client;
                client.open("127.0.0.1", port(), RdmTpOperFil::ModuleName);
                for (int round = 0; round < kRounds; ++round) {
                    const QString flag = round % 2 ? "S" : "N";
                    Args write{Val("01"), Val(branches[c]), Val(flag),
                               Val(flag), Val("P"),         Ref("")};
                    const auto result = ServerResult::Read(client.call("SetTpOperFil", write));
                    if (!result || !result->isSuccess())
                        ++failures;
                    Args bulk{Ref("T"),  Ref("'0002'"), Ref("'02'"), Ref(flag),
                              Ref(flag), Val("0002"),   Ref("P")};
                    const auto bulkResult = ServerResult::Read(client.call("SetGravaAut", bulk));
                    if (!bulkResult || !bulkResult->isSuccess())
                        ++failures;
                    Args read{Val("0001")};
                    const QByteArray list = client.call("GetTpOperFil", read).toByteArray();
                    if (DataPacket::Decode(list).rows.size() != static_cast<size_t>(listSize))
                        ++wrongReads;
                }
            } catch (const Exception&) {
                ++failures;
            }
        });
    for (std::thread& thread : threads)
        thread.join();
    EXPECT_EQ(failures, 0);
    EXPECT_EQ(wrongReads, 0);
    const QString last = (kRounds - 1) % 2 ? "S" : "N";
    for (const QString& branch : branches)
        EXPECT_EQ(scalar(QStringLiteral("SELECT IDLIBERADO || IDLANCMANUAL FROM TIPOOPERFILIAL "
                                        "WHERE CDFILIAL = '%1' AND CDTIPOOPER = '01'")
                             .arg(branch)),
                  last + last);
}

TEST_P(ConcurrencyTest, AdditionsOfOneTypeFromManyClientsStoreOneRow) {
    const QString client = DemoDatabase::ClientCode(30);
    std::atomic<int> added{0};
    std::atomic<int> duplicates{0};
    std::vector<std::thread> threads;
    for (int c = 0; c < kClients; ++c)
        threads.emplace_back([&] {
            try {
                RemoteClient remote;
                remote.open("127.0.0.1", port(), RdmTpOperFil::ModuleName);
                Args args{Val("0001"), Ref(client), Val("35"), Val("S")};
                const auto result = ServerResult::Read(remote.call("SetTipoOperCli", args));
                if (result && result->isSuccess())
                    ++added;
                else if (result &&
                         result->code == static_cast<int>(ServerResultCode::AlreadyRegistered))
                    ++duplicates;
            } catch (const Exception&) {
            }
        });
    for (std::thread& thread : threads)
        thread.join();
    EXPECT_EQ(added, 1);
    EXPECT_EQ(duplicates, kClients - 1);
    EXPECT_EQ(count(QStringLiteral("SELECT COUNT(*) FROM TIPOOPERCLIENTE WHERE CDCLIENTE = '%1'")
                        .arg(client)),
              1);
}

INSTANTIATE_TEST_SUITE_P(Engines, ConcurrencyTest, EveryEngine(), EngineName);
