#include "platform/sql/DatabaseConnection.h"

#include "platform/sql/ESqlError.h"

#include <QFileInfo>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <atomic>

namespace ger {

namespace {

QString NextConnectionName() {
    static std::atomic<quint64> counter{0};
    return QStringLiteral("ger_database_%1").arg(++counter);
}

// The driver's SQLite handle, when it is SQLite's.
sqlite3* SqliteHandle(const QSqlDatabase& database) {
    const QVariant handle = database.driver()->handle();
    if (qstrcmp(handle.typeName(), "sqlite3*") != 0 || !handle.isValid())
        return nullptr;
    return *static_cast<sqlite3* const*>(handle.constData());
}

// The variable's value, or `fallback` when it is not set (or no variable is named).
QString FromEnvironment(const char* variable, const QString& fallback) {
    return variable && qEnvironmentVariableIsSet(variable) ? qEnvironmentVariable(variable)
                                                           : fallback;
}

} // namespace

DatabaseConnection::DatabaseConnection(const QString& path, OpenMode mode, SqlEngine engine)
    : m_path(path)
    , m_engine(engine)
    , m_connectionName(NextConnectionName()) {
    const SqlEngineTraits& traits = TraitsOf(engine);
    traits.prepare();
    // A server's database cannot be looked for from here: to create it is to ask the server.
    const bool missing =
        traits.namesLocalFile(path) ? !QFileInfo(path).isFile() : mode == OpenMode::CreateIfMissing;
    if (missing && mode == OpenMode::OpenExisting)
        throw ESqlError(QStringLiteral("DatabaseConnection: database file not found: %1").arg(path),
                        QString());
    if (missing)
        traits.createFile(path);
    m_database = QSqlDatabase::addDatabase(QString::fromLatin1(traits.driver), m_connectionName);
    m_database.setDatabaseName(path);
    m_database.setUserName(FromEnvironment(traits.userVariable, QString::fromLatin1(traits.user)));
    m_database.setPassword(FromEnvironment(traits.passwordVariable, QString()));
    try {
        if (!m_database.open())
            throw ESqlError(traits.openFailure(path, m_database.lastError()), QString());
        m_handle = SqliteHandle(m_database);
        traits.configure(*this);
    } catch (...) {
        m_database.close();
        m_database = QSqlDatabase();
        QSqlDatabase::removeDatabase(m_connectionName);
        throw;
    }
}

DatabaseConnection::~DatabaseConnection() {
    m_database.close();
    m_database = QSqlDatabase();
    QSqlDatabase::removeDatabase(m_connectionName);
}

QString DatabaseConnection::engineText(const QString& text, const QStringList& nullNames) const {
    return TraitsOf(m_engine).statementText(text, nullNames);
}

void DatabaseConnection::executeScript(const QString& script) {
    TraitsOf(m_engine).runScript(*this, script);
}

QString DatabaseConnection::schemaText(const QString& ddl) const {
    return TraitsOf(m_engine).schemaText(ddl);
}

void DatabaseConnection::createRoutines() {
    for (const SqlRoutine& routine : TraitsOf(m_engine).routines) {
        QSqlQuery query(m_database);
        if (!query.exec(QString::fromUtf8(routine.text)))
            throw ESqlError(query.lastError().databaseText(), QString::fromUtf8(routine.text));
    }
}

QStringList DatabaseConnection::missingRoutines() {
    const SqlEngineTraits& traits = TraitsOf(m_engine);
    if (!traits.routineNamesQuery)
        return {};
    QSqlQuery query(m_database);
    if (!query.exec(QString::fromUtf8(traits.routineNamesQuery)))
        throw ESqlError(query.lastError().databaseText(),
                        QString::fromUtf8(traits.routineNamesQuery));
    QStringList present;
    while (query.next())
        present.append(query.value(0).toString().toUpper());
    QStringList missing;
    for (const SqlRoutine& routine : traits.routines)
        if (!present.contains(QLatin1String(routine.name)))
            missing.append(QString::fromLatin1(routine.name));
    return missing;
}

} // namespace ger
