#pragma once
// The programs as their tests run them: one run to its end, bounded in time, with what it
// printed; or a server started in the background, with the port it chose.

#include <QCoreApplication>
#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <gtest/gtest.h>

namespace ger::test {

inline constexpr int kProgramWaitMs = 30'000;

struct ProgramRun {
    int exitCode = -1;
    QString out;
    QString err;
};

// `input`, when given, is the program's standard input, closed after it.
inline ProgramRun
RunProgram(const char* program, const QStringList& arguments,
           const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment(),
           const QByteArray& input = {}) {
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(QString::fromUtf8(program), arguments);
    if (process.waitForStarted(kProgramWaitMs)) {
        process.write(input);
        process.closeWriteChannel();
    }
    EXPECT_TRUE(process.waitForFinished(kProgramWaitMs)) << program;
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

// QProcess needs an application object. Made once, when no test has one, and kept to the end
// (Qt's globals must outlive it, so it is not destroyed with the static objects).
inline void EnsureCoreApplication() {
    static int argc = 1;
    static char name[] = "test_tools";
    static char* argv[] = {name, nullptr};
    if (!QCoreApplication::instance())
        new QCoreApplication(argc, argv);
}

// Starts `program` (ger-appserver) with `arguments` plus "--port 0 --print-port" and returns
// the port it printed, or 0 (the test failed) when it printed none.
inline quint16 StartServer(QProcess& server, const char* program, const QStringList& arguments) {
    EnsureCoreApplication();
    server.start(QString::fromUtf8(program),
                 arguments + QStringList{"--port", "0", "--print-port"});
    if (!server.waitForStarted(kProgramWaitMs)) {
        ADD_FAILURE() << program << " did not start";
        return 0;
    }
    QByteArray line;
    while (!line.endsWith('\n') && server.waitForReadyRead(kProgramWaitMs))
        line += server.readLine();
    const auto match = QRegularExpression(":(\\d+)\n$").match(QString::fromUtf8(line));
    if (!match.hasMatch()) {
        ADD_FAILURE() << "no port from " << program << ": "
                      << server.readAllStandardError().toStdString();
        return 0;
    }
    return static_cast<quint16>(match.captured(1).toUInt());
}

} // namespace ger::test
