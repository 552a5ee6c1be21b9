// Writes the seed corpora of the harnesses (fuzz/corpus/<harness>/) with the project's own
// encoders, so every seed is a valid input of today's formats:
//
//   build/fuzz/bin/fuzz_write_seeds fuzz/corpus
//
// The form data seeds are text files kept in the tree as they are; this program leaves them.

#include "platform/db/PacketWriter.h"
#include "platform/net/ProtocolMessage.h"
#include "platform/net/WireVariant.h"

#include <QDir>
#include <QFile>
#include <QtEndian>
#include <cstdio>

namespace {

using namespace ger;

QString g_root;

void write(const char* harness, const char* name, const QByteArray& bytes) {
    const QString dir = g_root + QLatin1Char('/') + QLatin1String(harness);
    QDir().mkpath(dir);
    QFile file(dir + QLatin1Char('/') + QLatin1String(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
        std::exit(1);
    }
}

QByteArray payloadOf(const QByteArray& frame) {
    return frame.sliced(protocol::kFrameHeaderSize);
}

QByteArray valueBytes(const QVariant& value) {
    WireWriter writer;
    WireVariant::write(writer, value);
    return payloadOf(writer.takeFrame());
}

CallRecord exampleCall() {
    return {QStringLiteral("GetTipoOperCli"),
            {CallArgument::string(QStringLiteral("0001")),
             CallArgument::stringByRef(QStringLiteral("C1")), CallArgument::stringByRef(QString()),
             CallArgument::string(QStringLiteral("S"))}};
}

QByteArray branchPacket() {
    PacketWriter writer(PacketKind::Data, {{QStringLiteral("CDFILIAL"), 4},
                                           {QStringLiteral("CDTIPOOPER"), 3},
                                           {QStringLiteral("IDLIBERADO"), 1},
                                           {QStringLiteral("NMTIPOOPER"), 40}});
    writer.AppendRow({QStringLiteral("0001"), QStringLiteral("029"), QStringLiteral("S"),
                      QStringLiteral("Venda de mercadoria")});
    writer.AppendRow({QStringLiteral("0001"), QStringLiteral("101"), QStringLiteral("N"),
                      QStringLiteral("Devolução")});
    writer.AppendRow({QStringLiteral("0001"), QStringLiteral("102"), std::nullopt, QString()});
    return writer.Finish();
}

QByteArray examplePacket() {
    PacketWriter writer(PacketKind::Data, {{QStringLiteral("CDFILIAL"), 4}});
    writer.AppendValue(QStringView(u"0001"));
    writer.AppendNull();
    return writer.Finish();
}

const std::vector<PacketField> kClientColumns = {{QStringLiteral("CDFILIAL"), 4},
                                                 {QStringLiteral("CDTIPOOPER"), 3},
                                                 {QStringLiteral("CDFORNCLIE"), 14}};

QByteArray removalsDelta() {
    PacketWriter writer(PacketKind::Delta, kClientColumns);
    for (const char* type : {"029", "101"}) {
        writer.BeginChange(ChangeKind::Delete);
        writer.AppendRow(
            {QStringLiteral("0001"), QString::fromLatin1(type), QStringLiteral("92090028068")});
    }
    return writer.Finish();
}

QByteArray mixedDelta() {
    PacketWriter writer(PacketKind::Delta, kClientColumns);
    writer.BeginChange(ChangeKind::Insert);
    writer.AppendRow({QStringLiteral("0001"), QStringLiteral("029"), QStringLiteral("C1")});
    writer.BeginChange(ChangeKind::Modify);
    writer.AppendRow({QStringLiteral("0001"), QStringLiteral("101"), QStringLiteral("C1")});
    writer.AppendRow({QStringLiteral("0001"), QStringLiteral("102"), std::nullopt});
    writer.BeginChange(ChangeKind::Delete);
    writer.AppendRow({QStringLiteral("0101"), QStringLiteral("029"), QStringLiteral("C1")});
    return writer.Finish();
}

QByteArray lengthPrefixed(const QByteArray& packet) {
    QByteArray out(2, '\0');
    qToBigEndian(quint16(packet.size()), out.data());
    return out + packet;
}

void frames() {
    const QByteArray call = ProtocolMessage::call(exampleCall());
    const QByteArray reply = ProtocolMessage::result(QVariant(QByteArray("\xAB\xCD", 2)),
                                                     {QStringLiteral("C1"), QStringLiteral("07")});
    write("fuzz_frame_reader", "call", QByteArray("\x80\x01", 2) + call);
    write("fuzz_frame_reader", "call-and-reply", QByteArray("\xC0\x02", 2) + call + reply);
    write("fuzz_frame_reader", "cut-frame", QByteArray("\x80\x03", 2) + call + reply.left(9));
    write("fuzz_frame_reader", "over-small-limit", QByteArray("\x20\x04", 2) + call);
    write("fuzz_frame_reader", "empty-frames", QByteArray("\x00\x05\0\0\0\0\0\0\0\0", 10));
}

void values() {
    write("fuzz_wire_variant", "empty", valueBytes(QVariant()));
    write("fuzz_wire_variant", "boolean", valueBytes(QVariant(true)));
    write("fuzz_wire_variant", "integer", valueBytes(QVariant(qint64(-2))));
    write("fuzz_wire_variant", "string", valueBytes(QVariant(QStringLiteral("Operação"))));
    write("fuzz_wire_variant", "bytes", valueBytes(QVariant(QByteArray("\xAB\xCD", 2))));
    write("fuzz_wire_variant", "result",
          valueBytes(QVariantList{qint64(0), QVariant(examplePacket())}));
    write("fuzz_wire_variant", "nested",
          valueBytes(QVariantList{QVariantList{QVariantList{}, QVariant()}, false}));
}

void calls() {
    const QByteArray call = payloadOf(ProtocolMessage::call(exampleCall()));
    write("fuzz_call_record", "GetTipoOperCli", call.sliced(1));
    const CallRecord removal{QStringLiteral("DelTipoOperCli"),
                             {CallArgument::variant(QVariant(removalsDelta())),
                              CallArgument::stringByRef(QStringLiteral("92090028068"))}};
    write("fuzz_call_record", "DelTipoOperCli",
          payloadOf(ProtocolMessage::call(removal)).sliced(1));
    const CallRecord none{QStringLiteral("X"), {}};
    write("fuzz_call_record", "no-arguments", payloadOf(ProtocolMessage::call(none)).sliced(1));
}

void messages() {
    const char* harness = "fuzz_protocol_message";
    write(harness, "open-module",
          payloadOf(ProtocolMessage::openModule(QStringLiteral("Ger99500.rdmTpOperFil"))));
    write(harness, "open-module-with-login",
          payloadOf(ProtocolMessage::openModule(QStringLiteral("Ger99500.rdmTpOperFil"),
                                                {QStringLiteral("ana"), QStringLiteral("s3nh@")})));
    // The opening of protocol version 1: the module's name alone.
    WireWriter first;
    first.writeU8(quint8(protocol::MessageType::OpenModule));
    first.writeU8(0x01);
    WireVariant::writeString(first, QStringLiteral("Ger99500.rdmTpOperFil"));
    write(harness, "open-module-version-1", payloadOf(first.takeFrame()));
    write(harness, "call", payloadOf(ProtocolMessage::call(exampleCall())));
    write(harness, "module-opened", payloadOf(ProtocolMessage::moduleOpened()));
    write(harness, "result",
          payloadOf(ProtocolMessage::result(QVariant(QByteArray("\xAB\xCD", 2)),
                                            {QStringLiteral("C1"), QStringLiteral("07")})));
    write(harness, "remote-exception",
          payloadOf(ProtocolMessage::remoteException(QStringLiteral("Filial não cadastrada."))));
    write(harness, "refused", payloadOf(ProtocolMessage::refused(QStringLiteral("Cheio"))));
    write(harness, "login-refused",
          payloadOf(ProtocolMessage::loginRefused(QStringLiteral("Usuário ou senha inválidos"))));
}

void packets() {
    write("fuzz_data_packet", "example", examplePacket());
    write("fuzz_data_packet", "branch-list", branchPacket());
    PacketWriter empty(PacketKind::Data, {{QStringLiteral("CDFILIAL"), 4}});
    write("fuzz_data_packet", "no-rows", empty.Finish());
    PacketWriter mark(PacketKind::Data, {{QStringLiteral("CDFILIAL"), 4}});
    mark.AppendValue(QStringView(u"\uFEFF0301"));
    write("fuzz_data_packet", "byte-order-mark", mark.Finish());

    write("fuzz_delta_packet", "removals", removalsDelta());
    write("fuzz_delta_packet", "insert-modify-delete", mixedDelta());

    // Edit the second row, append one, delete the first, check, merge, edit again.
    const QByteArray script("\x00\x04\x02\x01\x08\x0C\x05\x01\x00\x03\x08\x02\x07\x0C"
                            "\x0A\x04\x01\x05\x0C",
                            19);
    write("fuzz_change_log", "edits", lengthPrefixed(branchPacket()) + script);
    write("fuzz_change_log", "undo-all",
          lengthPrefixed(examplePacket()) + QByteArray("\x04\x00\x06\x08\x07\x0B\x0C", 7));
}

void arguments() {
    const char* harness = "fuzz_argument_rules";
    const QByteArray sep("\xFF");
    // Byte 0 picks the signature; then pieces: a kind byte and a text each.
    write(harness, "GetTipoOperCli",
          QByteArray("\x02") +
              QByteArray("\x00"
                         "0001",
                         5) +
              sep +
              "\x01"
              "C1" +
              sep + "\x01" + sep + QByteArray("\x00S", 2));
    write(harness, "SetGravaAut",
          QByteArray("\x05") + "\x01T" + sep + "\x01'0001','0101'" + sep + "\x01'029'" + sep +
              "\x01S" + sep + "\x01N" + sep +
              QByteArray("\x00"
                         "0001",
                         5) +
              sep + "\x01P");
    write(harness, "DelTipoOperCli",
          QByteArray("\x04") + "\x08" + removalsDelta() + sep +
              "\x01"
              "92090028068");
    write(harness, "bad-codes",
          QByteArray("\x00") +
              QByteArray("\x00\xEF\xBB\xBF"
                         "0301",
                         8) +
              sep + "\x01'a',,'b'" + sep + "\x01''" + sep + "\x01M");
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s CORPUS_DIR\n", argv[0]);
        return 2;
    }
    g_root = QString::fromLocal8Bit(argv[1]);
    frames();
    values();
    calls();
    messages();
    packets();
    arguments();
    return 0;
}
