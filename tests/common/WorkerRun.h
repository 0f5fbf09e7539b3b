#pragma once

#include "TestPaths.h"

#include <QProcess>
#include <QStringList>

#include <csignal>
#include <sys/resource.h>

// pdfworker started by a test under the limits of a troubled machine: a
// file size limit (as under "ulimit -f": its first write past the limit
// raises SIGXFSZ, left at its default here, and the worker has to turn that
// write into a failure like a full disk's rather than die of it), a few
// open files ("ulimit -n"), little memory ("ulimit -d": allocations past
// it fail).
struct WorkerLimits
{
    rlim_t fileBytes = RLIM_INFINITY;
    rlim_t openFiles = RLIM_INFINITY;
    rlim_t dataBytes = RLIM_INFINITY;
};

class LimitedWorker : public QProcess
{
public:
    explicit LimitedWorker(const WorkerLimits &limits) : m_limits(limits) {}

protected:
    void setupChildProcess() override
    {
        const struct rlimit size = {m_limits.fileBytes, m_limits.fileBytes};
        ::setrlimit(RLIMIT_FSIZE, &size);
        ::signal(SIGXFSZ, SIG_DFL);
        if (m_limits.openFiles != RLIM_INFINITY) {
            const struct rlimit files = {m_limits.openFiles, m_limits.openFiles};
            ::setrlimit(RLIMIT_NOFILE, &files);
        }
        if (m_limits.dataBytes != RLIM_INFINITY) {
            const struct rlimit data = {m_limits.dataBytes, m_limits.dataBytes};
            ::setrlimit(RLIMIT_DATA, &data);
        }
    }

private:
    WorkerLimits m_limits;
};

struct WorkerRun
{
    int exitCode = -1;
    bool crashed = true;
};

// Runs pdfworker with args (in workingDir when given) to its end, at most a
// minute.
inline WorkerRun runWorker(const QStringList &args, const WorkerLimits &limits = {}, const QString &workingDir = {})
{
    LimitedWorker process(limits);
    if (!workingDir.isEmpty())
        process.setWorkingDirectory(workingDir);
    process.start(TestPaths::workerPath(), args);
    WorkerRun run;
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        return run;
    }
    run.exitCode = process.exitCode();
    run.crashed = process.exitStatus() != QProcess::NormalExit;
    return run;
}
