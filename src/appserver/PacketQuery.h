#pragma once
// A read statement whose rows go straight into a data packet: prepared once on the
// connection's SQLite handle, stepped row by row, each value copied as the UTF-8 SQLite holds
// into the packet, with no intermediate QVariant or QString. The lists the screens load on
// every move (GetTpOperFil above all) take this path.
//
//   PacketQuery list(connection, "SELECT ... WHERE T.CDFILIAL = :P_CDFILIAL ...", layout);
//   list.bind(":P_CDFILIAL", branch);
//   QByteArray packet = list.packet();
//
// The statement must select exactly the layout's columns, in order and under its names
// (checked when prepared: EDatabaseError). Values are bound as parameters; a parameter never
// bound is NULL. A failing step raises ESqlError with SQLite's message; the statement is reset
// after every run, so it holds no lock between calls. Destroy it before its connection.

#include "platform/db/DataPacket.h"

#include <QByteArray>
#include <QString>
#include <vector>

struct sqlite3_stmt;

namespace ger {

class DatabaseConnection;

class PacketQuery {
public:
    PacketQuery(DatabaseConnection& connection, const char* text,
                const std::vector<PacketField>& layout);
    ~PacketQuery();

    PacketQuery(const PacketQuery&) = delete;
    PacketQuery& operator=(const PacketQuery&) = delete;

    // `name` as written in the text, colon included. Raises EDatabaseError for a name the text
    // does not hold.
    void bind(const char* name, const QString& value);

    QByteArray packet();

private:
    [[noreturn]] void fail() const;

    DatabaseConnection& m_connection;
    const char* m_text;
    const std::vector<PacketField>& m_layout;
    sqlite3_stmt* m_statement = nullptr;
};

} // namespace ger
