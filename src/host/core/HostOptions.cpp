#include "host/core/HostOptions.h"

#include "framework/FrameworkExceptions.h"
#include "host/core/HostExceptions.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace ger {
namespace {

const QString kHelp = QStringLiteral("help");
const QString kSettings = QStringLiteral("settings");
const QString kModuFili = QStringLiteral("ModuFili");
const QString kFiliProc = QStringLiteral("FiliProc");
const QString kNomeFiliProc = QStringLiteral("NomeFiliProc");
const QString kWebURL = QStringLiteral("WebURL");
const QString kWebPort = QStringLiteral("WebPort");
const QString kWebTimeout = QStringLiteral("WebTimeout");
const QString kWebUser = QStringLiteral("WebUser");
const QString kWebTls = QStringLiteral("WebTls");
const QString kWebCaFile = QStringLiteral("WebCaFile");
const QString kDatabase = QStringLiteral("database");
const QString kDialect = QStringLiteral("dialect");
const QString kEngine = QStringLiteral("engine");
const QString kModule = QStringLiteral("module");
const QString kScript = QStringLiteral("script");
const QString kScreenshot = QStringLiteral("screenshot");

void AddOptions(QCommandLineParser& parser) {
    parser.addOption({kHelp, QStringLiteral("Shows the options.")});
    const std::pair<QString, QString> valued[] = {
        {kSettings, QStringLiteral("FILE")},      {kModuFili, QStringLiteral("BOOL")},
        {kFiliProc, QStringLiteral("CODE")},      {kNomeFiliProc, QStringLiteral("NAME")},
        {kWebURL, QStringLiteral("HOST")},        {kWebPort, QStringLiteral("PORT")},
        {kWebTimeout, QStringLiteral("SECONDS")}, {kWebUser, QStringLiteral("NAME")},
        {kWebTls, QStringLiteral("BOOL")},        {kWebCaFile, QStringLiteral("FILE")},
        {kDatabase, QStringLiteral("PATH")},      {kEngine, QStringLiteral("NAME")},
        {kDialect, QStringLiteral("NAME")},       {kModule, QStringLiteral("PATH")},
        {kScript, QStringLiteral("FILE")},        {kScreenshot, QStringLiteral("FILE")},
    };
    for (const auto& [name, value] : valued)
        parser.addOption({name, QString(), value});
}

[[noreturn]] void BadValue(const QString& option, const QString& text, const char* wanted) {
    throw EHostSettingsError(QStringLiteral("Option --%1: \"%2\" is not %3")
                                 .arg(option, text, QString::fromLatin1(wanted)));
}

bool ParseFlag(const QString& option, const QString& text) {
    const QString lower = text.trimmed().toLower();
    if (lower == u"true" || lower == u"1" || lower == u"yes" || lower == u"s")
        return true;
    if (lower == u"false" || lower == u"0" || lower == u"no" || lower == u"n")
        return false;
    BadValue(option, text, "true or false");
}

// A whole number from 1 to `maximum`.
int ParseNumber(const QString& option, const QString& text, int maximum, const char* wanted) {
    bool ok = false;
    const int number = text.trimmed().toInt(&ok);
    if (!ok || number < 1 || number > maximum)
        BadValue(option, text, wanted);
    return number;
}

int ParsePort(const QString& option, const QString& text) {
    return ParseNumber(option, text, 65535, "a port from 1 to 65535");
}

int ParseSeconds(const QString& option, const QString& text) {
    return ParseNumber(option, text, MaxCallTimeoutSeconds, "a number of seconds from 1 to 3600");
}

// A name that `fromName` reads (SqlDialectFromName, SqlEngineFromName).
template <class FromName>
auto ParseName(const QString& option, const QString& text, FromName fromName, const char* wanted) {
    try {
        return fromName(text.trimmed());
    } catch (const Exception&) {
        BadValue(option, text, wanted);
    }
}

QString AbsolutePath(const QDir& base, const QString& path) {
    return path.isEmpty() ? path : QDir::cleanPath(base.absoluteFilePath(path));
}

void ApplyFile(const QString& path, HostOptions& options) {
    HostSettings settings = HostSettings::FromFile(path);
    const QSettings file(path, QSettings::IniFormat);
    // The framework's own default port is the socket server's; this host's server listens on
    // its own unless the file names one.
    if (!file.contains(QStringLiteral("AppServer/WebPort")))
        settings.serverPort = HostOptions::DefaultWebPort;
    const QDir base = QFileInfo(path).absoluteDir();
    settings.databasePath = AbsolutePath(base, settings.databasePath);
    settings.serverCaFile = AbsolutePath(base, settings.serverCaFile);
    const QString module = file.value(QStringLiteral("Module/Path")).toString().trimmed();
    if (!module.isEmpty())
        options.modulePath = AbsolutePath(base, module);
    options.settings = settings;
}

void ApplyOptions(const QCommandLineParser& parser, HostOptions& options) {
    HostSettings& s = options.settings;
    const QDir here = QDir::current();
    if (parser.isSet(kModuFili))
        s.singleBranch = ParseFlag(kModuFili, parser.value(kModuFili));
    if (parser.isSet(kFiliProc))
        s.branchCode = parser.value(kFiliProc);
    if (parser.isSet(kNomeFiliProc))
        s.branchName = parser.value(kNomeFiliProc);
    if (parser.isSet(kWebURL))
        s.serverHost = parser.value(kWebURL).trimmed();
    if (parser.isSet(kWebPort))
        s.serverPort = ParsePort(kWebPort, parser.value(kWebPort));
    if (parser.isSet(kWebTimeout))
        s.callTimeoutSeconds = ParseSeconds(kWebTimeout, parser.value(kWebTimeout));
    if (parser.isSet(kWebUser))
        s.serverUser = parser.value(kWebUser).trimmed();
    if (parser.isSet(kWebTls))
        s.serverTls = ParseFlag(kWebTls, parser.value(kWebTls));
    if (parser.isSet(kWebCaFile))
        s.serverCaFile = AbsolutePath(here, parser.value(kWebCaFile));
    if (parser.isSet(kDatabase))
        s.databasePath = AbsolutePath(here, parser.value(kDatabase));
    if (parser.isSet(kDialect))
        s.dialect = ParseName(kDialect, parser.value(kDialect), SqlDialectFromName,
                              "Oracle, MSSQL or InterBase");
    if (parser.isSet(kEngine))
        s.engine =
            ParseName(kEngine, parser.value(kEngine), SqlEngineFromName, "SQLite or Firebird");
    if (parser.isSet(kModule))
        options.modulePath = AbsolutePath(here, parser.value(kModule));
    if (parser.isSet(kScript))
        options.scriptPath = parser.value(kScript);
    if (parser.isSet(kScreenshot))
        options.screenshotPath = parser.value(kScreenshot);
}

void Validate(const HostOptions& options) {
    const HostSettings& s = options.settings;
    if (s.singleBranch && s.branchCode.trimmed().isEmpty())
        throw EHostSettingsError(QStringLiteral("ModuFili is set but FiliProc names no branch"));
    if (s.serverHost.isEmpty())
        throw EHostSettingsError(QStringLiteral("WebURL names no host"));
    if (s.databasePath.isEmpty())
        throw EHostUsageError(QStringLiteral(
            "No company database: give --database PATH or [Database] Path in the settings file"));
}

} // namespace

HostMode HostOptions::Mode() const {
    if (!screenshotPath.isEmpty())
        return HostMode::Screenshot;
    if (!scriptPath.isEmpty())
        return HostMode::Script;
    return HostMode::Desktop;
}

HostOptions HostOptions::Parse(const QStringList& arguments, const QString& defaultModulePath) {
    QCommandLineParser parser;
    AddOptions(parser);
    if (!parser.parse(arguments))
        throw EHostUsageError(parser.errorText());
    if (!parser.positionalArguments().isEmpty())
        throw EHostUsageError(
            QStringLiteral("Unexpected argument: %1").arg(parser.positionalArguments().front()));
    HostOptions options;
    options.helpRequested = parser.isSet(kHelp);
    if (options.helpRequested)
        return options;
    options.settings.serverPort = DefaultWebPort;
    options.modulePath = defaultModulePath;
    if (parser.isSet(kSettings))
        ApplyFile(parser.value(kSettings), options);
    ApplyOptions(parser, options);
    Validate(options);
    return options;
}

QString HostOptions::DefaultModulePath() {
    return QDir::cleanPath(QCoreApplication::applicationDirPath() +
                           QStringLiteral("/../lib/libPkg_ger99500.so"));
}

QString HostOptions::Usage() {
    return QStringLiteral(
        "Usage: ger-host [options]\n"
        "Loads the screen module and opens screen GER99500 (Tipo de Operação por Filial).\n"
        "\n"
        "Settings (options override --settings FILE, an INI file):\n"
        "  --settings FILE      [Host] ModuFili, FiliProc, NomeFiliProc; [AppServer] WebURL,\n"
        "                       WebPort, WebTimeout, User, Password, Tls, CaFile; [Database]\n"
        "                       Path, Dialect, Engine; [Module] Path\n"
        "  --ModuFili BOOL      work for one branch only (true/false)\n"
        "  --FiliProc CODE      that branch's code\n"
        "  --NomeFiliProc NAME  and name\n"
        "  --WebURL HOST        application server host (default 127.0.0.1)\n"
        "  --WebPort PORT       application server port (default 7211)\n"
        "  --WebTimeout SECONDS how long a call waits for the server's answer (default 30)\n"
        "  --WebUser NAME       the user for a server that asks for one (the password: the\n"
        "                       settings file, or the desktop asks)\n"
        "  --WebTls BOOL        TLS to the server (needed beyond loopback)\n"
        "  --WebCaFile FILE     with TLS: the authority of the server's certificate (PEM)\n"
        "  --database PATH      company database (SQLite file)\n"
        "  --dialect NAME       Oracle (default), MSSQL or InterBase\n"
        "  --engine NAME        the database's engine: SQLite (default) or Firebird\n"
        "  --module PATH        the module library (default ../lib/libPkg_ger99500.so)\n"
        "\n"
        "Runs:\n"
        "  (none)               the desktop application\n"
        "  --script FILE        drives the screens from FILE and prints a transcript\n"
        "  --screenshot FILE    opens GER99500 (after --script, if given), saves the main\n"
        "                       window as a PNG and exits\n");
}

} // namespace ger
