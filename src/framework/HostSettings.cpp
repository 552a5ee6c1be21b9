#include "framework/HostSettings.h"

#include "framework/FrameworkExceptions.h"
#include "platform/core/Exception.h"

#include <QFileInfo>
#include <QSettings>

namespace ger {
namespace {

HostSettings& CurrentSettings() {
    static HostSettings settings;
    return settings;
}

class SettingsReader {
public:
    explicit SettingsReader(const QString& path)
        : m_path(path)
        , m_settings(path, QSettings::IniFormat) {
        if (!QFileInfo(path).isFile() || !QFileInfo(path).isReadable())
            throw EHostSettingsError(
                QStringLiteral("Host settings %1: the file cannot be read").arg(path));
        if (m_settings.status() != QSettings::NoError)
            throw EHostSettingsError(
                QStringLiteral("Host settings %1: the file is not a settings file").arg(path));
    }

    void text(const char* key, QString& value) const {
        const QString name = QString::fromLatin1(key);
        if (!m_settings.contains(name))
            return;
        // An unquoted value with commas comes back as a list; it is one text here.
        const QVariant stored = m_settings.value(name);
        value = stored.typeId() == QMetaType::QStringList
                    ? stored.toStringList().join(QStringLiteral(", "))
                    : stored.toString().trimmed();
    }

    void flag(const char* key, bool& value) const {
        QString text;
        this->text(key, text);
        if (text.isNull())
            return;
        const QString lower = text.toLower();
        if (lower == u"true" || lower == u"1" || lower == u"yes" || lower == u"s")
            value = true;
        else if (lower == u"false" || lower == u"0" || lower == u"no" || lower == u"n")
            value = false;
        else
            fail(key, text, "true or false");
    }

    void port(const char* key, int& value) const {
        number(key, value, 65535, "a port from 1 to 65535");
    }

    void seconds(const char* key, int& value) const {
        number(key, value, MaxCallTimeoutSeconds, "a number of seconds from 1 to 3600");
    }

    // A whole number from 1 to `maximum`.
    void number(const char* key, int& value, int maximum, const char* wanted) const {
        QString text;
        this->text(key, text);
        if (text.isNull())
            return;
        bool ok = false;
        const int number = text.toInt(&ok);
        if (!ok || number < 1 || number > maximum)
            fail(key, text, wanted);
        value = number;
    }

    // A name that `fromName` reads (SqlDialectFromName, SqlEngineFromName); `wanted` says
    // which names it takes.
    template <class Value, class FromName>
    void named(const char* key, Value& value, FromName fromName, const char* wanted) const {
        QString text;
        this->text(key, text);
        if (text.isNull())
            return;
        try {
            value = fromName(text);
        } catch (const Exception&) {
            fail(key, text, wanted);
        }
    }

private:
    [[noreturn]] void fail(const char* key, const QString& text, const char* wanted) const {
        throw EHostSettingsError(
            QStringLiteral("Host settings %1: %2 is \"%3\", not %4")
                .arg(m_path, QString::fromLatin1(key), text, QString::fromLatin1(wanted)));
    }

    QString m_path;
    QSettings m_settings;
};

} // namespace

HostSettings HostSettings::FromFile(const QString& path) {
    const SettingsReader reader(path);
    HostSettings settings;
    reader.flag("Host/ModuFili", settings.singleBranch);
    reader.text("Host/FiliProc", settings.branchCode);
    reader.text("Host/NomeFiliProc", settings.branchName);
    reader.text("AppServer/WebURL", settings.serverHost);
    reader.port("AppServer/WebPort", settings.serverPort);
    reader.seconds("AppServer/WebTimeout", settings.callTimeoutSeconds);
    reader.text("AppServer/User", settings.serverUser);
    reader.text("AppServer/Password", settings.serverPassword);
    reader.flag("AppServer/Tls", settings.serverTls);
    reader.text("AppServer/CaFile", settings.serverCaFile);
    reader.text("Database/Path", settings.databasePath);
    reader.named("Database/Dialect", settings.dialect, SqlDialectFromName,
                 "Oracle, MSSQL or InterBase");
    reader.named("Database/Engine", settings.engine, SqlEngineFromName, "SQLite or Firebird");
    if (settings.singleBranch && settings.branchCode.isEmpty())
        throw EHostSettingsError(
            QStringLiteral("Host settings %1: Host/ModuFili is set but Host/FiliProc is empty")
                .arg(path));
    return settings;
}

const HostSettings& HostSettings::Current() {
    return CurrentSettings();
}

void HostSettings::SetCurrent(const HostSettings& settings) {
    CurrentSettings() = settings;
}

bool ModuFili() {
    return HostSettings::Current().singleBranch;
}

QString FiliProc() {
    return HostSettings::Current().branchCode;
}

QString NomeFiliProc() {
    return HostSettings::Current().branchName;
}

QString WebURL() {
    return HostSettings::Current().serverHost;
}

int WebPort() {
    return HostSettings::Current().serverPort;
}

int WebTimeout() {
    return HostSettings::Current().callTimeoutSeconds;
}

} // namespace ger
