#include "platform/sql/FirebirdEngine.h"

#include "platform/sql/DatabaseConnection.h"
#include "platform/sql/ESqlError.h"
#include "platform/sql/SqlText.h"

#include <QFile>
#include <QRegularExpression>
#include <QSqlError>
#include <QSqlField>
#include <QSqlQuery>
#include <ibase.h>

namespace ger::FirebirdEngine {
namespace {

QString StatusText(const ISC_STATUS* status) {
    QStringList parts;
    char buffer[512];
    while (fb_interpret(buffer, sizeof buffer, &status))
        parts.append(QString::fromLocal8Bit(buffer));
    return parts.join(QStringLiteral("; "));
}

[[noreturn]] void Fail(const QSqlError& error, const QString& text) {
    const QString message = error.databaseText().isEmpty() ? error.text() : error.databaseText();
    throw ESqlError(message, text);
}

} // namespace

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
