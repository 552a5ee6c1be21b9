#pragma once
// One run of a program to its end, bounded in time, with what it printed.

#include <QProcess>
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

} // namespace ger::test
