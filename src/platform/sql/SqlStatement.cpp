#include "platform/sql/SqlStatement.h"

#include "platform/db/EDatabaseError.h"
#include "platform/sql/DatabaseConnection.h"
#include "platform/sql/ESqlError.h"
#include "platform/sql/SqlText.h"

#include <QSqlError>
#include <QSqlField>
#include <QSqlRecord>
#include <vector>

namespace ger {

namespace {

QString KeyOf(const QString& name) {
    return (name.startsWith(u':') ? name.mid(1) : name).toUpper();
}

// QtSql binds a null QString as NULL; here NULL comes only from a null QVariant.
QVariant BindableValue(const QVariant& value) {
    if (value.metaType().id() == QMetaType::QString && value.toString().isNull())
        return QVariant(QStringLiteral(""));
    if (value.isNull())
        return QVariant();
    return value;
}

} // namespace

SqlStatement::SqlStatement(DatabaseConnection& connection, const QString& text)
    : m_connection(connection)
    , m_text(text)
    , m_parameterNames(SqlText::ParameterNames(text))
    , m_query(connection.database()) {
    for (const QString& spelling : SqlText::ParameterNames(text, Qt::CaseSensitive))
        m_spellings[spelling.toUpper()].append(spelling);
    m_query.setForwardOnly(true);
    prepareFor(nullNames());
}

QStringList SqlStatement::nullNames() const {
    QStringList names;
    if (!TraitsOf(m_connection.engine()).textDependsOnNulls)
        return names;
    for (auto it = m_spellings.cbegin(); it != m_spellings.cend(); ++it)
        if (m_values.value(it.key()).isNull())
            names.append(it.key());
    names.sort();
    return names;
}

void SqlStatement::prepareFor(const QStringList& nulls) {
    if (m_isPrepared && nulls == m_preparedNulls &&
        !TraitsOf(m_connection.engine()).preparesEachRun)
        return;
    m_isPrepared = false;
    if (!m_query.prepare(m_connection.engineText(m_text, nulls)))
        fail();
    m_preparedNulls = nulls;
    m_isPrepared = true;
}

bool SqlStatement::hasParameter(const QString& name) const {
    return m_spellings.contains(KeyOf(name));
}

void SqlStatement::bind(const QString& name, const QVariant& value) {
    const QString key = KeyOf(name);
    if (!m_spellings.contains(key))
        throw EDatabaseError(QStringLiteral("SqlStatement.bind: parameter %1 not found in: %2")
                                 .arg(name, m_text.trimmed()));
    m_values.insert(key, BindableValue(value));
}

void SqlStatement::clearBindings() {
    m_values.clear();
}

void SqlStatement::run() {
    prepareFor(nullNames());
    for (auto it = m_spellings.cbegin(); it != m_spellings.cend(); ++it) {
        if (m_preparedNulls.contains(it.key()))
            continue; // written as NULL in the prepared text
        const QVariant value = m_values.value(it.key());
        for (const QString& spelling : it.value())
            m_query.bindValue(u':' + spelling, value);
    }
    if (!m_query.exec())
        fail();
}

SqlRowSet SqlStatement::select() {
    run();
    const QSqlRecord record = m_query.record();
    QStringList columns;
    std::vector<qsizetype> widths;
    for (int i = 0; i < record.count(); ++i) {
        columns.append(record.fieldName(i));
        widths.push_back(TraitsOf(m_connection.engine()).fixedWidth(record.field(i)));
    }
    SqlRowSet rows(columns);
    while (m_query.next()) {
        SqlRow row;
        row.reserve(static_cast<size_t>(columns.size()));
        for (int i = 0; i < columns.size(); ++i) {
            const QVariant value = m_query.value(i);
            const qsizetype width = widths[static_cast<size_t>(i)];
            row.push_back(value.isNull() ? SqlValue()
                          : width < 0    ? SqlValue(value.toString())
                                         : SqlValue(value.toString().left(width)));
        }
        rows.append(std::move(row));
    }
    if (m_query.lastError().isValid())
        fail();
    m_query.finish();
    return rows;
}

qint64 SqlStatement::execute() {
    run();
    const qint64 changed = m_query.numRowsAffected();
    m_query.finish();
    return changed;
}

void SqlStatement::fail() const {
    const QSqlError error = m_query.lastError();
    QString message = error.databaseText();
    if (message.isEmpty())
        message = error.text();
    throw ESqlError(message, m_text,
                    TraitsOf(m_connection.engine()).isConflict(error) ? ESqlError::Cause::Conflict
                                                                      : ESqlError::Cause::Refused);
}

} // namespace ger
