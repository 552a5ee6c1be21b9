#include "platform/sql/FirebirdEngine.h"

#include "platform/sql/DatabaseConnection.h"
#include "platform/sql/ESqlError.h"
#include "platform/sql/SqlText.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSqlError>
#include <QSqlField>
#include <QSqlQuery>
#include <csignal>
#include <ibase.h>
#include <mutex>
#include <unistd.h>

namespace ger::FirebirdEngine {
namespace {

QString StatusText(const ISC_STATUS* status) {
    QStringList parts;
    char buffer[512];
    while (fb_interpret(buffer, sizeof buffer, &status))
        parts.append(QString::fromLocal8Bit(buffer));
    return parts.join(QStringLiteral("; "));
}

bool Mentions(const QSqlError& error, const char* text) {
    return error.databaseText().contains(QLatin1String(text), Qt::CaseInsensitive) ||
           error.text().contains(QLatin1String(text), Qt::CaseInsensitive);
}

[[noreturn]] void Fail(const QSqlError& error, const QString& text) {
    const QString message = error.databaseText().isEmpty() ? error.text() : error.databaseText();
    throw ESqlError(message, text,
                    IsConflict(error) ? ESqlError::Cause::Conflict : ESqlError::Cause::Refused);
}

// The engine's own files, as Debian installs them; FIREBIRD names another root.
QString SystemRoot() {
    const QStringList roots =
        QDir(QStringLiteral("/usr/lib"))
            .entryList({QStringLiteral("*-linux-gnu*")}, QDir::Dirs | QDir::NoDotAndDotDot);
    for (const QString& triplet : roots) {
        const QString root = QStringLiteral("/usr/lib/%1/firebird/3.0").arg(triplet);
        if (QFileInfo::exists(root + QStringLiteral("/plugins")))
            return root;
    }
    return QString();
}

// A directory of this user's alone: made here, or found owned by this user with no access for
// others. Empty when neither holds.
QString PrivateDirectory(const QString& path) {
    QDir().mkpath(path);
    const QFileInfo info(path);
    if (!info.isDir() || info.isSymLink() || info.ownerId() != getuid())
        return QString();
    QFile::setPermissions(path,
                          QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    return path;
}

// A root like the system's, whose firebird.conf sets ServerMode = SuperClassic. The file is
// replaced whole (QSaveFile), and only when it differs, since other processes may be reading it.
bool MakeSharedRoot(const QString& system, const QString& root) {
    for (const QString& name :
         {QStringLiteral("plugins"), QStringLiteral("intl"), QStringLiteral("lib"),
          QStringLiteral("UDF"), QStringLiteral("plugins.conf"), QStringLiteral("firebird.msg")})
        if (QFileInfo::exists(system + u'/' + name) && !QFileInfo(root + u'/' + name).isSymLink())
            QFile::link(system + u'/' + name, root + u'/' + name);
    const QByteArray conf("# Written by the company programs: embedded databases shared between "
                          "processes.\nServerMode = SuperClassic\n");
    const QString path = root + QStringLiteral("/firebird.conf");
    QFile current(path);
    if (current.open(QIODevice::ReadOnly) && current.readAll() == conf)
        return true;
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(conf) == conf.size() && file.commit();
}

// Embedded Firebird, in the mode Debian configures, lets one process at a time open a file;
// the host and the application server open the same one. Unless FIREBIRD says otherwise, the
// process uses a root of the user's own in SuperClassic mode, which shares a file between
// processes through the lock files under FIREBIRD_LOCK.
void UseSharedRoot() {
    if (qEnvironmentVariableIsSet("FIREBIRD"))
        return;
    const QString system = SystemRoot();
    // One place for every process of the user, whatever its environment says (TMPDIR,
    // XDG_RUNTIME_DIR): processes that shared a file through different lock directories would
    // not see each other's locks.
    const QString own = PrivateDirectory(QStringLiteral("/tmp/ger99500-firebird-%1").arg(getuid()));
    if (system.isEmpty() || own.isEmpty())
        return;
    const QString root = PrivateDirectory(own + QStringLiteral("/root"));
    const QString lock = PrivateDirectory(own + QStringLiteral("/lock"));
    if (root.isEmpty() || lock.isEmpty() || !MakeSharedRoot(system, root))
        return;
    qputenv("FIREBIRD", QFile::encodeName(root));
    if (!qEnvironmentVariableIsSet("FIREBIRD_LOCK"))
        qputenv("FIREBIRD_LOCK", QFile::encodeName(lock));
}

// Ends the process as the default action of the signal would, with the shell's status.
void EndProcess(int signal) {
    ::_exit(128 + signal);
}

// Firebird's embedded engine catches SIGINT and SIGTERM to shut itself down, and passes them on
// only to a handler that was there before it: with the default action there is none, and a
// process asked to stop (the host, by kill or Ctrl+C) would go on running. A handler that ends
// the process is put there first, where the action is the default.
void KeepTerminationSignals() {
    for (const int signal : {SIGINT, SIGTERM}) {
        struct sigaction current {};
        if (::sigaction(signal, nullptr, &current) != 0 || current.sa_handler != SIG_DFL)
            continue;
        struct sigaction ending {};
        ending.sa_handler = EndProcess;
        sigemptyset(&ending.sa_mask);
        ::sigaction(signal, &ending, nullptr);
    }
}

} // namespace

void Prepare() {
    static std::once_flag once;
    std::call_once(once, [] {
        KeepTerminationSignals();
        UseSharedRoot();
    });
}

// "HOST:PATH" and "HOST/PORT:PATH" name a server's database; an absolute path, or one without
// a colon, is a local file.
bool NamesLocalFile(const QString& path) {
    return path.startsWith(u'/') || !path.contains(u':');
}

void CreateFile(const QString& path) {
    const QString sql =
        QStringLiteral("CREATE DATABASE '%1' USER 'SYSDBA' DEFAULT CHARACTER SET UTF8")
            .arg(QString(path).replace(u'\'', QStringLiteral("''")));
    const QByteArray text = sql.toUtf8();
    ISC_STATUS_ARRAY status{};
    isc_db_handle database = 0;
    isc_tr_handle transaction = 0;
    isc_dsql_execute_immediate(status, &database, &transaction, 0, text.constData(), SQL_DIALECT_V6,
                               nullptr);
    if (status[0] == 1 && status[1] != 0)
        throw ESqlError(QStringLiteral("DatabaseConnection: cannot create %1: %2")
                            .arg(path, StatusText(status)),
                        sql);
    isc_detach_database(status, &database);
    // The engine makes the file readable by its group; a company's data is its owner's.
    QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

// The functions and the PARAM procedure live in the database itself.
void Configure(DatabaseConnection&) {}

QString StatementText(const QString& text, const QStringList& nullNames) {
    return SqlText::InlineNullParameters(text, nullNames);
}

QStringList Statements(const QString& script) {
    QStringList statements;
    QString current;
    for (const SqlText::Span& span : SqlText::Scan(script)) {
        const QStringView piece = QStringView(script).sliced(span.start, span.length);
        if (!span.isCode) {
            if (!piece.startsWith(u"--") && !piece.startsWith(u"/*"))
                current += piece;
            continue;
        }
        for (qsizetype i = 0; i < piece.size(); ++i) {
            if (piece[i] != u';') {
                current += piece[i];
                continue;
            }
            if (!current.trimmed().isEmpty())
                statements.append(current.trimmed());
            current.clear();
        }
    }
    if (!current.trimmed().isEmpty())
        statements.append(current.trimmed());
    return statements;
}

void RunScript(DatabaseConnection& connection, const QString& script) {
    for (const QString& statement : Statements(script)) {
        QSqlQuery query(connection.database());
        if (!query.exec(statement))
            Fail(query.lastError(), statement);
    }
}

QString OpenFailure(const QString& path, const QSqlError& error) {
    if (Mentions(error, "incompatible with current"))
        return QStringLiteral("O banco Firebird %1 está aberto por outro processo, que usa o "
                              "Firebird embutido em outro modo: feche esse processo, ou sirva o "
                              "banco por um servidor Firebird (HOST:%1).")
            .arg(path);
    if (Mentions(error, "network request") || Mentions(error, "connection refused"))
        return QStringLiteral("O servidor Firebird de %1 não responde: inicie-o "
                              "(scripts/firebird-server.sh start) ou confira o endereço. (%2)")
            .arg(path, error.databaseText());
    if (Mentions(error, "user name and password"))
        return QStringLiteral("O servidor Firebird de %1 não aceitou o usuário: informe-o em "
                              "ISC_USER e a senha em ISC_PASSWORD (no servidor de "
                              "scripts/firebird-server.sh, SYSDBA e masterkey).")
            .arg(path);
    if (Mentions(error, "No such file") || Mentions(error, "I/O error"))
        return QStringLiteral("O banco Firebird %1 não existe ou não pode ser lido: crie-o com "
                              "ger-appserver --init-demo %1 --engine firebird, ou confira o "
                              "caminho. (%2)")
            .arg(path, error.databaseText());
    return QStringLiteral("Não foi possível abrir o banco Firebird %1: %2")
        .arg(path, error.databaseText().isEmpty() ? error.text() : error.databaseText());
}

void Begin(DatabaseConnection& connection) {
    QSqlDatabase database = connection.database();
    if (!database.transaction())
        Fail(database.lastError(), QStringLiteral("transaction"));
}

void Commit(DatabaseConnection& connection) {
    QSqlDatabase database = connection.database();
    if (!database.commit())
        Fail(database.lastError(), QStringLiteral("commit"));
}

void Rollback(DatabaseConnection& connection) {
    connection.database().rollback();
}

// SQLCODE -913: a deadlock or an update conflict with a transaction that wrote the row first;
// -803: a key that such a transaction inserted meanwhile (the check before the insert could
// not see it); -901 with a lock conflict: a lock that did not come free in time.
bool IsConflict(const QSqlError& error) {
    const QString code = error.nativeErrorCode();
    return code == QLatin1String("-913") || code == QLatin1String("-803") ||
           (code == QLatin1String("-901") && Mentions(error, "lock conflict"));
}

// QIBASE gives a CHAR value (a literal's too: ' ' AS X) padded to its width in bytes, four per
// character on a UTF-8 connection; the value is its first width characters.
qsizetype FixedWidth(const QSqlField& field) {
    return field.typeID() == SQL_TEXT ? field.length() / 4 : -1;
}

// SQLite's length() is CHAR_LENGTH() here. CHAR(n) becomes VARCHAR(n): a fixed-width UTF-8
// column comes back through QIBASE padded to n times four bytes ("0001" as "0001" and twelve
// blanks), and the schema's CHECKs hold the widths anyway. The rest is common SQL.
QString SchemaText(const QString& ddl) {
    static const QRegularExpression length(QStringLiteral("(?<![\\w$])length(?=\\s*\\()"),
                                           QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression fixedWidth(QStringLiteral("(?<![\\w$])CHAR(?=\\s*\\()"),
                                               QRegularExpression::CaseInsensitiveOption);
    QString result;
    for (const SqlText::Span& span : SqlText::Scan(ddl)) {
        QString piece = ddl.mid(span.start, span.length);
        if (span.isCode)
            piece.replace(length, QStringLiteral("CHAR_LENGTH"))
                .replace(fixedWidth, QStringLiteral("VARCHAR"));
        result += piece;
    }
    return result;
}

} // namespace ger::FirebirdEngine
