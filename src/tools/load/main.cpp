// ger-load: a bounded load on an application server (LoadRun), its figures on standard
// output. Exit codes: 0 when every session was opened and every call succeeded, 1 otherwise,
// 2 for a wrong command line.

#include "tools/load/LoadRun.h"

#include <QCoreApplication>
#include <cstdio>

using namespace ger;

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    LoadOptions options;
    try {
        options = LoadOptions::Parse(QCoreApplication::arguments().mid(1));
    } catch (const ELoadUsage& error) {
        std::fprintf(stderr, "ger-load: %s\n%s", qUtf8Printable(error.Message()),
                     qUtf8Printable(LoadOptions::Usage()));
        return 2;
    }
    std::printf("ger-load: %d sessões ociosas e %d clientes ativos por %d s em %s:%u\n",
                options.idle, options.busy, options.seconds, qUtf8Printable(options.host),
                options.port);
    std::fflush(stdout);
    const LoadReport report = LoadRun::Run(options);
    std::printf("%s", qUtf8Printable(report.Text()));
    return report.clean() ? 0 : 1;
}
