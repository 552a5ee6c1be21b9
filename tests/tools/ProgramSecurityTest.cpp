// ger-appserver with a password file and TLS, as an administrator sets it up: users added
// from a pipe, the server refusing to listen beyond loopback unprotected, and ger-call let in
// only with the right credential and, over TLS, only trusting the server's certificate.

#include "ProgramRun.h"
#include "support/TestCertificate.h"

#include <QFile>
#include <QTemporaryDir>

using namespace ger::test;

namespace {

class ProgramSecurityTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { EnsureCoreApplication(); }

    void SetUp() override {
        ASSERT_TRUE(m_dir.isValid());
        ASSERT_EQ(RunProgram(GER_APPSERVER_EXE, {"--init-demo", path("demo.sqlite")}).exitCode, 0);
        const ProgramRun added = addUser("maria", "segredo\n");
        ASSERT_EQ(added.exitCode, 0) << added.err.toStdString();
    }

    void TearDown() override {
        if (m_server.state() != QProcess::NotRunning) {
            m_server.terminate();
            m_server.waitForFinished(kProgramWaitMs);
        }
    }

    QString path(const char* name) const { return m_dir.filePath(QString::fromUtf8(name)); }

    ProgramRun addUser(const char* user, const QByteArray& input) {
        return RunProgram(GER_APPSERVER_EXE, {"--users", path("users"), "--add-user", user},
                          QProcessEnvironment::systemEnvironment(), input);
    }

    void writeFile(const char* name, const char* text) {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }

    // ger-appserver on the demo database with `arguments`, on a free loopback port.
    void startServer(const QStringList& arguments) {
        const quint16 port =
            StartServer(m_server, GER_APPSERVER_EXE,
                        QStringList{"--database", path("demo.sqlite")} + arguments);
        ASSERT_NE(port, 0);
        m_port = QString::number(port);
    }

    ProgramRun call(const QStringList& options, const QString& password = {}) {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("GER_PASSWORD", password);
        return RunProgram(GER_CALL_EXE,
                          QStringList{"--port", m_port} + options +
                              QStringList{"GetTpOperFil", "v:0001"},
                          environment);
    }

    QTemporaryDir m_dir;
    QProcess m_server;
    QString m_port;
};

} // namespace

TEST_F(ProgramSecurityTest, UsersAreAddedToAFileOnlyTheirOwnerReads) {
    EXPECT_EQ(QFile::permissions(path("users")) & ~(QFile::ReadUser | QFile::WriteUser),
              QFile::ReadOwner | QFile::WriteOwner);
    ASSERT_EQ(addUser("jose", "outra\n").exitCode, 0);
    QFile file(path("users"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    EXPECT_TRUE(text.contains("\nmaria:pbkdf2-sha256$")) << text.toStdString();
    EXPECT_TRUE(text.contains("\njose:pbkdf2-sha256$"));
    EXPECT_FALSE(text.contains("segredo"));

    const ProgramRun empty = addUser("ana", "");
    EXPECT_EQ(empty.exitCode, 1);
    EXPECT_TRUE(empty.err.contains("Nenhuma senha")) << empty.err.toStdString();
}

TEST_F(ProgramSecurityTest, OnlyTheRightCredentialIsServed) {
    startServer({"--users", path("users")});
    const ProgramRun anonymous = call({});
    EXPECT_EQ(anonymous.exitCode, 2);
    EXPECT_TRUE(anonymous.err.contains(QString::fromUtf8("exige usuário e senha")))
        << anonymous.err.toStdString();
    const ProgramRun wrong = call({"--user", "maria"}, "errada");
    EXPECT_EQ(wrong.exitCode, 2);
    EXPECT_TRUE(wrong.err.contains(QString::fromUtf8("Usuário ou senha inválidos")));
    const ProgramRun right = call({"--user", "maria"}, "segredo");
    EXPECT_EQ(right.exitCode, 0) << right.err.toStdString();
    EXPECT_TRUE(right.out.contains("CDTIPOOPER")) << right.out.toStdString();
}

TEST_F(ProgramSecurityTest, BeyondLoopbackTheServerStartsOnlyWithTlsAndUsers) {
    const QStringList base{"--database", path("demo.sqlite"), "--listen", "0.0.0.0", "--port", "0"};
    const ProgramRun plain = RunProgram(GER_APPSERVER_EXE, base);
    EXPECT_EQ(plain.exitCode, 1);
    EXPECT_TRUE(plain.err.contains(QString::fromUtf8("só escuta com TLS")))
        << plain.err.toStdString();
    writeFile("server.crt", kTestCertificate);
    writeFile("server.key", kTestKey);
    const QStringList tls{"--tls-cert", path("server.crt"), "--tls-key", path("server.key")};
    const ProgramRun withoutUsers = RunProgram(GER_APPSERVER_EXE, base + tls);
    EXPECT_EQ(withoutUsers.exitCode, 1);
    EXPECT_TRUE(withoutUsers.err.contains(QString::fromUtf8("com um arquivo de usuários")));
}

TEST_F(ProgramSecurityTest, OverTlsTheClientMustTrustTheServer) {
    writeFile("server.crt", kTestCertificate);
    writeFile("server.key", kTestKey);
    writeFile("other.crt", kOtherCertificate);
    startServer({"--users", path("users"), "--tls-cert", path("server.crt"), "--tls-key",
                 path("server.key")});
    const ProgramRun trusted =
        call({"--user", "maria", "--tls", "--ca-file", path("server.crt")}, "segredo");
    EXPECT_EQ(trusted.exitCode, 0) << trusted.err.toStdString();
    const ProgramRun untrusted =
        call({"--user", "maria", "--tls", "--ca-file", path("other.crt")}, "segredo");
    EXPECT_EQ(untrusted.exitCode, 2);
    EXPECT_TRUE(untrusted.err.contains("falha no TLS")) << untrusted.err.toStdString();
    EXPECT_EQ(call({"--user", "maria"}, "segredo").exitCode, 2) << "a plain client";
}
