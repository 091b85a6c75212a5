#pragma once

// Runs this build's spanwright-cli (SPANWRIGHT_CLI_PATH, set for each test
// that uses it) with its arguments and standard input, for the tests that
// hold the program's own output, messages and status.

#include <QByteArray>
#include <QProcess>
#include <QStringList>

struct Run
{
    QByteArray out;
    QByteArray err;
    int status = -1; // -1: not started, not finished in time, or crashed
};

inline Run runProgram(const QStringList& arguments, const QByteArray& input = {})
{
    QProcess process;
    process.start(QStringLiteral(SPANWRIGHT_CLI_PATH), arguments);
    if (!process.waitForStarted())
        return {};
    process.write(input);
    process.closeWriteChannel();
    constexpr int TimeoutMs = 60000;
    if (!process.waitForFinished(TimeoutMs))
        return {};
    return {process.readAllStandardOutput(), process.readAllStandardError(),
            process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1};
}
