#pragma once

// Runs a program to its end and measures it from here: wall time, CPU time
// (user + system) and peak resident memory of the child, from wait4(). No
// helper program is needed (GNU time is not installed by any script).
//
// The kernel counts into a child's peak the pages of the parent it was
// started from, so no child's peak can read lower than the benchmark's own
// size at the spawn: the benchmarks print their own peak beside the figures.

#include <QElapsedTimer>
#include <QFile>
#include <QStringList>

#include <cstdio>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char **environ;

struct ChildRun
{
    double wall = 0;
    double cpu = 0;
    long peakKb = 0;
    int exitCode = -1;   // -1: not started or killed by a signal
    bool ran = false;
};

inline double secondsOf(const timeval &time)
{
    return double(time.tv_sec) + double(time.tv_usec) / 1e6;
}

// command[0] is looked up in PATH. With quiet, the child's standard output
// and error go to /dev/null.
inline ChildRun runChild(const QStringList &command, bool quiet = true)
{
    std::vector<QByteArray> storage;
    for (const QString &part : command)
        storage.push_back(QFile::encodeName(part));
    std::vector<char *> argv;
    for (QByteArray &part : storage)
        argv.push_back(part.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (quiet) {
        posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    }
    ChildRun run;
    QElapsedTimer timer;
    timer.start();
    pid_t pid = 0;
    const int spawned = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) {
        std::fprintf(stderr, "cannot start %s\n", argv[0]);
        return run;
    }
    int status = 0;
    struct rusage usage {};
    if (wait4(pid, &status, 0, &usage) != pid)
        return run;
    run.ran = true;
    run.wall = double(timer.nsecsElapsed()) / 1e9;
    run.cpu = secondsOf(usage.ru_utime) + secondsOf(usage.ru_stime);
    run.peakKb = usage.ru_maxrss;
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

// This process's own peak resident memory in kilobytes.
inline long ownPeakKb()
{
    struct rusage usage {};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}
