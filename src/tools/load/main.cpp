// ger-load: a bounded load on one or more application servers (LoadRun, or MixedLoad with
// --mix), its figures on standard output. Exit codes: 0 when every session was opened, every
// call succeeded and (with --mix) no write was lost or split, 1 otherwise, 2 for a wrong
// command line.

#include "tools/load/LoadRun.h"
#include "tools/load/MixedLoad.h"

#include <QCoreApplication>
#include <cstdio>

using namespace ger;

namespace {

QString Ports(const LoadOptions& options) {
    QStringList ports;
    for (const quint16 port : options.ports)
        ports.append(QString::number(port));
    return ports.join(u',');
}

int Usage(const ELoadUsage& error) {
    std::fprintf(stderr, "ger-load: %s\n%s", qUtf8Printable(error.Message()),
                 qUtf8Printable(LoadOptions::Usage()));
    return 2;
}

int RunMixed(const LoadOptions& options) {
    try {
        const MixedReport report = MixedLoad::Run(options);
        std::printf("%s", qUtf8Printable(report.Text()));
        return report.isClean() ? 0 : 1;
    } catch (const ELoadUsage& error) {
        return Usage(error);
    } catch (const Exception& error) {
        std::fprintf(stderr, "ger-load: %s\n", qUtf8Printable(error.Message()));
        return 1;
    }
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication application(argc, argv);
    LoadOptions options;
    try {
        options = LoadOptions::Parse(QCoreApplication::arguments().mid(1));
    } catch (const ELoadUsage& error) {
        return Usage(error);
    }
    std::printf("ger-load%s: %d sessões ociosas e %d clientes ativos por %d s em %s:%s\n",
                options.mix ? " --mix" : "", options.idle, options.busy, options.seconds,
                qUtf8Printable(options.host), qUtf8Printable(Ports(options)));
    std::fflush(stdout);
    if (options.mix)
        return RunMixed(options);
    const LoadReport report = LoadRun::Run(options);
    std::printf("%s", qUtf8Printable(report.Text()));
    return report.clean() ? 0 : 1;
}
