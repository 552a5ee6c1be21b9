// ger-call's parts without a process: its command line and how it prints answers.

#include "tools/call/CallPrinter.h"

#include "appserver/ServerResult.h"
#include "platform/db/DataPacket.h"
#include "support/QtPrinters.h"
#include "tools/call/CallCommand.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace ger;

namespace {

QByteArray TwoRows() {
    return DataPacket{{{"CDFILIAL", 4}, {"NMFILIAL", 30}},
                      {{QStringLiteral("0001"), QStringLiteral("Matriz São Paulo")},
                       {QStringLiteral("0002"), std::nullopt}}}
        .Encode();
}

} // namespace

TEST(CallCommandTest, ReadsOptionsMethodAndTheThreeArgumentKinds) {
    QTemporaryDir dir;
    QFile file(dir.filePath("delta.bin"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray("\x01\x02\x00", 3));
    file.close();
    const CallCommand command =
        CallCommand::Parse({"--host", "localhost", "--port", "211", "--module", "X.rdm", "Metodo",
                            "v:0001", "r:", "x:" + file.fileName(), "v:r:dois pontos"});
    EXPECT_EQ(command.host, QStringLiteral("localhost"));
    EXPECT_EQ(command.port, 211);
    EXPECT_EQ(command.module, QStringLiteral("X.rdm"));
    EXPECT_EQ(command.method, QStringLiteral("Metodo"));
    const QList<CallArgument> expected{CallArgument::string("0001"), CallArgument::stringByRef(""),
                                       CallArgument::variant(QByteArray("\x01\x02\x00", 3)),
                                       CallArgument::string("r:dois pontos")};
    EXPECT_EQ(command.arguments, expected);
}

TEST(CallCommandTest, RefusesWhatItCannotSend) {
    const std::vector<QStringList> bad{
        {},
        {"--port", "0", "M"},
        {"--port", "70000", "M"},
        {"--port"},
        {"--verbose", "M"},
        {"M", "0001"},
        {"M", "s:0001"},
        {"M", "x:/sem/este/arquivo"},
    };
    for (const QStringList& arguments : bad)
        EXPECT_THROW(CallCommand::Parse(arguments), ECallUsage)
            << arguments.join(' ').toStdString();
}

TEST(CallPrinterTest, PacketIsATableWithPaddedColumnsAndNulls) {
    EXPECT_EQ(CallPrinter::Table(TwoRows()), QStringLiteral("CDFILIAL | NMFILIAL\n"
                                                            "0001     | Matriz São Paulo\n"
                                                            "0002     | (null)\n"));
}

TEST(CallPrinterTest, SuccessPrintsThePacketInsideAndTheReferences) {
    const QList<CallArgument> args{CallArgument::string("a"), CallArgument::stringByRef("b"),
                                   CallArgument::stringByRef("")};
    const CallPrinter::Output output = CallPrinter::Result(ServerResult::Success(TwoRows()), args);
    EXPECT_EQ(output.exitCode, 0);
    EXPECT_EQ(output.text, CallPrinter::Table(TwoRows()) + "ref 2 = 'b'\nref 3 = ''\n");
    EXPECT_EQ(CallPrinter::Result(ServerResult::Success(), {}).text, QStringLiteral("OK\n"));
    EXPECT_EQ(CallPrinter::Result(TwoRows(), {}).text, CallPrinter::Table(TwoRows()))
        << "a packet as it comes";
}

TEST(CallPrinterTest, FailuresPrintTheCodeAndExitWithOne) {
    const CallPrinter::Output failed = CallPrinter::Result(
        ServerResult::Failure(ServerResultCode::NotFound, "Filial \"9\" não cadastrada."),
        {CallArgument::stringByRef("x")});
    EXPECT_EQ(failed.exitCode, 1);
    EXPECT_EQ(failed.text, QStringLiteral("ERRO 2: Filial \"9\" não cadastrada.\nref 1 = 'x'\n"));
    const CallPrinter::Output raised = CallPrinter::RemoteException("falhou", {});
    EXPECT_EQ(raised.exitCode, 1);
    EXPECT_EQ(raised.text, QStringLiteral("ERRO: falhou\n"));
}

TEST(CallPrinterTest, OtherValuesPrintAsText) {
    EXPECT_EQ(CallPrinter::Result(QVariant(qint64(7)), {}).text, QStringLiteral("7\n"));
    EXPECT_EQ(CallPrinter::Result(QVariant(), {}).text, QStringLiteral("(vazio)\n"));
    EXPECT_EQ(CallPrinter::Result(QByteArray("\xAB\xCD"), {}).text,
              QStringLiteral("2 bytes: ab cd\n"));
    EXPECT_EQ(CallPrinter::Result(QVariantList{1, QStringLiteral("dois"), 3}, {}).text,
              QStringLiteral("{1, dois, 3}\n"))
        << "three elements: no result array";
}
