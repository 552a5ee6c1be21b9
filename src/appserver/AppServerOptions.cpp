#include "appserver/AppServerOptions.h"

#include <QCommandLineParser>
#include <QDir>

namespace ger {

namespace {

int NumberOption(const QCommandLineParser& parser, const QString& name, int low, int high) {
    bool isNumber = false;
    const int value = parser.value(name).toInt(&isNumber);
    if (!isNumber || value < low || value > high)
        throw EUsage(QStringLiteral("--%1 deve ser um número de %2 a %3, não \"%4\"")
                         .arg(name)
                         .arg(low)
                         .arg(high)
                         .arg(parser.value(name)));
    return value;
}

void AddOptions(QCommandLineParser& parser) {
    parser.addOptions({
        {"database", "O banco de dados da empresa.", "PATH"},
        {"listen", "O endereço em que escutar (127.0.0.1).", "ADDRESS"},
        {"port", "A porta (7211; 0 para qualquer porta livre).", "N"},
        {"workers", "Chamadas atendidas ao mesmo tempo (32).", "N"},
        {"idle-timeout", "Segundos sem chamadas após os quais uma sessão é encerrada (1800).",
         "SECONDS"},
        {"users", "Admite só os usuários deste arquivo de senhas.", "FILE"},
        {"add-user", "Inclui o usuário no arquivo --users (ou troca a senha) e termina.", "NAME"},
        {"tls-cert", "Certificado TLS (PEM) do servidor.", "FILE"},
        {"tls-key", "Chave privada TLS (PEM) do certificado.", "FILE"},
        {"init-demo", "Cria o banco de demonstração em PATH e termina.", "PATH"},
        {"demo-clients",
         QStringLiteral("Clientes do banco de demonstração (%1).").arg(DemoDatabase::kSeedClients),
         "N"},
        {"engine", "O motor do banco: SQLite (padrão) ou Firebird.", "NAME"},
        {"create-routines", "Cria no banco as rotinas que as consultas chamam e termina."},
        {"print-port", "Escreve \"listening on ENDEREÇO:PORTA\" quando pronto."},
        {"verbose", "Uma linha por chamada em stderr."},
        {{"h", "help"}, "Mostra esta ajuda."},
    });
}

void ParseSecurity(const QCommandLineParser& parser, AppServerOptions& options) {
    options.usersPath = parser.value("users");
    options.addUser = parser.value("add-user");
    options.tlsCertificatePath = parser.value("tls-cert");
    options.tlsKeyPath = parser.value("tls-key");
    if (parser.isSet("users") && options.usersPath.isEmpty())
        throw EUsage(QStringLiteral("--users: informe o caminho do arquivo de usuários"));
    if (parser.isSet("add-user") && (options.addUser.isEmpty() || options.usersPath.isEmpty()))
        throw EUsage(QStringLiteral("--add-user: informe o usuário e o arquivo --users"));
    if (options.tlsCertificatePath.isEmpty() != options.tlsKeyPath.isEmpty())
        throw EUsage(QStringLiteral("--tls-cert e --tls-key: informe os dois"));
}

} // namespace

AppServerOptions AppServerOptions::Parse(const QStringList& arguments) {
    QCommandLineParser parser;
    AddOptions(parser);
    if (!parser.parse(arguments))
        throw EUsage(parser.errorText());
    if (!parser.positionalArguments().isEmpty())
        throw EUsage(QStringLiteral("argumento inesperado: %1")
                         .arg(parser.positionalArguments().constFirst()));
    AppServerOptions options;
    options.showHelp = parser.isSet("help");
    options.databasePath = parser.value("database");
    options.initDemoPath = parser.value("init-demo");
    options.printPort = parser.isSet("print-port");
    options.verbose = parser.isSet("verbose");
    if (parser.isSet("listen") && !options.address.setAddress(parser.value("listen")))
        throw EUsage(
            QStringLiteral("--listen: endereço inválido \"%1\"").arg(parser.value("listen")));
    if (parser.isSet("port"))
        options.port = static_cast<quint16>(NumberOption(parser, "port", 0, 65535));
    if (parser.isSet("workers"))
        options.workers = NumberOption(parser, "workers", 1, 1024);
    if (parser.isSet("idle-timeout"))
        options.idleTimeoutSeconds = NumberOption(parser, "idle-timeout", 1, 86400);
    if (parser.isSet("database") && options.databasePath.isEmpty())
        throw EUsage(QStringLiteral("--database: informe o caminho do banco"));
    if (parser.isSet("init-demo") && options.initDemoPath.isEmpty())
        throw EUsage(QStringLiteral("--init-demo: informe o caminho do banco"));
    ParseSecurity(parser, options);
    if (parser.isSet("demo-clients")) {
        if (!parser.isSet("init-demo"))
            throw EUsage(QStringLiteral("--demo-clients: só vale com --init-demo"));
        options.demoClients = NumberOption(parser, "demo-clients", DemoDatabase::kSeedClients,
                                           DemoDatabase::kMaxClients);
    }
    options.createRoutines = parser.isSet("create-routines");
    if (options.createRoutines && options.databasePath.isEmpty())
        throw EUsage(QStringLiteral("--create-routines: informe o banco com --database"));
    if (parser.isSet("engine")) {
        try {
            options.engine = SqlEngineFromName(parser.value("engine"));
        } catch (const Exception&) {
            throw EUsage(QStringLiteral("--engine deve ser SQLite ou Firebird, não \"%1\"")
                             .arg(parser.value("engine")));
        }
    }
    return options;
}

QString AppServerOptions::Usage() {
    return QStringLiteral(
               "uso: ger-appserver [--database PATH] [--listen ADDRESS] [--port N] [--workers N]\n"
               "                   [--idle-timeout SECONDS] [--users FILE]\n"
               "                   [--tls-cert FILE --tls-key FILE] [--print-port] [--verbose]\n"
               "     ger-appserver --init-demo PATH [--demo-clients N] [--engine NOME]\n"
               "     ger-appserver --database PATH --engine NOME --create-routines\n"
               "     ger-appserver --users FILE --add-user NAME\n"
               "\n"
               "Serve o módulo remoto Ger99500.rdmTpOperFil.\n"
               "  --database PATH   banco da empresa (padrão: %1,\n"
               "                    criado com os dados de demonstração no primeiro uso)\n"
               "  --listen ADDRESS  endereço (padrão 127.0.0.1)\n"
               "  --port N          porta (padrão %2; 0 = qualquer porta livre)\n"
               "  --workers N       chamadas atendidas ao mesmo tempo (padrão %3)\n"
               "  --idle-timeout SECONDS\n"
               "                    encerra a sessão que fica esse tempo sem chamadas (padrão\n"
               "                    %6); o cliente abre outra na chamada seguinte\n"
               "  --users FILE      admite só os usuários deste arquivo de senhas\n"
               "  --add-user NAME   inclui NAME no arquivo --users, ou troca sua senha (lida do\n"
               "                    terminal, sem eco, ou da primeira linha da entrada), e "
               "termina\n"
               "  --tls-cert FILE   certificado TLS (PEM) do servidor, com --tls-key FILE, a "
               "chave;\n"
               "                    fora do loopback o servidor só escuta com TLS e --users\n"
               "  --init-demo PATH  cria o banco de demonstração em PATH e termina\n"
               "  --demo-clients N  com --init-demo: o número de clientes do banco, de %4 (os\n"
               "                    da demonstração, o padrão) a %5; os além deles são gerados\n"
               "  --engine NOME     o motor do banco: SQLite (padrão) ou Firebird; no Firebird,\n"
               "                    PATH é um arquivo (embutido) ou HOST:PATH (um servidor)\n"
               "  --create-routines cria no banco (Firebird) as rotinas que as consultas chamam\n"
               "                    e termina\n"
               "  --print-port      escreve \"listening on ENDEREÇO:PORTA\" quando pronto\n"
               "  --verbose         uma linha por chamada em stderr\n")
        .arg(DefaultDatabasePath())
        .arg(AppServer::DefaultPort)
        .arg(AppServer::DefaultWorkers)
        .arg(DemoDatabase::kSeedClients)
        .arg(DemoDatabase::kMaxClients)
        .arg(AppServer::DefaultIdleTimeoutSeconds);
}

QString AppServerOptions::DefaultDatabasePath(SqlEngine engine) {
    QString base = qEnvironmentVariable("XDG_DATA_HOME");
    if (base.isEmpty())
        base = QDir::homePath() + QStringLiteral("/.local/share");
    return base + QStringLiteral("/ger99500/demo.") + QLatin1String(TraitsOf(engine).fileSuffix);
}

} // namespace ger
