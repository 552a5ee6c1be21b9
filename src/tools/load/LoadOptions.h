#pragma once
// The command line of ger-load:
//
//   ger-load [--host H] [--port P] [--idle N] [--busy N] [--seconds S] [--branch CODE]
//            [--type CODE]
//
// Opens N idle sessions (module open, no call) and N busy clients, each calling in a loop a
// read (GetTpOperFil of the branch) and a write (SetTpOperFil of one type of the branch, its
// "liberado" flag turned over) for S seconds; at the end each idle session makes one call, to
// show it is still served. Defaults: 127.0.0.1, port 7211, 1000 idle, 50 busy, 60 s, branch
// 0001, type 01.

#include "platform/core/Exception.h"

#include <QString>
#include <QStringList>

namespace ger {

class ELoadUsage : public Exception {
public:
    using Exception::Exception;
};

struct LoadOptions {
    QString host = QStringLiteral("127.0.0.1");
    quint16 port = 7211;
    int idle = 1000;
    int busy = 50;
    int seconds = 60;
    QString branch = QStringLiteral("0001");
    QString type = QStringLiteral("01");

    // Without the program name.
    static LoadOptions Parse(const QStringList& arguments);
    static QString Usage();
};

} // namespace ger
