#include "appserver/PacketQuery.h"

#include "platform/db/EDatabaseError.h"
#include "platform/db/PacketReader.h"
#include "platform/db/PacketWriter.h"
#include "platform/sql/DatabaseConnection.h"
#include "platform/sql/ESqlError.h"
#include "platform/sql/SqlStatement.h"

#include <sqlite3.h>

namespace ger {

namespace {

// Resets the statement however a run ends, so that it keeps no read transaction open.
class ResetOnExit {
public:
    explicit ResetOnExit(sqlite3_stmt* statement)
        : m_statement(statement) {}
    ~ResetOnExit() {
        sqlite3_reset(m_statement);
        sqlite3_clear_bindings(m_statement);
    }
    ResetOnExit(const ResetOnExit&) = delete;
    ResetOnExit& operator=(const ResetOnExit&) = delete;

private:
    sqlite3_stmt* m_statement;
};

} // namespace

PacketQuery::PacketQuery(DatabaseConnection& connection, QByteArray text,
                         const std::vector<PacketField>& layout)
    : m_connection(connection)
    , m_text(std::move(text))
    , m_layout(layout) {
    if (connection.handle())
        prepareRaw();
    else
        m_statement = std::make_unique<SqlStatement>(connection, QString::fromUtf8(m_text));
}

PacketQuery::~PacketQuery() {
    sqlite3_finalize(m_raw);
}

void PacketQuery::prepareRaw() {
    if (sqlite3_prepare_v3(m_connection.handle(), m_text.constData(), -1, SQLITE_PREPARE_PERSISTENT,
                           &m_raw, nullptr) != SQLITE_OK)
        fail();
    QStringList columns;
    for (int i = 0; i < sqlite3_column_count(m_raw); ++i)
        columns.append(QString::fromUtf8(sqlite3_column_name(m_raw, i)));
    try {
        requireLayout(columns);
    } catch (...) {
        sqlite3_finalize(m_raw);
        m_raw = nullptr;
        throw;
    }
}

void PacketQuery::requireLayout(const QStringList& columns) const {
    bool matches = columns.size() == static_cast<qsizetype>(m_layout.size());
    for (qsizetype i = 0; matches && i < columns.size(); ++i)
        matches =
            m_layout[static_cast<size_t>(i)].name.compare(columns[i], Qt::CaseInsensitive) == 0;
    if (!matches)
        throw EDatabaseError(
            QStringLiteral("PacketQuery: the columns of the statement do not match its packet "
                           "layout: %1")
                .arg(QString::fromUtf8(m_text).simplified()));
}

void PacketQuery::bind(const char* name, const QString& value) {
    if (m_statement) {
        m_statement->bind(QString::fromLatin1(name), value);
        return;
    }
    const int index = sqlite3_bind_parameter_index(m_raw, name);
    if (index == 0)
        throw EDatabaseError(QStringLiteral("PacketQuery.bind: parameter %1 not found in: %2")
                                 .arg(QLatin1String(name), QString::fromUtf8(m_text).simplified()));
    const QByteArray utf8 = value.toUtf8();
    if (sqlite3_bind_text(m_raw, index, utf8.constData(), static_cast<int>(utf8.size()),
                          SQLITE_TRANSIENT) != SQLITE_OK)
        fail();
}

QByteArray PacketQuery::packet() {
    return m_statement ? statementPacket() : rawPacket();
}

QByteArray PacketQuery::rawPacket() {
    const ResetOnExit reset(m_raw);
    PacketWriter writer(PacketKind::Data, m_layout);
    const int columns = static_cast<int>(m_layout.size());
    int step = SQLITE_ROW;
    while ((step = sqlite3_step(m_raw)) == SQLITE_ROW) {
        for (int i = 0; i < columns; ++i) {
            if (sqlite3_column_type(m_raw, i) == SQLITE_NULL) {
                writer.AppendNull();
                continue;
            }
            const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(m_raw, i));
            const std::string_view utf8(text, static_cast<size_t>(sqlite3_column_bytes(m_raw, i)));
            if (!IsValidUtf8(utf8))
                throw EDatabaseError(
                    QStringLiteral("PacketQuery: column %1 holds text that is not UTF-8")
                        .arg(m_layout[static_cast<size_t>(i)].name));
            writer.AppendUtf8(utf8);
        }
    }
    if (step != SQLITE_DONE)
        fail();
    return writer.Finish();
}

QByteArray PacketQuery::statementPacket() {
    SqlRowSet rows;
    try {
        rows = m_statement->select();
    } catch (...) {
        m_statement->clearBindings();
        throw;
    }
    m_statement->clearBindings();
    requireLayout(rows.columns());
    PacketWriter writer(PacketKind::Data, m_layout);
    for (const SqlRow& row : rows.rows())
        for (const SqlValue& value : row) {
            if (!value) {
                writer.AppendNull();
                continue;
            }
            const QByteArray utf8 = value->toUtf8();
            writer.AppendUtf8(std::string_view(utf8.constData(), static_cast<size_t>(utf8.size())));
        }
    return writer.Finish();
}

void PacketQuery::fail() const {
    throw ESqlError(QString::fromUtf8(sqlite3_errmsg(m_connection.handle())),
                    QString::fromUtf8(m_text));
}

} // namespace ger
