#pragma once
// The command line of ger-load:
//
//   ger-load [--host H] [--port P]... [--ports P1,P2,...] [--idle N] [--busy N] [--seconds S]
//            [--branch CODE] [--type CODE] [--mix]
//
// Opens N idle sessions (module open, no call) and N busy clients for S seconds; at the end
// each idle session makes one call, to show it is still served. Sessions and clients are spread
// round-robin over the ports given (--port may be repeated; --ports lists several), which are
// application servers on one database. Without --mix each busy client calls in a loop a read
// (GetTpOperFil of the branch) and a write (SetTpOperFil of one type of the branch, its
// "liberado" flag turned over); with --mix it runs MixedLoad: reads, own and shared row writes,
// client types and bulk writes, and checks that no acknowledged write was lost.
// Defaults: 127.0.0.1, port 7211, 1000 idle, 50 busy, 60 s, branch 0001, type 01.

#include "platform/core/Exception.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace ger {

class ELoadUsage : public Exception {
public:
    using Exception::Exception;
};

struct LoadOptions {
    QString host = QStringLiteral("127.0.0.1");
    QList<quint16> ports{7211};
    int idle = 1000;
    int busy = 50;
    int seconds = 60;
    QString branch = QStringLiteral("0001");
    QString type = QStringLiteral("01");
    bool mix = false;

    // The server of the n-th session or client (0-based), round-robin over `ports`.
    quint16 portFor(qsizetype n) const { return ports.at(n % ports.size()); }

    // Without the program name.
    static LoadOptions Parse(const QStringList& arguments);
    static QString Usage();
};

} // namespace ger
