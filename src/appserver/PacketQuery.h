#pragma once
// A read statement whose rows go straight into a data packet. The lists the screens load on
// every move (GetTpOperFil above all) take this path.
//
//   PacketQuery list(connection, "SELECT ... WHERE T.CDFILIAL = :P_CDFILIAL ...", layout);
//   list.bind(":P_CDFILIAL", branch);
//   QByteArray packet = list.packet();
//
// On a connection with a raw SQLite handle the statement is prepared once on it and stepped
// row by row, each value copied as the UTF-8 SQLite holds into the packet, with no
// intermediate QVariant or QString. On any other engine it runs as an SqlStatement (QtSql,
// the engine's binding rules) and its rows are written to the packet as text.
//
// The statement must select exactly the layout's columns, in order and under its names
// (checked when prepared on SQLite, at every run elsewhere: EDatabaseError). Values are bound
// as parameters; a parameter never bound is NULL. A failing run raises ESqlError with the
// database's message; the statement is reset after every run, so it holds no lock between
// calls. Destroy it before its connection.

#include "platform/db/DataPacket.h"

#include <QByteArray>
#include <QString>
#include <memory>
#include <vector>

struct sqlite3_stmt;

namespace ger {

class DatabaseConnection;
class SqlRowSet;
class SqlStatement;

class PacketQuery {
public:
    PacketQuery(DatabaseConnection& connection, QByteArray text,
                const std::vector<PacketField>& layout);
    ~PacketQuery();

    PacketQuery(const PacketQuery&) = delete;
    PacketQuery& operator=(const PacketQuery&) = delete;

    // `name` as written in the text, colon included. Raises EDatabaseError for a name the text
    // does not hold.
    void bind(const char* name, const QString& value);

    QByteArray packet();

private:
    void prepareRaw();
    QByteArray rawPacket();
    QByteArray statementPacket();
    void requireLayout(const QStringList& columns) const;
    [[noreturn]] void fail() const;

    DatabaseConnection& m_connection;
    QByteArray m_text;
    const std::vector<PacketField>& m_layout;
    sqlite3_stmt* m_raw = nullptr;
    std::unique_ptr<SqlStatement> m_statement;
};

} // namespace ger
