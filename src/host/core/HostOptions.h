#pragma once
// HostOptions: what one run of the host does and with which settings.
//
// Settings come from three places, each overriding the one before:
//   1. the host's defaults: WebURL 127.0.0.1, WebPort 7211 (the application server's default
//      port), dialect Oracle, the module libPkg_ger99500.so in the lib directory beside the
//      executable's bin directory;
//   2. a settings file, `--settings FILE` (the framework's HostSettings INI format, plus
//      [Module] Path=); relative paths in it are taken from the file's directory;
//   3. options named after the settings: --ModuFili, --FiliProc, --NomeFiliProc, --WebURL,
//      --WebPort, --WebTimeout, --WebUser, --WebTls, --WebCaFile, --database, --dialect,
//      --engine, --module. The server's password is read only from the settings file ([AppServer]
//      Password), never from the command line, where other users could see it; the desktop
//      asks for it when the server refuses.
//
//   ger-host --settings empresa.ini --WebPort 7300      # the file's settings, another port
//
// The run is the desktop application unless --script FILE (a transcript on standard output,
// no display) or --screenshot FILE (the main window to a PNG, optionally after --script) is
// given. A command line the host cannot use raises EHostUsageError; a settings value of the
// wrong form raises EHostSettingsError naming the option or the file and key.

#include "framework/HostSettings.h"

#include <QString>
#include <QStringList>

namespace ger {

enum class HostMode { Desktop, Script, Screenshot };

struct HostOptions {
    static constexpr int DefaultWebPort = 7211;

    HostSettings settings;
    QString modulePath;
    QString scriptPath;
    QString screenshotPath;
    bool helpRequested = false;

    HostMode Mode() const;

    // `arguments` as QCoreApplication::arguments() gives them, program name first.
    static HostOptions Parse(const QStringList& arguments, const QString& defaultModulePath);
    // libPkg_ger99500.so in ../lib from the directory of the running executable.
    static QString DefaultModulePath();
    static QString Usage();
};

} // namespace ger
