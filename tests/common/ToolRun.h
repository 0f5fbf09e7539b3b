#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>

// What a command-line tool started by a test printed and how it ended.
struct ToolRun
{
    int exitCode = -1;   // -1 also when it crashed or did not finish in time
    QByteArray out;
    QByteArray err;
};

// Runs program with arguments to its end (killed after timeoutMs: packaging
// with cpack may take minutes on a slow machine).
inline ToolRun runTool(const QString &program, const QStringList &arguments, int timeoutMs = 300000)
{
    QProcess process;
    process.start(program, arguments);
    ToolRun result;
    if (!process.waitForStarted(10000) || !process.waitForFinished(timeoutMs)) {
        process.kill();
        process.waitForFinished(5000);
        result.err = "did not finish: " + program.toUtf8();
        return result;
    }
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.out = process.readAllStandardOutput();
    result.err = process.readAllStandardError();
    return result;
}
