#pragma once
// Opens a TCP connection to a host given by name or address, trying each address the name
// resolves to until one answers or the deadline passes. The result is a plain connected
// descriptor for FrameSocket; a failure says why, in words for the user.

#include <QDeadlineTimer>
#include <QString>

namespace ger {

class TcpConnector {
public:
    // A connected descriptor, or -1 with `failure` set ("conexão recusada", "host não
    // encontrado", "sem resposta em 10000 ms", ...).
    static int connect(const QString& host, quint16 port, QDeadlineTimer deadline,
                       QString& failure);
};

} // namespace ger
