#include "app/StopRequest.h"

#include <QtGlobal>

#include <atomic>

#ifndef Q_OS_WIN
#include <csignal>
#endif
#ifdef Q_OS_LINUX
#include <sys/prctl.h>
#include <unistd.h>
#endif

namespace StopRequest {

namespace {

// Lock-free, so a signal handler may set it.
std::atomic<bool> requested{false};
static_assert(std::atomic<bool>::is_always_lock_free, "the stop request is set from a signal handler");

#ifndef Q_OS_WIN
void onTerminate(int)
{
    requested.store(true);
}
#endif

} // namespace

void installSignalHandler()
{
#ifndef Q_OS_WIN
    struct sigaction action = {};
    action.sa_handler = onTerminate;
    sigemptyset(&action.sa_mask);
    // Interrupted reads and writes carry on: the request is looked at
    // between outputs, not by failing whatever system call was under way.
    action.sa_flags = SA_RESTART;
    // Besides the launcher's cancel: Ctrl-C or a closed terminal reach the
    // worker with the program that started it, and a program that has gone
    // leaves the progress pipe without a reader. Left to their defaults they
    // would end the worker where it stands, with a batch of hidden temporary
    // files in the output folder and no response. A worker started with
    // Ctrl-C or hangups ignored, as under nohup, keeps ignoring them.
    for (int number : {SIGTERM, SIGINT, SIGHUP, SIGPIPE}) {
        struct sigaction previous = {};
        const bool optional = number == SIGINT || number == SIGHUP;
        if (optional && sigaction(number, nullptr, &previous) == 0 && previous.sa_handler == SIG_IGN)
            continue;
        sigaction(number, &action, nullptr);
    }
#endif
#ifdef Q_OS_LINUX
    // A program killed outright tells its worker through the kernel. The
    // launchers start workers from the GUI thread, which lives as long as
    // the program. (A parent gone before this line leaves the closed pipe.)
    const pid_t parent = getppid();
    prctl(PR_SET_PDEATHSIG, SIGTERM);
    if (getppid() != parent)
        requested.store(true);
#endif
}

bool isSet()
{
    return requested.load();
}

void set()
{
    requested.store(true);
}

void clear()
{
    requested.store(false);
}

} // namespace StopRequest
