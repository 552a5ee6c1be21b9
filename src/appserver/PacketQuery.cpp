#include "appserver/PacketQuery.h"

#include "platform/db/EDatabaseError.h"
#include "platform/db/PacketReader.h"
#include "platform/db/PacketWriter.h"
#include "platform/sql/DatabaseConnection.h"
#include "platform/sql/ESqlError.h"

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

PacketQuery::PacketQuery(DatabaseConnection& connection, const char* text,
                         const std::vector<PacketField>& layout)
    : m_connection(connection)
    , m_text(text)
    , m_layout(layout) {
    if (sqlite3_prepare_v3(connection.handle(), text, -1, SQLITE_PREPARE_PERSISTENT, &m_statement,
                           nullptr) != SQLITE_OK)
        fail();
    bool matches = sqlite3_column_count(m_statement) == static_cast<int>(layout.size());
    for (int i = 0; matches && i < static_cast<int>(layout.size()); ++i)
        matches =
            layout[static_cast<size_t>(i)].name.compare(
                QString::fromUtf8(sqlite3_column_name(m_statement, i)), Qt::CaseInsensitive) == 0;
    if (!matches) {
        sqlite3_finalize(m_statement);
        throw EDatabaseError(
            QStringLiteral("PacketQuery: the columns of the statement do not match its packet "
                           "layout: %1")
                .arg(QString::fromUtf8(text).simplified()));
    }
}

PacketQuery::~PacketQuery() {
    sqlite3_finalize(m_statement);
}

void PacketQuery::bind(const char* name, const QString& value) {
    const int index = sqlite3_bind_parameter_index(m_statement, name);
    if (index == 0)
        throw EDatabaseError(QStringLiteral("PacketQuery.bind: parameter %1 not found in: %2")
                                 .arg(QLatin1String(name), QString::fromUtf8(m_text).simplified()));
    const QByteArray utf8 = value.toUtf8();
    if (sqlite3_bind_text(m_statement, index, utf8.constData(), static_cast<int>(utf8.size()),
                          SQLITE_TRANSIENT) != SQLITE_OK)
        fail();
}

QByteArray PacketQuery::packet() {
    const ResetOnExit reset(m_statement);
    PacketWriter writer(PacketKind::Data, m_layout);
    const int columns = static_cast<int>(m_layout.size());
    int step = SQLITE_ROW;
    while ((step = sqlite3_step(m_statement)) == SQLITE_ROW) {
        for (int i = 0; i < columns; ++i) {
            if (sqlite3_column_type(m_statement, i) == SQLITE_NULL) {
                writer.AppendNull();
                continue;
            }
            const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(m_statement, i));
            const std::string_view utf8(text,
                                        static_cast<size_t>(sqlite3_column_bytes(m_statement, i)));
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

void PacketQuery::fail() const {
    throw ESqlError(QString::fromUtf8(sqlite3_errmsg(m_connection.handle())),
                    QString::fromUtf8(m_text));
}

} // namespace ger
