#include "tools/load/LoadOptions.h"

namespace ger {
namespace {

int Number(const QString& option, const QString& text, int low, int high) {
    bool isNumber = false;
    const int value = text.toInt(&isNumber);
    if (!isNumber || value < low || value > high)
        throw ELoadUsage(QStringLiteral("%1: um número de %2 a %3, não \"%4\"")
                             .arg(option)
                             .arg(low)
                             .arg(high)
                             .arg(text));
    return value;
}

quint16 Port(const QString& option, const QString& text) {
    return static_cast<quint16>(Number(option, text, 1, 65535));
}

// The ports named so far; the first one named replaces the default.
void AddPorts(LoadOptions& options, bool& named, const QString& option, const QString& value) {
    if (!named)
        options.ports.clear();
    named = true;
    const QStringList texts = option == u"--ports" ? value.split(u',') : QStringList{value};
    for (const QString& text : texts)
        options.ports.append(Port(option, text));
}

} // namespace

LoadOptions LoadOptions::Parse(const QStringList& arguments) {
    LoadOptions options;
    bool portsNamed = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString& option = arguments.at(i);
        if (option == u"--mix") {
            options.mix = true;
            continue;
        }
        if (i + 1 >= arguments.size())
            throw ELoadUsage(QStringLiteral("%1: falta o valor").arg(option));
        const QString& value = arguments.at(++i);
        if (option == u"--host")
            options.host = value;
        else if (option == u"--port" || option == u"--ports")
            AddPorts(options, portsNamed, option, value);
        else if (option == u"--idle")
            options.idle = Number(option, value, 0, 100'000);
        else if (option == u"--busy")
            options.busy = Number(option, value, 0, 10'000);
        else if (option == u"--seconds")
            options.seconds = Number(option, value, 1, 86'400);
        else if (option == u"--branch")
            options.branch = value;
        else if (option == u"--type")
            options.type = value;
        else
            throw ELoadUsage(QStringLiteral("opção desconhecida %1").arg(option));
    }
    return options;
}

QString LoadOptions::Usage() {
    return QStringLiteral("uso: ger-load [--host H] [--port P]... [--ports P1,P2,...] "
                          "[--idle N] [--busy N]\n"
                          "                [--seconds S] [--branch CODE] [--type CODE] [--mix]\n");
}

} // namespace ger
