#pragma once
// The application server under test: a fresh copy of the demo database per test, served by
// StartAppServer on a loopback port chosen by the system, and a RemoteClient on it. Tests call
// the module's methods over the wire exactly as the screens do and read the database
// directly to see what was written. The database is SQLite's; a fixture made
// OnEveryEngine<Fixture> runs its tests (TEST_P) on every engine, Firebird embedded included.

#include "SeededDatabase.h"
#include "appserver/AppServer.h"
#include "appserver/AppServerOptions.h"
#include "appserver/RdmTpOperFil.h"
#include "appserver/ServerResult.h"
#include "platform/db/DataPacket.h"
#include "platform/net/RemoteClient.h"
#include "platform/net/RemoteServer.h"
#include "platform/sql/DatabaseConnection.h"
#include "platform/sql/SqlStatement.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <map>
#include <memory>
#include <string>
#include <tuple>

namespace ger::test {

using Args = QList<CallArgument>;

// The options of ger-appserver for the arguments after the program's name.
inline AppServerOptions ParseOptions(QStringList arguments) {
    arguments.prepend(QStringLiteral("ger-appserver"));
    return AppServerOptions::Parse(arguments);
}

inline CallArgument Val(const QString& text) {
    return CallArgument::string(text);
}
inline CallArgument Ref(const QString& text) {
    return CallArgument::stringByRef(text);
}

inline std::vector<QString> FieldNames(const DataPacket& packet) {
    std::vector<QString> names;
    for (const PacketField& field : packet.fields)
        names.push_back(field.name);
    return names;
}

// The values of one column of a packet, by field name.
inline std::vector<PacketValue> Column(const DataPacket& packet, const QString& name) {
    size_t index = 0;
    while (index < packet.fields.size() && packet.fields[index].name != name)
        ++index;
    EXPECT_LT(index, packet.fields.size()) << "no field " << name.toStdString();
    std::vector<PacketValue> values;
    for (const PacketRow& row : packet.rows)
        values.push_back(index < row.size() ? row[index] : PacketValue());
    return values;
}

class AppServerTest : public ::testing::Test {
protected:
    static void TearDownTestSuite() { s_templates.clear(); }

    // The engine of the test's database.
    virtual SqlEngine engine() const { return SqlEngine::SQLite; }

    // The demo database on the test's engine, made once per suite and copied for each test.
    QString templatePath() {
        std::unique_ptr<QTemporaryDir>& dir = s_templates[engine()];
        const QString file = QStringLiteral("demo.") + QLatin1String(TraitsOf(engine()).fileSuffix);
        if (!dir) {
            dir = std::make_unique<QTemporaryDir>();
            DemoDatabase::Create(dir->filePath(file), DemoDatabase::kSeedClients, engine());
        }
        return dir->filePath(file);
    }

    void SetUp() override {
        ASSERT_TRUE(m_dir.isValid());
        ASSERT_TRUE(QFile::copy(templatePath(), path()));
        prepareDatabase();
        m_server =
            StartAppServer(path(), QHostAddress::LocalHost, 0, AppServer::DefaultWorkers, engine());
        m_client.open(QStringLiteral("127.0.0.1"), m_server->serverPort(),
                      RdmTpOperFil::ModuleName);
    }

    void TearDown() override {
        m_client.close();
        m_server.reset();
        m_db.reset();
    }

    // Runs before the server starts, on the test's own copy (triggers, extra rows).
    virtual void prepareDatabase() {}

    QString path() const {
        return m_dir.filePath(QStringLiteral("empresa.") +
                              QLatin1String(TraitsOf(engine()).fileSuffix));
    }
    quint16 port() const { return m_server->serverPort(); }

    QVariant call(const QString& method, Args& args) { return m_client.call(method, args); }
    QVariant call(const QString& method, Args&& args) { return m_client.call(method, args); }

    // A result that must be a success; returns its payload.
    QByteArray succeed(const QString& method, Args& args) {
        const std::optional<ServerResult::Parts> parts = ServerResult::Read(call(method, args));
        EXPECT_TRUE(parts.has_value()) << method.toStdString() << ": not a result array";
        if (!parts)
            return {};
        EXPECT_EQ(parts->code, 0) << method.toStdString() << ": " << parts->message.toStdString();
        return parts->payload;
    }
    QByteArray succeed(const QString& method, Args&& args) { return succeed(method, args); }

    // A result that must be a failure; returns its parts.
    ServerResult::Parts fail(const QString& method, Args& args) {
        const std::optional<ServerResult::Parts> parts = ServerResult::Read(call(method, args));
        EXPECT_TRUE(parts.has_value()) << method.toStdString() << ": not a result array";
        if (!parts)
            return {};
        EXPECT_NE(parts->code, 0) << method.toStdString() << " succeeded";
        EXPECT_FALSE(parts->message.isEmpty());
        return *parts;
    }
    ServerResult::Parts fail(const QString& method, Args&& args) { return fail(method, args); }

    DatabaseConnection& db() {
        if (!m_db)
            m_db = std::make_unique<DatabaseConnection>(
                path(), DatabaseConnection::OpenMode::OpenExisting, engine());
        return *m_db;
    }

    SqlRowSet select(const QString& sql) { return SeededDatabase::Select(db(), sql); }
    // The rows alone, by value (safe to loop over directly).
    std::vector<SqlRow> rowsOf(const QString& sql) { return select(sql).rows(); }
    QString scalar(const QString& sql) { return SeededDatabase::Scalar(db(), sql); }
    int count(const QString& sql) { return SeededDatabase::Count(db(), sql); }

    // Every row of the tables the module writes, to compare before and after a call.
    std::vector<std::vector<SqlRow>> writtenTables() {
        std::vector<std::vector<SqlRow>> content;
        for (const char* table : {"TIPOOPERFILIAL", "TIPOOPERCLIENTE"})
            content.push_back(
                select(
                    QStringLiteral("SELECT * FROM %1 ORDER BY 1, 2, 3").arg(QLatin1String(table)))
                    .rows());
        return content;
    }

    QTemporaryDir m_dir;
    std::unique_ptr<RemoteServer> m_server;
    RemoteClient m_client;
    std::unique_ptr<DatabaseConnection> m_db;

private:
    static inline std::map<SqlEngine, std::unique_ptr<QTemporaryDir>> s_templates;
};

// Fixture's tests on every engine: write them with TEST_P and instantiate with
// INSTANTIATE_TEST_SUITE_P(Engines, Name, EveryEngine(), EngineName).
template <class Fixture>
class OnEveryEngine : public Fixture, public ::testing::WithParamInterface<SqlEngine> {
protected:
    SqlEngine engine() const override { return this->GetParam(); }
};

// The same with cases of the test's own: the parameter is (engine, case); instantiate with
// ::testing::Combine(EveryEngine(), ::testing::Values(cases...)) and EngineAndCaseName<Case>.
template <class Fixture, class Case>
class OnEveryEngineWith : public Fixture,
                          public ::testing::WithParamInterface<std::tuple<SqlEngine, Case>> {
protected:
    SqlEngine engine() const override { return std::get<0>(this->GetParam()); }
    const Case& testCase() const { return std::get<1>(this->GetParam()); }
};

inline auto EveryEngine() {
    return ::testing::ValuesIn(AllSqlEngines().begin(), AllSqlEngines().end());
}

inline std::string EngineName(const ::testing::TestParamInfo<SqlEngine>& info) {
    return SqlEngineName(info.param).toStdString();
}

// "<engine>_<case name>", for cases with a `name`.
template <class Case>
std::string EngineAndCaseName(const ::testing::TestParamInfo<std::tuple<SqlEngine, Case>>& info) {
    return SqlEngineName(std::get<0>(info.param)).toStdString() + '_' +
           std::string(std::get<1>(info.param).name);
}

} // namespace ger::test
